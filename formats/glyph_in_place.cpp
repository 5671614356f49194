// A font's own glyph sheet, retouched where it lies: what changed goes back to the glyphs' places.
#include <algorithm>
#include <cstring>
#include <set>
#include <unordered_map>

#include "formats/formathandlers.h"

namespace eit {

namespace {

GlyphRecord RecordAt(const TMemoryStream& table, std::int32_t k) {
  return ReadGlyphRecord(table.Memory() + std::int64_t{k} * kGlyphRecordSize);
}

// Which cell drew each pixel of the sheet (-1: none), as MakeGlyphSheet draws them: in record order, a
// later cell over an earlier one, only what lies inside both the sheet and the texture.
std::vector<std::int16_t> CellOwners(const TMemoryStream& table, std::int32_t sheetHeight, std::int32_t texW,
                                     std::int32_t texH) {
  std::vector<std::int16_t> owners(static_cast<std::size_t>(kSheetWidth) * static_cast<std::size_t>(sheetHeight), -1);
  const std::int32_t cellHeight = RecordAt(table, 0).Height + kCellGap;
  for (std::int32_t k = 0; k < kFontRecords; ++k) {
    const GlyphRecord g = RecordAt(table, k);
    const std::int32_t w = g.Right - g.Left, h = g.Bottom - g.Top, y0 = k * cellHeight;
    for (std::int32_t dy = 0; dy < h; ++dy) {
      const std::int32_t y = y0 + dy, ty = g.Top + dy;
      if (y >= sheetHeight || ty >= texH) break;
      for (std::int32_t dx = 0; dx < w && kGlyphColumn + dx < kSheetWidth && g.Left + dx < texW; ++dx)
        owners[static_cast<std::size_t>(y) * kSheetWidth + static_cast<std::size_t>(kGlyphColumn + dx)] =
            static_cast<std::int16_t>(k);
    }
  }
  return owners;
}

bool SamePixel(const TBitmap& a, const TBitmap& b, std::int32_t x, std::int32_t y) {
  const int bpp = a.BytesPerPixel();
  return std::memcmp(a.ScanLine(y) + x * bpp, b.ScanLine(y) + x * bpp, static_cast<std::size_t>(bpp)) == 0;
}

bool Overlap(const GlyphRecord& a, const GlyphRecord& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

}  // namespace

TOwnSheetMatch CompareWithOwnSheet(const TBitmap& own, const TBitmap& sheet, const TMemoryStream& table,
                                   const TBitmap& texture) {
  TOwnSheetMatch match;
  if (sheet.PixelFormat() != own.PixelFormat() || sheet.Width() != own.Width() || sheet.Height() != own.Height())
    return match;
  // The marker column, exactly as drawn: one marked run per glyph record at its cell.
  for (std::int32_t y = 0; y < own.Height(); ++y)
    if (!SamePixel(own, sheet, 0, y)) match.MarkerRows.push_back(y);
  if (!match.MarkerRows.empty()) return match;
  match.Own = true;
  if (own.PixelFormat() != TPixelFormat::pf32bit) return match;
  // A glyph with ink that the sheet shows blank was erased: the sheet then holds new glyphs.
  const std::vector<std::int16_t> owners = CellOwners(table, own.Height(), texture.Width(), texture.Height());
  std::vector<char> inkOwn(kFontRecords, 0), inkSheet(kFontRecords, 0);
  for (std::int32_t y = 0; y < own.Height(); ++y)
    for (std::int32_t x = kGlyphColumn; x < kSheetWidth; ++x) {
      const std::int16_t k = owners[static_cast<std::size_t>(y) * kSheetWidth + static_cast<std::size_t>(x)];
      if (k < 0) continue;
      inkOwn[static_cast<std::size_t>(k)] |= own.ScanLine(y)[x * 4 + 3] != 0;
      inkSheet[static_cast<std::size_t>(k)] |= sheet.ScanLine(y)[x * 4 + 3] != 0;
    }
  for (std::int32_t k = 0; k < kFontRecords; ++k)
    if (inkOwn[static_cast<std::size_t>(k)] && !inkSheet[static_cast<std::size_t>(k)]) match.Erased.push_back(k);
  match.Own = match.Erased.empty();
  return match;
}

TGlyphsPutBack PutGlyphsBack(const TBitmap& own, const TBitmap& sheet, const TMemoryStream& table, TBitmap& texture,
                             std::int32_t records) {
  TGlyphsPutBack result;
  const std::vector<std::int16_t> owners = CellOwners(table, own.Height(), texture.Width(), texture.Height());
  const std::int32_t cellHeight = RecordAt(table, 0).Height + kCellGap;
  const int bpp = own.BytesPerPixel();
  std::set<std::int32_t> changed, past;
  for (std::int32_t y = 0; y < own.Height(); ++y)
    for (std::int32_t x = 1; x < kSheetWidth; ++x) {
      if (SamePixel(own, sheet, x, y)) continue;
      const std::int16_t k = owners[static_cast<std::size_t>(y) * kSheetWidth + static_cast<std::size_t>(x)];
      if (k < 0 || k >= records) {
        result.Outside += k < 0 ? 1 : 0;
        if (k >= records) past.insert(k);
        continue;
      }
      const GlyphRecord g = RecordAt(table, k);
      const std::int32_t tx = g.Left + x - kGlyphColumn, ty = g.Top + y - k * cellHeight;
      std::memcpy(texture.ScanLine(ty) + tx * bpp, sheet.ScanLine(y) + x * bpp, static_cast<std::size_t>(bpp));
      changed.insert(k);
    }
  result.Changed.assign(changed.begin(), changed.end());
  result.PastRange.assign(past.begin(), past.end());
  // Codes that point at one place of the texture all show what was drawn for one of them.
  for (const std::int32_t k : result.Changed) {
    const GlyphRecord a = RecordAt(table, k);
    for (std::int32_t j = 0; j < records; ++j)
      if (j != k && Overlap(a, RecordAt(table, j)) && !(changed.count(j) != 0 && j < k)) result.Shared.emplace_back(k, j);
  }
  return result;
}

}  // namespace eit
