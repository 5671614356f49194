# The Windows stage of scripts/test: the MinGW-w64 cross build (the window too, when Qt for Windows is
# found or made: scripts/qt-windows.sh), its tests under wine, a CLI round trip in a folder named with
# Cyrillic and Greek letters whose outputs must equal the Linux build's, and a run of the real window
# from the zip's folder on a virtual display. Sourced after common.sh, with the Linux release build done.
source "$ROOT/scripts/qt-windows.sh"
source "$ROOT/scripts/freetype-windows.sh"
source "$ROOT/scripts/spng-windows.sh"
source "$ROOT/scripts/libdeflate-windows.sh"
source "$ROOT/scripts/windows-package.sh"

# Wine has a zlib1.dll of its own, which it prefers: in the prefix of WINEPREFIX, the programs (and only
# they) load the one we ship.
prefer_own_zlib() {
  local app
  for app in eitool.exe eitool-cli.exe eitool_tests.exe eitool_gui_tests.exe; do
    wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$app\\DllOverrides" /v zlib1 /d native,builtin /f >/dev/null 2>&1
  done
}

# In the prefix of WINEPREFIX a program that crashes ends there, its fault printed, instead of waiting on
# wine's debugger (which once held a CI run until its time ran out).
no_crash_debugger() {
  wine reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug" /v Debugger /d "" /f >/dev/null 2>&1
}

# native_dlls_loaded TRACE DIR DLL...: wine's loader trace (WINEDEBUG=+loaddll) in the file TRACE shows each
# DLL loaded native from the folder DIR, the program's own: not wine's built-in one, not one from elsewhere.
native_dlls_loaded() {
  local trace="$1" folder="$2" dir dll
  # As the trace writes a path: each backslash doubled, each letter past ASCII as a backslash and 4 hex digits.
  dir="$(winepath -w "$2" 2>/dev/null | tr -d '\r' | perl -CS -pe 's/\\/\\\\/g; s/([^\x00-\x7f])/sprintf("\\%04x", ord($1))/ge')"
  shift 2
  for dll in "$@"; do
    # Loaded L"Z:\\work\\zlib1.dll" at 0000000241B90000: native
    grep -aiF "Loaded L\"$dir\\\\$dll\" at " "$trace" | grep -q ": native" ||
      { echo "wine did not load $dll native from $folder; its trace says:" >&2; grep -ai "$dll" "$trace" >&2; return 1; }
  done
}

