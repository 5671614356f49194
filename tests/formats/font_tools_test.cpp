// Glyph sheets from a font file and text previews, judged by what users see: boxes, places, pixels.
#include <gtest/gtest.h>

#include <set>

#include <filesystem>
#include <fstream>

#include "engine/font_tool_files.h"
#include "engine/main.h"
#include "engine/result_log.h"
#include "cli/sheet_words.h"
#include "formats/codepages.h"
#include "formats/font_tools.h"
#include "formats/misc.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/cli_run.h"
#include "support/engine.h"
#include "codecs/targa.h"
#ifdef EIT_TEST_FREETYPE
#include "support/kept_font.h"
#endif

namespace eit {
namespace {

const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string kNoto = "/usr/share/fonts/truetype/noto/NotoSans-Regular.ttf";

using Quiet = TFrontEnd;  // shows nothing

class FontTools : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(testing::Cli("samples " + testing::Quoted(dir.File("S")), dir).status, 0);
  }
  testing::TempDir dir;
};

// The rows of a sheet's cell that hold ink (alpha above the advance marks' 1), or -1 when none.
struct TCellInk {
  int Top = -1, Bottom = -1;            // any ink
  int SolidTop = -1, SolidBottom = -1;  // at least half-covered
};
[[maybe_unused]] TCellInk InkOf(const TBitmap& sheet, const GlyphBox& box) {
  TCellInk ink;
  for (int y = box.Top; y < box.Bottom; ++y)
    for (int x = kGlyphColumn; x < sheet.Width(); ++x) {
      const int a = sheet.ScanLine(y)[4 * x + 3];
      if (a > 1 && ink.Top < 0) ink.Top = y - box.Top;
      if (a > 1) ink.Bottom = y - box.Top;
      if (a >= 128 && ink.SolidTop < 0) ink.SolidTop = y - box.Top;
      if (a >= 128) ink.SolidBottom = y - box.Top;
    }
  return ink;
}

TBitmap ReadSheet(const std::string& path) {
  TBitmap sheet;
  ReadTGA(path.c_str(), sheet);
  return sheet;
}

std::vector<GlyphBox> BoxesOf(const TBitmap& sheet) {
  std::vector<GlyphBox> boxes;
  ScanGlyphBoxes(sheet, boxes);
  return boxes;
}

bool Installed(const std::string& font) {
  return CanRenderFonts() && std::filesystem::exists(font);
}

