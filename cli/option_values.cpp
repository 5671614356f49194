// The values of eitool-cli's options.
#include "cli/option_values.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>

#include "codecs/pictures.h"
#include "formats/codepages.h"
#include "formats/font_tools.h"
#include "platform/errors.h"
#include "platform/limits.h"

namespace eit::cli {

namespace {

// Digits only: no sign, blank or second prefix for strtol to take.
bool ReadDigits(const std::string& text, int base, long& value) {
  const auto digit = [base](unsigned char c) { return base == 16 ? std::isxdigit(c) != 0 : std::isdigit(c) != 0; };
  if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), digit)) return false;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, base);
  return end != text.c_str() && *end == '\0';
}

// The number typed, when it is one from least to most: decimal, or hexadecimal behind "0x" when allowed.
bool ReadNumber(const std::string& text, int least, int most, bool hexAllowed, long& value) {
  const bool hex = hexAllowed && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  return ReadDigits(hex ? text.substr(2) : text, hex ? 16 : 10, value) && value >= least && value <= most;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

// A number typed, given on as its decimal: refused with refusal(text) when it is none from least to most, or
// with what further says of it (empty: taken).
CLI::Validator NumberValidator(int least, int most, bool hexAllowed, std::function<std::string(const std::string&)> refusal,
                               std::function<std::string(long)> further, const std::string& name) {
  return CLI::Validator(
      [=](std::string& text) -> std::string {
        long value = 0;
        if (!ReadNumber(text, least, most, hexAllowed, value)) return refusal(text);
        if (const std::string said = further ? further(value) : ""; !said.empty()) return said;
        text = std::to_string(value);
        return "";
      },
      name);
}

CLI::Validator Number(const std::string& shown, int least, int most) {
  return NumberValidator(least, most, true, [=](const std::string& text) {
    return shown + " needs a number from " + std::to_string(least) + " to " + std::to_string(most) + ", not " + Quoted(text);
  }, nullptr, "NUMBER");
}

CLI::Validator Workers() {
  return NumberValidator(1, 256, false, [](const std::string& text) {
    return "-j needs a number from 1 to 256, not " + Quoted(text);
  }, nullptr, "N");
}

CLI::Validator Code(const std::string& shown, int least, int most) {
  return NumberValidator(least, most, true, [=](const std::string& text) {
    return shown + " needs a code from " + CodeText(least) + " to " + CodeText(most) + ", not " + Quoted(text);
  }, nullptr, "CODE");
}

CLI::Validator CapHeight() {
  const auto tooFew = [](long cap) -> std::string {
    if (cap >= kLeastCapHeight) return "";
    return "--size " + std::to_string(cap) + ": a cap height of " + std::to_string(cap) +
           " pixels cannot hold a letter that reads; the least is " + std::to_string(kLeastCapHeight);
  };
  return NumberValidator(1, kMaxGlyphPixelSize, true, [](const std::string& text) {
    return "--size needs a number from 1 to " + std::to_string(kMaxGlyphPixelSize) + ", not " + Quoted(text);
  }, tooFew, "PIXELS");
}

CLI::Validator CodePage() {
  const auto unknown = [](long page) -> std::string {
    try {
      CheckCodePage(static_cast<int>(page));
      return "";
    } catch (const Exception& e) {
      return "--codepage: " + e.Message();
    }
  };
  return NumberValidator(0, 65535, true, [](const std::string& text) {
    return "--codepage needs a number from 0 to 65535, not " + Quoted(text);
  }, unknown, "PAGE");
}

CLI::Validator ImageFilesChoice() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        const std::string word = Lower(text);
        if (word != "png" && word != "bmp-tga") return "--format takes png or bmp-tga, not " + Quoted(text);
        text = std::to_string(static_cast<int>(word == "png" ? TImageFiles::Png : TImageFiles::BmpTga));
        return "";
      },
      "png|bmp-tga");
}

CLI::Validator FlagValue(const std::string& shown) {
  return CLI::Validator(
      [=](std::string& text) -> std::string {
        const std::string word = Lower(text);
        if (word == "true" || word == "1" || word == "yes" || word == "on") {
          text = "true";
        } else if (word == "false" || word == "0" || word == "no" || word == "off") {
          text = "false";
        } else {
          return shown + " takes no value, or true or false, not " + Quoted(text);
        }
        return "";
      },
      "");
}

}  // namespace eit::cli
