#include "window/rtf.h"

#include <cstdint>

namespace eit {

namespace {

// Decodes one UTF-8 character at i (advancing i); a malformed byte stands for itself in Latin-1.
std::uint32_t NextCodePoint(const std::string& s, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
  const std::uint8_t b = byte(i);
  int extra = b >= 0xF0 && b < 0xF8 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
  if (b >= 0x80 && extra == 0) return i++, b;
  if (i + static_cast<std::size_t>(extra) >= s.size() + (extra == 0 ? 1 : 0)) return i++, b;
  std::uint32_t cp = extra == 0 ? b : b & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    if ((byte(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80) return i++, b;
    cp = cp << 6 | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
  }
  i += static_cast<std::size_t>(extra) + 1;
  return cp;
}

void AppendUnicode(std::string& out, std::uint32_t unit) {
  // \uN takes a signed 16-bit number.
  out += "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(unit))) + "?";
}

}  // namespace

std::string RtfDocument(const std::vector<std::string>& lines) {
  std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\n\\f0\\fs16 ";
  for (const std::string& line : lines) {
    for (std::size_t i = 0; i < line.size();) {
      const std::uint32_t cp = NextCodePoint(line, i);
      if (cp == '\\' || cp == '{' || cp == '}') {
        out += '\\';
        out += static_cast<char>(cp);
      } else if (cp == '\t') {
        out += "\\tab ";
      } else if (cp < 0x20) {
        // other control characters carry nothing a reader could show
      } else if (cp < 0x80) {
        out += static_cast<char>(cp);
      } else if (cp < 0x10000) {
        AppendUnicode(out, cp);
      } else {
        const std::uint32_t v = cp - 0x10000;
        AppendUnicode(out, 0xD800 + (v >> 10));
        AppendUnicode(out, 0xDC00 + (v & 0x3FF));
      }
    }
    out += "\\par\n";
  }
  out += "}\n";
  return out;
}

}  // namespace eit
