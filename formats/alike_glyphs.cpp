// Glyphs that come out alike: at small sizes two letters can be drawn pixel for pixel the same (и and н),
// or one pixel apart, and the game would show one for the other.
#include <algorithm>
#include <map>

#include "formats/codepages.h"
#include "formats/font_tools.h"

namespace eit {

TGlyphInk GlyphInk(const TBitmap& picture, int left, int top, int right, int bottom) {
  TGlyphInk ink;
  if (picture.PixelFormat() != TPixelFormat::pf32bit) return ink;
  left = std::clamp(left, 0, picture.Width()), right = std::clamp(right, left, picture.Width());
  top = std::clamp(top, 0, picture.Height()), bottom = std::clamp(bottom, top, picture.Height());
  // Columns from the first to the last with ink: where the glyph stands in its box does not tell letters apart.
  int from = right, to = left;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (picture.ScanLine(y)[4 * x + 3] >= 128) from = std::min(from, x), to = std::max(to, x + 1);
  ink.Rows = bottom - top;
  if (from >= to) return ink;
  ink.Columns = to - from;
  ink.Bits.reserve(static_cast<std::size_t>(ink.Rows) * static_cast<std::size_t>(ink.Columns));
  for (int y = top; y < bottom; ++y)
    for (int x = from; x < to; ++x) ink.Bits.push_back(picture.ScanLine(y)[4 * x + 3] >= 128);
  return ink;
}

int InkDifference(const TGlyphInk& a, const TGlyphInk& b) {
  if (a.Rows != b.Rows || a.Columns != b.Columns) return -1;
  int differ = 0;
  for (std::size_t i = 0; i < a.Bits.size(); ++i) differ += a.Bits[i] != b.Bits[i];
  return differ;
}

std::vector<TAlikePair> FindAlikeGlyphs(const std::vector<TInkedGlyph>& glyphs) {
  // Only glyphs of one shape can be alike: grouped so, the pairs compared stay few.
  std::map<std::pair<int, int>, std::vector<const TInkedGlyph*>> byShape;
  for (const TInkedGlyph& g : glyphs)
    if (g.Ink.Columns > 0) byShape[{g.Ink.Rows, g.Ink.Columns}].push_back(&g);
  std::vector<TAlikePair> pairs;
  for (const auto& [shape, group] : byShape)
    for (std::size_t i = 0; i < group.size(); ++i)
      for (std::size_t k = i + 1; k < group.size(); ++k) {
        const TInkedGlyph& a = *group[i];
        const TInkedGlyph& b = *group[k];
        if (a.Kept && b.Kept) continue;  // the game's own letters are as the game has them
        const int differ = InkDifference(a.Ink, b.Ink);
        if (differ >= 0 && differ <= 1) pairs.push_back({a.Code, b.Code, a.Character, b.Character, differ});
      }
  std::sort(pairs.begin(), pairs.end(), [](const TAlikePair& x, const TAlikePair& y) {
    return std::pair(x.CodeA, x.CodeB) < std::pair(y.CodeA, y.CodeB);
  });
  return pairs;
}

std::string AlikeText(const std::vector<TAlikePair>& pairs) {
  std::string text;
  for (const TAlikePair& p : pairs)
    text.append(text.empty() ? "" : ", ")
        .append(CharacterName(p.A, p.CodeA))
        .append(p.Differences == 0 ? " = " : " \u2248 ")
        .append(CharacterName(p.B, p.CodeB));
  return text;
}

}  // namespace eit
