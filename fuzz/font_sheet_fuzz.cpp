// Arbitrary bytes as a font table over a texture of a size the input picks: the glyph sheet export,
// and the measures of the kept letters that new glyphs are sized by.
#include <cstddef>
#include <cstdint>

#include "formats/font_tools.h"
#include "formats/formathandlers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  const std::int32_t width = (data[0] | data[1] << 8) % 129, height = (data[2] | data[3] << 8) % 129;
  const auto format = (data[4] & 1) != 0 ? eit::TPixelFormat::pf32bit : eit::TPixelFormat::pf24bit;
  eit::TMemoryStream table;
  table.Reserve(static_cast<std::int64_t>(size - 5));
  if (size > 5) table.WriteBuffer(data + 5, static_cast<std::int32_t>(size - 5));
  try {
    eit::TBitmap texture(format, width, height);
    for (std::int32_t y = 0; y < height; ++y)
      for (std::size_t i = 0; i < texture.RowBytes(); ++i) texture.ScanLine(y)[i] = static_cast<std::uint8_t>(i ^ y);
    const eit::TKeptLetters kept = eit::MeasureKeptLetters(table, texture);
    if (kept.BoxHeight < 0 || kept.BoxHeight > 65535 || kept.Baseline < 0 || kept.Baseline > height ||
        kept.CapHeight < 0 || kept.CapHeight > kept.Baseline)
      __builtin_trap();
    for (std::int64_t k = 0; k < table.Size() / eit::kGlyphRecordSize; ++k)
      (void)eit::IsPlaceholderGlyph(texture, eit::ReadGlyphRecord(table.Memory() + k * eit::kGlyphRecordSize));
    const eit::TBitmap sheet = eit::MakeGlyphSheet(table, texture, "fuzz.tdt");
    if (sheet.Width() != eit::kSheetWidth || sheet.PixelFormat() != format) __builtin_trap();
    if (sheet.Height() % eit::kFontRecords != 0) __builtin_trap();
  } catch (const eit::Exception&) {
  }
  return 0;
}
