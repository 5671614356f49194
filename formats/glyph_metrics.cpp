// What the letters a font table keeps (codes 0x20 to 0x7E) tell about the font: their box height,
// baseline and cap height, read from the texture's pixels, so that new letters can stand on the same
// line at the same height.
#include <algorithm>
#include <map>

#include "formats/font_tools.h"

namespace eit {

namespace {

// Half-covered pixels count as ink: anti-aliased edges neither raise a letter nor lower its baseline.
constexpr int kInkAlpha = 128;

// The most common value, the larger one on a tie; 0 when there is none.
int MostCommon(const std::map<int, int>& counts) {
  int best = 0, seen = 0;
  for (const auto& [value, count] : counts)
    if (count >= seen) best = value, seen = count;
  return best;
}

struct TInkRows {
  int First = -1, Last = -1;  // rows from the glyph's top; -1: no ink
};

TInkRows InkRows(const TBitmap& texture, const GlyphRecord& g) {
  TInkRows rows;
  const int bpp = texture.BytesPerPixel();
  const int right = std::min<int>(g.Right, texture.Width()), bottom = std::min<int>(g.Bottom, texture.Height());
  for (int y = g.Top; y < bottom; ++y) {
    const std::uint8_t* row = texture.ScanLine(y);
    for (int x = g.Left; x < right; ++x) {
      const std::uint8_t* p = row + bpp * x;
      const int ink = bpp == 4 ? p[3] : std::max({p[0], p[1], p[2]});
      if (ink < kInkAlpha) continue;
      if (rows.First < 0) rows.First = y - g.Top;
      rows.Last = y - g.Top;
      break;
    }
  }
  return rows;
}

bool Present(const GlyphRecord& g) {
  return g.Right > g.Left && g.Bottom > g.Top && g.Height != kUnclearedGlyphSize && g.Width != kUnclearedGlyphSize;
}

}  // namespace

TKeptLetters MeasureKeptLetters(const TMemoryStream& table, const TBitmap& texture) {
  const std::int64_t records = std::min<std::int64_t>(table.Size() / kGlyphRecordSize, KeptCodeLimit - 0x20);
  std::map<int, int> heights, baselines, caps, digitTops;
  bool soft = false, opaque = false;
  auto recordOf = [&](char c) { return ReadGlyphRecord(table.Memory() + (c - 0x20) * kGlyphRecordSize); };
  for (std::int64_t k = 0; k < records; ++k) {
    const GlyphRecord g = ReadGlyphRecord(table.Memory() + k * kGlyphRecordSize);
    if (!Present(g)) continue;
    ++heights[g.Bottom - g.Top];
    if (texture.BytesPerPixel() != 4) continue;
    for (int y = g.Top; y < std::min<int>(g.Bottom, texture.Height()); ++y)
      for (int x = g.Left; x < std::min<int>(g.Right, texture.Width()); ++x) {
        const std::uint8_t a = texture.ScanLine(y)[4 * x + 3];
        soft = soft || (a != 0 && a != 255);
        opaque = opaque || a == 255;
      }
  }
  // Letters and digits that sit on the baseline (no descender in most fonts).
  for (const char c : std::string("ABCDEFGHIKLMNOPRSTUVWXYZabcdefhiklmnorstuvwxz0123456789")) {
    if (c - 0x20 >= records || !Present(recordOf(c))) continue;
    const TInkRows rows = InkRows(texture, recordOf(c));
    if (rows.Last >= 0) ++baselines[rows.Last + 1];
  }
  TKeptLetters kept;
  kept.BoxHeight = MostCommon(heights);
  kept.Baseline = MostCommon(baselines);
  kept.OnlyOpaqueOrClear = opaque && !soft;
  // Capitals with flat tops reach the cap height exactly; digits stand in when there are none.
  for (const char c : std::string("HEFTIKLNZ0123456789")) {
    if (c - 0x20 >= records || !Present(recordOf(c))) continue;
    const TInkRows rows = InkRows(texture, recordOf(c));
    if (rows.First >= 0 && rows.Last + 1 == kept.Baseline) ++(c <= '9' ? digitTops : caps)[kept.Baseline - rows.First];
  }
  kept.CapHeight = MostCommon(caps.empty() ? digitTops : caps);
  return kept;
}

bool IsPlaceholderGlyph(const TBitmap& texture, const GlyphRecord& g) {
  if (texture.BytesPerPixel() != 4 || g.Right > texture.Width() || g.Bottom > texture.Height()) return false;
  if (g.Right < g.Left + 3 || g.Bottom < g.Top + 3) return false;
  for (int y = g.Top; y < g.Bottom; ++y)
    for (int x = g.Left; x < g.Right; ++x) {
      const bool edge = y == g.Top || y == g.Bottom - 1 || x == g.Left || x == g.Right - 1;
      const std::uint8_t a = texture.ScanLine(y)[4 * x + 3];
      if (edge ? a < kInkAlpha : a != 0) return false;
    }
  return true;
}

}  // namespace eit
