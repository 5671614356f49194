// Glyph sheets drawn from a TrueType/OpenType font with FreeType.
//
// Every code gets a cell as in an exported sheet: a white marker line at the left, as long as the
// glyph's height in the texture, and the glyph drawn white, its alpha the rendered coverage. Two pixels
// of alpha 1 (invisible) at the ends of the glyph's advance make the glyph scan find the advance as
// the glyph's width, so that the game spaces the new letters as the font does.
#include <algorithm>

#include "formats/codepages.h"
#include "formats/font_tools.h"
#include "platform/limits.h"

#ifdef EIT_HAVE_FREETYPE
#include "formats/sheet_plan.h"
#endif

namespace eit {

namespace {

int FirstCodeOf(const TSheetOptions& options) {
  return options.First != 0 ? options.First : std::min(NewGlyphCode, FirstLetterCode(options.CodePage, 0x80));
}

void CheckRange(const TSheetOptions& options) {
  const int first = FirstCodeOf(options);
  if (first < KeptCodeLimit || options.End > 0x20 + kFontRecords || first >= options.End)
    throw Exception(Says(EIT_SAYS("The codes of a glyph sheet run from %1 to %2; the insert lays new glyphs from 0x7F up "
                                  "to at most 0x100, so %3"),
                         {CodeText(first), CodeText(options.End), WordsOf(options).RangeRemedy()}));
}

}  // namespace

int SheetFirstCode(const TSheetOptions& options) {
  CheckCodePage(options.CodePage);
  return FirstCodeOf(options);
}

#ifdef EIT_HAVE_FREETYPE

bool CanRenderFonts() {
  return true;
}

namespace {

// Glyph pixels are white, their alpha the coverage (the most of what is drawn there).
void Put(TBitmap& sheet, int x, int y, std::uint8_t alpha) {
  std::uint8_t* p = sheet.ScanLine(y) + 4 * x;
  p[0] = p[1] = p[2] = 255;
  p[3] = std::max(p[3], alpha);
}

// The two invisible pixels whose distance the glyph scan takes as the glyph's width.
void PutAdvance(TBitmap& sheet, int top, const TSheetMetrics& m, int advance) {
  const int base = top + std::clamp(m.Baseline, 0, m.Height - 1);
  Put(sheet, kGlyphColumn, base, 1);
  Put(sheet, kGlyphColumn + std::clamp(advance, 1, kSheetWidth - kGlyphColumn) - 1, base, 1);
}

// A box in the glyph's place keeps every later code in step, and shows in the game what is missing.
void DrawPlaceholder(TBitmap& sheet, int top, const TSheetMetrics& m) {
  const int w = BoxWidth(m.Height);
  for (int y = top; y < top + m.Height; ++y)
    for (int x = kGlyphColumn; x < kGlyphColumn + w; ++x)
      if (y == top || y == top + m.Height - 1 || x == kGlyphColumn || x == kGlyphColumn + w - 1)
        Put(sheet, x, y, 255);
}

// The glyph's rows were checked to fit the box; the checks here only keep a fault from writing outside.
void DrawGlyph(TBitmap& sheet, const FT_GlyphSlot slot, int top, const TSheetMetrics& m) {
  const FT_Bitmap& bitmap = slot->bitmap;
  const int left = kGlyphColumn + std::max(0, static_cast<int>(slot->bitmap_left));
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const int y = top + m.Baseline - slot->bitmap_top + static_cast<int>(row);
    if (y < top || y >= top + m.Height) continue;
    for (unsigned col = 0; col < bitmap.width; ++col) {
      const int x = left + static_cast<int>(col);
      const std::uint8_t alpha = GlyphAlpha(bitmap, col, row);
      if (x < kSheetWidth && alpha != 0) Put(sheet, x, y, alpha);
    }
  }
  PutAdvance(sheet, top, m, ExtentOf(slot).Advance);
}

// The ink of the character drawn large, on a fixed baseline: letters a font draws alike at this size
// (Latin T and Cyrillic Т) are alike by design, and no touch-up tells them apart.
TGlyphInk LargeInk(const TFreeType& ft, char32_t ch) {
  constexpr int kSize = 64, kRows = 2 * kSize, kBaseline = 3 * kSize / 2;
  TGlyphInk ink;
  if (!ft.HasGlyph(ch) || !ft.SetSize(kSize) || !ft.Render(ch, false)) return ink;
  const FT_GlyphSlot slot = ft.face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  TBitmap picture(TPixelFormat::pf32bit, std::max(1, static_cast<int>(bitmap.width)), kRows);
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const int y = kBaseline - slot->bitmap_top + static_cast<int>(row);
    if (y < 0 || y >= kRows) continue;
    for (unsigned col = 0; col < bitmap.width; ++col)
      picture.ScanLine(y)[4 * col + 3] = GlyphAlpha(bitmap, col, row);
  }
  return GlyphInk(picture, 0, 0, picture.Width(), kRows);
}

