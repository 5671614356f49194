# The Windows zip's folder: the programs, what they load, a README and the licences. Sourced after
# common.sh and qt-windows.sh by scripts/package-windows and the Windows stage of scripts/test.
source "$ROOT/scripts/qt-licences.sh"
PROJECT_VERSION="$(sed -n 's/^project(eitool VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")"

# stage_windows_zip BUILD_DIR ZIP: the programs of BUILD_DIR (the window when it was built) into ZIP,
# in a folder "eitool", stripped.
stage_windows_zip() {
  local build="$1" zip="$2"
  local stage="$build/zip/eitool"
  local crlf=(sed 's/\r$//; s/$/\r/')  # Windows users read text files with CR LF line ends
  rm -rf "$build/zip"
  mkdir -p "$stage/licences"
  cp "$build/cli/eitool-cli.exe" "$build/cli/zlib1.dll" "$build/cli/libdeflate.dll" "$stage/"
  # What each file of the zip holds and under which licence: licences/README.txt, one entry per file.
  local index=()
  index+=("eitool-cli.exe: Extract\\Insert Tool $PROJECT_VERSION (eitool-MIT.txt), with FreeType compiled in"
          "  (freetype.txt, freetype-FTL.txt), libspng, xxHash and zlib compiled in (libspng.txt, xxhash.txt,"
          "  zlib.txt) and the GCC and MinGW-w64 runtimes linked in (gcc-runtime.txt, mingw-w64-runtime.txt)"
          "zlib1.dll: zlib (zlib.txt)"
          "libdeflate.dll: libdeflate $LIBDEFLATE_WINDOWS_VERSION, built from Debian's source package (libdeflate.txt)")
  "${crlf[@]}" "$ROOT/LICENSE" >"$stage/licences/eitool-MIT.txt"
  if [ -f "$build/window/eitool.exe" ]; then
    cp "$build/window/eitool.exe" "$stage/"
    deploy_qt_windows "$stage"
    qt_windows_licences
    mkdir -p "$stage/licences/qt-3rdparty"
    "${crlf[@]}" "$QT_WINDOWS/licences/LGPL-3.0-only.txt" >"$stage/licences/qt-LGPL-3.0.txt"
    "${crlf[@]}" "$QT_WINDOWS/licences/GPL-3.0-only.txt" >"$stage/licences/qt-GPL-3.0.txt"
    printf '%s\r\n' "Qt $QT_WINDOWS_VERSION (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll and the plugins) is used under the GNU LGPL" \
      "version 3 (qt-LGPL-3.0.txt, which builds on the GNU GPL version 3, qt-GPL-3.0.txt). It was built from" \
      "Debian's qt6-base $QT_WINDOWS_VERSION+dfsg-10 source package:" \
      "https://snapshot.debian.org/package/qt6-base/$QT_WINDOWS_VERSION%2Bdfsg-10/ (scripts/build-qt-windows" \
      "in the program's sources makes the same DLLs). You may replace these DLLs with your own build of Qt $QT_WINDOWS_VERSION." \
      "The libraries Qt compiles into its DLLs are listed in README.txt, each with its notice in qt-3rdparty." \
      >"$stage/licences/qt.txt"
    index+=("eitool.exe: Extract\\Insert Tool $PROJECT_VERSION (eitool-MIT.txt), with FreeType compiled in (freetype.txt,"
            "  freetype-FTL.txt), libspng, xxHash and zlib compiled in (libspng.txt, xxhash.txt, zlib.txt) and the"
            "  GCC and MinGW-w64 runtimes linked in (gcc-runtime.txt, mingw-w64-runtime.txt)")
    local dll file name
    for dll in Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll; do
      index+=("$dll: Qt $QT_WINDOWS_VERSION (qt.txt, qt-LGPL-3.0.txt, qt-GPL-3.0.txt)")
      while IFS=$'\t' read -r inside file name; do
        [ "$inside" = "${dll##*/}" ] || continue
        "${crlf[@]}" "$QT_LICENCES_CACHE/$file" >"$stage/licences/qt-3rdparty/$file"
        index+=("  with $name (qt-3rdparty/$file)")
      done <"$QT_LICENCES_CACHE/components.tsv"
    done
    # Qt's own words for its standard dialogs (Open, Cancel, Yes), in each language the window speaks: Debian's
    # (qt6-translations-l10n, of the same Qt version; a .qm file is the same on every system).
    mkdir -p "$stage/translations"
    local ts language
    for ts in "$ROOT"/window/translations/eitool_*.ts; do
      language="${ts##*/eitool_}"
      language="${language%.ts}"
      cp "/usr/share/qt6/translations/qtbase_$language.qm" "$stage/translations/"
      index+=("translations/qtbase_$language.qm: Qt's translations (qt-translations.txt)")
    done
    "${crlf[@]}" /usr/share/doc/qt6-translations-l10n/copyright >"$stage/licences/qt-translations.txt"
    index+=("libstdc++-6.dll: the GCC C++ runtime (gcc-runtime.txt)"
            "libgcc_s_seh-1.dll: the GCC runtime (gcc-runtime.txt)"
            "libwinpthread-1.dll: the MinGW-w64 threads library (mingw-w64-runtime.txt)"
            "qt.conf: Qt's settings for the program (written for it, no licence)")
  fi
  # A font to draw glyph sheets from (and the window's fallback font).
  mkdir -p "$stage/fonts"
  cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$stage/fonts/"
  "${crlf[@]}" /usr/share/doc/fonts-dejavu-core/copyright >"$stage/licences/dejavu-fonts.txt"
  index+=("fonts/DejaVuSans.ttf: the DejaVu fonts (dejavu-fonts.txt)"
          "README.txt: this program's (eitool-MIT.txt)")
  find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
  { echo "Extract\\Insert Tool $PROJECT_VERSION for Windows"; echo; cat "$ROOT/docs/README-windows.txt"; } |
    "${crlf[@]}" >"$stage/README.txt"
  # FreeType is compiled into both programs (under the FreeType License, one of its two licences).
  "${crlf[@]}" "$FREETYPE_WINDOWS/licences/FTL.TXT" >"$stage/licences/freetype-FTL.txt"
  printf '%s\r\n' "eitool.exe and eitool-cli.exe contain FreeType $FREETYPE_WINDOWS_VERSION, used under the FreeType License" \
    "(freetype-FTL.txt): portions of this software are copyright (C) The FreeType Project (www.freetype.org)." \
    "All rights reserved. It was built from Debian's freetype $FREETYPE_WINDOWS_VERSION source package." \
    >"$stage/licences/freetype.txt"
  # libspng (with MinGW-w64's static zlib) is compiled into both programs too, under its BSD licence.
  { printf '%s\n' "eitool.exe and eitool-cli.exe contain libspng $SPNG_WINDOWS_VERSION, which reads PNG files, used under the" \
      "licence below; it was built from Debian's libspng $SPNG_WINDOWS_VERSION source package, with zlib (zlib.txt)." ""
    cat "$SPNG_WINDOWS/licences/LICENSE"; } | "${crlf[@]}" >"$stage/licences/libspng.txt"
  # libdeflate packs and unpacks the textures, under its MIT licence.
  { printf '%s\n' "libdeflate.dll is libdeflate $LIBDEFLATE_WINDOWS_VERSION, which packs and unpacks textures, used under the" \
      "licence below; it was built from Debian's libdeflate $LIBDEFLATE_WINDOWS_VERSION source package." ""
    cat "$LIBDEFLATE_WINDOWS/licences/COPYING"; } | "${crlf[@]}" >"$stage/licences/libdeflate.txt"
  # xxHash (its header, inlined) hashes the images an extract writes, under its BSD 2-clause licence.
  { printf '%s\n' "eitool.exe and eitool-cli.exe contain xxHash, from Debian's libxxhash-dev, whose copyright file follows;" \
      "the programs use its library (xxhash.h, BSD 2-clause), not its command-line tools." ""
    cat /usr/share/doc/libxxhash-dev/copyright; } | "${crlf[@]}" >"$stage/licences/xxhash.txt"
  local licence
  for licence in "zlib:libz-mingw-w64" "gcc-runtime:gcc-mingw-w64-base" "mingw-w64-runtime:mingw-w64-common"; do
    "${crlf[@]}" "/usr/share/doc/${licence#*:}/copyright" >"$stage/licences/${licence%%:*}.txt"
  done
  { echo "The files of this folder, what each holds, and the licence of each part (the texts in this folder):"
    echo; printf '%s\n' "${index[@]}"; } | "${crlf[@]}" >"$stage/licences/README.txt"
  check_zip_licences "$stage"
  rm -f "$zip"
  (cd "$build/zip" && zip -qr "$zip" eitool)
}

# Every program, DLL and font of the zip has its entry in licences/README.txt, and every text file has CR LF
# line ends; fails naming what has not.
check_zip_licences() {
  local stage="$1" file missing=0
  while IFS= read -r file; do
    grep -qF "${file#"$stage"/}: " "$stage/licences/README.txt" ||
      { echo "the zip's licences/README.txt has no entry for ${file#"$stage"/}" >&2; missing=1; }
  done < <(find "$stage" -type f \( -name '*.exe' -o -name '*.dll' -o -name '*.ttf' -o -name '*.qm' \))
  while IFS= read -r file; do
    if grep -q $'[^\r]$' "$file" || grep -qx '' "$file"; then
      echo "${file#"$stage"/} has line ends other than CR LF" >&2
      missing=1
    fi
  done < <(find "$stage" -type f \( -name '*.txt' -o -name 'qt.conf' \))
  return "$missing"
}
