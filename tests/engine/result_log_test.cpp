#include <gtest/gtest.h>

#include <fstream>

#include "engine/result_log.h"
#include "engine/target_folder.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/test_data.h"

namespace eit {
namespace {

TEST(ResultLogReading, LinesSplitAtEveryKindOfLineEnd) {
  const std::vector<std::string> expected = {"#Format: DDS", "#Source: C:\\my art\\a.dds", "", "last"};
  for (const std::string text : {"#Format: DDS\r\n#Source: C:\\my art\\a.dds\r\n\r\nlast\r\n",
                                 "#Format: DDS\n#Source: C:\\my art\\a.dds\n\nlast",
                                 "#Format: DDS\r#Source: C:\\my art\\a.dds\r\rlast\r"})
    EXPECT_EQ(SplitLines(text.data(), text.size()), expected) << text;
  const std::string withNul("one\ntwo\0three\n", 14);
  EXPECT_EQ(SplitLines(withNul.data(), withNul.size()), (std::vector<std::string>{"one", "two"}));
  EXPECT_TRUE(SplitLines("", 0).empty());
}

TEST(ResultLogReading, KeywordsValuesAndFormats) {
  EXPECT_EQ(FirstToken("#Source: C:\\my art\\a.dds"), "#Source:");
  EXPECT_EQ(FirstToken("\t #Format:\tDDS"), "#Format:");
  EXPECT_EQ(FirstToken(""), "");
  EXPECT_EQ(KeywordValue("#Source: C:\\my art\\a.dds", "#Source:"), "C:\\my art\\a.dds");
  EXPECT_EQ(KeywordValue("#Source:", "#Source:"), "");
  EXPECT_EQ(RecordFormatOf("DDS"), TJobKind::Texture);
  EXPECT_EQ(RecordFormatOf("TDT extra words"), TJobKind::FontSheet);
  for (const char* other : {"dds", "BMP", "", "  "}) EXPECT_EQ(RecordFormatOf(other), TJobKind::NoFormat) << other;
  // A very long line is handled like any other.
  const std::string longPath(100000, 'x');
  EXPECT_EQ(KeywordValue("#Source: " + longPath, "#Source:"), longPath);
}

TEST(ResultLogReading, OnlyTargetBmpMeansABitmap) {
  const TTargetLine bmp = ParseTargetLine("#Target BMP: D:\\work\\stone.bmp");
  EXPECT_TRUE(bmp.Bitmap);
  EXPECT_EQ(bmp.ImagePath, "D:\\work\\stone.bmp");  // the drive's colon is not the first one
  for (const char* line : {"#Target TGA: D:\\w.tga", "#Target PNG: D:\\w.tga", "#Target bmp: D:\\w.tga"}) {
    const TTargetLine t = ParseTargetLine(line);
    EXPECT_FALSE(t.Bitmap) << line;
    EXPECT_EQ(t.ImagePath, "D:\\w.tga");
  }
  EXPECT_EQ(ParseTargetLine("no colon").ImagePath, "");
}

TEST(ResultLogReading, CodeLinesFollowScanfRules) {
  EXPECT_EQ(ParseCodeLine("#First: 0x20", "#First:"), 0x20);
  EXPECT_EQ(ParseCodeLine("#Last: 0x100", "#Last:"), 0x100);
  EXPECT_EQ(ParseCodeLine("#First:0xc0", "#First:"), 0xC0);       // no blank is a run of none
  EXPECT_EQ(ParseCodeLine("#First: \t 0xFf and more", "#First:"), 0xFF);
  EXPECT_EQ(ParseCodeLine("#First: 0x 7f", "#First:"), 0x7F);      // %X skips blanks itself
  EXPECT_EQ(ParseCodeLine("#First: 0x0x41", "#First:"), 0x41);     // and takes its own 0x
  EXPECT_EQ(ParseCodeLine("#First: 0x7FFFFFFF", "#First:"), INT32_MAX);
  for (const char* bad : {"#First: 20", "#First: 0X20", "#First: 0x", "#First: 0xZZ", "#Frist: 0x20",
                          "#First: 0x80000000", "#First: 0x-5", " #First: 0x20"})
    EXPECT_FALSE(ParseCodeLine(bad, "#First:").has_value()) << bad;
}

}  // namespace
TEST(ResultLogReading, ReplayPlanOfATextureAndAFontRecord) {
  const std::vector<std::string> lines = {
      FormatLine(TJobKind::Texture), SourceLine("a.dds"), TargetLine(true, "a.bmp"),
      FormatLine(TJobKind::FontSheet), SourceLine("f.tdt"), TargetLine(false, "f.tga"), CodeLine(kFirstKeyword, 0x20),
      CodeLine(kLastKeyword, 0x100), FormatLine(TJobKind::ReplayLog), SourceLine("passed over.dds")};
  ASSERT_EQ(lines[7], "#Last: 0x100");
  struct Step {
    std::size_t line, next;
    bool record;
    std::string source, image;
    bool bitmap;
    std::int32_t first, end;
  };
  const Step expected[] = {{0, 1, false, "", "", false, 0, 0},
                           {1, 3, true, "a.dds", "a.bmp", true, 0, 0},
                           {3, 4, false, "", "", false, 0, 0},
                           {4, 8, true, "f.tdt", "f.tga", false, 0x20, 0x100},
                           {8, 9, false, "", "", false, 0, 0},
                           {9, 10, false, "passed over.dds", "", false, 0, 0}};
  const std::vector<TReplayStep> steps = PlanReplay(lines, "x.log");
  ASSERT_EQ(steps.size(), std::size(expected));
  for (std::size_t k = 0; k < steps.size(); ++k) {
    const TReplayStep& s = steps[k];
    const Step& e = expected[k];
    EXPECT_EQ(s.Line, e.line) << k;
    EXPECT_EQ(s.Next, e.next) << k;
    EXPECT_EQ(s.IsRecord, e.record) << k;
    EXPECT_EQ(s.Record.SourcePath, e.source) << k;
    EXPECT_EQ(s.Record.ImagePath, e.image) << k;
    EXPECT_EQ(s.Record.ImageIsBitmap, e.bitmap) << k;
    EXPECT_EQ(s.Record.FirstCode, e.first) << k;
    EXPECT_EQ(s.Record.EndCode, e.end) << k;
    EXPECT_TRUE(s.Record.RangeError.English.empty()) << k;
  }
  EXPECT_EQ(steps[1].Format, TJobKind::Texture);
  EXPECT_EQ(steps[3].Format, TJobKind::FontSheet);
}

// What an extract writes before a record's source line belongs to that record; a font record without
// code lines ends at its target line, so the next record is read as one.
TEST(ResultLogReading, TreeAndDigestLinesAndAFontRecordWithoutCodes) {
  const std::string hash(32, 'c');
  const std::vector<std::string> lines = {FormatLine(TJobKind::FontSheet), "#Tree: ui/fonts", "#Digest: 10 20 " + hash,
                                          SourceLine("f.tdt"), TargetLine(false, "f.tga"), FormatLine(TJobKind::Texture),
                                          "#Digest: 5 6 junk", SourceLine("a.dds"), TargetLine(true, "a.bmp")};
  std::vector<TReplayStep> records;
  for (const TReplayStep& step : PlanReplay(lines, "x.log"))
    if (step.IsRecord) records.push_back(step);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].Next, 5u);
  EXPECT_FALSE(records[0].Record.RangeGiven);
  EXPECT_EQ(records[0].Record.Tree, std::string("ui") + PathDelim + "fonts");
  ASSERT_TRUE(records[0].Record.Digest.has_value());
  EXPECT_EQ(*records[0].Record.Digest, (TImageStamp{10, 20, hash, 0, ""}));
  EXPECT_EQ(records[1].Record.SourcePath, "a.dds");
  EXPECT_TRUE(records[1].Record.Tree.empty());        // a tree belongs to one record only
  EXPECT_FALSE(records[1].Record.Digest.has_value());  // a digest that is not one is passed over
}