windows_stage() {
  echo "==> Windows build (MinGW-w64) and tests under wine"
  local started=$SECONDS
  ensure_packages "${WINDOWS_PACKAGES[@]}"
  local toolchain="$ROOT/cmake/mingw-w64-x86_64.cmake"
  local gtest="$ROOT/build/windows-gtest"
  # Debian ships GoogleTest as source only for other targets: build it once with the cross compiler.
  if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$ROOT/build/windows-gtest-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest" >/dev/null
    cmake --build "$ROOT/build/windows-gtest-build" -j "$JOBS" >/dev/null
    cmake --install "$ROOT/build/windows-gtest-build" >/dev/null
  fi
  find_qt_windows
  find_freetype_windows
  find_spng_windows
  find_libdeflate_windows
  local qt=(-DEIT_WINDOW=OFF)
  [ -z "$QT_WINDOWS" ] || qt=(-DEIT_WINDOW=ON -DEIT_QT_WINDOWS="$QT_WINDOWS" -DQT_HOST_PATH=/usr)
  configure_and_build windows -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DEIT_WERROR=ON -DGTest_DIR="$gtest/lib/cmake/GTest" -DEIT_FREETYPE_WINDOWS="$FREETYPE_WINDOWS" -DEIT_SPNG_WINDOWS="$SPNG_WINDOWS" \
    -DEIT_LIBDEFLATE_WINDOWS="$LIBDEFLATE_WINDOWS" "${qt[@]}"

  # A private, headless wine; UTF-8 so that non-ASCII arguments reach the programs whole.
  export WINEPREFIX="$ROOT/build/wineprefix" WINEDEBUG=-all LC_ALL=C.UTF-8
  unset DISPLAY WAYLAND_DISPLAY
  [ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1 || true
  prefer_own_zlib
  no_crash_debugger
  local loaded ours
  loaded="$(WINEDEBUG=+loaddll wine "$ROOT/build/windows/cli/eitool-cli.exe" --version 2>"$ROOT/build/windows/loaddll.txt" | tr -d '\r')"
  ours="$(winepath -w "$ROOT/build/windows/cli/zlib1.dll" 2>/dev/null)"
  echo "$loaded"
  grep -qiF "zlib: $ours" <<<"$loaded" || { echo "eitool-cli.exe did not load the zlib1.dll beside it ($ours)" >&2; return 1; }
  # The name it reports is the file asked for; the loader's own trace says which file ran, and how.
  grep -qF "textures are packed and unpacked with libdeflate" <<<"$loaded" ||
    { echo "eitool-cli.exe does not pack with the libdeflate.dll beside it" >&2; return 1; }
  native_dlls_loaded "$ROOT/build/windows/loaddll.txt" "$ROOT/build/windows/cli" zlib1.dll libdeflate.dll
  echo "--> the core's tests under wine"
  (cd "$ROOT/build/windows" && wine "$ROOT/build/windows/tests/eitool_tests.exe" --gtest_brief=1)
  if [ -n "$QT_WINDOWS" ]; then
    echo "--> the window's tests under wine (Qt from $QT_WINDOWS)"
    # The window's tests, with Qt's DLLs and plugins beside them as shipped (and the offscreen platform).
    deploy_qt_windows "$ROOT/build/windows/tests" with-test
    (cd "$ROOT/build/windows/tests" && QT_QPA_PLATFORM=offscreen wine ./eitool_gui_tests.exe --gtest_brief=1) ||
      { echo "the window's tests failed under wine (status $?)" >&2; return 1; }
    # One font everywhere in a prefix without fonts too (none of Windows', none of the system's): the shipped one.
    local bare="$ROOT/build/wineprefix-bare" noFonts="$ROOT/build/no-fonts.conf"
    printf '%s\n' '<?xml version="1.0"?>' '<fontconfig></fontconfig>' >"$noFonts"
    [ -d "$bare" ] || FONTCONFIG_FILE="$noFonts" WINEPREFIX="$bare" wineboot -i >/dev/null 2>&1 || true
    WINEPREFIX="$bare" prefer_own_zlib
    WINEPREFIX="$bare" no_crash_debugger
    (cd "$ROOT/build/windows/tests" && FONTCONFIG_FILE="$noFonts" WINEPREFIX="$bare" QT_QPA_PLATFORM=offscreen \
      wine ./eitool_gui_tests.exe --gtest_brief=1 --gtest_filter='*OneFontInEveryWidgetAndDialog*')
  fi

  local top="$ROOT/build/windows-roundtrip" cli_win="$ROOT/build/windows/cli/eitool-cli.exe"
  local cli_linux="$ROOT/build/release/cli/eitool-cli"
  rm -rf "$top"
  local side
  for side in linux windows; do
    local work="$top/$side/Текстуры и Ελληνικά"
    mkdir -p "$work"
    # libdeflate on both sides, the same version: packed byte for byte alike.
    local run=("$cli_linux")
    [ "$side" = windows ] && run=(wine "$cli_win")
    (
      cd "$work"
      "${run[@]}" samples S >/dev/null
      "${run[@]}" extract -o "Вывод" S/stone.dds S/sky.dds S/water.dds S/bricks.dds >/dev/null
      "${run[@]}" extract -o "Σελίδα" S/font.tdt >/dev/null
      "${run[@]}" insert -o "Νέα" "Вывод/result.log" S/insert_font.log >/dev/null
      # PNG out and back, with one worker and with eight.
      "${run[@]}" extract --format png -o "ПНГ" S/stone.dds S/sky.dds >/dev/null
      "${run[@]}" extract --format png -o "ПНГлист" S/font.tdt >/dev/null
      "${run[@]}" insert -j 1 -o "ИзПНГ1" "ПНГ/result.log" >/dev/null
      "${run[@]}" insert -j 8 -o "ИзПНГ8" "ПНГ/result.log" >/dev/null
      # A translation: letters drawn from the font the zip ships, laid into the font, previewed.
      mkdir -p fonts
      cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf fonts/
      "${run[@]}" sheet S/latin.tdt --font fonts/DejaVuSans.ttf --codepage 1251 -o "Лист" >/dev/null 2>&1
      "${run[@]}" insert -o "Русский" "Лист/latin_sheet.log" >/dev/null
      "${run[@]}" preview "Русский/latin.tdt" --text "Съешь же ещё этих мягких булок" -o "Русский/preview.tga" >/dev/null
      # A game's folder: the tree out, and back mirrored.
      mkdir -p "Игра/уровни/a" "Игра/уровни/b" "Игра/ui"
      cp S/stone.dds "Игра/уровни/a/"
      cp S/bricks.dds "Игра/уровни/b/stone.dds"
      cp S/sky.dds "Игра/ui/"
      "${run[@]}" extract -o "Дерево" "Игра" >/dev/null 2>&1
      "${run[@]}" insert -o "Мод" "Дерево/result.log" >/dev/null 2>&1
      # A mod of what changed: one texture of the samples' game painted on; the rest, the font too, passed over.
      "${run[@]}" extract -o "ДеревоS" S/game >/dev/null 2>&1
      printf '\x7f' | dd of="ДеревоS/levels/a/stone.bmp" bs=1 seek=1000 conv=notrunc status=none
      "${run[@]}" insert --changed-only -o "МодИзм" "ДеревоS/result.log" >/dev/null 2>&1
      [ "$(find "МодИзм" -type f | wc -l)" = 1 ] || { echo "$side: insert --changed-only wrote more than the edit" >&2; exit 1; }
    )
  done
  local file count=0
  for file in Вывод/stone.bmp Вывод/sky.tga Вывод/water.tga Вывод/bricks.bmp Σελίδα/font.tga Νέα/stone.dds \
              Νέα/sky.dds Νέα/water.dds Νέα/bricks.dds Νέα/font.dds Νέα/font.tdt Лист/latin_sheet.tga \
              Русский/latin.dds Русский/latin.tdt Русский/preview.tga Дерево/уровни/a/stone.bmp \
              Дерево/уровни/b/stone.bmp Дерево/ui/sky.tga Мод/уровни/a/stone.dds Мод/уровни/b/stone.dds Мод/ui/sky.dds ПНГ/stone.png ПНГ/sky.png \
              ПНГлист/font.png ИзПНГ1/stone.dds ИзПНГ1/sky.dds ИзПНГ8/stone.dds ИзПНГ8/sky.dds \
              ДеревоS/ui/fonts/font.tga МодИзм/levels/a/stone.dds; do
    cmp "$top/linux/Текстуры и Ελληνικά/$file" "$top/windows/Текстуры и Ελληνικά/$file"
    count=$((count + 1))
  done
  echo "--> Windows round trip: $count outputs equal the Linux build's"
  [ -z "$QT_WINDOWS" ] || window_round_trip
  [ -z "$QT_WINDOWS" ] || window_languages
  echo "--> Windows stage took $((SECONDS - started)) s"
}

# The real window, started from the zip's folder unpacked in a Cyrillic folder on a virtual display, as a
# user would: a texture and then a font table from a Cyrillic folder, each processed into one new folder
# (the steps come from a script, since no one clicks here); its outputs and result.log must equal the
# Linux CLI's doing the same.
window_round_trip() {
  local top="$ROOT/build/windows-window" cli_linux="$ROOT/build/release/cli/eitool-cli"
  rm -rf "$top"
  mkdir -p "$top/Программа" "$top/Текстуры" "$top/linux"
  stage_windows_zip "$ROOT/build/windows" "$top/eitool-windows-x64.zip"
  (cd "$top/Программа" && unzip -q ../eitool-windows-x64.zip)
  "$cli_linux" samples "$top/Текстуры" >/dev/null
  "$cli_linux" extract -o "$top/linux" "$top/Текстуры/stone.dds" >/dev/null
  "$cli_linux" extract -o "$top/linux" "$top/Текстуры/font.tdt" >/dev/null
  # A translator's letters, Russian and Polish, from the font the zip ships.
  local font="$top/Программа/eitool/fonts/DejaVuSans.ttf" page
  for page in 1251 1250; do
    "$cli_linux" sheet "$top/Текстуры/latin.tdt" --font "$font" --codepage "$page" -o "$top/linux/sheet$page" >/dev/null 2>&1
    "$cli_linux" insert -o "$top/linux/font$page" "$top/linux/sheet$page/latin_sheet.log" >/dev/null
  done
  # A game's folder dropped on the window: the tree out, as the Linux CLI writes it.
  mkdir -p "$top/Игра/уровни/a" "$top/Игра/ui"
  cp "$top/Текстуры/stone.dds" "$top/Игра/уровни/a/"
  cp "$top/Текстуры/sky.dds" "$top/Игра/ui/"
  "$cli_linux" extract -o "$top/linux/Игра" "$top/Игра" >/dev/null 2>&1
  # ... extracted once more, one of its images painted on, and that log (the paths spelled as Windows spells
  # them) inserted by the window writing only edited files: the mod holds that texture alone.
  "$cli_linux" extract -o "$top/linux/Правка" "$top/Игра" >/dev/null 2>&1
  printf '\x7f' | dd of="$top/linux/Правка/уровни/a/stone.bmp" bs=1 seek=1000 conv=notrunc status=none
  sed -e '/^#\(Source\|Target\)/ { s|: /|: Z:/|; s|/|\\|g }' "$top/linux/Правка/result.log" >"$top/linux/Правка/windows.log"
  "$cli_linux" insert --changed-only -o "$top/linux/ИграМод" "$top/linux/Правка/result.log" >/dev/null 2>&1
  # PNG out of the window, viewed (each record, texture beside edit) and back in.
  "$cli_linux" extract --format png -o "$top/linux/png" "$top/Текстуры/stone.dds" "$top/Текстуры/sky.dds" >/dev/null
  "$cli_linux" insert -o "$top/linux/frompng" "$top/linux/png/result.log" >/dev/null 2>&1
  local wtop="Z:${top//\//\\}"
  printf '%s\n' "add $wtop\\Текстуры\\stone.dds" "process $wtop\\Вывод" \
    "clear" "add $wtop\\Текстуры\\font.tdt" "process $wtop\\Вывод" \
    "font $wtop\\Программа\\eitool\\fonts\\DejaVuSans.ttf" \
    "codepage 1251" "sheetdir $wtop\\Лист1251" "draw $wtop\\Текстуры\\latin.tdt" "process $wtop\\Шрифт1251" \
    "clear" "codepage 1250" "sheetdir $wtop\\Лист1250" "draw $wtop\\Текстуры\\latin.tdt" "process $wtop\\Шрифт1250" \
    "clear" "add $wtop\\Игра" "process $wtop\\ИграOUT" \
    "clear" "changed on" "add $wtop\\linux\\Правка\\windows.log" "process $wtop\\ИграМод" "changed off" \
    "clear" "png on" "add $wtop\\Текстуры\\stone.dds" "add $wtop\\Текстуры\\sky.dds" "process $wtop\\ПНГ" "png off" \
    "clear" "add $wtop\\ПНГ\\result.log" "view" "process $wtop\\ИзПНГ" \
    "glyphdir $wtop\\Глифы" "glyphs $wtop\\Текстуры\\latin.tdt" >"$top/script"
  EIT_WINDOW_SCRIPT="Z:$top/script" WINEDEBUG=+loaddll xvfb-run -a -s "-screen 0 1280x1024x24" \
    wine "$top/Программа/eitool/eitool.exe" >"$top/wine.log" 2>&1 || { cat "$top/wine.log"; return 1; }
  # Every DLL of the zip that the window loads ran from the zip's folder, native.
  native_dlls_loaded "$top/wine.log" "$top/Программа/eitool" Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll zlib1.dll libdeflate.dll \
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll
  native_dlls_loaded "$top/wine.log" "$top/Программа/eitool/platforms" qwindows.dll
  cat "$top/script.out"
  [ "$(grep -c "Operation complete!" "$top/script.out")" = 8 ] || { echo "the window did not complete its eight runs" >&2; return 1; }
  [ "$(cd "$top/ИграМод" && find . -type f)" = "./уровни/a/stone.dds" ] ||
    { echo "the window's mod holds more or less than the edited texture" >&2; return 1; }
  cmp "$top/linux/ИграМод/уровни/a/stone.dds" "$top/ИграМод/уровни/a/stone.dds"
  for file in stone.png sky.png; do cmp "$top/linux/png/$file" "$top/ПНГ/$file"; done
  for file in stone.dds sky.dds; do cmp "$top/linux/frompng/$file" "$top/ИзПНГ/$file"; done
  grep -q "^viewed: stone.dds: 64 x 64, 24-bit, packed texture | stone.png: 64 x 64, edited image | .*equals the texture" \
    "$top/script.out" || { echo "the viewer did not show the log's stone.dds record" >&2; return 1; }
  for file in уровни/a/stone.bmp ui/sky.tga; do cmp "$top/linux/Игра/$file" "$top/ИграOUT/$file"; done
  # "Glyph table...": A one pixel wider, saved, as the Linux CLI's table --apply of the same edit makes it.
  "$cli_linux" table "$top/Текстуры/latin.tdt" -o "$top/linux/glyphs" >/dev/null
  awk -F, 'BEGIN { OFS = "," } $1 == "0x41" { $7 = $7 + 1 } { print }' "$top/linux/glyphs/latin.csv" >"$top/linux/glyphs/wider.csv"
  "$cli_linux" table "$top/Текстуры/latin.tdt" --apply "$top/linux/glyphs/wider.csv" -o "$top/linux/glyphs/out" >/dev/null 2>&1
  cmp "$top/linux/glyphs/out/latin.tdt" "$top/Глифы/latin.tdt"
  cmp "$top/Текстуры/latin.dds" "$top/Глифы/latin.dds"
  local file
  for file in stone.bmp font.tga; do cmp "$top/linux/$file" "$top/Вывод/$file"; done
  for page in 1251 1250; do
    cmp "$top/linux/sheet$page/latin_sheet.tga" "$top/Лист$page/latin_sheet.tga"
    for file in latin.dds latin.tdt; do cmp "$top/linux/font$page/$file" "$top/Шрифт$page/$file"; done
  done
  # The same records, the paths spelled each system's way; an image's change time and identity (the end of a
  # "#Digest:" line) are each file's own, and a source's time is kept as finely as each system keeps it.
  local unsealed='s/^\(#Digest: [0-9]* [0-9]* [0-9a-f]*\) .*/\1/; s/^#Origin: \([0-9]*\) [0-9]* \([0-9a-f]*\).*/#Origin: \1 \2/'
  diff <(sed "s#$top/linux/#$top/Вывод/#; $unsealed" "$top/linux/result.log") \
       <(sed 's#: Z:\\#: \\#; s#\\#/#g'"; $unsealed" "$top/Вывод/result.log")
  echo "--> the window on Windows: 8 runs, stone.bmp, font.tga, result.log, Russian and Polish letters drawn and"\
       "inserted, a game's folder extracted as a tree, a mod of its painted texture alone, and PNG out and back in"\
       "equal the Linux CLI's; the viewer showed the log's records; a glyph table edited and saved equals the CLI's;"\
       "every DLL it loaded ran native from the zip"
}

# The zip's window in Russian and in Polish, chosen as its list menu chooses (the choice kept in the registry
# for the next start): its captions in the language, and Qt's own words for its standard dialogs too.
window_languages() {
  local top="$ROOT/build/windows-window" key='HKCU\Software\eitool\eitool' pair language caption
  for pair in "ru:Сохранить отчёт" "pl:Zapisz wyniki"; do
    language="${pair%%:*}" caption="${pair#*:}"
    # A wine server started here has no display, and a window started while it lingers would wait on it.
    wineserver -w
    wine reg add "$key" /v language /d "$language" /f >/dev/null 2>&1
    wineserver -w
    printf 'captions\n' >"$top/captions-$language"
    rm -f "$top/captions-$language.out"
    EIT_WINDOW_SCRIPT="Z:$top/captions-$language" xvfb-run -a -s "-screen 0 1280x1024x24" \
      wine "$top/Программа/eitool/eitool.exe" >"$top/wine-$language.log" 2>&1 || { cat "$top/wine-$language.log"; return 1; }
    tr -d '\r' <"$top/captions-$language.out" | grep -qxF "caption SaveLog: $caption" ||
      { echo "the window chosen in $language does not say \"$caption\":" >&2; cat "$top/captions-$language.out" >&2; return 1; }
    ! tr -d '\r' <"$top/captions-$language.out" | grep -qxF "caption Qt: Cancel" ||
      { echo "Qt's own words are English in the window chosen in $language" >&2; return 1; }
  done
  wine reg delete "$key" /v language /f >/dev/null 2>&1
  wineserver -w
  echo "--> the window on Windows in Russian and in Polish, Qt's dialogs too"
}
