# libdeflate for Windows (MinGW-w64), the faster packing engine the Windows programs load from their own folder
# as the Linux ones load Debian's: found or made. Sourced after common.sh.
#
# Where it comes from, first found first: EIT_LIBDEFLATE_WINDOWS (an install tree); the cache; a build from
# Debian's own libdeflate source package (scripts/build-libdeflate-windows, under a minute), made when missing.

LIBDEFLATE_WINDOWS_VERSION=1.14
LIBDEFLATE_WINDOWS_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/eitool/libdeflate${LIBDEFLATE_WINDOWS_VERSION}-mingw-w64"

libdeflate_windows_tree_ok() { [ -f "$1/bin/libdeflate.dll" ] && [ -f "$1/licences/COPYING" ]; }

# Sets LIBDEFLATE_WINDOWS to the libdeflate tree, building it into the cache when it is missing.
find_libdeflate_windows() {
  LIBDEFLATE_WINDOWS="$(windows_library_tree EIT_LIBDEFLATE_WINDOWS libdeflate_windows_tree_ok \
    "$LIBDEFLATE_WINDOWS_CACHE" build-libdeflate-windows)" || return 1
}
