#include <gtest/gtest.h>

#include "formats/formathandlers.h"

namespace eit {
namespace {

// A worked example: the kept glyphs leave the pen at (25, 4) with the line's bottom at 11; two new
// glyphs, 3 x 5 and 6 x 2, go in for 0xC0 and 0xC1 on a 32 x 32 texture.
TEST(GlyphLayout, NewGlyphsFollowTheLastKeptOneAndBreakAtTheRightEdge) {
  constexpr std::int32_t first = 0x20, end = 0xC2;
  TMemoryStream table;
  table.SetSize((end - first) * kGlyphRecordSize);
  auto record = [&](std::int32_t code) { return table.Memory() + (code - first) * kGlyphRecordSize; };
  WriteGlyphRecord(record(0x41), {0, 0, 6, 10, 6, 10, 0});   // the tallest kept glyph: bottom 10
  WriteGlyphRecord(record(0x7E), {20, 4, 25, 11, 5, 7, 0});  // the last kept glyph: pen at 25, 4
  WriteGlyphRecord(record(0x80), {0, 20, 4, 24, 4, 4, 0});   // an old glyph: cleared
  WriteGlyphRecord(record(0x81), {10, 20, 74, 22, 64, 2, 0});  // 64 wide: left alone
  TBitmap texture(TPixelFormat::pf32bit, 32, 32);
  texture.FillRect({0, 0, 32, 32}, TRgb(1, 2, 3), 255);

  TBitmap sheet(TPixelFormat::pf32bit, kSheetWidth, 40);
  sheet.Line(0, 0, 0, 5, kWhite, 255);  // a glyph is as tall as its marker line
  sheet.FillRect({3, 0, 6, 5}, TRgb(200, 0, 0), 255);
  sheet.Line(0, 30, 0, 32, kWhite, 255);
  sheet.FillRect({3, 30, 9, 32}, TRgb(0, 200, 0), 255);

  EXPECT_EQ(LayNewGlyphs(table, texture, sheet, {first, end}, {"t.tdt", "t.dds", "s.tga"}), 2);
  const auto fields = [](const GlyphRecord& g) {
    return std::vector<int>{g.Left, g.Top, g.Right, g.Bottom, g.Width, g.Height};
  };
  EXPECT_EQ(fields(ReadGlyphRecord(record(0xC0))), (std::vector<int>{25, 4, 28, 9, 3, 5}));
  EXPECT_EQ(fields(ReadGlyphRecord(record(0xC1))), (std::vector<int>{0, 11, 6, 13, 6, 2}));  // 29 + 6 > 32
  EXPECT_EQ(texture.Pixel(25, 4), TRgb(200, 0, 0));
  EXPECT_EQ(texture.Pixel(27, 8), TRgb(200, 0, 0));
  EXPECT_EQ(texture.Pixel(5, 12), TRgb(0, 200, 0));
  EXPECT_EQ(texture.ScanLine(20)[3], 0);  // 0x80's area: cleared to transparent black
  EXPECT_EQ(texture.Pixel(0, 20), kBlack);
  EXPECT_EQ(texture.Pixel(10, 20), TRgb(1, 2, 3));  // 0x81's: kept
  EXPECT_EQ(texture.Pixel(28, 4), TRgb(1, 2, 3));   // the empty column after 0xC0
}

}  // namespace
}  // namespace eit
