#include "window/failure_words.h"

#include "engine/main.h"
#include "window/text_words.h"

namespace eit {

QString TFailureWords::Text(const std::exception& error) { return Word(WordsOf(FailureOf(error))); }

}  // namespace eit
