// Deciding a glyph sheet before it is drawn: which codes get letters, and how large the letters are.
#include <algorithm>
#include <cmath>

#include "formats/codepages.h"
#include "formats/sheet_plan.h"
#include "platform/limits.h"

namespace eit {

const TSheetWords& WordsOf(const TSheetOptions& options) {
  static const TSheetWords plain;
  return options.Words != nullptr ? *options.Words : plain;
}

namespace {

TText CannotDrawAtSize() { return Says(EIT_SAYS("the font cannot be drawn at that size")); }

TText Reaches(char32_t ch, bool above, int rows, int free) {
  return Says(above ? EIT_SAYS("%1 reaches %2 rows above the baseline, where %3 are free")
                    : EIT_SAYS("%1 reaches %2 rows below the baseline, where %3 are free"),
              {CharacterText(ch), std::to_string(rows), std::to_string(free)});
}

TText TooWide(char32_t ch, int width, int holds) {
  return Says(EIT_SAYS("%1 is %2 pixels wide, where a sheet holds %3"),
              {CharacterText(ch), std::to_string(width), std::to_string(holds)});
}

// Blanks that print as nothing are listed by their code.
bool PrintsAsNothing(char32_t ch) { return ch == 0xA0 || ch == 0xAD; }

std::string N(std::int64_t n) { return std::to_string(n); }

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

class TSizer {
 public:
  TSizer(const TFreeType& ft, bool mono, int height, int baseline)
      : ft_(ft), mono_(mono), height_(height), baseline_(baseline), capRef_(FindCapReference()) {}

  // Why the character drawn at size would not stand whole in its box; empty when it would. Sets width
  // to the columns it takes (ink or advance), 0 when FreeType cannot draw it (a box stands in).
  TText WhyNotWhole(char32_t ch, int size, int& width) const {
    width = 0;
    if (!ft_.SetSize(size)) return CannotDrawAtSize();
    if (!ft_.Render(ch, mono_)) return {};
    const TGlyphExtent e = ExtentOf(ft_.face->glyph);
    width = e.Right;
    if (e.Up > baseline_) return Reaches(ch, true, e.Up, baseline_);
    if (e.Down > height_ - baseline_) return Reaches(ch, false, e.Down, height_ - baseline_);
    if (e.Right > kSheetWidth - kGlyphColumn) return TooWide(ch, e.Right, kSheetWidth - kGlyphColumn);
    return {};
  }
  bool Whole(char32_t ch, int size) const {
    int width = 0;
    return WhyNotWhole(ch, size, width).English.empty();
  }

