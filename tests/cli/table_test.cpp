// The glyph table as a spreadsheet's file: written, saved back in every form spreadsheets save, and put into a
// new table, each value where it belongs and nothing else changed; what cannot be is refused by line and column.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>

#include "formats/codepages.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/cli_run.h"

namespace eit {
namespace {

namespace fs = std::filesystem;
using testing::Cli;
using testing::Quoted;

std::string Slurp(const std::string& path) { return testing::Slurp(path); }

void Save(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// The written rows as fields (its mark, line ends and quotes undone), header first.
std::vector<std::vector<std::string>> Rows(const std::string& path) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : LoadLines(path)) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') fields.back() += '"', ++i;
      else if (line[i] == '"') quoted = !quoted;
      else if (line[i] == ',' && !quoted) fields.emplace_back();
      else fields.back() += line[i];
    }
    rows.push_back(fields);
  }
  return rows;
}

// Rows as a spreadsheet saves them: the separator, the mark or none, the line end; fields quoted when needed.
std::string Saved(const std::vector<std::vector<std::string>>& rows, char separator, bool mark, const char* end) {
  std::string text = mark ? "\xEF\xBB\xBF" : "";
  for (const auto& row : rows) {
    for (std::size_t f = 0; f < row.size(); ++f) {
      const std::string& v = row[f];
      const bool quote = v.find_first_of(",;\t\"") != std::string::npos || v.empty() || v == " ";
      std::string field = v;
      if (quote) {
        field = "\"";
        for (const char c : v) field += c == '"' ? std::string("\"\"") : std::string(1, c);
        field += "\"";
      }
      text += (f == 0 ? "" : std::string(1, separator)) + field;
    }
    text += end;
  }
  return text;
}

class Table : public ::testing::Test {
 protected:
  Table() {
    EXPECT_EQ(Cli("samples " + Quoted(dir.File("S")), dir).status, 0);
    EXPECT_EQ(Cli("table " + Quoted(table) + " --codepage 1252 -o " + Quoted(dir.File("T")), dir).status, 0);
    rows = Rows(dir.File("T/latin.csv"));
  }
  // The table of the rows saved so, applied into a fresh folder: its bytes, or the failure's words.
  testing::Outcome Apply(const std::string& text, const std::string& out) {
    Save(dir.File("edited.csv"), text);
    return Cli("table " + Quoted(table) + " --apply " + Quoted(dir.File("edited.csv")) + " -o " + Quoted(out), dir);
  }
  testing::TempDir dir;
  std::string table = dir.File("S/latin.tdt");
  std::vector<std::vector<std::string>> rows;
};

TEST_F(Table, WrittenWithItsCharactersAndBackByteForByteInEveryFormSpreadsheetsSave) {
  ASSERT_EQ(rows.size(), 225u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"code", "char", "left", "top", "right", "bottom", "width", "height", "extra"}));
  EXPECT_EQ(rows[1][0], "0x20");
  EXPECT_EQ(rows[1 + 0x41 - 0x20][1], "A");
  EXPECT_EQ(rows[1 + 0xE9 - 0x20][1], "\xC3\xA9");  // é in code page 1252
  EXPECT_EQ(Slurp(dir.File("T/latin.csv")).rfind("\xEF\xBB\xBF" "code,", 0), 0u);
  int k = 0;
  for (const char separator : {',', ';', '\t'})
    for (const bool mark : {true, false})
      for (const char* end : {"\r\n", "\n"}) {
        SCOPED_TRACE(std::string("separator ") + separator + (mark ? ", mark" : "") + (end[0] == '\r' ? ", CR LF" : ""));
        const std::string out = dir.File("A" + std::to_string(k++));
        ASSERT_EQ(Apply(Saved(rows, separator, mark, end), out).status, 0);
        EXPECT_EQ(Slurp(out + "/latin.tdt"), Slurp(table));
        EXPECT_EQ(Slurp(out + "/latin.dds"), Slurp(dir.File("S/latin.dds")));
      }
  // Excel's "Unicode text": tabs, UTF-16 with its mark.
  std::string wide = "\xFF\xFE";
  for (const char32_t c : DecodeUtf8(Saved(rows, '\t', false, "\r\n")))
    wide += std::string{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  ASSERT_EQ(Apply(wide, dir.File("U2")).status, 0);
  EXPECT_EQ(Slurp(dir.File("U2/latin.tdt")), Slurp(table));
}

