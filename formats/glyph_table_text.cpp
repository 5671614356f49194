#include "formats/glyph_table_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <set>

#include "formats/codepages.h"
#include "formats/delimited_text.h"
#include "formats/formathandlers.h"
#include "platform/errors.h"

namespace eit {

namespace {

constexpr std::int32_t kFirstTableCode = 0x20;
constexpr std::array<const char*, 9> kColumns = {"code", "char", "left", "top", "right", "bottom", "width", "height", "extra"};
enum { kCode, kChar, kLeft, kTop, kRight, kBottom, kWidth, kHeight, kExtra };

// A field as CSV writes it: quoted when it holds the separator, a quote, a blank at either end, or nothing.
std::string Field(const std::string& text) {
  if (!text.empty() && text.find_first_of(",;\t\"\r\n") == std::string::npos && text.front() != ' ' && text.back() != ' ')
    return text;
  std::string quoted = "\"";
  for (const char c : text) quoted.append(c == '"' ? "\"\"" : std::string(1, c));
  return quoted.append("\"");
}

std::array<std::uint16_t, 7> Fields(const GlyphRecord& g) {
  return {g.Left, g.Top, g.Right, g.Bottom, g.Width, g.Height, g.Extra};
}

}  // namespace

std::string GlyphTableText(const TMemoryStream& table, int codePage) {
  std::string text = "\xEF\xBB\xBF";
  for (std::size_t c = 0; c < kColumns.size(); ++c) text.append(c == 0 ? "" : ",").append(kColumns[c]);
  text.append("\r\n");
  for (std::int32_t k = 0; k < kFontRecords; ++k) {
    const std::int32_t code = kFirstTableCode + k;
    const char32_t character = CharacterOf(codePage, static_cast<std::uint8_t>(code));
    text.append(CodeText(code)).append(",").append(Field(character == 0 ? "" : CharacterText(character)));
    const GlyphRecord g = ReadGlyphRecord(table.Memory() + static_cast<std::size_t>(k) * kGlyphRecordSize);
    for (const std::uint16_t value : Fields(g)) text.append(",").append(std::to_string(value));
    text.append("\r\n");
  }
  return text;
}

namespace {

std::string Trimmed(const std::string& text) { return TrimmedField(text); }


// The table's columns as its header names them: each known column's field index, or -1.
struct THeader {
  char Separator = ',';
  std::array<int, kColumns.size()> At{};
};

THeader ReadHeader(const std::string& line, const std::string& name) {
  std::vector<std::string> needed;
  for (std::size_t c = 0; c < kColumns.size(); ++c)
    if (c != kChar) needed.emplace_back(kColumns[c]);
  THeader header;
  header.Separator = SeparatorNaming(line, needed);
  if (header.Separator == 0)
    throw Exception(Says(EIT_SAYS("%1: line 1: the header names the columns code, left, top, right, bottom, width, "
                                  "height and extra, separated by ',', ';' or tab"), {name}),
                    name, 1);
  for (std::size_t c = 0; c < kColumns.size(); ++c) header.At[c] = FieldNamed(line, header.Separator, kColumns[c]);
  return header;
}

}  // namespace

namespace {

[[noreturn]] void Refuse(const std::string& name, std::size_t line, int field, const TText& what) {
  throw Exception(Says(EIT_SAYS("%1: line %2, column %3: %4"), {name, std::to_string(line), std::to_string(field + 1), what}),
                  name, line);
}

// Digits only (a code may be written "0xC0"), at most most.
std::optional<long> ReadNumber(const std::string& text, bool hexAllowed, long most) {
  const bool hex = hexAllowed && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  const auto digit = [hex](unsigned char c) { return hex ? std::isxdigit(c) != 0 : std::isdigit(c) != 0; };
  if (digits.empty() || digits.size() > 8 || !std::all_of(digits.begin(), digits.end(), digit)) return std::nullopt;
  const long value = std::stol(digits, nullptr, hex ? 16 : 10);
  return value <= most ? std::optional<long>(value) : std::nullopt;
}

struct TRow {
  std::int32_t Code = 0;
  std::array<std::uint16_t, 7> Values{};  // left, top, right, bottom, width, height, extra
};

TRow ReadRow(const std::vector<std::string>& fields, const THeader& header, const std::string& name, std::size_t line) {
  TRow row;
  for (std::size_t c = 0; c < kColumns.size(); ++c) {
    if (c == kChar) continue;
    const int at = header.At[c];
    if (static_cast<std::size_t>(at) >= fields.size())
      Refuse(name, line, at, Says(EIT_SAYS("the row ends before its %1 field"), {kColumns[c]}));
    const std::string text = Trimmed(fields[static_cast<std::size_t>(at)]);
    if (c == kCode) {
      const auto code = ReadNumber(text, true, 0xFF);
      if (!code || *code < kFirstTableCode) Refuse(name, line, at, Says(EIT_SAYS("a code is 0x20 to 0xFF, not \"%1\""), {text}));
      row.Code = static_cast<std::int32_t>(*code);
      continue;
    }
    const auto value = ReadNumber(text, false, 65535);
    if (!value)
      Refuse(name, line, at, Says(EIT_SAYS("%1 is a number from 0 to 65535, not \"%2\""), {kColumns[c], text}));
    row.Values[c - kLeft] = static_cast<std::uint16_t>(*value);
  }
  return row;
}

// A changed box must lie inside the texture, its right not before its left nor its bottom above its top.
void CheckBox(const TRow& row, const THeader& header, const std::string& name, std::size_t line, std::uint32_t width,
              std::uint32_t height) {
  const auto& v = row.Values;
  const TBoxProblem problem = GlyphBoxProblem(v[0], v[1], v[2], v[3], width, height);
  if (problem.Field < 0) return;
  Refuse(name, line, header.At[problem.Field == 2 ? kRight : kBottom], Says(EIT_SAYS("%1: %2"), {CodeText(row.Code), problem.Text}));
}

}  // namespace

TBoxProblem GlyphBoxProblem(std::uint16_t left, std::uint16_t top, std::uint16_t right, std::uint16_t bottom,
                            std::uint32_t textureWidth, std::uint32_t textureHeight) {
  const auto n = [](std::uint32_t v) { return std::to_string(v); };
  if (right < left) return {2, Says(EIT_SAYS("right %1 is before left %2"), {n(right), n(left)})};
  if (bottom < top) return {3, Says(EIT_SAYS("bottom %1 is above top %2"), {n(bottom), n(top)})};
  if (right > textureWidth) return {2, Says(EIT_SAYS("right %1 is past the texture's width, %2"), {n(right), n(textureWidth)})};
  if (bottom > textureHeight)
    return {3, Says(EIT_SAYS("bottom %1 is past the texture's height, %2"), {n(bottom), n(textureHeight)})};
  return {};
}

TTableApplied ApplyGlyphTableText(const std::vector<std::string>& lines, const std::string& name,
                                  std::uint32_t textureWidth, std::uint32_t textureHeight, TMemoryStream& table) {
  const THeader header = ReadHeader(lines.empty() ? std::string() : lines[0], name);
  std::vector<GlyphRecord> records;
  for (std::int32_t k = 0; k < kFontRecords; ++k)
    records.push_back(ReadGlyphRecord(table.Memory() + static_cast<std::size_t>(k) * kGlyphRecordSize));
  TTableApplied applied;
  std::vector<std::size_t> seen(kFontRecords, 0);  // the line of each code's row
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (Trimmed(lines[i]).empty()) continue;
    const std::size_t line = i + 1;
    const TRow row = ReadRow(SplitFields(lines[i], header.Separator), header, name, line);
    const auto k = static_cast<std::size_t>(row.Code - kFirstTableCode);
    if (seen[k] != 0)
      Refuse(name, line, header.At[kCode],
             Says(EIT_SAYS("%1 is given twice (line %2 too)"), {CodeText(row.Code), std::to_string(seen[k])}));
    seen[k] = line;
    if (Fields(records[k]) == row.Values) continue;
    CheckBox(row, header, name, line, textureWidth, textureHeight);
    const auto& v = row.Values;
    if (v[4] != v[2] - v[0])
      applied.Warnings.push_back(Says(EIT_SAYS("%1: line %2: %3: width %4 is not right - left (%5); kept, as games take "
                                               "it for the advance"),
                                      {name, std::to_string(line), CodeText(row.Code), std::to_string(v[4]),
                                       std::to_string(v[2] - v[0])}));
    records[k] = {v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
    ++applied.Changed;
  }
  for (std::int32_t k = 0; k < kFontRecords; ++k)
    WriteGlyphRecord(table.Memory() + static_cast<std::size_t>(k) * kGlyphRecordSize, records[static_cast<std::size_t>(k)]);
  return applied;
}

}  // namespace eit