#ifdef EIT_TEST_FREETYPE
// Real fonts x code pages over a game font drawn from the same font: every new letter whole inside its
// box, the capitals as tall as the kept H, the letters on the kept baseline.
TEST_F(FontTools, NewLettersStandWholeOnTheKeptBaselineAsTallAsTheKeptCapitals) {
  const std::vector<std::string> fonts = {
      kDejaVu, "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
      "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
      "/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf"};  // CFF
  // Capitals with flat tops and bottoms in each code page's upper half.
  const std::vector<std::pair<int, std::vector<int>>> pages = {
      {1250, {0xA3, 0xD0}},
      {1251, {0xC1, 0xC3, 0xC5, 0xCD, 0xCF, 0xD2, 0xD8}},
      {1253, {0xC3, 0xC5, 0xC7, 0xD0, 0xD4}},
      {1254, {0xC6}}};
  for (const std::string& font : fonts) {
    if (!Installed(font)) {
      ADD_FAILURE() << font << " is not installed (scripts/common.sh installs it)";
      continue;
    }
    const testing::TKeptFont kept = testing::WriteKeptFont(font, 14, dir.File("kept"));
    for (const auto& [codePage, capitals] : pages) {
      TSheetOptions options;
      options.FontFile = font;
      options.CodePage = codePage;
      std::string notes;
      const TSheetFiles files =
          WriteGlyphSheetFromFont(dir.File("kept.tdt"), options, dir.Path().string(),
                                  [&](const TText& note) { notes += note.English + "\n"; });
      const std::string row = font + " in " + std::to_string(codePage) + "\n" + notes;
      EXPECT_EQ(notes.find("would not fit"), std::string::npos) << row;
      const TBitmap sheet = ReadSheet(files.Sheet);
      const std::vector<GlyphBox> boxes = BoxesOf(sheet);
      const int first = FirstLetterCode(codePage, 0x80);
      ASSERT_EQ(boxes.size(), static_cast<std::size_t>(0x100 - first)) << row;
      for (const GlyphBox& box : boxes) {
        ASSERT_EQ(box.Bottom - box.Top, kept.Height) << row;
        const TCellInk ink = InkOf(sheet, box);
        EXPECT_TRUE(ink.Top != 0 && ink.Bottom != kept.Height - 1)
            << row << " cut at the cell's edge, row " << box.Top;
      }
      for (const int code : capitals) {
        const TCellInk ink = InkOf(sheet, boxes[static_cast<std::size_t>(code - first)]);
        EXPECT_EQ(kept.Baseline - ink.SolidTop, kept.CapHeight) << row << CodeText(code);
        EXPECT_EQ(ink.SolidBottom + 1, kept.Baseline) << row << CodeText(code);
      }
    }
  }
  // A texture with no room for the new glyphs beside the kept ones: nothing written, the way out named.
  testing::WriteKeptFont(kDejaVu, 14, dir.File("tight"), 46);
  TSheetOptions options;
  options.FontFile = kDejaVu;
  const cli::TCliSheetWords words;  // the ranges offered as options, both ends
  options.Words = &words;
  const std::string out = dir.File("tight_out");
  MakeDirectory(out);
  try {
    WriteGlyphSheetFromFont(dir.File("tight.tdt"), options, out);
    ADD_FAILURE() << "a sheet was written that the texture cannot take";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find(
                  "new glyphs, capitals 10 pixels high, do not fit its 1024 x 46 texture beside the kept "
                  "glyphs (no room from 0x"),
              std::string::npos)
        << e.Message();
    EXPECT_NE(e.Message().find(", the largest at which all fit"), std::string::npos) << e.Message();
    // The ranges it offers are ranges that fit: taken as offered, the sheet is written.
    for (const char* option : {"--end 0x", "--first 0x"}) {
      const std::size_t at = e.Message().find(option);
      if (std::string(option) == "--end 0x") {
        EXPECT_NE(at, std::string::npos) << e.Message();
      }
      if (at == std::string::npos) continue;
      TSheetOptions offered = options;
      const int code = std::stoi(e.Message().substr(at + std::string(option).size(), 2), nullptr, 16);
      (std::string(option) == "--end 0x" ? offered.End : offered.First) = code;
      const std::string there = dir.File(std::string("offered") + option[2]);
      MakeDirectory(there);
      EXPECT_NO_THROW(WriteGlyphSheetFromFont(dir.File("tight.tdt"), offered, there)) << option << code;
    }
  }
  // In plain words (the window's), the same refusal names no option of eitool-cli's, and offers the first code.
  options.Words = nullptr;
  try {
    WriteGlyphSheetFromFont(dir.File("tight.tdt"), options, out);
    ADD_FAILURE() << "a sheet was written that the texture cannot take";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message().find("--"), std::string::npos) << e.Message();
    EXPECT_NE(e.Message().find(": choose first code 0x"), std::string::npos) << e.Message();
  }
  EXPECT_TRUE(std::filesystem::is_empty(out));
}
#endif

TEST_F(FontTools, SheetFromAFontInsertsAsItStandsWithEveryNewLetterVisible) {
  if (!Installed(kDejaVu)) GTEST_SKIP() << "no FreeType or no DejaVu Sans here";
  for (const int codePage : {1251, 1253}) {
    TSheetOptions options;
    options.FontFile = kDejaVu;
    options.CodePage = codePage;
    const std::string out = dir.File("sheet" + std::to_string(codePage));
    MakeDirectory(out);
    const TSheetFiles files = WriteGlyphSheetFromFont(dir.File("S/latin.tdt"), options, out);
    EXPECT_TRUE(files.Problems.empty()) << codePage;
    // Every letter of the code page from its first one at or above 0x80: 0x80 (Ђ) and 0x83 (ƒ).
    const int first = codePage == 1251 ? 0x80 : 0x83;
    EXPECT_NE(testing::Slurp(files.Log).find("#Last: 0x100\r\n#New: " + CodeText(first) + "\r\n"),
              std::string::npos);
    const std::vector<GlyphBox> boxes = BoxesOf(ReadSheet(files.Sheet));
    ASSERT_EQ(boxes.size(), static_cast<std::size_t>(0x100 - first));  // undefined codes too: blank
    EXPECT_EQ(boxes[0].Bottom - boxes[0].Top, 15);                     // as tall as the table's own glyphs

    Quiet quiet;
    TBatchEngine engine(quiet);
    MakeDirectory(out + "/new");
    ASSERT_EQ(engine.Run(testing::Request(TJobKind::ReplayLog, {files.Log}, out + "/new")).Outcome,
              TRunOutcome::Completed);
    TMemoryStream table;
    table.LoadFromFile(out + "/new/latin.tdt");
    const TBitmap texture = LoadFontTexture(out + "/new/latin.tdt");
    for (int code = first; code < 0x100; ++code) {
      if (!IsLetter(CharacterOf(codePage, static_cast<std::uint8_t>(code)))) continue;
      const GlyphRecord g = ReadGlyphRecord(table.Memory() + (code - 0x20) * kGlyphRecordSize);
      int visible = 0;
      for (int y = g.Top; y < g.Bottom; ++y)
        for (int x = g.Left; x < g.Right; ++x) visible += texture.ScanLine(y)[4 * x + 3] > 128;
      EXPECT_GT(visible, 2) << std::hex << code;
    }
  }
}

