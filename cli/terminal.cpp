#include "cli/terminal.h"

#include <cstdio>

#include "platform/files.h"

namespace eit {

// Text from files and logs may hold control characters, or bytes that are not text at all; a
// terminal must neither act on them nor garble the rest of the line.
std::string Printable(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto u = static_cast<unsigned char>(text[i]);
    const std::size_t n = Utf8SequenceAt(text.data() + i, text.size() - i);
    if (n > 1 || (n == 1 && u >= 0x20 && u != 0x7F)) {
      out.append(text, i, n);
      i += n;
      continue;
    }
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", u);
    out += escaped;
    ++i;
  }
  return out;
}

}  // namespace eit
