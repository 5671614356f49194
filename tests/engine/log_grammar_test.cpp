#include <gtest/gtest.h>

#include <fstream>

#include "engine/image_stamp.h"
#include "engine/result_log.h"
#include "engine/target_folder.h"
#include "platform/files.h"
#include "support/test_data.h"

namespace eit {
namespace {

TImageStamp Stamp(char digit, std::int64_t change = 0) {
  TImageStamp stamp;
  stamp.Size = 10, stamp.Time = 20, stamp.Hash = std::string(32, digit);
  if (change != 0) stamp.Change = change, stamp.Id = "3:4";
  return stamp;
}

// What a reader takes of a record: everything an extract wrote into it.
struct TRead {
  TJobKind Format;
  std::string Tree, Source, Image;
  bool Bitmap;
  std::vector<std::string> Origins;
  std::string Digest;
  bool operator==(const TRead&) const = default;
};
void PrintTo(const TRead& r, std::ostream* os) {
  *os << static_cast<int>(r.Format) << " [" << r.Tree << "] " << r.Source << " -> " << r.Image << " " << r.Digest;
  for (const std::string& origin : r.Origins) *os << " | " << origin;
}

std::vector<TRead> ReadBack(const std::vector<std::string>& lines) {
  std::vector<TRead> records;
  for (const TReplayStep& step : PlanReplay(lines, "result.log")) {
    if (!step.IsRecord) continue;
    const TImportRecord& r = step.Record;
    TRead read{step.Format, r.Tree, r.SourcePath, r.ImagePath, r.ImageIsBitmap, {}, r.Digest ? DigestLine(*r.Digest) : ""};
    for (const TImageStamp& origin : r.Origins) read.Origins.push_back(OriginLine(origin));
    records.push_back(read);
  }
  return records;
}

std::vector<std::string> Join(const std::vector<TLogRecord>& records, bool oneFormatLine) {
  std::vector<std::string> lines;
  for (const TLogRecord& record : records) {
    std::vector<std::string> own = RecordLines(record);
    if (oneFormatLine && !lines.empty()) own.erase(own.begin());
    lines.insert(lines.end(), own.begin(), own.end());
  }
  return lines;
}

// Written, read, merged into and read again: every reader finds the same records, whatever the record holds.
TEST(LogGrammar, RecordsRoundTripThroughEveryReader) {
  TLogRecord plain{TJobKind::Texture, "", {}, std::nullopt, "/g/a.dds", true, "/o/a.bmp"};
  TLogRecord full{TJobKind::Texture, "levels/a b", {Stamp('1'), Stamp('2', 99)}, Stamp('3', 77), "/g/levels/a b/s.dds",
                  false, "/o/levels/a b/s.tga"};
  TLogRecord font{TJobKind::FontSheet, "", {Stamp('4'), Stamp('5')}, Stamp('6'), "/g/f.tdt", false, "/o/f.tga"};
  TLogRecord odd{TJobKind::Texture, "lev:el\\x", {}, Stamp('7'), "/g/lev:el\\x/t.dds", true, "/o/t.bmp"};
  const struct {
    const char* what;
    std::vector<TLogRecord> records;
  } rows[] = {
      {"a record of nothing but its source and image", {plain}},
      {"a tree, two origins and a sealed digest", {full}},
      {"a font's table and texture", {font}},
      {"a tree whose names hold ':' and '\\'", {odd}},
      {"records one after another", {plain, full, font, odd}},
  };
  for (const auto& row : rows) {
    for (const bool oneFormatLine : {false, true}) {
      SCOPED_TRACE(std::string(row.what) + (oneFormatLine ? ", one format line" : ""));
      if (oneFormatLine && row.records.size() == 1) continue;
      const std::vector<std::string> lines = Join(row.records, oneFormatLine);
      std::vector<TRead> expected;
      for (const TLogRecord& r : row.records) {
        // Under one format line every record is of the first one's format.
        TRead read{oneFormatLine ? row.records[0].Format : r.Format, r.Tree, r.Source, r.Image, r.Bitmap, {}, r.Digest ? DigestLine(*r.Digest) : ""};
        for (const TImageStamp& origin : r.Origins) read.Origins.push_back(OriginLine(origin));
        expected.push_back(read);
      }
      if (PathDelim == '\\') continue;  // the odd tree is a POSIX name
      EXPECT_EQ(ReadBack(lines), expected);
      // A merge that adds nothing keeps every line; one that writes a record again keeps the others as they were.
      EXPECT_EQ(MergeResultLog(lines, {}), lines);
      const std::vector<std::string> again = RecordLines(row.records.back());
      EXPECT_EQ(ReadBack(MergeResultLog(lines, again)), expected);
      // The spans cover each record's own lines once.
      const std::vector<TRecordSpan> spans = RecordSpans(lines);
      ASSERT_EQ(spans.size(), row.records.size());
      for (std::size_t k = 0; k + 1 < spans.size(); ++k) EXPECT_LE(spans[k].End, spans[k + 1].Begin);
    }
  }
}

// The same log saved by an editor in UTF-16 reads as the same records; a NUL byte is refused, naming its line.
TEST(LogGrammar, ALogInAnotherEncodingReadsTheSameAndDamageIsRefused) {
  testing::TempDir dir;
  const TLogRecord record{TJobKind::Texture, "a", {Stamp('1')}, Stamp('2'), "/g/a/x.dds", true, "/o/a/x.bmp"};
  const std::vector<std::string> lines = RecordLines(record);
  std::string utf8, utf16 = "\xFF\xFE";
  for (const std::string& line : lines) utf8 += line + "\r\n";
  for (const char c : utf8) utf16 += std::string{c, '\0'};
  const std::string wide = dir.File("wide.log"), cut = dir.File("damaged.log");
  std::ofstream(wide, std::ios::binary) << utf16;
  std::ofstream(cut, std::ios::binary) << lines[0] << "\n" << std::string("#Source: a\0b", 12) << "\n";
  EXPECT_EQ(ReadBack(LoadLines(wide)), ReadBack(lines));
  try {
    LoadLines(cut);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.File(), cut);
    EXPECT_NE(e.Message().find("line 2"), std::string::npos) << e.Message();
  }
}

}  // namespace
}  // namespace eit