// What the sheet command refuses (and says why), and what it takes: each row a command line over the
// sample font, its exit status and a piece of what it says.
TEST_F(FontTools, SheetOptionsGiveAnInsertableLogOrAreRefusedWithWhatWouldDo) {
  if (!Installed(kDejaVu)) GTEST_SKIP() << "no FreeType or no DejaVu Sans here";
  const std::string symbols = "/usr/share/fonts/opentype/urw-base35/StandardSymbolsPS.otf";
  struct Row {
    std::string options, font;
    int status;
    std::string says;
  } rows[] = {
      {"--size 13", kDejaVu, 1,
       "--size 13: capitals 13 pixels high would not fit whole in the 15-pixel glyph boxes"},
      {"--size 13", kDejaVu, 1, "; the largest cap height that fits is 12"},
      // Letters with accents that would not stand whole at that height are drawn smaller, each by itself.
      {"--size 12", kDejaVu, 0, "9 characters are drawn smaller than cap height 12, each by itself"},
      {"--size 12", kDejaVu, 0, "At cap height 9 every letter stands whole at one size: Ѓ (0x81)"},
      {"--size 12", kDejaVu, 0, ", Ё (0xA8), Ї (0xAF), Й (0xC9)"},
      // Too few rows for a letter, and advice only where it applies (the drawing is smooth already).
      {"--size 5", kDejaVu, 2,
       "--size 5: a cap height of 5 pixels cannot hold a letter that reads; the least is 6"},
      {"--size 1", kDejaVu, 2, "the least is 6"},
      {"--size 9 --no-mono", kDejaVu, 0, "or choose a larger cap height"},
      {"--size 9", kDejaVu, 0, "cap height 9, in 15-pixel glyph boxes"},
      {"--size 6", kDejaVu, 0, "cap height 6, in"},
      {"--first 0xE0", kDejaVu, 0, "0xE0 to 0xFF: drawing 32 characters"},
      {"--end 0x101", kDejaVu, 2, "--end needs a code from 0x80 to 0x100"},
      {"--codepage 1250 --end 0x85", kDejaVu, 2,
       "the first letter of code page 1250, 0x8A, must come before --end 0x85"},
      {"", symbols, 1, "has no glyphs for 94 of the 95 letters of code page 1251 (Cyrillic) from 0x80"},
      {"--allow-missing", symbols, 0,
       "warning: StandardSymbolsPS.otf (Standard Symbols PS) has no glyph for"},
  };
  for (const Row& row : rows) {
    if (!Installed(row.font)) {
      ADD_FAILURE() << row.font << " is not installed (scripts/common.sh installs it)";
      continue;
    }
    const std::string out = dir.File("out");
    const testing::Outcome sheet =
        testing::Cli("sheet " + testing::Quoted(dir.File("S/latin.tdt")) + " --font " +
                         testing::Quoted(row.font) + " " + row.options + " -o " + testing::Quoted(out),
                     dir);
    EXPECT_EQ(sheet.status, row.status) << row.options << "\n" << sheet.err;
    EXPECT_NE(sheet.err.find(row.says), std::string::npos) << row.options << "\n" << sheet.err;
    // Smooth drawing is no way out when the drawing is smooth already.
    if (row.options.find("--no-mono") != std::string::npos) {
      EXPECT_EQ(sheet.err.find("smooth drawing"), std::string::npos) << sheet.err;
    }
    if (row.status != 0) continue;
    // Whatever the options, the log inserts as it stands.
    const testing::Outcome insert = testing::Cli("insert -o " + testing::Quoted(dir.File("new")) + " " +
                                                     testing::Quoted(dir.File("out/latin_sheet.log")),
                                                 dir);
    EXPECT_EQ(insert.status, 0) << row.options << "\n" << insert.err;
  }
}

