// The 14-byte glyph record of a font table.
#include "formats/formathandlers.h"
#include "platform/little_endian.h"

namespace eit {

GlyphRecord ReadGlyphRecord(const std::uint8_t* record) {
  auto at = [record](int field) { return static_cast<std::uint16_t>(le::U16(record + 2 * field)); };
  return {at(0), at(1), at(2), at(3), at(4), at(5), at(6)};
}

void WriteGlyphRecord(std::uint8_t* record, const GlyphRecord& glyph) {
  const std::uint16_t fields[7] = {glyph.Left, glyph.Top, glyph.Right, glyph.Bottom, glyph.Width, glyph.Height,
                                   glyph.Extra};
  for (int i = 0; i < 7; ++i) le::PutU16(record + 2 * i, fields[i]);
}

}  // namespace eit
