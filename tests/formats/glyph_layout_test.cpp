#include <gtest/gtest.h>

#include <functional>

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


// A font of 224 glyphs 4 x 6 on a 64 x 128 texture, records 0 and 1 sharing one place (as unused codes of
// a game's font often do), glyph k drawn in grey k.
struct TSmallFont {
  TMemoryStream table;
  TBitmap texture{TPixelFormat::pf32bit, 64, 128};
  TSmallFont() {
    table.SetSize(kFontTableSize);
    for (int k = 0; k < kFontRecords; ++k) {
      const int place = k == 1 ? 0 : k, x = place % 16 * 4, y = place / 16 * 6;
      WriteGlyphRecord(table.Memory() + k * kGlyphRecordSize,
                       {std::uint16_t(x), std::uint16_t(y), std::uint16_t(x + 4), std::uint16_t(y + 6), 4, 6, 0});
      if (k != 1) texture.FillRect({x, y + 1, x + 3, y + 5}, TRgb(std::uint8_t(k), 9, 9), 255);
    }
  }
  int Row(int k) const { return k * (6 + kCellGap); }  // the top of glyph k's cell on the sheet
};

TEST(GlyphsInPlace, AnOwnSheetGoesBackWhereItCameFromAndAnythingElseIsNewGlyphs) {
  const struct {
    const char* name;
    std::function<void(TBitmap&, const TSmallFont&)> edit;
    bool own;
    std::vector<std::int32_t> changed;
    std::int64_t outside;
    std::size_t shared;
  } rows[] = {
      {"unedited", [](TBitmap&, const TSmallFont&) {}, true, {}, 0, 0},
      {"one glyph retouched", [](TBitmap& s, const TSmallFont& f) { s.FillRect({4, f.Row(33) + 2, 5, f.Row(33) + 3}, kWhite, 255); },
       true, {33}, 0, 0},
      {"a glyph that shares its place", [](TBitmap& s, const TSmallFont& f) { s.FillRect({4, f.Row(1) + 2, 5, f.Row(1) + 3}, kWhite, 255); },
       true, {1}, 0, 1},
      {"drawn beside the box", [](TBitmap& s, const TSmallFont& f) { s.FillRect({20, f.Row(40), 22, f.Row(40) + 1}, kWhite, 255); },
       true, {}, 2, 0},
      {"a glyph erased", [](TBitmap& s, const TSmallFont& f) { s.FillRect({kGlyphColumn, f.Row(50), 7, f.Row(50) + 6}, kBlack, 0); },
       false, {}, 0, 0},
      {"a marker moved", [](TBitmap& s, const TSmallFont& f) { s.FillRect({0, f.Row(60), 1, f.Row(60) + 1}, kBlack, 0); },
       false, {}, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TSmallFont font;
    const TBitmap own = MakeGlyphSheet(font.table, font.texture, "f.tdt");
    TBitmap sheet = MakeGlyphSheet(font.table, font.texture, "f.tdt");
    row.edit(sheet, font);
    const TOwnSheetMatch match = CompareWithOwnSheet(own, sheet, font.table, font.texture);
    ASSERT_EQ(match.Own, row.own);
    if (!match.Own) continue;
    TBitmap before(font.texture.PixelFormat(), 64, 128);
    before.CopyRect({0, 0, 64, 128}, font.texture, {0, 0, 64, 128});
    const TGlyphsPutBack done = PutGlyphsBack(own, sheet, font.table, font.texture, kFontRecords);
    EXPECT_EQ(done.Changed, row.changed);
    EXPECT_EQ(done.Outside, row.outside);
    EXPECT_EQ(done.Shared.size(), row.shared);
    // The retouched pixel lands in its glyph's place; nothing else of the texture changes.
    int differ = 0;
    for (int y = 0; y < 128; ++y)
      for (int x = 0; x < 64; ++x) differ += before.Pixel(x, y) == font.texture.Pixel(x, y) ? 0 : 1;
    EXPECT_EQ(differ, row.changed.empty() ? 0 : 1);
    if (row.changed == std::vector<std::int32_t>{33}) {
      EXPECT_EQ(font.texture.Pixel(33 % 16 * 4 + 1, 33 / 16 * 6 + 2), kWhite);
    }
  }
}

}  // namespace
}  // namespace eit
