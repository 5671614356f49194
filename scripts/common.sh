# Shared by scripts/run and scripts/test: package installation and the build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

# Packages to build the program and its tests.
BUILD_PACKAGES=(build-essential cmake ninja-build pkg-config zlib1g zlib1g-dev libdeflate0 libdeflate-dev libxxhash-dev
                libcli11-dev libfreetype-dev libspng-dev fonts-dejavu-core fonts-liberation2 fonts-urw-base35 fonts-noto-core
                qt6-base-dev qt6-image-formats-plugins qt6-l10n-tools qt6-translations-l10n
                libgtest-dev libgmock-dev libbenchmark-dev)
# The Debian package's checks.
PACKAGE_PACKAGES=(lintian desktop-file-utils appstream man-db)
# clang and its runtimes, for the fuzz targets.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The Windows build (MinGW-w64 cross compiler and its zlib; Qt's host tools for the window), its test run
# (wine, and a virtual display for the real window) and its package (zip).
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev googletest qt6-base-dev-tools wine wine64 fonts-wine xvfb xauth
                  xz-utils zip unzip)

# Installs the Debian packages that are not installed yet; a second run installs nothing.
ensure_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "==> installing: ${missing[*]}"
  apt_get update -qq
  apt_get install -y -qq --no-install-recommends "${missing[@]}"
}

# apt-get, waiting while another package manager holds its lock (on a fresh machine the boot-time
# upgrade often does), for at most APT_WAIT_SECONDS (default 900), saying so.
apt_get() {
  local sudo="" waited=0 limit="${APT_WAIT_SECONDS:-900}" out status
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  out="$(mktemp)"
  while :; do
    set +e
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=60 "$@" 2>&1 | tee "$out"
    status=${PIPESTATUS[0]}
    set -e
    if [ "$status" -ne 0 ] && [ "$waited" -lt "$limit" ] &&
        grep -qE "Could not get lock|Unable to lock|Unable to acquire the dpkg frontend lock" "$out"; then
      echo "==> waiting for the package manager: another apt or dpkg run holds its lock (${waited}s of ${limit}s)"
      sleep 10
      waited=$((waited + 10))
      continue
    fi
    rm -f "$out"
    return "$status"
  done
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir="$1"
  shift
  cmake -S "$ROOT" -B "$ROOT/build/$dir" -G Ninja "$@" >/dev/null
  cmake --build "$ROOT/build/$dir" -j "$JOBS"
}

# Makes Debian's source packages reachable (apt-get source): a deb-src entry with the same archive and key
# as the system's own, added once.
ensure_deb_src() {
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  apt-get source --print-uris "$1" >/dev/null 2>&1 && return 0
  printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: bookworm" "Components: main" \
    "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" | $sudo tee /etc/apt/sources.list.d/eitool-deb-src.sources >/dev/null
  apt_get update -qq || { $sudo rm -f /etc/apt/sources.list.d/eitool-deb-src.sources; return 1; }
}

# deb_source_into WORK PACKAGE VERSION: unpacks Debian's source package of that version (its patches applied)
# into WORK, made anew, and prints the tree's folder. A few seconds, from the network.
deb_source_into() {
  local work="$1" package="$2" version="$3" src
  ensure_packages dpkg-dev xz-utils
  ensure_deb_src "$package"
  rm -rf "$work"
  mkdir -p "$work"
  (cd "$work" && apt-get source -qq "$package=$version" 2>/dev/null || apt-get source -qq "$package") >&2
  src="$(find "$work" -maxdepth 1 -mindepth 1 -type d | head -n 1)"
  [ -n "$src" ] || { echo "no $package source in $work" >&2; return 1; }
  echo "$src"
}

# windows_library_tree ENV_NAME TREE_OK CACHE BUILDER: prints the install tree of a library built for Windows:
# the one named by the environment variable ENV_NAME when set (checked with the function TREE_OK), else CACHE,
# which scripts/BUILDER makes when it is missing.
windows_library_tree() {
  local env_name="$1" tree_ok="$2" cache="$3" builder="$4"
  if [ -n "${!env_name:-}" ]; then
    "$tree_ok" "${!env_name}" || { echo "$env_name=${!env_name} is not the library's tree for Windows" >&2; return 1; }
    echo "${!env_name}"
    return 0
  fi
  "$tree_ok" "$cache" || "$ROOT/scripts/$builder" >/dev/null
  echo "$cache"
}