bool AlikeByDesign(const TFreeType& ft, char32_t a, char32_t b) {
  const TGlyphInk x = LargeInk(ft, a), y = LargeInk(ft, b);
  const int differ = InkDifference(x, y);
  if (differ < 0 || x.Columns == 0) return false;
  const auto inked = std::count(x.Bits.begin(), x.Bits.end(), true);
  return differ <= std::max<std::int64_t>(2, inked / 50);
}

// The letters as the game will show them: the kept ones from the texture, the new ones as drawn in the sheet.
std::vector<TInkedGlyph> GameLetters(const TBitmap& sheet, const std::vector<TSheetCell>& cells,
                                     const TSheetMetrics& m, const TMemoryStream& table,
                                     const TBitmap& texture, int codePage) {
  std::vector<TInkedGlyph> glyphs;
  for (int code = 0x20; code < KeptCodeLimit; ++code) {
    const char32_t ch = CharacterOf(codePage, static_cast<std::uint8_t>(code));
    const GlyphRecord g = ReadGlyphRecord(table.Memory() + (code - 0x20) * kGlyphRecordSize);
    if (!IsLetter(ch) || g.Bottom - g.Top != m.Height) continue;
    glyphs.push_back({code, ch, true, GlyphInk(texture, g.Left, g.Top, g.Right, g.Bottom), 0});
  }
  for (std::size_t n = 0; n < cells.size(); ++n) {
    const TSheetCell& cell = cells[n];
    if (cell.Kind != TCellKind::Glyph || cell.Size == 0 || !IsLetter(cell.Character)) continue;
    const int top = static_cast<int>(n) * m.CellRows;
    glyphs.push_back({cell.Code, cell.Character, false,
                      GlyphInk(sheet, kGlyphColumn, top, kSheetWidth, top + m.Height), cell.Size});
  }
  return glyphs;
}

// The new letters against each other and against the kept ones.
std::vector<TAlikePair> AlikeLetters(const TFreeType& ft, const std::vector<TInkedGlyph>& letters) {
  std::vector<TAlikePair> pairs = FindAlikeGlyphs(letters);
  std::erase_if(pairs, [&](const TAlikePair& p) { return AlikeByDesign(ft, p.A, p.B); });
  return pairs;
}

// A dot is one pixel and reads as one; any other mark drawn as a single pixel reads as a dot, or as nothing.
int MostPixelsOfALostMark(const std::string& marks) {
  return marks == "dot" ? 0 : 1;
}

// The new letters whose marks did not come out: each against its base letter as the game shows it (kept or
// new) and as the font draws it at the letter's size; as good as the base when a mark's pixels are too few.
std::vector<TLostMark> LostMarks(const TFreeType& ft, const std::vector<TInkedGlyph>& letters,
                                 const TSheetMetrics& m) {
  std::vector<TLostMark> lost;
  for (const TInkedGlyph& letter : letters) {
    const std::optional<TMarkedLetter> marked = MarksOf(letter.Character);
    const int size = letter.Kept || !marked ? 0 : letter.Size;
    if (size == 0) continue;
    std::vector<TGlyphInk> bases;
    for (const TInkedGlyph& other : letters)
      if (other.Character == marked->Base) bases.push_back(other.Ink);
    if (ft.SetSize(size) && ft.Render(marked->Base, m.Mono)) {
      TBitmap base(TPixelFormat::pf32bit, kSheetWidth, m.CellRows);
      DrawGlyph(base, ft.face->glyph, 0, m);
      bases.push_back(GlyphInk(base, kGlyphColumn, 0, kSheetWidth, m.Height));
    }
    const bool gone = std::any_of(bases.begin(), bases.end(), [&](const TGlyphInk& base) {
      const int differ = InkDifference(letter.Ink, base);
      return differ >= 0 && differ <= MostPixelsOfALostMark(marked->Marks);
    });
    if (gone) lost.push_back({letter.Code, letter.Character, marked->Base, marked->Marks, CapHeightAt(ft, size, m.Mono)});
  }
  return lost;
}

}  // namespace