// A game's folder in a "#Tree:" line: written with '/' whatever the system, names that hold '\' or ':'
// (POSIX allows them) encoded so that every log written before reads as it did, and nothing leads out.
TEST(ResultLogReading, TreeLinesRoundTripEveryNameAndLeadNowhereElse) {
  const char d = PathDelim;
  const std::string sep(1, d);
  struct Row {
    std::string line, folder, error;
  } rows[] = {
      {"#Tree: levels/a", "levels" + sep + "a", ""},
      {"#Tree: levels\\a", "levels" + sep + "a", ""},  // logs from Windows
      {"#Tree: a%20b/c", "a%20b" + sep + "c", ""},     // a plain line keeps its '%'
      {"#Tree: ./a//b/", "a" + sep + "b", ""},
      {"#Tree: ../x", "", "names a folder outside the target directory"},
      {"#Tree: /x", "", "names a folder outside the target directory"},
      {"#Tree: C:/x", "", "names a folder outside the target directory"},
      {"#Tree: :a/%2E%2E", "", "names a folder outside the target directory"},  // only three escapes exist
      {"#Tree: :a/..", "", "names a folder outside the target directory"},
      {"#Tree: :a:b", "", "names a folder outside the target directory"},  // an encoded line escapes its ':'s
  };
  for (const Row& row : rows) {
    TText error;
    EXPECT_EQ(TreeFolderOf(row.line, error), row.folder) << row.line;
    EXPECT_NE(error.English.find(row.error), std::string::npos) << row.line << ": " << error.English;
    if (row.error.empty()) {
      EXPECT_EQ(error.English, "") << row.line;
    }
  }
  if (d == '/') {
    for (const char* folder : {"lev:el/a", "lev\\el", "100%/a:b\\c%3A", "plain/a"}) {
      TText error;
      const std::string line = TreeLine(folder);
      EXPECT_EQ(TreeFolderOf(line, error), folder) << line;
      EXPECT_EQ(error.English, "");
    }
    EXPECT_EQ(TreeLine("lev:el/a"), "#Tree: :lev%3Ael/a");
    EXPECT_EQ(TreeLine("plain/a"), "#Tree: plain/a");
  } else {
    TText error;
    EXPECT_EQ(TreeFolderOf("#Tree: :lev%3Ael/a", error), "");
    EXPECT_NE(error.English.find("names a folder whose name this system cannot have"), std::string::npos) << error.English;
  }
}

