# The Windows zip's folder: the programs, what they load, a README and the licences. Sourced after
# common.sh and qt-windows.sh by scripts/package-windows and the Windows stage of scripts/test.

# stage_windows_zip BUILD_DIR ZIP: the programs of BUILD_DIR (the window when it was built) into ZIP,
# in a folder "eitool", stripped.
stage_windows_zip() {
  local build="$1" zip="$2"
  local stage="$build/zip/eitool"
  rm -rf "$build/zip"
  mkdir -p "$stage/licences"
  cp "$build/cli/eitool-cli.exe" "$build/cli/zlib1.dll" "$stage/"
  if [ -f "$build/window/eitool.exe" ]; then
    cp "$build/window/eitool.exe" "$stage/"
    deploy_qt_windows "$stage"
    cp "$QT_WINDOWS/licences/LGPL-3.0-only.txt" "$stage/licences/qt-LGPL-3.0.txt"
    printf '%s\r\n' "Qt $QT_WINDOWS_VERSION (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll and the plugins) is used under the GNU LGPL" \
      "version 3 (qt-LGPL-3.0.txt). It was built from Debian's qt6-base $QT_WINDOWS_VERSION+dfsg-10 source package:" \
      "https://snapshot.debian.org/package/qt6-base/$QT_WINDOWS_VERSION%2Bdfsg-10/ (scripts/build-qt-windows" \
      "in the program's sources makes the same DLLs). You may replace these DLLs with your own build of Qt $QT_WINDOWS_VERSION." \
      >"$stage/licences/qt.txt"
  fi
  # A font to draw glyph sheets from (and the window's fallback font).
  mkdir -p "$stage/fonts"
  cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$stage/fonts/"
  sed 's/$/\r/' /usr/share/doc/fonts-dejavu-core/copyright >"$stage/licences/dejavu-fonts.txt"
  find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
  # Windows users read text files with CR LF line ends.
  sed 's/$/\r/' "$ROOT/docs/README-windows.txt" >"$stage/README.txt"
  # FreeType is compiled into both programs (under the FreeType License, one of its two licences).
  sed 's/$/\r/' "$FREETYPE_WINDOWS/licences/FTL.TXT" >"$stage/licences/freetype-FTL.txt"
  printf '%s\r\n' "eitool.exe and eitool-cli.exe contain FreeType $FREETYPE_WINDOWS_VERSION, used under the FreeType License" \
    "(freetype-FTL.txt): portions of this software are copyright (C) The FreeType Project (www.freetype.org)." \
    "All rights reserved. It was built from Debian's freetype $FREETYPE_WINDOWS_VERSION source package." \
    >"$stage/licences/freetype.txt"
  local licence
  for licence in "zlib:libz-mingw-w64" "gcc-runtime:gcc-mingw-w64-base" "mingw-w64-runtime:mingw-w64-common"; do
    sed 's/$/\r/' "/usr/share/doc/${licence#*:}/copyright" >"$stage/licences/${licence%%:*}.txt"
  done
  rm -f "$zip"
  (cd "$build/zip" && zip -qr "$zip" eitool)
}
