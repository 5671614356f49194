#include <gtest/gtest.h>

#include "engine/result_log.h"
#include "platform/files.h"

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
}  // namespace eit
