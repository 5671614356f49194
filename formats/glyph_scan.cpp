#include <algorithm>

#include "formats/misc.h"

namespace eit {

namespace {

TText NotThirtyTwoBit() {
  return Says(EIT_SAYS("The glyph sheet is not a 32-bit picture: its glyphs are found by their alpha"));
}

}  // namespace

std::int32_t ScanGlyphBoxes(const TBitmap& sheet, std::vector<GlyphBox>& boxes) {
  boxes.clear();
  if (sheet.PixelFormat() != TPixelFormat::pf32bit)
    throw Exception(NotThirtyTwoBit());
  const std::int32_t width = sheet.Width(), height = sheet.Height();
  const TRgb marker = sheet.Pixel(0, 0);
  for (std::int32_t y = 0; y < height; ++y) {
    GlyphBox box{width, y, 0, 0};
    bool found = false;
    for (; y < height && sheet.Pixel(0, y) == marker; ++y) {
      const std::uint8_t* row = sheet.ScanLine(y);
      for (std::int32_t x = 1; x < width; ++x) {
        if (row[4 * x + 3] == 0) continue;
        box.Left = std::min(box.Left, x);
        box.Right = std::max(box.Right, x);
        found = true;
      }
    }
    // y is now the first row after the run, which is not a marker row: the loop steps past it.
    if (found) {
      box.Bottom = y;
      box.Right += 1;
      boxes.push_back(box);
    }
  }
  return static_cast<std::int32_t>(boxes.size());
}

}  // namespace eit
