#include "formats/codepages.h"

#include <algorithm>
#include <cstdio>

#include "platform/errors.h"

namespace eit {

const std::vector<int>& KnownCodePages() {
  static const std::vector<int> pages = {1250, 1251, 1252, 1253, 1254, 1257};
  return pages;
}

void CheckCodePage(int codePage) {
  if (CodePageHighHalf(codePage) != nullptr) return;
  std::string known;
  for (int page : KnownCodePages()) known += (known.empty() ? "" : ", ") + std::to_string(page);
  throw Exception(Says(EIT_SAYS("Code page %1 is not known; the known ones are %2"), {std::to_string(codePage), known}));
}

std::string CodePageName(int codePage) {
  switch (codePage) {
    case 1250: return "Central European";
    case 1251: return "Cyrillic";
    case 1252: return "Western European";
    case 1253: return "Greek";
    case 1254: return "Turkish";
    case 1257: return "Baltic";
    default: return "code page " + std::to_string(codePage);
  }
}

bool IsLetter(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  if (c == 0xAA || c == 0xB5 || c == 0xBA) return true;  // the ordinals and micro are letters too
  if (c >= 0xC0 && c <= 0x24F) return c != 0xD7 && c != 0xF7;  // Latin, without x and the division sign
  if (c >= 0x386 && c <= 0x3FF) return c != 0x387;            // Greek, without the ano teleia
  if (c >= 0x400 && c <= 0x52F) return c < 0x482 || c > 0x489;  // Cyrillic, without its signs
  if (c >= 0x5D0 && c <= 0x5EA) return true;                  // Hebrew
  if (c >= 0x620 && c <= 0x64A) return true;                  // Arabic
  return c >= 0x1E00 && c <= 0x1EFF;                          // Latin extended additional
}

int FirstLetterCode(int codePage, int from) {
  for (int code = std::max(from, 0); code < 0x100; ++code)
    if (IsLetter(CharacterOf(codePage, static_cast<std::uint8_t>(code)))) return code;
  return 0x100;
}

char32_t CharacterOf(int codePage, std::uint8_t code) {
  if (code < 0x80) return code;
  const char16_t* high = CodePageHighHalf(codePage);
  return high == nullptr ? 0 : high[code - 0x80];
}

std::optional<std::uint8_t> CodeOf(int codePage, char32_t character) {
  if (character < 0x80) return static_cast<std::uint8_t>(character);
  const char16_t* high = CodePageHighHalf(codePage);
  if (high == nullptr || character == 0) return std::nullopt;
  for (int i = 0; i < 128; ++i)
    if (high[i] == character) return static_cast<std::uint8_t>(0x80 + i);
  return std::nullopt;
}

std::u32string DecodeUtf8(const std::string& text) {
  std::u32string out;
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n;) {
    const unsigned char c = s[i];
    const std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    char32_t value = len == 1 ? c : len == 2 ? c & 0x1F : len == 3 ? c & 0x0F : c & 0x07;
    bool ok = len != 0 && i + len <= n;
    for (std::size_t k = 1; ok && k < len; ++k) {
      ok = (s[i + k] & 0xC0) == 0x80;
      value = value << 6 | (s[i + k] & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    const char32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (ok && (value < least[len] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)) ok = false;
    out.push_back(ok ? value : 0xFFFD);
    i += ok ? len : 1;
  }
  return out;
}

std::string CodeText(int code) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(code));
  return text;
}

std::string CharacterText(char32_t character) {
  const auto c = static_cast<std::uint32_t>(character);
  if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return code;
  }
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  if (c < 0x800) return {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
  if (c < 0x10000)
    return {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
  return {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
          static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
}

std::string DescribeCharacter(char32_t character) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
  const std::string text = CharacterText(character);
  return text == code ? text : std::string(code) + " '" + text + "'";
}

std::string CharacterName(char32_t character, int code) {
  // The few of the known code pages that show nothing by themselves.
  static const std::pair<char32_t, const char*> kInvisible[] = {{0xA0, "NO-BREAK SPACE"}, {0xAD, "SOFT HYPHEN"}};
  char unicode[16];
  std::snprintf(unicode, sizeof unicode, "U+%04X", static_cast<unsigned>(character));
  for (const auto& [ch, name] : kInvisible)
    if (ch == character) return CodeText(code) + " (" + unicode + " " + name + ")";
  if (character >= 0x300 && character < 0x370) return CodeText(code) + " (" + unicode + ", a combining mark)";
  return CharacterText(character) + " (" + CodeText(code) + ")";
}

}  // namespace eit
