// The values of eitool-cli's options.
#include "cli/option_values.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "formats/codepages.h"
#include "formats/font_tools.h"
#include "platform/limits.h"

namespace eit::cli {

namespace {

// Digits only: no sign, blank or second prefix for strtol to take.
bool ReadNumber(const std::string& text, int base, long& value) {
  const auto digit = [base](unsigned char c) { return base == 16 ? std::isxdigit(c) != 0 : std::isdigit(c) != 0; };
  if (text.empty() || !std::all_of(text.begin(), text.end(), digit)) return false;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, base);
  return end != text.c_str() && *end == '\0';
}

}  // namespace

int NumberOf(const TCommandLine& line, const std::string& name, int least, int most, int fallback) {
  if (!line.Has(name)) return fallback;
  const std::string text = line.Value(name);
  long value = 0;
  // Decimal, as people write sizes and pages ("010" is ten); codes keep their "0x".
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  if (!ReadNumber(hex ? text.substr(2) : text, hex ? 16 : 10, value) || value < least || value > most)
    throw UsageError{name + " needs a number from " + std::to_string(least) + " to " + std::to_string(most) +
                         ", not \"" + text + "\"",
                     line.command};
  return static_cast<int>(value);
}

int CodeOf(const TCommandLine& line, const std::string& name, int least, int most, int fallback) {
  try {
    return NumberOf(line, name, least, most, fallback);
  } catch (const UsageError&) {
    throw UsageError{name + " needs a code from " + CodeText(least) + " to " + CodeText(most) + ", not \"" +
                         line.Value(name) + "\"",
                     line.command};
  }
}

int CapHeightOf(const TCommandLine& line) {
  const int cap = NumberOf(line, "--size", 1, kMaxGlyphPixelSize, 0);
  if (cap != 0 && cap < kLeastCapHeight)
    throw UsageError{"--size " + std::to_string(cap) + ": a cap height of " + std::to_string(cap) +
                         " pixels cannot hold a letter that reads; the least is " + std::to_string(kLeastCapHeight),
                     line.command};
  return cap;
}

int CodePageOf(const TCommandLine& line, int fallback) {
  const int codePage = NumberOf(line, "--codepage", 0, 65535, fallback);
  try {
    CheckCodePage(codePage);
  } catch (const Exception& e) {
    throw UsageError{"--codepage: " + e.Message(), line.command};
  }
  return codePage;
}

int WorkersOf(const TCommandLine& line) {
  if (!line.Has("--jobs")) return 0;
  const std::string text = line.Value("--jobs");
  long n = 0;
  if (!ReadNumber(text, 10, n) || n < 1 || n > 256)
    throw UsageError{"-j needs a number from 1 to 256, not \"" + text + "\"", line.command};
  return static_cast<int>(n);
}

TImageFiles ImageFilesOf(const TCommandLine& line) {
  std::string text = line.Value("--format", "bmp-tga");
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  if (text == "png") return TImageFiles::Png;
  if (text == "bmp-tga") return TImageFiles::BmpTga;
  throw UsageError{"--format takes png or bmp-tga, not \"" + line.Value("--format") + "\"", line.command};
}

}  // namespace eit::cli
