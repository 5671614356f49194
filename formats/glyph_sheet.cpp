// The glyph sheet of a font table: what an export writes for a font.
#include <cstring>

#include "formats/formathandlers.h"
#include "platform/limits.h"

namespace eit {

void CheckFontTableSize(const TMemoryStream& table, const std::string& tablePath) {
  // A texture given where its table was meant reads as records of nonsense: say what it is instead.
  if (table.Size() >= 4 && (std::memcmp(table.Memory(), "ELTE", 4) == 0 || std::memcmp(table.Memory(), "DDS!", 4) == 0))
    throw Exception(Says(EIT_SAYS("%1 is a texture, not a font table: give the font's table (.tdt), which names the "
                                  "glyphs of the texture of the same name beside it"), {tablePath}), tablePath);
  const auto n = [](std::int64_t v) { return std::to_string(v); };
  if (table.Size() < kFontTableSize)
    throw Exception(Says(EIT_SAYS("%1: the font table is %2 bytes long; it needs %3 records of %4 bytes (%5 bytes)"),
                         {tablePath, n(table.Size()), n(kFontRecords), n(kGlyphRecordSize), n(kFontTableSize)}), tablePath);
}

TBitmap MakeGlyphSheet(const TMemoryStream& table, const TBitmap& texture, const std::string& tablePath) {
  CheckFontTableSize(table, tablePath);

  const std::int32_t cellHeight = ReadGlyphRecord(table.Memory()).Height + kCellGap;
  if (std::int64_t{cellHeight} * kFontRecords > kMaxPictureSide)
    throw Exception(Says(EIT_SAYS("%1: record 0 gives glyphs %2 pixels high, too high for a glyph sheet of 224 cells"),
                         {tablePath, std::to_string(cellHeight - kCellGap)}), tablePath);
  TBitmap sheet(texture.PixelFormat(), kSheetWidth, cellHeight * kFontRecords);  // black, alpha 0
  // Markers are opaque in a 32-bit sheet, so that editors show them.
  const std::uint8_t markerAlpha = 255;
  for (std::int32_t k = 0, y = 0; k < kFontRecords; ++k, y += cellHeight) {
    const GlyphRecord glyph = ReadGlyphRecord(table.Memory() + k * kGlyphRecordSize);
    const std::int32_t w = glyph.Right - glyph.Left, h = glyph.Bottom - glyph.Top;
    if (w < 0 || h < 0) continue;  // a reversed rectangle is an empty glyph
    sheet.Line(0, y, 0, y + h, kWhite, markerAlpha);
    sheet.CopyRect({kGlyphColumn, y, kGlyphColumn + w, y + h}, texture, {glyph.Left, glyph.Top, glyph.Right, glyph.Bottom});
  }
  return sheet;
}

}  // namespace eit
