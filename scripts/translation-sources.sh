# Sourced: what lupdate reads into the window's translation sources. The window's code, and the engine's
# layers for their EIT_SAYS forms (read as QT_TR_NOOP, so each lands in the context of where it stands: the
# namespace eit, eit::detail or eit::codecs, where the window looks them up; never a class).
TRANSLATED_DIRS=(window engine formats codecs compression platform)
run_lupdate() {
  /usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -tr-function-alias QT_TR_NOOP+=EIT_SAYS \
    -I . "${TRANSLATED_DIRS[@]}" -ts "$1"
}
