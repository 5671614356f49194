// Glyphs that come out alike: at small sizes two letters can be drawn pixel for pixel the same (и and н),
// or one pixel apart, and the game would show one for the other.
#include <algorithm>
#include <cstdlib>
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

namespace {

// The pixels in which a and b differ with b's first column over a's column shift (b no wider than a).
int DifferenceAt(const TGlyphInk& a, const TGlyphInk& b, int shift) {
  int differ = 0;
  for (int y = 0; y < a.Rows; ++y)
    for (int x = 0; x < a.Columns; ++x) {
      const int bx = x - shift;
      const bool inB = bx >= 0 && bx < b.Columns && b.Bits[static_cast<std::size_t>(y * b.Columns + bx)];
      differ += a.Bits[static_cast<std::size_t>(y * a.Columns + x)] != inB;
    }
  return differ;
}

}  // namespace

int InkDifference(const TGlyphInk& a, const TGlyphInk& b) {
  // As a reader sees them: laid over each other where they match best. Inks two or more columns apart in
  // width differ in a pixel at each end at least, so only those of one width or one column apart compare.
  if (a.Rows != b.Rows || a.Columns == 0 || b.Columns == 0 || std::abs(a.Columns - b.Columns) > 1) return -1;
  const TGlyphInk& wide = a.Columns >= b.Columns ? a : b;
  const TGlyphInk& narrow = a.Columns >= b.Columns ? b : a;
  int best = DifferenceAt(wide, narrow, 0);
  if (wide.Columns > narrow.Columns) best = std::min(best, DifferenceAt(wide, narrow, 1));
  return best;
}

std::vector<TAlikePair> FindAlikeGlyphs(const std::vector<TInkedGlyph>& glyphs) {
  // Only glyphs of one height and of widths at most a column apart can be alike: grouped so, and in order
  // of width, the pairs compared stay few.
  std::map<int, std::vector<const TInkedGlyph*>> byRows;
  for (const TInkedGlyph& g : glyphs)
    if (g.Ink.Columns > 0) byRows[g.Ink.Rows].push_back(&g);
  std::vector<TAlikePair> pairs;
  for (auto& [rows, group] : byRows) {
    std::stable_sort(group.begin(), group.end(),
                     [](const TInkedGlyph* x, const TInkedGlyph* y) { return x->Ink.Columns < y->Ink.Columns; });
    for (std::size_t i = 0; i < group.size(); ++i)
      for (std::size_t k = i + 1; k < group.size() && group[k]->Ink.Columns <= group[i]->Ink.Columns + 1; ++k) {
        const TInkedGlyph& a = group[i]->Code < group[k]->Code ? *group[i] : *group[k];
        const TInkedGlyph& b = group[i]->Code < group[k]->Code ? *group[k] : *group[i];
        if (a.Kept && b.Kept) continue;  // the game's own letters are as the game has them
        const int differ = InkDifference(a.Ink, b.Ink);
        if (differ >= 0 && differ <= 1) pairs.push_back({a.Code, b.Code, a.Character, b.Character, differ});
      }
  }
  std::sort(pairs.begin(), pairs.end(), [](const TAlikePair& x, const TAlikePair& y) {
    return std::pair(x.CodeA, x.CodeB) < std::pair(y.CodeA, y.CodeB);
  });
  return pairs;
}

std::string AlikeText(const std::vector<TAlikePair>& pairs) {
  std::string text;
  for (std::size_t k = 0; k < pairs.size() && k < kListedAtMost; ++k)
    text.append(text.empty() ? "" : ", ")
        .append(CharacterName(pairs[k].A, pairs[k].CodeA))
        .append(pairs[k].Differences == 0 ? " = " : " \u2248 ")
        .append(CharacterName(pairs[k].B, pairs[k].CodeB));
  if (pairs.size() > kListedAtMost) text += " and " + std::to_string(pairs.size() - kListedAtMost) + " more pairs";
  return text;
}

}  // namespace eit