  // Each cell's size when the sheet's is base: base, or for a glyph that would not stand whole at it
  // the largest that does (0 when none does); and the columns each cell takes.
  void Fit(std::vector<TSheetCell>& cells, int base, std::vector<int>& widths) const {
    widths.clear();
    for (TSheetCell& cell : cells) {
      int width = 0;
      cell.Size = base;
      if (cell.Kind == TCellKind::Glyph && !WhyNotWhole(cell.Character, base, width).English.empty()) {
        cell.Size = LargestSize(base - 1, [&](int s) { return Whole(cell.Character, s); });
        if (cell.Size > 0) WhyNotWhole(cell.Character, cell.Size, width);
      }
      widths.push_back(cell.Kind == TCellKind::Blank ? BlankWidth(height_) : width > 0 ? width : BoxWidth(height_));
    }
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
  // The capital cap heights are measured by (H, Н or Η), 0 when the font has none.
  char32_t CapReference() const { return capRef_; }

  static constexpr int kMaxSize = 2 * kMaxGlyphPixelSize;

 private:
  char32_t FindCapReference() const {
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
  bool mono_;
  int height_, baseline_;
  char32_t capRef_;
};

}  // namespace

int CapHeightAt(const TFreeType& ft, int size, bool mono) {
  return TSizer(ft, mono, 1, 1).CapAt(size);
}

namespace {

// The glyph boxes' height and baseline: the kept letters', or the font's own line where there are none.
void ChooseBox(const TFreeType& ft, const TKeptLetters& kept, int& cap, int& height, int& baseline) {
  height = kept.BoxHeight;
  baseline = kept.Baseline;
  const double ascender = ft.face->ascender, descender = -static_cast<double>(ft.face->descender);
  if (height == 0) {
    // No kept letters to measure: the font's own line, for capitals cap pixels high.
    if (cap == 0) cap = 12;
    const TSizer probe(ft, false, 1, 1);
    const int size = probe.SizeForCap(cap);
    const double em = std::max(1.0, static_cast<double>(ft.face->units_per_EM));
    const int up = static_cast<int>(std::ceil(std::max(ascender, 0.0) * size / em));
    const int down = static_cast<int>(std::ceil(std::max(descender, 0.0) * size / em));
    height = std::max(1, up + down);
    baseline = std::max(1, up);
  } else if (baseline == 0 || baseline > height) {
    baseline = std::clamp(static_cast<int>(std::lround(height * ascender / std::max(1.0, ascender + descender))), 1,
                          height);
  }
}

}  // namespace

std::string FontName(const TFreeType& ft, const std::string& fontFile) {
  const std::string family = ft.face->family_name != nullptr ? ft.face->family_name : "";
  const std::size_t slash = fontFile.find_last_of("/\\");
  const std::string file = slash == std::string::npos ? fontFile : fontFile.substr(slash + 1);
  return family.empty() ? file : file + " (" + family + ")";
}

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
      missing.append(missing.empty() ? " " : ", ").append(CharacterName(cell.Character, code));
      missingLetters += letter, ++missingCount;
    } else {
      drawn.append(" ").append(PrintsAsNothing(cell.Character) ? CodeText(code) : CharacterText(cell.Character)), ++drawnCount;
    }
    cells.push_back(cell);
  }
  const TText page = Says(EIT_SAYS("code page %1 (%2)"), {std::to_string(options.CodePage), CodePageName(options.CodePage)});
  const std::string font = FontName(ft, options.FontFile);
  const auto n = [](int v) { return std::to_string(v); };
  if (missingLetters * 2 > letters && !options.AllowMissing)
    throw Exception(Says(EIT_SAYS("%1 has no glyphs for %2 of the %3 letters of %4 from %5: it does not cover that "
                                  "script. Choose a font that does%6"),
                         {font, n(missingLetters), n(letters), page, CodeText(first), WordsOf(options).MissingRemedy()}));
  if (!note) return cells;
  note(Says(EIT_SAYS("%1, %2 to %3: drawing %4 characters:%5"),
            {page, CodeText(first), CodeText(options.End - 1), n(drawnCount), drawn}));
  if (!undefined.empty()) note(Says(EIT_SAYS("undefined in %1, left blank:%2"), {page, undefined}));
  if (!missing.empty())
    note(Says(missingCount == 1 ? EIT_SAYS("warning: %1 has no glyph for %2 character; boxes stand in their place:%3")
                                : EIT_SAYS("warning: %1 has no glyph for %2 characters; boxes stand in their place:%3"),
              {font, n(missingCount), missing}));
  return cells;
}

