// New glyphs for the codes from 0xC0 (or the log's #New: code) on, laid into a font texture.
//
// Every old glyph area from 0x7F on is cleared before any new glyph is placed; clearing code by code
// in between would erase parts of new glyphs placed earlier whenever they are wider than the old ones.
#include <algorithm>
#include <cstring>

#include "formats/codepages.h"
#include "formats/font_tools.h"
#include "formats/formathandlers.h"
#include "formats/misc.h"

namespace eit {

void CheckGlyphRange(const TMemoryStream& table, std::int32_t first, std::int32_t endCode, const std::string& tablePath) {
  const std::int64_t records = table.Size() / kGlyphRecordSize;
  const std::int32_t end = std::max(endCode, first);
  if (first < 0 || end - first > records)
    throw Exception(Says(EIT_SAYS("%1: the range %2 to %3 covers %4 codes, but the font table holds %5 records; correct "
                                  "the range"),
                         {tablePath, CodeText(first), CodeText(endCode), std::to_string(end - first), std::to_string(records)}),
                    tablePath);
}

void CheckGlyphTexture(const TBitmap& texture, const std::string& texturePath, const TSheetWords& words) {
  if (texture.PixelFormat() != TPixelFormat::pf32bit)
    throw Exception(Says(EIT_SAYS("%1: the font texture is 24-bit, without alpha; new glyphs go only into 32-bit font "
                                  "textures, whose alpha marks them: choose another of the game's fonts (%2)"),
                         {texturePath, words.BitDepthShown()}), texturePath);
}

namespace {

// The pen that places new glyphs: after the last kept glyph, one empty column apart, in lines that
// break at the texture's right edge. Placing and checking use it alike, so a sheet checked to fit
// does fit.
class TGlyphPen {
 public:
  TGlyphPen(const TMemoryStream& table, std::int32_t first, std::int32_t end) {
    for (std::int32_t c = first; c < std::min(end, KeptCodeLimit); ++c) {
      const GlyphRecord r = ReadGlyphRecord(table.Memory() + (c - first) * kGlyphRecordSize);
      x_ = r.Left + r.Width;
      y_ = r.Top;
      lineBottom_ = std::max(lineBottom_, r.Top + r.Height);
    }
  }
  // Where a glyph w x h goes, or false when the texture has no room left for it.
  bool Place(std::int32_t w, std::int32_t h, std::int32_t textureW, std::int32_t textureH, std::int32_t& x,
             std::int32_t& y) {
    if (x_ + w > textureW) x_ = 0, y_ = lineBottom_;
    if (w > textureW || y_ + h > textureH) return false;
    x = x_, y = y_;
    x_ += w + 1;
    lineBottom_ = std::max(lineBottom_, y_ + h);
    return true;
  }

 private:
  std::int32_t x_ = 0, y_ = 0, lineBottom_ = 0;
};

std::int32_t NewFrom(std::int32_t first, std::int32_t newCode) { return std::max(first, newCode); }

}  // namespace

std::int32_t FirstGlyphThatDoesNotFit(const TMemoryStream& table, const TGlyphRange& range,
                                      const std::vector<std::pair<std::int32_t, std::int32_t>>& sizes,
                                      std::int32_t textureW, std::int32_t textureH) {
  TGlyphPen pen(table, range.First, range.End);
  std::int32_t code = NewFrom(range.First, range.New), x = 0, y = 0;
  for (const auto& [w, h] : sizes) {
    if (!pen.Place(w, h, textureW, textureH, x, y)) return code;
    ++code;
  }
  return -1;
}

namespace {

TText GlyphDoesNotFit(const std::string& path, std::int32_t code, std::int32_t width, std::int32_t height,
                      const TBitmap& texture) {
  const auto n = [](std::int64_t v) { return std::to_string(v); };
  return Says(EIT_SAYS("%1: the new glyph for %2 (%3 x %4) does not fit the %5 x %6 texture; use a larger texture or "
                       "smaller glyphs"),
              {path, CodeText(code), n(width), n(height), n(texture.Width()), n(texture.Height())});
}

TText SheetWithoutAlpha(const std::string& sheet) {
  return Says(EIT_SAYS("%1: the glyph sheet is 24-bit; save it with alpha (32-bit TGA or BMP), since its glyphs are "
                       "found by their alpha"), {sheet});
}

TText TooFewGlyphs(const std::string& sheet, std::size_t glyphs, std::int32_t from, std::int32_t end, std::int32_t needed) {
  return Says(EIT_SAYS("%1: the sheet holds %2 glyphs, but the codes %3 to %4 need %5; every new glyph needs a marker "
                       "line and at least one visible pixel"),
              {sheet, std::to_string(glyphs), CodeText(from), CodeText(end - 1), std::to_string(needed)});
}

}  // namespace

std::int32_t LayNewGlyphs(TMemoryStream& table, TBitmap& texture, const TBitmap& sheet, const TGlyphRange& range,
                          const TFontFiles& names) {
  const std::int32_t first = range.First;
  CheckGlyphRange(table, first, range.End, names.Table);
  CheckGlyphTexture(texture, names.Texture, TSheetWords());
  const std::int32_t end = std::max(range.End, first), from = NewFrom(first, range.New);
  if (sheet.PixelFormat() != TPixelFormat::pf32bit)
    throw Exception(SheetWithoutAlpha(names.Sheet), names.Sheet);
  std::vector<GlyphBox> boxes;
  ScanGlyphBoxes(sheet, boxes);
  const std::int32_t newCodes = std::max(0, end - from);
  if (static_cast<std::int32_t>(boxes.size()) < newCodes)
    throw Exception(TooFewGlyphs(names.Sheet, boxes.size(), from, end, newCodes), names.Sheet);

  // Old areas from 0x7F on are cleared (glyphs 64 wide or high stay).
  auto recordAt = [&](std::int32_t code) { return table.Memory() + (code - first) * kGlyphRecordSize; };
  TGlyphPen pen(table, first, end);
  for (std::int32_t c = std::max(first, KeptCodeLimit); c < end; ++c) {
    const GlyphRecord r = ReadGlyphRecord(recordAt(c));
    if (r.Width != kUnclearedGlyphSize && r.Height != kUnclearedGlyphSize)
      texture.FillRect({r.Left, r.Top, r.Left + r.Width, r.Top + r.Height}, kBlack, 0);
  }
  std::size_t boxIndex = 0;
  for (std::int32_t c = from; c < end; ++c) {
    const GlyphBox& b = boxes[boxIndex++];
    const std::int32_t bw = b.Right - b.Left, bh = b.Bottom - b.Top;
    std::int32_t x = 0, y = 0;
    if (!pen.Place(bw, bh, texture.Width(), texture.Height(), x, y))
      throw Exception(GlyphDoesNotFit(names.Texture, c, bw, bh, texture), names.Texture);
    GlyphRecord r = ReadGlyphRecord(recordAt(c));
    const auto u = [](std::int32_t v) { return static_cast<std::uint16_t>(v); };
    r.Left = u(x), r.Top = u(y), r.Right = u(x + bw), r.Bottom = u(y + bh), r.Width = u(bw), r.Height = u(bh);
    WriteGlyphRecord(recordAt(c), r);
    for (std::int32_t j = 0; j < bh; ++j)
      std::memcpy(texture.ScanLine(y + j) + 4 * x, sheet.ScanLine(b.Top + j) + 4 * b.Left,
                  static_cast<std::size_t>(bw) * 4);
  }
  return newCodes;
}

}  // namespace eit
