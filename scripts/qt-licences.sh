# The licences of what Qt for Windows compiles into its DLLs: taken from the attribution files
# (qt_attribution.json) of the very source the tree was built from, Debian's qt6-base 6.4.2+dfsg-10, into a
# cache folder once. Sourced after common.sh and qt-windows.sh.

QT_LICENCES_CACHE="$(dirname "$QT_WINDOWS_CACHE")/qt${QT_WINDOWS_VERSION}-licences"

# Which of the source's attributions are inside which shipped DLL, for the configuration the tree was built
# with (scripts/build-qt-windows): folders of the source, by DLL. The others (network, D-Bus, OpenGL, Vulkan,
# JPEG, other platforms, build tools) are not in the DLLs the zip ships.
QT_ATTRIBUTED_DLLS=(
  "Qt6Core.dll:src/3rdparty/zlib src/3rdparty/pcre2 src/3rdparty/double-conversion src/3rdparty/easing
   src/3rdparty/tinycbor src/3rdparty/sha1 src/3rdparty/sha3 src/3rdparty/md4 src/3rdparty/md5
   src/3rdparty/rfc6234 src/3rdparty/blake2 src/corelib/kernel src/corelib/text src/corelib/tools"
  "Qt6Gui.dll:src/3rdparty/freetype src/3rdparty/harfbuzz-ng src/3rdparty/libpng src/3rdparty/icc src/3rdparty/md4c
   src/3rdparty/pixman src/gui/painting src/gui/text"
)

# Makes the cache: one text per component (name, version, licence, copyright, the licence's text) and
# components.tsv (DLL, file, name), in DLL order.
qt_windows_licences() {
  [ -f "$QT_LICENCES_CACHE/components.tsv" ] && return 0
  ensure_packages dpkg-dev xz-utils python3
  ensure_deb_src qt6-base
  local work="$QT_LICENCES_CACHE.work"
  rm -rf "$work" "$QT_LICENCES_CACHE.part"
  mkdir -p "$work" "$QT_LICENCES_CACHE.part"
  (cd "$work" && apt-get source --download-only -qq "qt6-base=${QT_WINDOWS_VERSION}+dfsg-10" >/dev/null 2>&1 ||
    apt-get source --download-only -qq qt6-base >/dev/null)
  local tarball top
  tarball="$(ls "$work"/qt6-base_*.orig.tar.xz | head -n 1)"
  top="qtbase-everywhere-src-$QT_WINDOWS_VERSION"
  local entry folders=()
  for entry in "${QT_ATTRIBUTED_DLLS[@]}"; do
    for folder in ${entry#*:}; do folders+=("$top/$folder/qt_attribution.json"); done
  done
  tar -xJf "$tarball" -C "$work" "${folders[@]}"
  # The licence files the attributions name, in a second pass: only those.
  local wanted
  wanted="$(python3 - "$work" "${folders[@]}" <<'PY'
import json, os, sys
work = sys.argv[1]
for f in sys.argv[2:]:
    data = json.loads(open(os.path.join(work, f), encoding="utf-8").read(), strict=False)
    for item in data if isinstance(data, list) else [data]:
        for name in str(item.get("LicenseFile", "")).split():
            print(os.path.normpath(os.path.join(os.path.dirname(f), name)))
PY
)"
  wanted="$(sort -u <<<"$wanted")"  # tar reports a member named twice as missing
  # shellcheck disable=SC2086
  tar -xJf "$tarball" -C "$work" $wanted
  python3 - "$work" "$QT_LICENCES_CACHE.part" "${QT_ATTRIBUTED_DLLS[@]}" <<PY
import json, os, sys
work, out, entries = sys.argv[1], sys.argv[2], sys.argv[3:]
top = "$top"
rows = []
for entry in entries:
    dll, folders = entry.split(":", 1)
    for folder in folders.split():
        path = os.path.join(work, top, folder, "qt_attribution.json")
        data = json.loads(open(path, encoding="utf-8").read(), strict=False)
        for item in data if isinstance(data, list) else [data]:
            name, ident = item.get("Name", ""), item.get("Id", folder.replace("/", "-"))
            copyright = item.get("Copyright", "")
            if isinstance(copyright, list): copyright = "\n".join(copyright)
            text = [name, "Version: " + str(item.get("Version", "")), "Licence: " + item.get("License", ""),
                    "Used in: " + dll + " (Qt " + "$QT_WINDOWS_VERSION" + ", " + folder + ")", "", copyright, ""]
            for lic in str(item.get("LicenseFile", "")).split():
                lic_path = os.path.normpath(os.path.join(work, top, folder, lic))
                if os.path.exists(lic_path):
                    text += ["-" * 72, open(lic_path, encoding="utf-8", errors="replace").read()]
            file = "qt-" + ident + ".txt"
            with open(os.path.join(out, file), "w", encoding="utf-8", newline="\r\n") as f:
                f.write("\n".join(text))
            rows.append("\t".join([dll, file, name]))
with open(os.path.join(out, "components.tsv"), "w", encoding="utf-8") as f:
    f.write("\n".join(rows) + "\n")
PY
  rm -rf "$work" "$QT_LICENCES_CACHE"
  mv "$QT_LICENCES_CACHE.part" "$QT_LICENCES_CACHE"
}
