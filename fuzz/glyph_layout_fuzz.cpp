// Arbitrary bytes as a glyph sheet, a font table, a texture size and a code range with its first new code: the new glyphs'
// layout, in memory.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "formats/formathandlers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHead = 14;
  if (size < kHead) return 0;
  auto u16 = [data](std::size_t at) { return static_cast<std::int32_t>(data[at] | data[at + 1] << 8); };
  const std::int32_t first = u16(0) % 0x200, end = u16(2) % 0x200;
  // The top bits of the first word: a log's "#New:" code, or none (0xC0).
  const std::int32_t newBits = u16(0) >> 9, newCode = newBits == 0 ? eit::NewGlyphCode : 0x7F + newBits;
  const std::int32_t texWidth = u16(4) % 257, texHeight = u16(6) % 257;
  const std::int32_t sheetWidth = u16(8) % 129, sheetHeight = u16(10) % 1025;
  const std::size_t tableBytes = std::min<std::size_t>(size - kHead, static_cast<std::size_t>(u16(12)) % 3200);
  eit::TMemoryStream table;
  table.Reserve(static_cast<std::int64_t>(tableBytes));
  if (tableBytes > 0) table.WriteBuffer(data + kHead, static_cast<std::int32_t>(tableBytes));
  const std::uint8_t* rest = data + kHead + tableBytes;
  const std::size_t restSize = size - kHead - tableBytes;
  try {
    eit::TBitmap texture(eit::TPixelFormat::pf32bit, texWidth, texHeight);
    eit::TBitmap sheet(eit::TPixelFormat::pf32bit, sheetWidth, sheetHeight);
    std::size_t k = 0;
    for (std::int32_t y = 0; y < sheetHeight && restSize > 0; ++y)
      for (std::size_t i = 0; i < sheet.RowBytes(); ++i) sheet.ScanLine(y)[i] = rest[k++ % restSize];
    const std::int32_t added = eit::LayNewGlyphs(table, texture, sheet, {first, end, newCode}, {"f.tdt", "f.dds", "f.tga"});
    if (added < 0 || table.Size() != static_cast<std::int64_t>(tableBytes)) __builtin_trap();
    // Every new glyph lies inside the texture.
    for (std::int32_t c = std::max(first, newCode); c < end; ++c) {
      const eit::GlyphRecord r = eit::ReadGlyphRecord(table.Memory() + (c - first) * eit::kGlyphRecordSize);
      if (r.Right > texWidth || r.Bottom > texHeight || r.Left > r.Right || r.Top > r.Bottom) __builtin_trap();
    }
  } catch (const eit::Exception&) {
  }
  return 0;
}