// Letters drawn alike are named, from the sheet as written: every pair the log lists is alike there (the
// same pixels, or one apart), the pairs a row expects are listed, and letters alike by design are not.
TEST_F(FontTools, LettersThatComeOutAlikeAreNamedAndThoseAlikeByDesignAreNot) {
  const std::string liberation = "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf";
  const struct {
    std::string font;
    int codePage;
    std::vector<std::string> listed, notListed;  // "0xE8=0xED"
    std::set<std::pair<int, int>> byDesign;      // alike in the sheet, and in the font at any size
    std::string table = "S/latin.tdt";           // the game font, in the test's folder
    std::set<int> lost = {};                     // letters whose marks must be named lost
  } rows[] = {
      {liberation, 1251, {"0xE8=0xED"}, {"0x54=0xD2", "0x6F=0xEE", "0x41=0xC0"}, {}},  // и = н
      {kDejaVu, 1250, {"0x9F=0xBF"}, {}, {}},                                          // ź ≈ ż
      {"/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf", 1257, {}, {}, {}},
      {liberation, 1253, {}, {}, {}},
      // A one-bit game font of 10 pixels in 12-pixel boxes, its capitals 7 high: the new letters' marks
      // crowd.
      {kDejaVu, 1250, {}, {}, {}, "k10.tdt", {0xC5, 0xCD, 0xCE}},  // Ĺ Í Î
      {"/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf", 1250, {}, {}, {}, "k10.tdt"},
      // Noto Sans's marks hug their letters: l/ł, t/ť and d/ď a pixel apart, and the marks of ť, ď and í
      // gone.
      {kNoto, 1250, {"0x64=0xEF", "0x6C=0xB3", "0x74=0x9D"}, {}, {}, "k10.tdt", {0x9D, 0xED, 0xEF}},  // ť í ď
      // The sample's Latin letters are DejaVu's own: Cyrillic В С Н Ѕ Т а о р come out as B C H S T a o p.
      {kDejaVu,
       1251,
       {},
       {"0x54=0xD2", "0x6F=0xEE", "0x70=0xF0"},
       {{0x42, 0xC2},
        {0x43, 0xD1},
        {0x48, 0xCD},
        {0x53, 0xBD},
        {0x54, 0xD2},
        {0x61, 0xE0},
        {0x6F, 0xEE},
        {0x70, 0xF0}}},
  };
  testing::WriteKeptFont("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 10,
                         dir.File("k10"), 512, {true, 12, 9});
  int run = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.font + " " + std::to_string(row.codePage) + " " + row.table);
    if (!Installed(row.font)) GTEST_SKIP() << "no FreeType or " << row.font;
    const std::string out = dir.File("alike" + std::to_string(++run));
    const std::string base = ExtractFileName(ChangeFileExt(row.table, ""));
    const testing::Outcome drawn = testing::Cli("sheet " + testing::Quoted(dir.File(row.table)) + " --codepage " +
                                                    std::to_string(row.codePage) + " --font " +
                                                    testing::Quoted(row.font) + " -o " + testing::Quoted(out),
                                                dir);
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    // Sizes in words are cap heights, as every other line gives them.
    if (!row.lost.empty()) {
      EXPECT_NE(drawn.err.find(" at cap height "), std::string::npos) << drawn.err;
    }
    EXPECT_EQ(drawn.err.find(" px"), std::string::npos) << drawn.err;
    std::string alikeLine;
    for (const std::string& line : LoadLines(out + "/" + base + "_sheet.log"))
      if (line.rfind("#Alike:", 0) == 0) alikeLine = line + " ";
    for (const std::string& pair : row.listed)
      EXPECT_NE(alikeLine.find(" " + pair + " "), std::string::npos) << alikeLine;
    for (const std::string& pair : row.notListed)
      EXPECT_EQ(alikeLine.find(" " + pair + " "), std::string::npos) << alikeLine;
    // Each pair listed is alike in the pictures the insert lays in: the sheet's new glyphs, the texture's
    // kept ones.
    const TBitmap sheet = ReadSheet(out + "/" + base + "_sheet.tga");
    const std::vector<GlyphBox> boxes = BoxesOf(sheet);
    TMemoryStream table;
    table.LoadFromFile(dir.File(row.table));
    const TBitmap texture = LoadFontTexture(dir.File(row.table));
    const int first = FirstLetterCode(row.codePage, 0x80);
    const auto ink = [&](int code) {
      if (code < 0x7F) {
        const GlyphRecord g = ReadGlyphRecord(table.Memory() + (code - 0x20) * kGlyphRecordSize);
        return GlyphInk(texture, g.Left, g.Top, g.Right, g.Bottom);
      }
      const GlyphBox& box = boxes.at(static_cast<std::size_t>(code - first));
      return GlyphInk(sheet, kGlyphColumn, box.Top, sheet.Width(), box.Bottom);
    };
    // Listed are exactly the pairs of letters, one of them new at least, whose glyphs are alike: found
    // here by comparing every pair of them.
    std::set<std::pair<int, int>> present;
    std::vector<int> letters;
    for (int code = 0x20; code < 0x100; ++code)
      if (IsLetter(CharacterOf(row.codePage, static_cast<std::uint8_t>(code))) &&
          (code < 0x7F || code >= first))
        letters.push_back(code);
    for (std::size_t i = 0; i < letters.size(); ++i)
      for (std::size_t k = i + 1; k < letters.size(); ++k) {
        if (letters[k] < 0x7F) continue;  // two kept letters are the game's own business
        const TGlyphInk x = ink(letters[i]), y = ink(letters[k]);
        const int differ = InkDifference(x, y);
        if (x.Columns > 0 && differ >= 0 && differ <= 1 && row.byDesign.count({letters[i], letters[k]}) == 0)
          present.emplace(letters[i], letters[k]);
      }
    const auto listedPairs = ParseAlike(alikeLine);
    const std::set<std::pair<int, int>> listed(listedPairs.begin(), listedPairs.end());
    EXPECT_EQ(listed, present) << alikeLine;
    // A letter whose marks did not come out is listed as lost: so is each found here a pixel from its base
    // letter as the game shows it (a dot's letter: the same), and each the row names.
    std::string lostLine = "#Lost:";
    for (const std::string& line : LoadLines(out + "/" + base + "_sheet.log"))
      if (line.rfind("#Lost:", 0) == 0) lostLine = line;
    const std::vector<std::int32_t> lostCodes = ParseLost(lostLine);
    const std::set<int> lost(lostCodes.begin(), lostCodes.end());
    for (const int code : row.lost) EXPECT_EQ(lost.count(code), 1u) << CodeText(code) << " " << lostLine;
    for (int code = first; code < 0x100; ++code) {
      const auto marked = MarksOf(CharacterOf(row.codePage, static_cast<std::uint8_t>(code)));
      if (!marked) continue;
      for (const int baseCode : letters) {
        if (CharacterOf(row.codePage, static_cast<std::uint8_t>(baseCode)) != marked->Base) continue;
        const int differ = InkDifference(ink(code), ink(baseCode));
        if (differ >= 0 && differ <= (std::string(marked->Marks) == "dot" ? 0 : 1)) {
          EXPECT_EQ(lost.count(code), 1u) << CodeText(code) << " " << lostLine;
        }
      }
    }
    // The insert says so too, naming the letters as the sheet does (its log gives the code page).
    if (lost.empty()) continue;
    const testing::Outcome insert = testing::Cli(
        "insert -o " + testing::Quoted(out + "/ins") + " " + testing::Quoted(out + "/" + base + "_sheet.log"),
        dir);
    EXPECT_EQ(insert.status, 0) << insert.err;
    const int named = *lost.begin();
    EXPECT_NE(insert.err.find(CharacterName(CharacterOf(row.codePage, static_cast<std::uint8_t>(named)), named)),
              std::string::npos)
        << insert.err;
    EXPECT_NE(insert.err.find(lost.size() == 1 ? "lost its marks" : "lost their marks"), std::string::npos) << insert.err;
  }
}

