#include <gtest/gtest.h>

#include "formats/misc.h"

namespace eit {
namespace {

void Opaque(TBitmap& b, std::int32_t x, std::int32_t y) { b.ScanLine(y)[4 * x + 3] = 255; }

TEST(GlyphScan, EachMarkerRunWithVisiblePixelsIsOneBox) {
  TBitmap sheet(TPixelFormat::pf32bit, 100, 60);
  sheet.Line(0, 0, 0, 10, kWhite);
  sheet.Line(0, 30, 0, 42, kWhite);
  for (int y = 0; y < 10; ++y)
    for (int x = 3; x < 10; ++x) Opaque(sheet, x, y);
  std::vector<GlyphBox> boxes = {GlyphBox{1, 2, 3, 4}};
  EXPECT_EQ(ScanGlyphBoxes(sheet, boxes), 1);
  EXPECT_EQ(boxes, (std::vector<GlyphBox>{{3, 0, 10, 10}}));
}

TEST(GlyphScan, BoxesAreTightAroundVisiblePixelsAndColumnZeroIsIgnored) {
  TBitmap sheet(TPixelFormat::pf32bit, 50, 40);
  sheet.Line(0, 0, 0, 12, kWhite, 255);  // opaque markers are not glyph pixels
  sheet.Line(0, 20, 0, 25, kWhite);
  Opaque(sheet, 7, 4), Opaque(sheet, 12, 9);
  Opaque(sheet, 5, 22);
  Opaque(sheet, 30, 30);  // outside any run
  std::vector<GlyphBox> boxes;
  EXPECT_EQ(ScanGlyphBoxes(sheet, boxes), 2);
  EXPECT_EQ(boxes, (std::vector<GlyphBox>{{7, 0, 13, 12}, {5, 20, 6, 25}}));
}

TEST(GlyphScan, MarkerColourIsTakenFromTheTopLeftPixelIgnoringAlpha) {
  TBitmap sheet(TPixelFormat::pf32bit, 10, 10);
  sheet.FillRect({0, 0, 1, 3}, TRgb(200, 0, 0), 0);
  sheet.FillRect({0, 3, 1, 5}, TRgb(200, 0, 0), 255);
  Opaque(sheet, 2, 4);
  std::vector<GlyphBox> boxes;
  EXPECT_EQ(ScanGlyphBoxes(sheet, boxes), 1);
  EXPECT_EQ(boxes[0], (GlyphBox{2, 0, 3, 5}));
}

TEST(GlyphScan, SheetsThatAreNot32BitAreRefused) {
  TBitmap sheet(TPixelFormat::pf24bit, 10, 10);
  std::vector<GlyphBox> boxes;
  EXPECT_THROW(ScanGlyphBoxes(sheet, boxes), Exception);
}

}  // namespace
}  // namespace eit
