# libspng for Windows (MinGW-w64), for reading PNG files in the Windows build: found or made. Sourced after
# common.sh.
#
# Where it comes from, first found first: EIT_SPNG_WINDOWS (an install tree); the cache; a build from
# Debian's own libspng source package (scripts/build-spng-windows, under a minute), made when missing.

SPNG_WINDOWS_VERSION=0.7.3
SPNG_WINDOWS_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/eitool/spng${SPNG_WINDOWS_VERSION}-mingw-w64"

spng_windows_tree_ok() { [ -f "$1/include/spng.h" ] && [ -f "$1/lib/libspng_static.a" ] && [ -f "$1/licences/LICENSE" ]; }

# Sets SPNG_WINDOWS to the libspng tree, building it into the cache when it is missing.
find_spng_windows() {
  SPNG_WINDOWS="$(windows_library_tree EIT_SPNG_WINDOWS spng_windows_tree_ok "$SPNG_WINDOWS_CACHE" build-spng-windows)" ||
    return 1
}