TEST_F(FontTools, PlaceholdersAreNamedInTheLogWarnedOfByTheInsertAndBoxedInThePreview) {
  const std::string symbols = "/usr/share/fonts/opentype/urw-base35/StandardSymbolsPS.otf";
  if (!Installed(symbols)) GTEST_SKIP() << "no FreeType or no Standard Symbols PS here";
  const auto run = [&](const std::string& arguments) { return testing::Cli(arguments, dir); };
  // A symbol font has Greek letters but no Latin ones with accents: 1254's Turkish letters are boxes.
  ASSERT_EQ(run("sheet " + testing::Quoted(dir.File("S/latin.tdt")) + " --codepage 1254 --font " +
                testing::Quoted(symbols) + " -o " + testing::Quoted(dir.File("out")))
                .status,
            0);
  const std::string log = testing::Slurp(dir.File("out/latin_sheet.log"));
  EXPECT_NE(log.find("\r\n#Placeholders: 0x83 0x84 "), std::string::npos) << log;
  // A user's second line and a line repeated many times join the first: each code is named once.
  std::vector<std::string> lines = LoadLines(dir.File("out/latin_sheet.log"));
  const std::string first = *std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.rfind("#Placeholders:", 0) == 0;
  });
  lines.push_back("#Placeholders: 0x83 0xFF");
  for (int i = 0; i < 2000; ++i) lines.push_back(first);
  SaveLines(dir.File("out/latin_sheet.log"), lines);
  const testing::Outcome insert = run("insert -o " + testing::Quoted(dir.File("new")) + " " +
                                      testing::Quoted(dir.File("out/latin_sheet.log")));
  EXPECT_EQ(insert.status, 0) << insert.err;
  // Named as the sheet names them (the log gives the code page), the first 20 of the 30.
  EXPECT_NE(insert.err.find("warning: the new glyphs of \u0192 (0x83), \u201E (0x84), "), std::string::npos) << insert.err;
  EXPECT_NE(insert.err.find(" and 10 more are placeholder boxes"), std::string::npos) << insert.err;
  EXPECT_EQ(insert.err.find("0x84", insert.err.find("0x84") + 1), std::string::npos) << insert.err;
  const testing::Outcome preview =
      run("preview " + testing::Quoted(dir.File("new/latin.tdt")) +
          " --codepage 1254 --text \"\xC5\x9E\" -o " + testing::Quoted(dir.File("p.tga")));
  EXPECT_EQ(preview.status, 0);
  EXPECT_NE(preview.err.find("U+015E '\xC5\x9E' (code 0xDE) is a placeholder box"), std::string::npos)
      << preview.err;
}

