// A text the engine says (a form and its parts), in the window's language.
#pragma once

#include <QString>

#include "platform/texts.h"

namespace eit {

// The form looked up among the translations (in the contexts of the engine's namespaces, where lupdate puts
// its forms), each part worded the same way; a text with no form reads as the engine's English.
QString Word(const TText& text);
// A text the engine keeps as a string that is one of its forms (a family of warnings), in the window's language.
QString WordForm(const std::string& form);

}  // namespace eit
