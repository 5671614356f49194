// Deciding a glyph sheet before it is drawn: which codes get letters, and how large the letters are.
#include <algorithm>
#include <cmath>

#include "formats/codepages.h"
#include "formats/sheet_plan.h"
#include "platform/limits.h"

namespace eit {

namespace {

// The character as a list shows it: blanks that print as nothing by their code.
bool PrintsAsNothing(char32_t ch) { return ch == 0xA0 || ch == 0xAD; }
std::string Name(char32_t ch, int code) { return PrintsAsNothing(ch) ? CodeText(code) : CharacterText(ch); }

std::string FontName(const TFreeType& ft, const std::string& fontFile) {
  const std::string family = ft.face->family_name != nullptr ? ft.face->family_name : "";
  const std::size_t slash = fontFile.find_last_of("/\\");
  const std::string file = slash == std::string::npos ? fontFile : fontFile.substr(slash + 1);
  return family.empty() ? file : file + " (" + family + ")";
}

// What the glyphs of a sheet measure at one size.
struct TSizeMeasure {
  bool Drawn = false;  // FreeType could set the size
  int CapTop = 0;
  int Up = 0, Down = 0, Right = 0;  // the furthest any glyph reaches
  char32_t Tallest = 0, Deepest = 0, Widest = 0;
  std::vector<int> Widths;  // each cell's, in code order
};

class TSizer {
 public:
  TSizer(const TFreeType& ft, const std::vector<TSheetCell>& cells, bool mono)
      : ft_(ft), cells_(cells), mono_(mono), capRef_(CapReference()) {}

  TSizeMeasure Measure(int size, int height) const {
    TSizeMeasure m;
    if (!ft_.SetSize(size)) return m;
    m.Drawn = true;
    m.CapTop = CapTop(size);
    for (const TSheetCell& cell : cells_) {
      if (cell.Kind != TCellKind::Glyph) {
        m.Widths.push_back(cell.Kind == TCellKind::Blank ? BlankWidth(height) : BoxWidth(height));
        continue;
      }
      if (!ft_.Render(cell.Character, mono_)) {
        m.Widths.push_back(BoxWidth(height));
        continue;
      }
      const TGlyphExtent e = ExtentOf(ft_.face->glyph);
      m.Widths.push_back(e.Right);
      if (e.Up > m.Up) m.Up = e.Up, m.Tallest = cell.Character;
      if (e.Down > m.Down) m.Down = e.Down, m.Deepest = cell.Character;
      if (e.Right > m.Right) m.Right = e.Right, m.Widest = cell.Character;
    }
    return m;
  }

  // The size whose capitals are cap pixels high: the one nearest the font's proportion, or the
  // largest below when no size gives exactly cap.
  int SizeForCap(int cap) const {
    const int guess = std::clamp(static_cast<int>(std::lround(cap / CapRatio())), 1, kMaxSize);
    int best = 0, bestCap = 0;
    for (int d = 0; d <= 4; ++d)
      for (const int s : {guess - d, guess + d}) {
        if (s < 1 || s > kMaxSize || !ft_.SetSize(s)) continue;
        const int c = CapTop(s);
        if (c == cap) return s;
        if (c < cap && (c > bestCap || (c == bestCap && s > best))) best = s, bestCap = c;
      }
    return std::max(best, 1);
  }

  int CapAt(int size) const { return ft_.SetSize(size) ? CapTop(size) : 0; }

  static constexpr int kMaxSize = 2 * kMaxGlyphPixelSize;

 private:
  // A flat-topped capital the font has, to measure cap heights by; 0 when it has none.
  char32_t CapReference() const {
    for (const char32_t ch : std::u32string(U"HEITНЕТΗΕΤ"))
      if (ft_.HasGlyph(ch)) return ch;
    return 0;
  }
  double CapRatio() const {
    if (capRef_ != 0 && FT_Load_Char(ft_.face, capRef_, FT_LOAD_NO_SCALE) == 0 && ft_.face->units_per_EM > 0 &&
        ft_.face->glyph->metrics.horiBearingY > 0)
      return static_cast<double>(ft_.face->glyph->metrics.horiBearingY) / ft_.face->units_per_EM;
    return 0.7;  // a usual proportion, for a font without such capitals
  }
  // With the size already set.
  int CapTop(int size) const {
    if (capRef_ == 0 || !ft_.Render(capRef_, mono_)) return static_cast<int>(std::lround(size * 0.7));
    return ExtentOf(ft_.face->glyph).CapTop;
  }