// Two font files as one collection (.ttc): each font's tables stay where they were, moved by where the
// font now starts.
void WriteCollection(const std::vector<std::string>& fonts, const std::string& path) {
  std::string out = std::string("ttcf") + '\0' + '\1' + '\0' + '\0' + std::string(4 + 4 * fonts.size(), '\0');
  const auto put = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>(v >> (24 - 8 * i));
  };
  put(8, static_cast<std::uint32_t>(fonts.size()));
  for (std::size_t k = 0; k < fonts.size(); ++k) {
    std::string font = testing::Slurp(fonts[k]);
    const auto base = static_cast<std::uint32_t>(out.size());
    put(12 + 4 * k, base);
    const int tables = static_cast<std::uint8_t>(font[4]) << 8 | static_cast<std::uint8_t>(font[5]);
    for (int t = 0; t < tables; ++t) {
      const std::size_t at = 12 + 16 * static_cast<std::size_t>(t) + 8;
      std::uint32_t offset = 0;
      for (int i = 0; i < 4; ++i) offset = offset << 8 | static_cast<std::uint8_t>(font[at + i]);
      for (int i = 0; i < 4; ++i) font[at + i] = static_cast<char>((offset + base) >> (24 - 8 * i));
    }
    out += font;
  }
  std::ofstream(path, std::ios::binary) << out;
}

