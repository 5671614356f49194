# FreeType for Windows (MinGW-w64), for drawing glyph sheets from font files in the Windows build: found
# or made. Sourced after common.sh.
#
# Where it comes from, first found first: EIT_FREETYPE_WINDOWS (an install tree); the cache; a build from
# Debian's own freetype source package (scripts/build-freetype-windows, a few minutes), made when missing.

FREETYPE_WINDOWS_VERSION=2.12.1
# Built over MinGW-w64's zlib (a tree of an earlier build, with FreeType's own zlib in it, has another name).
FREETYPE_WINDOWS_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/eitool/freetype${FREETYPE_WINDOWS_VERSION}-zlib-mingw-w64"

freetype_windows_tree_ok() { [ -f "$1/include/freetype2/ft2build.h" ] && [ -f "$1/lib/libfreetype.a" ]; }

# Sets FREETYPE_WINDOWS to the FreeType tree, building it into the cache when it is missing.
find_freetype_windows() {
  FREETYPE_WINDOWS="$(windows_library_tree EIT_FREETYPE_WINDOWS freetype_windows_tree_ok "$FREETYPE_WINDOWS_CACHE" \
    build-freetype-windows)" || return 1
}
