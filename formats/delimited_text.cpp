#include "formats/delimited_text.h"

#include <algorithm>
#include <cctype>

namespace eit {

std::vector<std::string> SplitFields(const std::string& line, char separator) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"', ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == separator && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::string TrimmedField(std::string text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.back())) text.pop_back();
  std::size_t from = 0;
  while (from < text.size() && blank(text[from])) ++from;
  return text.substr(from);
}

int FieldNamed(const std::string& header, char separator, const std::string& name) {
  const auto lower = [](std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
  };
  const std::vector<std::string> fields = SplitFields(header, separator);
  for (std::size_t f = 0; f < fields.size(); ++f)
    if (lower(TrimmedField(fields[f])) == lower(name)) return static_cast<int>(f);
  return -1;
}

char SeparatorNaming(const std::string& header, const std::vector<std::string>& names) {
  for (const char separator : {'\t', ';', ','})
    if (std::all_of(names.begin(), names.end(), [&](const std::string& n) { return FieldNamed(header, separator, n) >= 0; }))
      return separator;
  return 0;
}

}  // namespace eit
