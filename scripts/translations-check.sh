# Sourced by scripts/test: the window's translation sources hold every text the window's code marks, and
# every one of them translated. lupdate (qt6-l10n-tools) reads the code into copies of the sources: a copy
# that differs is a source missing a text (or holding one the code no longer has).
check_translations() {
  echo "==> translations: every text of the window in every language"
  local lupdate=/usr/lib/qt6/bin/lupdate copy ts failed=0
  copy="$(mktemp -d)"
  for ts in "$ROOT"/window/translations/eitool_*.ts; do
    cp "$ts" "$copy/"
    (cd "$ROOT" && "$lupdate" -silent -locations none -no-obsolete -I . window -ts "$copy/$(basename "$ts")" 2>/dev/null)
    if ! cmp -s "$ts" "$copy/$(basename "$ts")"; then
      echo "$(basename "$ts") is not up to date with the window's code (run: $lupdate -locations none -no-obsolete -I . window -ts $ts):" >&2
      diff "$ts" "$copy/$(basename "$ts")" | head -20 >&2
      failed=1
    fi
    if grep -q 'type="unfinished"' "$ts"; then
      echo "$(basename "$ts") has unfinished translations:" >&2
      grep -B2 'type="unfinished"' "$ts" | grep '<source>' | head -20 >&2
      failed=1
    fi
  done
  rm -rf "$copy"
  return "$failed"
}
