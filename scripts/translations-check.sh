# Sourced by scripts/test: the window's translation sources hold every text the window's code marks and every
# form the engine says, each translated. lupdate (qt6-l10n-tools) reads the code into copies of the sources: a
# copy that differs is a source missing a text (or holding one the code no longer has).
source "$(dirname "${BASH_SOURCE[0]}")/translation-sources.sh"
check_translations() {
  echo "==> translations: every text of the window in every language"
  local copy ts name failed=0
  copy="$(mktemp -d)"
  for ts in "$ROOT"/window/translations/eitool_*.ts; do
    name="$(basename "$ts")"
    cp "$ts" "$copy/"
    (cd "$ROOT" && run_lupdate "$copy/$name" 2>/dev/null)
    if ! cmp -s "$ts" "$copy/$name"; then
      echo "$name is not up to date with the code (run: ./scripts/update-translations $ts):" >&2
      diff "$ts" "$copy/$name" | head -20 >&2
      failed=1
    fi
    if grep -q 'type="unfinished"' "$ts"; then
      echo "$name has unfinished translations:" >&2
      grep -B2 'type="unfinished"' "$ts" | grep '<source>' | head -20 >&2
      failed=1
    fi
  done
  # The window looks the engine's forms up in the contexts of three namespaces; one written inside a class
  # lands elsewhere.
  if ! check_form_contexts "$copy"; then failed=1; fi
  rm -rf "$copy"
  return "$failed"
}
check_form_contexts() {
  local forms="$1/forms.ts" stray
  (cd "$ROOT" && /usr/lib/qt6/bin/lupdate -silent -locations none -tr-function-alias QT_TR_NOOP+=EIT_SAYS \
    engine formats codecs compression platform -ts "$forms" 2>/dev/null)
  stray="$(grep -o '<name>[^<]*</name>' "$forms" | grep -v -x "<name>eit\(::detail\|::codecs\)\?</name>" || true)"
  [ -z "$stray" ] && return 0
  echo "forms said (EIT_SAYS) outside namespace scope, which the window cannot find: $stray" >&2
  return 1
}
