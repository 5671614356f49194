// A text the program says, kept as its English form and the parts it fills in, so that a front end can
// say the same thing in its user's language while logs and eitool-cli keep the English.
#pragma once

#include <string>
#include <vector>

namespace eit {

struct TText {
  // "%1 is not a texture file": the English form, marked with EIT_SAYS for the translators' tools; null
  // for a text said as it stands (a file name, a number, a library's message).
  const char* Form = nullptr;
  std::vector<TText> Parts;  // %1, %2, ... in order; a part may be a text of its own
  std::string English;       // the whole text, in English

  TText() = default;
  TText(std::string text) : English(std::move(text)) {}  // NOLINT: a plain text is a text
  TText(const char* text) : English(text) {}              // NOLINT
};

// The form's parts filled in, each once, in one pass: a part holding "%1" stays as it is.
std::string FillForm(const std::string& form, const std::vector<std::string>& parts);
TText Says(const char* form, std::vector<TText> parts = {});
// "A, B and 3 more": a list of the first few of many, the rest counted.
TText ListWithMore(TText shown, std::size_t more);

}  // namespace eit

// Marks an English form for lupdate (scripts/update-translations reads it as QT_TR_NOOP); it is the form
// itself. Forms stand outside classes (in eit, eit::detail or eit::codecs), where the window looks them up.
#define EIT_SAYS(form) form