TEST_F(Table, EachFieldEditedAloneChangesItsOwnBytesAlone) {
  const std::string source = Slurp(table);
  const int record = 0x41 - 0x20;
  for (int field = 0; field < 7; ++field) {
    SCOPED_TRACE(rows[0][static_cast<std::size_t>(field) + 2]);
    auto edited = rows;
    std::string& value = edited[static_cast<std::size_t>(record) + 1][static_cast<std::size_t>(field) + 2];
    // The box shrinks from either side, so that it stays inside the texture.
    value = std::to_string(std::stoi(value) + (field == 2 || field == 3 ? -1 : 1));
    const std::string out = dir.File("F" + std::to_string(field));
    ASSERT_EQ(Apply(Saved(edited, ';', false, "\n"), out).status, 0);
    const std::string written = Slurp(out + "/latin.tdt");
    ASSERT_EQ(written.size(), source.size());
    for (std::size_t i = 0; i < source.size(); ++i)
      if (written[i] != source[i]) {
        EXPECT_EQ(i / 2, static_cast<std::size_t>(record * 7 + field)) << i;
      }
  }
  // Rows in another order, and some left out: the same table.
  auto some = std::vector<std::vector<std::string>>{rows[0], rows[40], rows[3], rows[200]};
  ASSERT_EQ(Apply(Saved(some, ',', true, "\r\n"), dir.File("some")).status, 0);
  EXPECT_EQ(Slurp(dir.File("some/latin.tdt")), source);
}

TEST_F(Table, WhatCannotBeIsRefusedByLineAndColumnAndNothingIsWritten) {
  const auto edit = [&](int code, std::size_t column, const std::string& value) {
    auto edited = rows;
    edited[static_cast<std::size_t>(code - 0x20) + 1][column] = value;
    return Saved(edited, ',', true, "\r\n");
  };
  const struct {
    std::string text, says;
  } cases[] = {
      {edit(0x41, 4, "9999"), "line 35, column 5: 0x41: right 9999 is past the texture's width"},
      {edit(0x41, 4, "0"), "line 35, column 5: 0x41: right 0 is before left"},
      {edit(0x41, 5, "0"), "line 35, column 6: 0x41: bottom 0 is above top"},
      {edit(0x41, 6, "70000"), "line 35, column 7: width is a number from 0 to 65535, not \"70000\""},
      {edit(0x41, 2, "-1"), "line 35, column 3: left is a number from 0 to 65535, not \"-1\""},
      {edit(0x42, 0, "0x41"), "line 36, column 1: 0x41 is given twice (line 35 too)"},
      {edit(0x42, 0, "0x10"), "line 36, column 1: a code is 0x20 to 0xFF, not \"0x10\""},
      {Saved({rows[0], {"0x41", "A", "1", "2"}}, ',', false, "\n"), "line 2, column 5: the row ends before its right field"},
      {"code,left\n0x41,1\n", "line 1: the header names the columns code, left, top, right, bottom, width, height"},
  };
  for (const auto& c : cases) {
    const std::string out = dir.File("R");
    const testing::Outcome refused = Apply(c.text, out);
    EXPECT_EQ(refused.status, 1) << c.says;
    EXPECT_TRUE(testing::Mentions(refused.err, dir.File("edited.csv") + ": " + c.says)) << refused.err;
    EXPECT_FALSE(fs::exists(out)) << c.says;
  }
  // A width other than the box's is a warning: games take it for the advance.
  const testing::Outcome wide = Apply(edit(0x41, 6, "30"), dir.File("W"));
  EXPECT_EQ(wide.status, 0);
  EXPECT_TRUE(testing::Mentions(wide.err, "0x41: width 30 is not right - left")) << wide.err;
  // Never over the source.
  const testing::Outcome over = Apply(edit(0x41, 8, "3"), dir.File("S"));
  EXPECT_EQ(over.status, 1);
  EXPECT_TRUE(testing::Mentions(over.err, "it is the source")) << over.err;
  // Nor over a file of rows already written, which may hold the user's spacing.
  const std::string edited = testing::Slurp(dir.File("T/latin.csv")) + "\n";
  std::ofstream(dir.File("T/latin.csv"), std::ios::binary) << edited;
  const testing::Outcome again = Cli("table " + Quoted(table) + " -o " + Quoted(dir.File("T")), dir);
  EXPECT_EQ(again.status, 1);
  EXPECT_TRUE(testing::Mentions(again.err, dir.File("T/latin.csv") + ": it exists already")) << again.err;
  EXPECT_EQ(testing::Slurp(dir.File("T/latin.csv")), edited);
}

}  // namespace
}  // namespace eit