// The optional lines after "#Last:": what a record takes from them, and what is refused.
TEST(ResultLogReading, NewCodeAndPlaceholderLinesOfAFontRecord) {
  struct Row {
    std::vector<std::string> extra;
    std::int32_t newCode;
    std::vector<std::int32_t> placeholders;
    std::string error;  // a piece of the record's range error, or nothing
  } rows[] = {
      {{}, 0xC0, {}, ""},
      {{"#New: 0x80"}, 0x80, {}, ""},
      {{"#Placeholders: 0x8C 0x9c junk 0x1234 0xA5", "#New: 0x7F"}, 0x7F, {0x8C, 0x9C, 0xA5}, ""},
      {{"#New: 0x7E"}, 0xC0, {}, "\"#New: 0x7E\" should name the first code that takes a glyph from the sheet, 0x7F to 0x100"},
      {{"#New: 0x101"}, 0xC0, {}, "line 6:"},
      {{"#Format: DDS", "#New: 0x80"}, 0xC0, {}, ""},  // not right after the record: passed over
  };
  for (const Row& row : rows) {
    std::vector<std::string> lines = FontRecord("f.tdt", "f.tga", 0x20, 0x100);
    lines.insert(lines.end(), row.extra.begin(), row.extra.end());
    const std::vector<TReplayStep> steps = PlanReplay(lines, "x.log");
    ASSERT_GE(steps.size(), 2u);
    const TImportRecord& r = steps[1].Record;
    const std::string name = row.extra.empty() ? "no extra line" : row.extra[0];
    EXPECT_EQ(r.NewCode, row.newCode) << name;
    EXPECT_EQ(r.Placeholders, row.placeholders) << name;
    EXPECT_EQ(r.RangeError.English.find(row.error) != std::string::npos, true) << name << ": " << r.RangeError.English;
    EXPECT_EQ(r.RangeError.English.empty(), row.error.empty()) << name;
  }
  // Written as read: the lines the sheet writes.
  TSheetFindings findings;
  findings.NewCode = 0x8A;
  findings.Placeholders = {0x8C, 0xA5};
  EXPECT_EQ(FontRecord("f.tdt", "f.tga", 0x20, 0x100, findings).back(), "#Placeholders: 0x8C 0xA5");
}

}  // namespace eit