  const TFreeType& ft_;
  const std::vector<TSheetCell>& cells_;
  bool mono_;
  char32_t capRef_;
};

std::string N(std::int64_t n) { return std::to_string(n); }

// Why glyphs measured at one size would not stand whole in their boxes; empty when they would.
std::string WhyNotWhole(const TSizeMeasure& m, int height, int baseline) {
  if (!m.Drawn) return "the font cannot be drawn that large";
  if (m.Up > baseline)
    return CharacterText(m.Tallest) + " reaches " + N(m.Up) + " rows above the baseline, where " + N(baseline) + " are free";
  if (m.Down > height - baseline)
    return CharacterText(m.Deepest) + " reaches " + N(m.Down) + " rows below the baseline, where " + N(height - baseline) +
           " are free";
  if (m.Right > kSheetWidth - kGlyphColumn)
    return CharacterText(m.Widest) + " is " + N(m.Right) + " pixels wide, where a sheet holds " + N(kSheetWidth - kGlyphColumn);
  return "";
}

// The largest size from 1 to limit that ok accepts, 0 when none does; every size it returns was tried.
template <typename Ok>
int LargestSize(int limit, const Ok& ok) {
  int lo = 0, hi = limit + 1;
  while (hi - lo > 1) {
    const int mid = lo + (hi - lo) / 2;
    (ok(mid) ? lo : hi) = mid;
  }
  return lo;
}

// The glyph boxes' height and baseline: the kept letters', or the font's own line where there are none.
void ChooseBox(const TFreeType& ft, const TSizer& sizer, const TKeptLetters& kept, int& cap, int& height,
               int& baseline) {
  height = kept.BoxHeight;
  baseline = kept.Baseline;
  if (height == 0) {
    if (cap == 0) cap = 12;
    const TSizeMeasure m = sizer.Measure(sizer.SizeForCap(cap), 1);
    height = std::max(1, m.Up + m.Down);
    baseline = m.Up;
  } else if (baseline == 0 || baseline > height) {
    const double ascender = ft.face->ascender, descender = -static_cast<double>(ft.face->descender);
    baseline = std::clamp(static_cast<int>(std::lround(height * ascender / std::max(1.0, ascender + descender))), 1,
                          height);
  }
}

}  // namespace

std::vector<TSheetCell> PlanCells(const TFreeType& ft, const TSheetOptions& options, int first, const TNote& note) {
  std::vector<TSheetCell> cells;
  std::string drawn, missing, undefined;
  int letters = 0, missingLetters = 0, drawnCount = 0, missingCount = 0;
  for (int code = first; code < options.End; ++code) {
    TSheetCell cell{code, CharacterOf(options.CodePage, static_cast<std::uint8_t>(code)), TCellKind::Glyph};
    const bool letter = IsLetter(cell.Character);
    letters += letter;
    if (cell.Character == 0) {
      cell.Kind = TCellKind::Blank;
      undefined.append(" ").append(CodeText(code));
    } else if (!ft.HasGlyph(cell.Character)) {
      cell.Kind = TCellKind::Box;
      missing.append(missing.empty() ? " " : ", ").append(CodeText(code));
      if (!PrintsAsNothing(cell.Character)) missing.append(" ").append(CharacterText(cell.Character));
      missingLetters += letter, ++missingCount;
    } else {
      drawn.append(" ").append(Name(cell.Character, code)), ++drawnCount;
    }
    cells.push_back(cell);
  }
  const std::string page = "code page " + std::to_string(options.CodePage) + " (" + CodePageName(options.CodePage) + ")";
  const std::string font = FontName(ft, options.FontFile);
  if (missingLetters * 2 > letters && !options.AllowMissing)
    throw Exception(font + " has no glyphs for " + std::to_string(missingLetters) + " of the " +
                    std::to_string(letters) + " letters of " + page + " from " + CodeText(first) +
                    ": it does not cover that script. Choose a font that does, or give --allow-missing to draw "
                    "boxes in their place");
  if (note) {
    note(page + ", " + CodeText(first) + " to " + CodeText(options.End - 1) + ": drawing " +
         std::to_string(drawnCount) + " characters:" + drawn);
    if (!undefined.empty()) note("undefined in " + page + ", left blank:" + undefined);
    if (!missing.empty())
      note("warning: " + font + " has no glyph for " + std::to_string(missingCount) +
           (missingCount == 1 ? " character" : " characters") + "; boxes stand in their place:" + missing);
  }
  return cells;
}

namespace {

// The size whose glyphs stand whole in their boxes: the one with capitals cap pixels high (cap 0: the
// largest), or a smaller one, said, when cap was not asked for; otherwise refused.
int WholeSize(const TSizer& sizer, int cap, bool asked, int height, int baseline, const std::string& boxes,
              const TNote& say) {
  const auto whole = [&](int s) { return WhyNotWhole(sizer.Measure(s, height), height, baseline).empty(); };
  // With no size fitting, the smallest one's reason is the one to mend.
  const auto noSize = [&](const std::string& head) {
    return Exception(head + " letters would not fit whole in " + boxes + " (" +
                     WhyNotWhole(sizer.Measure(1, height), height, baseline) + "); no size fits");
  };
  if (cap == 0) {
    const int size = LargestSize(TSizer::kMaxSize, whole);
    if (size == 0) throw noSize("The");
    return size;
  }
  const int size = sizer.SizeForCap(cap);
  const std::string why = WhyNotWhole(sizer.Measure(size, height), height, baseline);
  if (why.empty()) return size;
  const int fit = LargestSize(size - 1, whole);
  if (fit > 0 && sizer.CapAt(fit) == cap) return fit;  // the same capitals, a little narrower: no need to say
  const std::string head = asked ? "--size " + N(cap) + ": the" : "The";
  if (fit == 0) throw noSize(head);
  if (asked)
    throw Exception(head + " letters would not fit whole in " + boxes + " (" + why + "); the largest size that fits is " +
                    N(sizer.CapAt(fit)));
  say("capitals " + N(cap) + " pixels high, as the kept ones, would not fit whole in " + boxes + " (" + why +
      "): drawn " + N(sizer.CapAt(fit)) + " pixels high instead");
  return fit;
}

// The size, at most size, whose glyphs fit the texture beside the kept ones with the same capitals;
// refused, with the largest size that fits, when there is none.
int RoomySize(const TSizer& sizer, int size, int height, int baseline, const TMemoryStream& table,
              const TBitmap& texture, const TGlyphRange& range, const std::string& tablePath) {
  const auto laidOut = [&](int s, std::int32_t* failing) {
    const TSizeMeasure g = sizer.Measure(s, height);
    if (!WhyNotWhole(g, height, baseline).empty()) return false;
    std::vector<std::pair<std::int32_t, std::int32_t>> sizes;
    for (const int w : g.Widths) sizes.emplace_back(w, height);
    const std::int32_t code = FirstGlyphThatDoesNotFit(table, range, sizes, texture.Width(), texture.Height());
    if (failing != nullptr) *failing = code;
    return code < 0;
  };
  std::int32_t failing = -1;
  if (laidOut(size, &failing)) return size;
  const int fit = LargestSize(size - 1, [&](int s) { return laidOut(s, nullptr); });
  if (fit > 0 && sizer.CapAt(fit) == sizer.CapAt(size)) return fit;
  throw Exception(tablePath + ": the " + N(range.End - range.New) + " new glyphs, capitals " + N(sizer.CapAt(size)) +
                  " pixels high, do not fit its " + N(texture.Width()) + " x " + N(texture.Height()) +
                  " texture beside the kept glyphs (no room from " + CodeText(failing) + " on)" +
                  (fit > 0 ? "; the largest --size that fits is " + N(sizer.CapAt(fit)) + ", or draw fewer codes"
                           : "; draw fewer codes") +
                  " with --first and --end");
}

}  // namespace

TSheetMetrics ChooseMetrics(const TFreeType& ft, const TMemoryStream& table, const TBitmap& texture,
                            const std::vector<TSheetCell>& cells, const TSheetOptions& options,
                            const std::string& tablePath, const TNote& note) {
  const TKeptLetters kept = MeasureKeptLetters(table, texture);
  const TNote say = [&](const std::string& text) {
    if (note) note(text);
  };
  TSheetMetrics m;
  m.Mono = options.Mono == TMono::On || (options.Mono == TMono::Auto && kept.OnlyOpaqueOrClear);
  if (options.Mono == TMono::Auto && m.Mono)
    say("the kept glyphs are opaque or clear, a pixel font: drawing without anti-aliasing (--no-mono: smooth edges)");
  const TSizer sizer(ft, cells, m.Mono);
  int cap = options.PixelSize > 0 ? options.PixelSize : kept.CapHeight, height = 0, baseline = 0;
  ChooseBox(ft, sizer, kept, cap, height, baseline);
  const auto count = static_cast<std::int64_t>(cells.size());
  if (count * (std::int64_t{height} + kCellGap) > kMaxPictureSide)
    throw Exception("A glyph of " + tablePath + " is " + N(height) + " pixels high; a sheet of " + N(count) +
                    " glyphs holds glyphs up to " + N(kMaxPictureSide / std::max<std::int64_t>(1, count) - kCellGap) +
                    " pixels high");
  const std::string boxes = "the " + N(height) + "-pixel glyph boxes of " + tablePath;
  int size = WholeSize(sizer, cap, options.PixelSize > 0, height, baseline, boxes, say);
  // The texture keeps its size (the game may rely on it): the new glyphs must fit in beside the kept ones.
  const TGlyphRange range{0x20, options.End, cells.empty() ? options.End : cells.front().Code};
  size = RoomySize(sizer, size, height, baseline, table, texture, range, tablePath);
  say("capitals " + N(sizer.CapAt(size)) + " pixels high (font size " + N(size) + "), in " + N(height) +
      "-pixel glyph boxes with the baseline " + N(baseline) + " rows down");
  m.PixelSize = size;
  m.Height = height;
  m.Baseline = baseline;
  m.CellRows = height + kCellGap;
  return m;
}

}  // namespace eit
