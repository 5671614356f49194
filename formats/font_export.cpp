#include "platform/limits.h"
#include "formats/formathandlers.h"
#include "formats/jobs_internal.h"
#include "platform/paths.h"

namespace eit {

namespace {

void CheckTableSize(const TMemoryStream& table, const std::string& tablePath) {
  if (table.Size() < kFontTableSize)
    throw Exception(tablePath + ": the font table is " + std::to_string(table.Size()) + " bytes long; it needs " +
                    std::to_string(kFontRecords) + " records of " + std::to_string(kGlyphRecordSize) + " bytes (" +
                    std::to_string(kFontTableSize) + " bytes)");
}

}  // namespace

TBitmap MakeGlyphSheet(const TMemoryStream& table, const TBitmap& texture, const std::string& tablePath) {
  CheckTableSize(table, tablePath);

  const std::int32_t cellHeight = ReadGlyphRecord(table.Memory()).Height + kCellGap;
  if (std::int64_t{cellHeight} * kFontRecords > kMaxPictureSide)
    throw Exception(tablePath + ": record 0 gives glyphs " + std::to_string(cellHeight - kCellGap) +
                    " pixels high, too high for a glyph sheet of 224 cells");
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

void ExportFontSheet(TJobContext& context, const std::string& tablePath) {
  TMemoryStream table;
  table.LoadFromFile(tablePath);
  CheckTableSize(table, tablePath);  // before the texture is read
  detail::TTextureLoad load(ChangeFileExt(tablePath, ".dds"));
  const bool tga = load.Header.BitCount == 32;
  const std::string outputPath = context.ExportPath(ChangeFileExt(ExtractFileName(tablePath), tga ? ".tga" : ".bmp"));
  const TBitmap texture = load.Pixels();
  const TBitmap sheet = MakeGlyphSheet(table, texture, tablePath);
  const std::int64_t bytes = detail::WriteImage(context, outputPath, sheet);
  context.ResultLog->push_back((tga ? "#Target TGA: " : "#Target BMP: ") + outputPath);
  context.Reporter->FileWritten(tablePath, outputPath, bytes, "glyph sheet, " + detail::Describe(sheet));
}

}  // namespace eit
