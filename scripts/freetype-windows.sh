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
  FREETYPE_WINDOWS=""
  if [ -n "${EIT_FREETYPE_WINDOWS:-}" ]; then
    freetype_windows_tree_ok "$EIT_FREETYPE_WINDOWS" ||
      { echo "EIT_FREETYPE_WINDOWS=$EIT_FREETYPE_WINDOWS is not a FreeType tree for Windows" >&2; return 1; }
    FREETYPE_WINDOWS="$EIT_FREETYPE_WINDOWS"
    return 0
  fi
  freetype_windows_tree_ok "$FREETYPE_WINDOWS_CACHE" || "$ROOT/scripts/build-freetype-windows" >/dev/null
  FREETYPE_WINDOWS="$FREETYPE_WINDOWS_CACHE"
}
