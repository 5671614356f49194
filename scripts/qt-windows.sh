# Qt for Windows (MinGW-w64) for the window's Windows build: found or made. Sourced after common.sh.
#
# Where it comes from, first found first: EIT_QT_WINDOWS (a Qt 6 install tree); the prebuilt tree in
# ../shared/qt6-windows/ (checked against its sha256 and unpacked into the cache); the cache; a build
# from Debian's qt6-base source package when EIT_BUILD_QT=1 (scripts/build-qt-windows, about an hour).

QT_WINDOWS_VERSION=6.4.2
QT_WINDOWS_SHA256=884a6c157b44dd43861061e9ee6441d8f0abeccb4e434c817b94ae03d3ca7643
QT_WINDOWS_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/eitool/qt${QT_WINDOWS_VERSION}-mingw-w64"
QT_WINDOWS_TARBALL="$ROOT/../shared/qt6-windows/qt${QT_WINDOWS_VERSION}-mingw-w64-x86_64.tar.xz"

qt_windows_tree_ok() { [ -f "$1/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$1/bin/Qt6Widgets.dll" ]; }

# Sets QT_WINDOWS to the Qt tree, or to nothing (with one line saying how to get it).
find_qt_windows() {
  QT_WINDOWS=""
  if [ -n "${EIT_QT_WINDOWS:-}" ]; then
    qt_windows_tree_ok "$EIT_QT_WINDOWS" || { echo "EIT_QT_WINDOWS=$EIT_QT_WINDOWS is not a Qt 6 tree for Windows" >&2; return 1; }
    QT_WINDOWS="$EIT_QT_WINDOWS"
    return 0
  fi
  if [ -f "$QT_WINDOWS_TARBALL" ] && [ "$(cat "$QT_WINDOWS_CACHE/.from-sha256" 2>/dev/null)" != "$QT_WINDOWS_SHA256" ]; then
    echo "$QT_WINDOWS_SHA256  $QT_WINDOWS_TARBALL" | sha256sum -c --quiet - ||
      { echo "$QT_WINDOWS_TARBALL does not match its sha256" >&2; return 1; }
    rm -rf "$QT_WINDOWS_CACHE" "$QT_WINDOWS_CACHE.part"
    mkdir -p "$QT_WINDOWS_CACHE.part"
    tar -xJf "$QT_WINDOWS_TARBALL" -C "$QT_WINDOWS_CACHE.part"
    cp -r "$(dirname "$QT_WINDOWS_TARBALL")/LICENSES" "$QT_WINDOWS_CACHE.part/licences"
    echo "$QT_WINDOWS_SHA256" >"$QT_WINDOWS_CACHE.part/.from-sha256"
    mv "$QT_WINDOWS_CACHE.part" "$QT_WINDOWS_CACHE"
  fi
  if ! qt_windows_tree_ok "$QT_WINDOWS_CACHE" && [ "${EIT_BUILD_QT:-0}" = 1 ]; then
    "$ROOT/scripts/build-qt-windows"
  fi
  if qt_windows_tree_ok "$QT_WINDOWS_CACHE"; then
    QT_WINDOWS="$QT_WINDOWS_CACHE"
  else
    echo "--> the window (eitool.exe) is left out: no Qt for Windows. Set EIT_QT_WINDOWS to a Qt $QT_WINDOWS_VERSION" \
         "MinGW tree, or put the prebuilt tarball in ../shared/qt6-windows/, or set EIT_BUILD_QT=1 to build it (about an hour)"
  fi
}

# The Qt DLLs, plugins and MinGW runtime DLLs the window needs, copied beside the program in dir.
deploy_qt_windows() {
  local dir="$1" dll
  for dll in Qt6Core Qt6Gui Qt6Widgets; do cp "$QT_WINDOWS/bin/$dll.dll" "$dir/"; done
  [ "${2:-}" = with-test ] && cp "$QT_WINDOWS/bin/Qt6Test.dll" "$dir/"
  mkdir -p "$dir/platforms" "$dir/styles"
  cp "$QT_WINDOWS/plugins/platforms/qwindows.dll" "$dir/platforms/"
  if [ "${2:-}" = with-test ]; then
    # The tests also draw offscreen and read the icon resource.
    mkdir -p "$dir/imageformats"
    cp "$QT_WINDOWS/plugins/platforms/qoffscreen.dll" "$dir/platforms/"
    cp "$QT_WINDOWS/plugins/imageformats/qico.dll" "$dir/imageformats/"
  fi
  cp "$QT_WINDOWS/plugins/styles/qwindowsvistastyle.dll" "$dir/styles/"
  cp /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll \
     /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$dir/"
  # A font for systems whose own Qt cannot list (wine without Windows' fonts); Windows never needs it.
  mkdir -p "$dir/fonts"
  cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$dir/fonts/"
  # The plugins beside the program, whatever the working directory.
  printf '[Paths]\r\nPlugins = .\r\n' >"$dir/qt.conf"
}