namespace eit {
namespace {

// The width of one code in a table file.
int WidthOf(const std::string& table, int code) {
  const std::string bytes = testing::Slurp(table);
  const std::size_t at = static_cast<std::size_t>(code - 0x20) * 14 + 8;
  return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

// The table's rows with fields of one code's row set (by their column), saved as a spreadsheet in a ';' locale
// would.
void SaveWithFields(const std::string& csv, const std::string& to, int code, const std::map<int, int>& values) {
  std::string text;
  for (const std::string& line : LoadLines(csv)) {
    std::string row = line;
    if (row.rfind(CodeText(code) + ",", 0) == 0) {
      std::vector<std::string> f;
      std::size_t from = 0;
      for (std::size_t comma; (comma = row.find(',', from)) != std::string::npos; from = comma + 1) f.push_back(row.substr(from, comma - from));
      f.push_back(row.substr(from));
      for (const auto& [column, value] : values) f[static_cast<std::size_t>(column)] = std::to_string(value);
      row.clear();
      for (std::size_t k = 0; k < f.size(); ++k) row += (k == 0 ? "" : ",") + f[k];
    }
    for (char& c : row)
      if (c == ',') c = ';';
    text += row + "\n";
  }
  std::ofstream(to, std::ios::binary) << text;
}

void SaveWithWidth(const std::string& csv, const std::string& to, int code, int width) {
  SaveWithFields(csv, to, code, {{6, width}});
}

// A log's "#Table:" line: the spacing goes in after the glyphs are laid, new or in place, and survives the sheet's
// next insert.
TEST(TableLine, SpacingSetInASpreadsheetSurvivesEveryInsertOfTheSheet) {
  testing::TempDir dir;
  const std::string S = dir.File("S");
  ASSERT_EQ(Cli("samples " + Quoted(S), dir).status, 0);
  ASSERT_EQ(Cli("insert -o " + Quoted(dir.File("I")) + " " + Quoted(S + "/insert_font.log"), dir).status, 0);
  ASSERT_EQ(Cli("table " + Quoted(dir.File("I/font.tdt")) + " -o " + Quoted(dir.File("T")), dir).status, 0);
  const int before = WidthOf(dir.File("I/font.tdt"), 0xC0);
  SaveWithWidth(dir.File("T/font.csv"), dir.File("spacing.csv"), 0xC0, before + 3);
  std::string log = testing::Slurp(S + "/insert_font.log");
  log += "#Table: " + dir.File("spacing.csv") + "\n";
  std::ofstream(dir.File("spaced.log"), std::ios::binary) << log;
  for (const char* out : {"J", "K"}) {  // inserted, and the same sheet inserted again
    const testing::Outcome insert = Cli("insert -o " + Quoted(dir.File(out)) + " " + Quoted(dir.File("spaced.log")), dir);
    ASSERT_EQ(insert.status, 0) << insert.err;
    EXPECT_TRUE(testing::Mentions(insert.err, "0xC0: width " + std::to_string(before + 3) + " is not right - left")) << insert.err;
    EXPECT_EQ(WidthOf(dir.File(std::string(out) + "/font.tdt"), 0xC0), before + 3);
    EXPECT_EQ(WidthOf(dir.File(std::string(out) + "/font.tdt"), 0xC1), WidthOf(dir.File("I/font.tdt"), 0xC1));
  }
  // A sheet extracted and put back in place takes the spacing too.
  ASSERT_EQ(Cli("extract -o " + Quoted(dir.File("E")) + " " + Quoted(S + "/font.tdt"), dir).status, 0);
  SaveWithWidth(dir.File("T/font.csv"), dir.File("kept.csv"), 0x41, WidthOf(S + "/font.tdt", 0x41) + 1);
  std::string extracted = testing::Slurp(dir.File("E/result.log"));
  extracted += "#Table: " + dir.File("kept.csv") + "\n";
  std::ofstream(dir.File("E/result.log"), std::ios::binary) << extracted;
  const testing::Outcome inPlace = Cli("insert -o " + Quoted(dir.File("P")) + " " + Quoted(dir.File("E/result.log")), dir);
  ASSERT_EQ(inPlace.status, 0) << inPlace.err;
  EXPECT_EQ(WidthOf(dir.File("P/font.tdt"), 0x41), WidthOf(S + "/font.tdt", 0x41) + 1);
}

// The box of one code in a table file: left, top, right, bottom.
std::array<int, 4> BoxOf(const std::string& table, int code) {
  const std::string bytes = testing::Slurp(table);
  std::array<int, 4> box{};
  for (std::size_t k = 0; k < 4; ++k) {
    const std::size_t at = static_cast<std::size_t>(code - 0x20) * 14 + 2 * k;
    box[k] = static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
  }
  return box;
}

// A sheet drawn with the glyph table its insert will make: inserted as it comes, the font is the one without the
// table; a width set in it survives the sheet's inserts; a table there already is never replaced; a box moved over
// another new letter is said, naming the letter.
TEST(SheetTable, TheTableASheetWillMakeKeepsItsSpacingAcrossInserts) {
  const std::string font = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  if (!fs::exists(font)) GTEST_SKIP() << "no " << font;
  testing::TempDir dir;
  const std::string S = dir.File("S"), sheet = " --font " + Quoted(font) + " --codepage 1250 -o ";
  ASSERT_EQ(Cli("samples " + Quoted(S), dir).status, 0);
  ASSERT_EQ(Cli("sheet " + Quoted(S + "/latin.tdt") + sheet + Quoted(dir.File("A")), dir).status, 0);
  const testing::Outcome drawn = Cli("sheet " + Quoted(S + "/latin.tdt") + " --table" + sheet + Quoted(dir.File("B")), dir);
  ASSERT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_TRUE(testing::Mentions(drawn.out, "latin.csv")) << drawn.out;
  const std::string log = testing::Slurp(dir.File("B/latin_sheet.log"));
  EXPECT_TRUE(testing::Mentions(log, "#Codepage: 1250")) << log;
  EXPECT_TRUE(testing::Mentions(log, "#Table: " + AbsolutePath(dir.File("B/latin.csv")))) << log;
  for (const char* out : {"A", "B"})
    ASSERT_EQ(Cli("insert -o " + Quoted(dir.File(std::string("I") + out)) + " " +
                      Quoted(dir.File(std::string(out) + "/latin_sheet.log")), dir).status, 0);
  EXPECT_EQ(testing::Slurp(dir.File("IA/latin.tdt")), testing::Slurp(dir.File("IB/latin.tdt")));
  ASSERT_EQ(Cli("table " + Quoted(dir.File("IB/latin.tdt")) + " --codepage 1250 -o " + Quoted(dir.File("T")), dir).status, 0);
  EXPECT_EQ(testing::Slurp(dir.File("T/latin.csv")), testing::Slurp(dir.File("B/latin.csv")));
  // Š a pixel wider, kept by each insert of the sheet; the other letters as laid.
  const int wide = WidthOf(dir.File("IA/latin.tdt"), 0x8A) + 1;
  SaveWithWidth(dir.File("T/latin.csv"), dir.File("B/latin.csv"), 0x8A, wide);
  for (const char* out : {"J", "K"}) {
    ASSERT_EQ(Cli("insert -o " + Quoted(dir.File(out)) + " " + Quoted(dir.File("B/latin_sheet.log")), dir).status, 0);
    EXPECT_EQ(WidthOf(dir.File(std::string(out) + "/latin.tdt"), 0x8A), wide);
    EXPECT_EQ(WidthOf(dir.File(std::string(out) + "/latin.tdt"), 0x8C), WidthOf(dir.File("IA/latin.tdt"), 0x8C));
  }
  // A table there already holds someone's spacing: refused, and neither sheet nor log written beside it.
  fs::create_directories(dir.File("C"));
  std::ofstream(dir.File("C/latin.csv")) << "mine";
  const testing::Outcome again = Cli("sheet " + Quoted(S + "/latin.tdt") + " --table" + sheet + Quoted(dir.File("C")), dir);
  EXPECT_NE(again.status, 0);
  EXPECT_TRUE(testing::Mentions(again.err, "exists already")) << again.err;
  EXPECT_EQ(testing::Slurp(dir.File("C/latin.csv")), "mine");
  EXPECT_FALSE(fs::exists(dir.File("C/latin_sheet.tga")));
  EXPECT_FALSE(fs::exists(dir.File("C/latin_sheet.log")));
  // Š's box laid over Ś's (a table of another layout): said, naming the letter.
  const std::array<int, 4> other = BoxOf(dir.File("IA/latin.tdt"), 0x8C);
  SaveWithFields(dir.File("T/latin.csv"), dir.File("B/latin.csv"), 0x8A,
                 {{2, other[0]}, {3, other[1]}, {4, other[2]}, {5, other[3]}, {6, other[2] - other[0]}});
  const testing::Outcome stale = Cli("insert -o " + Quoted(dir.File("L")) + " " + Quoted(dir.File("B/latin_sheet.log")), dir);
  EXPECT_EQ(stale.status, 0) << stale.err;
  EXPECT_TRUE(testing::Mentions(stale.err, "over where this insert laid other new letters")) << stale.err;
  EXPECT_TRUE(testing::Mentions(stale.err, "\u0160 (0x8A)")) << stale.err;
}

}  // namespace
}  // namespace eit