namespace {

// What is refused before any font is opened.
void CheckSheetRequest(const TMemoryStream& table, const TBitmap& texture, const std::string& tablePath,
                       const TSheetOptions& options) {
  CheckCodePage(options.CodePage);
  CheckRange(options);
  CheckFontTableSize(table, tablePath);
  CheckGlyphTexture(texture, tablePath + "'s texture", WordsOf(options));
  if (options.PixelSize < 0 || options.PixelSize > kMaxGlyphPixelSize)
    throw Exception(Says(EIT_SAYS("A glyph size is 1 to %1 pixels, not %2"),
                         {std::to_string(kMaxGlyphPixelSize), std::to_string(options.PixelSize)}));
  // Five rows or fewer cannot draw a letter that reads (an e needs its bowl, its bar and its opening).
  if (options.PixelSize > 0 && options.PixelSize < kLeastCapHeight)
    throw Exception(Says(EIT_SAYS("A cap height of %1 pixels cannot hold a letter that reads; the least is %2"),
                         {std::to_string(options.PixelSize), std::to_string(kLeastCapHeight)}));
}

// The letters a reader would mistake, each kind in one warning, with what to do about them.
void NoteTouchUps(const TRenderedSheet& result, bool mono, const TNote& note) {
  if (!note) return;
  const TText smooth = mono ? Says(EIT_SAYS(" or smooth drawing")) : TText();
  if (!result.Alike.empty())
    note(Says(result.Alike.size() == 1
                  ? EIT_SAYS("warning: %1 pair of letters comes out alike, and the game would show one for the other: %2 "
                             "('=' the same, '\u2248' one pixel apart); touch them up in the sheet, or choose a larger cap "
                             "height%3")
                  : EIT_SAYS("warning: %1 pairs of letters come out alike, and the game would show one for the other: %2 "
                             "('=' the same, '\u2248' one pixel apart); touch them up in the sheet, or choose a larger cap "
                             "height%3"),
              {std::to_string(result.Alike.size()), AlikeText(result.Alike), smooth}));
  if (!result.Lost.empty())
    note(Says(result.Lost.size() == 1
                  ? EIT_SAYS("warning: %1 letter loses its marks, and the game would show the base letter: %2; draw the "
                             "marks in the sheet, or choose a larger cap height%3")
                  : EIT_SAYS("warning: %1 letters lose their marks, and the game would show the base letter: %2; draw the "
                             "marks in the sheet, or choose a larger cap height%3"),
              {std::to_string(result.Lost.size()), LostMarksText(result.Lost), smooth}));
}

}  // namespace

TRenderedSheet RenderGlyphSheet(const TMemoryStream& table, const TBitmap& texture,
                                const std::string& tablePath, const std::string& fontBytes,
                                const TSheetOptions& options, const TNote& note) {
  CheckSheetRequest(table, texture, tablePath, options);
  const TFreeType ft(fontBytes, options.FontFile, options.Face);
  TRenderedSheet result;
  result.First = FirstCodeOf(options);
  std::vector<TSheetCell> cells = PlanCells(ft, options, result.First, note);
  const TSheetMetrics m = ChooseMetrics(ft, table, texture, cells, options, tablePath, note);
  result.PixelSize = m.PixelSize;
  result.GlyphHeight = m.Height;
  const auto count = static_cast<int>(cells.size());
  TBitmap sheet(TPixelFormat::pf32bit, kSheetWidth, m.CellRows * count);  // black, alpha 0
  for (int n = 0; n < count; ++n) {
    const TSheetCell& cell = cells[static_cast<std::size_t>(n)];
    const int top = n * m.CellRows;
    sheet.FillRect({0, top, 1, top + m.Height}, kWhite, 255);  // the marker
    if (cell.Kind == TCellKind::Glyph && cell.Size > 0 && ft.SetSize(cell.Size) &&
        ft.Render(cell.Character, m.Mono)) {
      DrawGlyph(sheet, ft.face->glyph, top, m);
    } else if (cell.Kind == TCellKind::Blank) {
      PutAdvance(sheet, top, m, BlankWidth(m.Height));
    } else {
      DrawPlaceholder(sheet, top, m);
      result.Placeholders.push_back(cell.Code);
      result.Problems.push_back(CodeText(cell.Code) +
                                (cell.Kind == TCellKind::Box ? ": the font has no glyph for "
                                 : cell.Size == 0            ? ": no size fits the glyph boxes whole for "
                                                             : ": FreeType could not draw ") +
                                DescribeCharacter(cell.Character));
    }
  }
  const std::vector<TInkedGlyph> letters = GameLetters(sheet, cells, m, table, texture, options.CodePage);
  result.Alike = AlikeLetters(ft, letters);
  result.Lost = LostMarks(ft, letters, m);
  NoteTouchUps(result, m.Mono, note);
  result.Sheet = std::move(sheet);
  return result;
}

#else

bool CanRenderFonts() {
  return false;
}

TRenderedSheet RenderGlyphSheet(const TMemoryStream&, const TBitmap&, const std::string&, const std::string&,
                                const TSheetOptions& options,
                                const std::function<void(const TText&)>&) {
  CheckCodePage(options.CodePage);
  CheckRange(options);
  throw Exception(Says(EIT_SAYS("This build cannot draw glyphs from font files: it was made without FreeType")));
}

#endif

}  // namespace eit