// Pixel fonts: the sample's one-bit letters make a one-bit sheet by themselves, unless smooth edges
// are asked for. A collection: each face drawable, one it lacks refused with the list of its faces.
TEST_F(FontTools, PixelFontsAndFacesOfACollection) {
  const std::string serif = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
  if (!Installed(kDejaVu) || !Installed(serif)) GTEST_SKIP() << "no FreeType or no DejaVu fonts here";
  WriteCollection({kDejaVu, serif}, dir.File("dejavu.ttc"));
  const auto sheet = [&](TMono mono, int face) {
    TSheetOptions options;
    options.FontFile = dir.File("dejavu.ttc");
    options.Mono = mono;
    options.Face = face;
    return ReadSheet(WriteGlyphSheetFromFont(dir.File("S/latin.tdt"), options, dir.Path().string()).Sheet);
  };
  const auto alphas = [](const TBitmap& picture) {
    std::set<int> seen;
    for (std::int32_t y = 0; y < picture.Height(); ++y)
      for (std::int32_t x = 0; x < picture.Width(); ++x) seen.insert(picture.ScanLine(y)[4 * x + 3]);
    return seen;
  };
  EXPECT_EQ(alphas(sheet(TMono::Auto, 0)), (std::set<int>{0, 1, 255}));  // alpha 1 marks only the advance
  EXPECT_GT(alphas(sheet(TMono::Off, 0)).size(), 3u);
  const TBitmap sans = sheet(TMono::On, 0), serifSheet = sheet(TMono::On, 1);
  bool same = sans.Height() == serifSheet.Height();
  for (std::int32_t y = 0; same && y < sans.Height(); ++y)
    same = std::equal(sans.ScanLine(y), sans.ScanLine(y) + sans.RowBytes(), serifSheet.ScanLine(y));
  EXPECT_FALSE(same) << "face 1 drew the same glyphs as face 0";
  try {
    sheet(TMono::On, 2);
    ADD_FAILURE() << "face 2 of a two-face collection was drawn";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find("has no face 2; its faces are: 0 DejaVu Sans Book, 1 DejaVu Serif Book"),
              std::string::npos)
        << e.Message();
  }
}

TEST_F(FontTools, PreviewPlacesGlyphsByTheirRecordsAndBoxesWhatIsMissing) {
  TMemoryStream table;
  table.LoadFromFile(dir.File("S/latin.tdt"));
  TMemoryStream image;
  TFileStream textureFile(dir.File("S/latin.dds"), FileMode::OpenRead);
  LoadTextureImage(textureFile, image, "latin.dds");
  InvertImageHeader(image);
  TBitmap texture;
  ImageToBitmap(image, texture);
  // "I" then "Ж", which the sample font has no glyph for yet, then "I": 7 columns, one apart.
  const TPreview preview = RenderPreview(table, texture, "I\xD0\x96I", {1251, 1}, "latin.tdt");
  ASSERT_EQ(preview.Problems.size(), 1u);
  EXPECT_NE(preview.Problems[0].find("U+0416"), std::string::npos) << preview.Problems[0];
  const TBitmap& p = preview.Picture;
  EXPECT_EQ(p.Height(), 15 + 4);
  EXPECT_EQ(p.Width(), 2 + (7 + 1) + (7 + 1) + (7 + 1) + 2);
  auto column = [&](int x) {  // what the column shows: 'w' white glyph pixels, 'r' red box, '.' nothing
    char seen = '.';
    for (int y = 0; y < p.Height(); ++y) {
      const std::uint8_t* px = p.ScanLine(y) + 4 * x;
      if (px[2] > 200 && px[1] < 100) return 'r';
      if (px[0] > 150 && px[1] > 150 && px[2] > 150) seen = 'w';
    }
    return seen;
  };
  std::string columns;
  for (int x = 0; x < p.Width(); ++x) columns += column(x);
  // I at 2..8, the box at 10..16 (half the glyph height), I again at 18..24.
  EXPECT_EQ(columns.substr(0, 2), "..");
  EXPECT_NE(columns.substr(2, 7).find('w'), std::string::npos) << columns;
  EXPECT_EQ(columns.substr(10, 7), "rrrrrrr") << columns;
  EXPECT_NE(columns.substr(18, 7).find('w'), std::string::npos) << columns;
  EXPECT_THROW(RenderPreview(table, texture, "x", {866, 1}, "latin.tdt"), Exception);
}

}  // namespace
}  // namespace eit