namespace {

// The sheet's size, from the capitals cap pixels high: the capitals themselves must stand whole in their
// boxes (a cap height asked for is refused otherwise, with the largest that fits; the kept one is drawn
// smaller, said).
int CapitalsSize(const TSizer& sizer, int cap, bool asked, const TSheetWords& words, const TText& boxes,
                 const std::string& font, const TNote& say) {
  const int size = sizer.SizeForCap(cap);
  const char32_t capital = sizer.CapReference();
  int width = 0;
  const TText why = capital == 0 ? TText() : sizer.WhyNotWhole(capital, size, width);
  if (why.English.empty()) return size;
  const int fit = LargestSize(size - 1, [&](int s) { return sizer.Whole(capital, s); });
  if (fit == 0)
    throw Exception(Says(EIT_SAYS("The capitals of %1 would not stand whole in %2 at any size (%3): the font's measures "
                                  "do not suit the table; choose another font"),
                         {font, boxes, why}));
  if (asked)
    throw Exception(Says(EIT_SAYS("%1: capitals %2 pixels high would not fit whole in %3 (%4); the largest cap height "
                                  "that fits is %5"),
                         {words.CapHeightAsked(cap), N(cap), boxes, why, N(sizer.CapAt(fit))}));
  say(Says(EIT_SAYS("capitals %1 pixels high, as the kept ones, would not fit whole in %2 (%3): cap height %4 instead"),
           {N(cap), boxes, why, N(sizer.CapAt(fit))}));
  return fit;
}

// Says which glyphs are drawn smaller than the sheet's size, and the cap height at which none would be;
// raises for one that fits at no size. Lists stop at kListedAtMost names.
TText ShrunkNote(int count, int base, int whole, const TText& boxes, const TText& shrunk) {
  const TText drawn = Says(count == 1 ? EIT_SAYS("%1 character is drawn smaller than cap height %2, each by itself, to "
                                                 "stand whole in %3; beside the others they may read as small letters.")
                                      : EIT_SAYS("%1 characters are drawn smaller than cap height %2, each by itself, to "
                                                 "stand whole in %3; beside the others they may read as small letters."),
                           {N(count), N(base), boxes});
  const TText cure = whole >= kLeastCapHeight
                         ? Says(EIT_SAYS("At cap height %1 every letter stands whole at one size:%2"), {N(whole), shrunk})
                         : Says(EIT_SAYS("No cap height of %1 or more lets every letter stand whole at one size:%2"),
                                {N(kLeastCapHeight), shrunk});
  return Says(EIT_SAYS("%1 %2"), {drawn, cure});
}

void SayShrunk(const TSizer& sizer, const std::vector<TSheetCell>& cells, int base, const TText& boxes,
               const std::string& font, const TNote& say) {
  std::string shrunk, unfit;
  TText why;
  int count = 0, unfitCount = 0, smallest = base;
  const auto listed = [](std::string& list, int n, const TSheetCell& cell) {
    if (n <= static_cast<int>(kListedAtMost)) list.append(n == 1 ? " " : ", ").append(CharacterName(cell.Character, cell.Code));
  };
  for (const TSheetCell& cell : cells) {
    if (cell.Kind != TCellKind::Glyph || cell.Size == base) continue;
    if (cell.Size == 0) {
      int width = 0;
      if (unfitCount++ == 0) why = sizer.WhyNotWhole(cell.Character, 1, width);
      listed(unfit, unfitCount, cell);
      continue;
    }
    smallest = std::min(smallest, cell.Size);
    listed(shrunk, ++count, cell);
  }
  const auto more = [](const std::string& list, int n) {
    return ListWithMore(list, static_cast<std::size_t>(std::max(0, n - static_cast<int>(kListedAtMost))));
  };
  // Never cut: a glyph that fits at no size gets a box, as one the font lacks, for the user to draw.
  if (unfitCount > 0)
    say(Says(unfitCount == 1 ? EIT_SAYS("warning: %1 character of %2 would not stand whole in %3 at any size (%4); boxes "
                                        "stand in their place, to be drawn by hand in the sheet:%5")
                             : EIT_SAYS("warning: %1 characters of %2 would not stand whole in %3 at any size (%4); boxes "
                                        "stand in their place, to be drawn by hand in the sheet:%5"),
             {N(unfitCount), font, boxes, why, more(unfit, unfitCount)}));
  if (count > 0) say(ShrunkNote(count, sizer.CapAt(base), sizer.CapAt(smallest), boxes, more(shrunk, count)));
}

// How many of the new glyphs fit (those before failing), and the ranges of codes that would: the first
// ones, or the last ones, laid from the texture's first free place.
TText RangesThatFit(const TMemoryStream& table, const TBitmap& texture, const TGlyphRange& range,
                          const std::vector<int>& widths, int height, std::int32_t failing, const TSheetWords& words) {
  const auto fitsFrom = [&](std::int32_t from) {
    std::vector<std::pair<std::int32_t, std::int32_t>> sizes;
    for (std::size_t k = static_cast<std::size_t>(from - range.New); k < widths.size(); ++k) sizes.emplace_back(widths[k], height);
    return FirstGlyphThatDoesNotFit(table, {range.First, range.End, from}, sizes, texture.Width(), texture.Height()) < 0;
  };
  std::int32_t lo = range.New, hi = range.End - 1;  // the first code from which the rest fit: binary search
  while (lo < hi) {
    const std::int32_t mid = lo + (hi - lo) / 2;
    if (fitsFrom(mid))
      hi = mid;
    else
      lo = mid + 1;
  }
  const std::int32_t fitting = failing - range.New;
  if (fitting <= 0) return Says(EIT_SAYS("none of them fits; choose a smaller cap height"));
  return words.FittingRemedy({fitting, range.End - range.New, range.New, failing, lo, range.End - 1, fitsFrom(lo)});
}

// The sheet's size, at most base, whose glyphs fit the texture beside the kept ones with the same
// capitals; refused, with the largest cap height that fits, when there is none. Leaves each cell's size.
int RoomySize(const TSizer& sizer, std::vector<TSheetCell>& cells, int base, int height, const TMemoryStream& table,
              const TBitmap& texture, const TGlyphRange& range, const std::string& tablePath, const TSheetWords& words) {
  std::vector<int> widths;
  const auto laidOut = [&](int s, std::int32_t* failing) {
    sizer.Fit(cells, s, widths);
    std::vector<std::pair<std::int32_t, std::int32_t>> sizes;
    for (const int w : widths) sizes.emplace_back(w, height);
    const std::int32_t code = FirstGlyphThatDoesNotFit(table, range, sizes, texture.Width(), texture.Height());
    if (failing != nullptr) *failing = code;
    return code < 0;
  };
  std::int32_t failing = -1;
  if (laidOut(base, &failing)) return base;
  const std::vector<int> baseWidths = widths;
  const int fit = LargestSize(base - 1, [&](int s) { return laidOut(s, nullptr); });
  if (fit > 0 && sizer.CapAt(fit) == sizer.CapAt(base)) {
    laidOut(fit, nullptr);
    return fit;
  }
  std::vector<TText> parts = {tablePath, N(range.End - range.New), N(sizer.CapAt(base)), N(texture.Width()),
                             N(texture.Height()), CodeText(failing),
                             RangesThatFit(table, texture, range, baseWidths, height, failing, words)};
  if (fit > 0) parts.push_back(words.CapHeightRemedy(sizer.CapAt(fit)));
  throw Exception(Says(fit > 0 ? EIT_SAYS("%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture "
                                          "beside the kept glyphs (no room from %6 on): %7; or %8, the largest at which "
                                          "all fit")
                               : EIT_SAYS("%1: the %2 new glyphs, capitals %3 pixels high, do not fit its %4 x %5 texture "
                                          "beside the kept glyphs (no room from %6 on): %7"),
                       std::move(parts)),
                  tablePath);
}

}  // namespace

