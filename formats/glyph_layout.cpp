// New glyphs for the codes from 0xC0 on, laid into a font texture.
//
// Every old glyph area from 0x7F on is cleared before any new glyph is placed; clearing code by code
// in between would erase parts of new glyphs placed earlier whenever they are wider than the old ones.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "formats/formathandlers.h"
#include "formats/misc.h"

namespace eit {

namespace {

std::string Hex(std::int32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(code));
  return text;
}

}  // namespace

void CheckGlyphRange(const TMemoryStream& table, std::int32_t first, std::int32_t endCode, const std::string& tablePath) {
  const std::int64_t records = table.Size() / kGlyphRecordSize;
  const std::int32_t end = std::max(endCode, first);
  if (first < 0 || end - first > records)
    throw Exception(tablePath + ": the range " + Hex(first) + " to " + Hex(endCode) + " covers " +
                    std::to_string(end - first) + " codes, but the font table holds " + std::to_string(records) +
                    " records; correct the #First/#Last lines");
}

void CheckGlyphTexture(const TBitmap& texture, const std::string& texturePath) {
  if (texture.PixelFormat() != TPixelFormat::pf32bit)
    throw Exception(texturePath + ": the font texture is 24-bit; new glyphs need a 32-bit texture, whose alpha "
                                  "marks them");
}

std::int32_t LayNewGlyphs(TMemoryStream& table, TBitmap& texture, const TBitmap& sheet, std::int32_t first,
                          std::int32_t endCode, const TFontFiles& names) {
  CheckGlyphRange(table, first, endCode, names.Table);
  CheckGlyphTexture(texture, names.Texture);
  const std::int32_t end = std::max(endCode, first);
  if (sheet.PixelFormat() != TPixelFormat::pf32bit)
    throw Exception(names.Sheet + ": the glyph sheet is 24-bit; save it with alpha (32-bit TGA or BMP), "
                                       "since its glyphs are found by their alpha");
  std::vector<GlyphBox> boxes;
  ScanGlyphBoxes(sheet, boxes);
  const std::int32_t newCodes = std::max(0, end - std::max(first, NewGlyphCode));
  if (static_cast<std::int32_t>(boxes.size()) < newCodes)
    throw Exception(names.Sheet + ": the sheet holds " + std::to_string(boxes.size()) + " glyphs, but the codes " +
                    Hex(std::max(first, NewGlyphCode)) + " to " + Hex(end - 1) + " need " + std::to_string(newCodes) +
                    "; every new glyph needs a marker line and at least one visible pixel");

  // Kept glyphs move the pen; old areas from 0x7F on are cleared (glyphs 64 wide or high stay).
  std::int32_t penX = 0, penY = 0, lineBottom = 0;
  auto recordAt = [&](std::int32_t code) { return table.Memory() + (code - first) * kGlyphRecordSize; };
  for (std::int32_t c = first; c < end; ++c) {
    const GlyphRecord r = ReadGlyphRecord(recordAt(c));
    if (c < KeptCodeLimit) {
      penX = r.Left + r.Width;
      penY = r.Top;
      lineBottom = std::max(lineBottom, r.Top + r.Height);
    } else if (r.Width != kUnclearedGlyphSize && r.Height != kUnclearedGlyphSize) {
      texture.FillRect({r.Left, r.Top, r.Left + r.Width, r.Top + r.Height}, kBlack, 0);
    }
  }
  // New glyphs, one empty column apart, in lines that break at the texture's right edge.
  std::size_t boxIndex = 0;
  for (std::int32_t c = std::max(first, NewGlyphCode); c < end; ++c) {
    const GlyphBox& b = boxes[boxIndex++];
    const std::int32_t bw = b.Right - b.Left, bh = b.Bottom - b.Top;
    if (penX + bw > texture.Width()) penX = 0, penY = lineBottom;
    if (bw > texture.Width() || penY + bh > texture.Height())
      throw Exception(names.Texture + ": the new glyph for " + Hex(c) + " (" + std::to_string(bw) + " x " +
                      std::to_string(bh) + ") does not fit the " + std::to_string(texture.Width()) + " x " +
                      std::to_string(texture.Height()) + " texture; use a larger texture or smaller glyphs");
    GlyphRecord r = ReadGlyphRecord(recordAt(c));
    const auto u = [](std::int32_t v) { return static_cast<std::uint16_t>(v); };
    r.Left = u(penX), r.Top = u(penY), r.Right = u(penX + bw), r.Bottom = u(penY + bh), r.Width = u(bw), r.Height = u(bh);
    WriteGlyphRecord(recordAt(c), r);
    for (std::int32_t j = 0; j < bh; ++j)
      std::memcpy(texture.ScanLine(penY + j) + 4 * penX, sheet.ScanLine(b.Top + j) + 4 * b.Left,
                  static_cast<std::size_t>(bw) * 4);
    penX += bw + 1;
    lineBottom = std::max(lineBottom, penY + bh);
  }

  return newCodes;
}

}  // namespace eit