namespace eit {
namespace {

// The folder's map after a second run, line by line: what the user added stays, records written again
// from their source stay where they were, others' images written again lose their records.
TEST(ResultLogMerge, KeepsEveryLineThatIsNotARecordWrittenAgain) {
  const std::string d = AbsolutePath("OUT") + PathDelim;
  auto texture = [&](const std::string& source, const std::string& image) {
    return std::vector<std::string>{FormatLine(TJobKind::Texture), SourceLine("/s/" + source), TargetLine(true, d + image)};
  };
  auto font = [&](const std::string& source, const std::string& image) {
    return std::vector<std::string>{FormatLine(TJobKind::FontSheet), SourceLine("/s/" + source), TargetLine(false, d + image)};
  };
  auto join = [](std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> lines;
    for (const auto& p : parts) lines.insert(lines.end(), p.begin(), p.end());
    return lines;
  };
  using Lines = std::vector<std::string>;
  const struct {
    const char* what;
    Lines old, now, merged;
  } rows[] = {
      {"a new image is added after the old records", texture("a.dds", "a.bmp"), texture("b.dds", "b.bmp"),
       join({texture("a.dds", "a.bmp"), texture("b.dds", "b.bmp")})},
      {"comments and lines of other tools stay where they were",
       join({{"; my notes", ""}, texture("a.dds", "a.bmp"), {"#first: 0x20", "note about a"}}), texture("b.dds", "b.bmp"),
       join({{"; my notes", ""}, texture("a.dds", "a.bmp"), {"#first: 0x20", "note about a"}, texture("b.dds", "b.bmp")})},
      {"a font extracted again keeps its codes, in its place",
       join({font("f.tdt", "f.tga"), {"#First: 0x20", "#Last: 0x100", "#New: 0x80"}, texture("a.dds", "a.bmp")}),
       font("f.tdt", "f.tga"),
       join({font("f.tdt", "f.tga"), {"#First: 0x20", "#Last: 0x100", "#New: 0x80"}, texture("a.dds", "a.bmp")})},
      {"an image now another source's loses its record, not the user's lines",
       join({texture("x/a.dds", "a.bmp"), {"; from level 1"}, texture("c.dds", "c.bmp")}), texture("y/a.dds", "a.bmp"),
       join({{"; from level 1"}, texture("c.dds", "c.bmp"), texture("y/a.dds", "a.bmp")})},
      {"a format line whose records all went goes with them", join({font("f.tdt", "f.tga"), texture("c.dds", "c.bmp")}),
       texture("g.dds", "f.tga"), join({texture("c.dds", "c.bmp"), texture("g.dds", "f.tga")})},
      {"a record written again takes the run's digest and keeps the user's lines",
       join({{FormatLine(TJobKind::Texture), "#Tree: t", "#Digest: 1 2 " + std::string(32, 'a'), SourceLine("/s/a.dds"),
              TargetLine(true, d + "a.bmp"), "; mine"}}),
       join({{FormatLine(TJobKind::Texture), "#Tree: t", "#Digest: 3 4 " + std::string(32, 'b'), SourceLine("/s/a.dds"),
              TargetLine(true, d + "a.bmp")}}),
       join({{FormatLine(TJobKind::Texture), "#Tree: t", "#Digest: 3 4 " + std::string(32, 'b'), SourceLine("/s/a.dds"),
              TargetLine(true, d + "a.bmp"), "; mine"}})},
      {"a record that goes takes its digest with it",
       join({{FormatLine(TJobKind::Texture), "#Digest: 1 2 " + std::string(32, 'a'), SourceLine("/s/x/a.dds"),
              TargetLine(true, d + "a.bmp"), "; from level 1"}}),
       join({{FormatLine(TJobKind::Texture), "#Digest: 3 4 " + std::string(32, 'b'), SourceLine("/s/y/a.dds"),
              TargetLine(true, d + "a.bmp")}}),
       join({{"; from level 1", FormatLine(TJobKind::Texture), "#Digest: 3 4 " + std::string(32, 'b'),
              SourceLine("/s/y/a.dds"), TargetLine(true, d + "a.bmp")}})},
      {"records under one format line each keep their own lines, once",
       join({{FormatLine(TJobKind::Texture), "#Origin: 5 6 " + std::string(32, 'c'), "#Digest: 1 2 " + std::string(32, 'a'),
              SourceLine("/s/a.dds"), TargetLine(true, d + "a.bmp"), "#Origin: 7 8 " + std::string(32, 'd'),
              "#Digest: 1 2 " + std::string(32, 'e'), SourceLine("/s/b.dds"), TargetLine(true, d + "b.bmp")}}),
       join({{FormatLine(TJobKind::Texture), "#Origin: 9 9 " + std::string(32, 'f'), "#Digest: 3 4 " + std::string(32, 'b'),
              SourceLine("/s/b.dds"), TargetLine(true, d + "b.bmp")}}),
       join({{FormatLine(TJobKind::Texture), "#Origin: 5 6 " + std::string(32, 'c'), "#Digest: 1 2 " + std::string(32, 'a'),
              SourceLine("/s/a.dds"), TargetLine(true, d + "a.bmp"), "#Origin: 9 9 " + std::string(32, 'f'),
              "#Digest: 3 4 " + std::string(32, 'b'), SourceLine("/s/b.dds"), TargetLine(true, d + "b.bmp")}})},
      {"a comment between a record's digest and its source stays, and the digest is the run's",
       join({{FormatLine(TJobKind::Texture), "#Digest: 1 2 " + std::string(32, 'a'), "; mine", SourceLine("/s/a.dds"),
              TargetLine(true, d + "a.bmp")}}),
       join({{FormatLine(TJobKind::Texture), "#Digest: 3 4 " + std::string(32, 'b'), SourceLine("/s/a.dds"),
              TargetLine(true, d + "a.bmp")}}),
       join({{FormatLine(TJobKind::Texture), "; mine", "#Digest: 3 4 " + std::string(32, 'b'), SourceLine("/s/a.dds"),
              TargetLine(true, d + "a.bmp")}})},
      {"a run's lines outside its records are added all the same",
       texture("a.dds", "a.bmp"),
       join({{FormatLine(TJobKind::Texture), TargetLine(true, d + "stray.bmp")}, texture("b.dds", "b.bmp")}),
       join({texture("a.dds", "a.bmp"), {FormatLine(TJobKind::Texture), TargetLine(true, d + "stray.bmp")},
             texture("b.dds", "b.bmp")})},
      {"a line whose word only begins like a target's is the user's, and stays",
       join({{FormatLine(TJobKind::Texture), SourceLine("/s/a.dds"), "#Target~x: " + d + "a.bmp"}}),
       texture("a.dds", "a.bmp"),
       join({{FormatLine(TJobKind::Texture), SourceLine("/s/a.dds"), "#Target~x: " + d + "a.bmp"}, texture("a.dds", "a.bmp")})},
      {"the same image named twice keeps the first record only",
       join({texture("a.dds", "a.bmp"), texture("a.dds", "a.bmp")}), texture("a.dds", "a.bmp"),
       texture("a.dds", "a.bmp")},
  };
  for (const auto& row : rows) EXPECT_EQ(MergeResultLog(row.old, row.now), row.merged) << row.what;
}

// The sheet's optional lines: codes and pairs of codes; what is none is passed over, not guessed.
TEST(ResultLogReading, PlaceholderAndAlikeLines) {
  EXPECT_EQ(ParsePlaceholders("#Placeholders: 0x8C 0x9c\t0xFF"), (std::vector<std::int32_t>{0x8C, 0x9C, 0xFF}));
  EXPECT_EQ(ParsePlaceholders("#Placeholders: 8C 0x 0xZZ 0x1234 0x41,"), std::vector<std::int32_t>{});
  using Pairs = std::vector<std::pair<std::int32_t, std::int32_t>>;
  EXPECT_EQ(ParseAlike("#Alike: 0xE8=0xED  0x9F=0xBF"), (Pairs{{0xE8, 0xED}, {0x9F, 0xBF}}));
  EXPECT_EQ(ParseAlike("#Alike: 0xE8 0xED 0xE8= =0xED 0xE8=0xZZ"), Pairs{});
  TSheetFindings findings;
  findings.Placeholders = {0x8C};
  findings.Alike = {{0xE8, 0xED}};
  EXPECT_EQ(FontRecord("f.tdt", "s.tga", 0x20, 0x100, findings).back(), "#Alike: 0xE8=0xED");
}

TEST(ResultLogMerge, OnlyBinaryDataOrTextWithoutALogLineIsForeign) {
  testing::TempDir dir;
  const struct {
    std::string content;
    bool foreign;
  } rows[] = {{"", false},
              {"\r\n\r\n", false},
              {"; a comment only\r\n#Format: DDS\r\n", false},
              {"#first: 0x20\r\n#Target BMP: x.bmp\r\n", false},
              {"my notes\r\nabout the stone\r\n", true},
              {std::string("#Format: DDS\r\n\0\1", 16), true}};
  for (const auto& row : rows) {
    std::ofstream(dir.File("result.log"), std::ios::binary | std::ios::trunc) << row.content;
    EXPECT_EQ(!ReadTargetLog(dir.Path().string()).Problem.English.empty(), row.foreign) << row.content;
  }
}

}  // namespace
}  // namespace eit