TSheetMetrics ChooseMetrics(const TFreeType& ft, const TMemoryStream& table, const TBitmap& texture,
                            std::vector<TSheetCell>& cells, const TSheetOptions& options,
                            const std::string& tablePath, const TNote& note) {
  const TKeptLetters kept = MeasureKeptLetters(table, texture);
  const TNote say = [&](const TText& text) {
    if (note) note(text);
  };
  TSheetMetrics m;
  m.Mono = options.Mono == TMono::On || (options.Mono == TMono::Auto && kept.OnlyOpaqueOrClear);
  if (options.Mono == TMono::Auto && m.Mono)
    say(Says(EIT_SAYS("the kept glyphs are opaque or clear, a pixel font: drawing without anti-aliasing (%1)"),
             {WordsOf(options).SmoothSetting()}));
  int cap = options.PixelSize > 0 ? options.PixelSize : kept.CapHeight, height = 0, baseline = 0;
  ChooseBox(ft, kept, cap, height, baseline);
  const auto count = static_cast<std::int64_t>(cells.size());
  if (count * (std::int64_t{height} + kCellGap) > kMaxPictureSide)
    throw Exception(Says(EIT_SAYS("%1: its glyph boxes are %2 pixels high; a sheet of %3 glyphs holds glyphs up to %4 "
                                  "pixels high"),
                         {tablePath, N(height), N(count), N(kMaxPictureSide / std::max<std::int64_t>(1, count) - kCellGap)}),
                    tablePath);
  const TSizer sizer(ft, m.Mono, height, baseline);
  if (cap == 0) cap = std::max(1, baseline * 7 / 10);
  const TText boxes = Says(EIT_SAYS("the %1-pixel glyph boxes of %2"), {N(height), tablePath});
  const std::string font = FontName(ft, options.FontFile);
  int size = CapitalsSize(sizer, cap, options.PixelSize > 0, WordsOf(options), boxes, font, say);
  // The texture keeps its size (the game may rely on it): the new glyphs must fit in beside the kept ones.
  const TGlyphRange range{0x20, options.End, cells.empty() ? options.End : cells.front().Code};
  size = RoomySize(sizer, cells, size, height, table, texture, range, tablePath, WordsOf(options));
  SayShrunk(sizer, cells, size, boxes, font, say);
  say(Says(options.PixelSize > 0 ? EIT_SAYS("cap height %1, in %2-pixel glyph boxes with the baseline %3 rows down")
                                  : EIT_SAYS("cap height %1, as the kept capitals, in %2-pixel glyph boxes with the baseline "
                                             "%3 rows down"),
           {N(sizer.CapAt(size)), N(height), N(baseline)}));
  m.PixelSize = size;
  m.Height = height;
  m.Baseline = baseline;
  m.CellRows = height + kCellGap;
  return m;
}

}  // namespace eit
