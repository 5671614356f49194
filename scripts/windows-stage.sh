# The Windows stage of scripts/test: the MinGW-w64 cross build, its tests under wine, and a CLI round
# trip in a folder named with Cyrillic and Greek letters whose outputs must equal the Linux build's.
# Sourced after common.sh, with the Linux release build done.

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
  configure_and_build windows -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DEIT_WERROR=ON -DGTest_DIR="$gtest/lib/cmake/GTest"

  # A private, headless wine; UTF-8 so that non-ASCII arguments reach the programs whole.
  export WINEPREFIX="$ROOT/build/wineprefix" WINEDEBUG=-all LC_ALL=C.UTF-8
  unset DISPLAY WAYLAND_DISPLAY
  [ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1 || true
  (cd "$ROOT/build/windows" && wine "$ROOT/build/windows/tests/eitool_tests.exe" --gtest_brief=1)

  local top="$ROOT/build/windows-roundtrip" cli_win="$ROOT/build/windows/cli/eitool-cli.exe"
  local cli_linux="$ROOT/build/release/cli/eitool-cli"
  rm -rf "$top"
  local side
  for side in linux windows; do
    local work="$top/$side/Текстуры и Ελληνικά"
    mkdir -p "$work"
    # zlib on both sides: the Windows build finds no libdeflate.dll under wine, and the two engines' packed
    # bytes differ (their content does not).
    local run=("$cli_linux" --zlib)
    [ "$side" = windows ] && run=(wine "$cli_win" --zlib)
    (
      cd "$work"
      "${run[@]}" samples S >/dev/null
      "${run[@]}" extract -o "Вывод" S/stone.dds S/sky.dds S/water.dds S/bricks.dds >/dev/null
      "${run[@]}" extract -o "Σελίδα" S/font.tdt >/dev/null
      "${run[@]}" insert -o "Νέα" "Вывод/result.log" S/insert_font.log >/dev/null
    )
  done
  local file count=0
  for file in Вывод/stone.bmp Вывод/sky.tga Вывод/water.tga Вывод/bricks.bmp Σελίδα/font.tga Νέα/stone.dds \
              Νέα/sky.dds Νέα/water.dds Νέα/bricks.dds Νέα/font.dds Νέα/font.tdt; do
    cmp "$top/linux/Текстуры и Ελληνικά/$file" "$top/windows/Текстуры и Ελληνικά/$file"
    count=$((count + 1))
  done
  echo "--> Windows round trip: $count outputs equal the Linux build's; stage took $((SECONDS - started)) s"
}
