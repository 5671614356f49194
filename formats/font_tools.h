// Tools for translators: a glyph sheet drawn from a real font, and a line of text set with a font
// table to see before it goes into the game.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "formats/formathandlers.h"

namespace eit {

enum class TMono : std::uint8_t { Auto, On, Off };

// How many of a sheet's new glyphs fit its texture, and the codes that would.
struct TFittingCodes {
  int Fitting = 0, Count = 0;       // new glyphs that fit, of so many
  std::int32_t New = 0, Failing = 0;  // the first new code, and the first that does not fit
  std::int32_t From = 0, Last = 0;  // from this code the rest up to Last fit, when FromLater
  bool FromLater = false;
};

// How the front end that asked for a sheet points the user to its settings. The sheet's messages say the
// facts; what to change is worded here, in plain words unless a front end names its own controls.
class TSheetWords {
 public:
  virtual ~TSheetWords() = default;
  // How to give a range the insert takes.
  virtual TText RangeRemedy() const;
  // Said after "Choose a font that does" when a font lacks the script.
  virtual TText MissingRemedy() const;
  // The cap height asked for, leading a message that refuses it.
  virtual TText CapHeightAsked(int cap) const;
  virtual TText CapHeightRemedy(int cap) const;
  virtual TText FittingRemedy(const TFittingCodes& fit) const;
  // The setting that draws smooth edges, and that it does.
  virtual TText SmoothSetting() const;
  // Where each texture's bit depth is shown.
  virtual TText BitDepthShown() const;
};

struct TSheetOptions {
  std::string FontFile;  // TrueType or OpenType
  int CodePage = 1251;
  // The codes drawn: First up to, not including, End. First 0: from the code page's first letter at
  // or above 0x80 (the insert's #New: line says so when it is not 0xC0).
  int First = 0;
  int End = 0x100;
  int PixelSize = 0;  // the capitals' height; 0: as tall as the table's own capitals
  int Face = 0;       // the face of a font collection (.ttc)
  // Without anti-aliasing (alpha 0 or 255), for pixel fonts; Auto: when the kept glyphs have no grey.
  TMono Mono = TMono::Auto;
  bool AllowMissing = false;  // draw a font that lacks more than half of the letters asked for
  // How what is said points to the front end's settings; null: in plain words.
  const TSheetWords* Words = nullptr;
};
const TSheetWords& WordsOf(const TSheetOptions& options);

// What the letters a table keeps (codes 0x20 to 0x7E) measure in its texture: each 0 when nothing
// could be measured.
struct TKeptLetters {
  int BoxHeight = 0;               // the glyph boxes' height (the most common one)
  int Baseline = 0;                // rows from a box's top down to the baseline
  int CapHeight = 0;               // rows from the tops of capitals (H, E, T ...) to the baseline
  bool OnlyOpaqueOrClear = false;  // every pixel's alpha 0 or 255: a pixel font
};
TKeptLetters MeasureKeptLetters(const TMemoryStream& table, const TBitmap& texture);
// Whether the glyph is the box a sheet puts where the font had no glyph: an outline filling its
// rectangle, clear inside.
bool IsPlaceholderGlyph(const TBitmap& texture, const GlyphRecord& glyph);

// A glyph's ink: its pixels of alpha 128 and more, row by row, between its first and last inked
// columns (where it stands in its box does not tell two letters apart); every row of the box.
struct TGlyphInk {
  int Rows = 0, Columns = 0;  // Columns 0: no ink
  std::vector<bool> Bits;
};
TGlyphInk GlyphInk(const TBitmap& picture, int left, int top, int right, int bottom);
// The pixels two inks differ in, laid over each other at their best (inks one column apart in width too);
// -1 when they differ in height, by two columns or more in width, or one has no ink.
int InkDifference(const TGlyphInk& a, const TGlyphInk& b);
struct TInkedGlyph {
  int Code = 0;
  char32_t Character = 0;
  bool Kept = false;  // one of the table's own glyphs, not a new one
  TGlyphInk Ink;
  int Size = 0;  // a new glyph's pixel size
};
// Two letters whose glyphs came out the same (Differences 0) or one pixel apart.
struct TAlikePair {
  int CodeA = 0, CodeB = 0;
  char32_t A = 0, B = 0;
  int Differences = 0;
};
// The pairs of glyphs, at least one of them new, that are alike, in code order.
std::vector<TAlikePair> FindAlikeGlyphs(const std::vector<TInkedGlyph>& glyphs);
// Lists of letters in messages stop at so many, with a count of the rest.
inline constexpr std::size_t kListedAtMost = 20;
// The least cap height a sheet's letters are drawn at when one is asked for.
inline constexpr int kLeastCapHeight = 6;
// "и (0xE8) = н (0xED), ź (0x9F) ≈ ż (0xBF)" ('≈': one pixel apart), the first kListedAtMost pairs.
std::string AlikeText(const std::vector<TAlikePair>& pairs);

// A letter that is a base letter with marks (Ť: T and a háček), as Unicode decomposes it.
struct TMarkedLetter {
  char32_t Base;
  const char* Marks;  // "háček", "acute", "dot", "diaeresis and tonos"
};
std::optional<TMarkedLetter> MarksOf(char32_t letter);
// A new letter whose marks did not come out: drawn, it reads as its base letter (a pixel apart at most; a
// dot's letter the same).
struct TLostMark {
  int Code = 0;
  char32_t Letter = 0, Base = 0;
  const char* Marks = "";
  int CapHeight = 0;  // the cap height of the size it was drawn at
};
// "the háček of Ť (0x8D) at cap height 6" for each, the first kListedAtMost.
std::string LostMarksText(const std::vector<TLostMark>& lost);

struct TRenderedSheet {
  TBitmap Sheet;  // 32-bit: a marker line and a white glyph (alpha = coverage) per code, in code order
  int First = 0;  // the first code drawn
  std::vector<int> Placeholders;      // codes drawn as a box: the font has no glyph for them
  std::vector<std::string> Problems;  // one line per placeholder, and why
  std::vector<TAlikePair> Alike;      // letters that came out alike, to be touched up
  std::vector<TLostMark> Lost;        // letters whose marks did not come out, to be touched up
  int PixelSize = 0;
  int GlyphHeight = 0;  // the marker lines' length: the glyphs' height in the texture
};

// An outline font face found in the system's font folders, for a translator to choose from.
struct TFontChoice {
  std::string File;
  int Face = 0;  // of a collection (.ttc)
  std::string Family, Style;
  std::vector<int> CodePages;  // the known code pages whose letters it has every one of
};
// The outline fonts under folders (searched through, links not followed), by family and style; bitmap
// fonts and files FreeType cannot read are passed over. Empty in a build without FreeType.
std::vector<TFontChoice> ListOutlineFonts(const std::vector<std::string>& folders);
// The outline faces of one font file (none for a bitmap font or a file FreeType cannot read).
std::vector<TFontChoice> OutlineFacesOf(const std::string& file);

// Whether this build can draw from font files (FreeType was found when it was built).
bool CanRenderFonts();
// The code a sheet for the options starts at: First, or the first letter at or above 0x80.
int SheetFirstCode(const TSheetOptions& options);
// The sheet for the codes of options over the font table (224 records from 0x20), its texture and
// the font file's bytes: the new letters as tall as the kept capitals, on the kept baseline, whole,
// and fitting the texture beside the kept glyphs. note hears each decision before anything is drawn.
// Errors name tablePath or the font file.
TRenderedSheet RenderGlyphSheet(const TMemoryStream& table, const TBitmap& texture,
                                const std::string& tablePath, const std::string& fontBytes,
                                const TSheetOptions& options,
                                const std::function<void(const TText&)>& note = {});

struct TPreviewOptions {
  int CodePage = 1251;
  int Scale = 1;  // 1 to 8, nearest neighbour
};
struct TPreview {
  TBitmap Picture;                    // 32-bit, opaque
  std::vector<std::string> Problems;  // characters shown as red boxes, and why
};
// The text (UTF-8) set as the game sets it, as far as the records tell: each character's glyph
// rectangle from the texture, left to right, tops aligned, advancing by the record's Width and one
// column; a character without a code, whose glyph is empty or a sheet's placeholder box, as a red box.
TPreview RenderPreview(const TMemoryStream& table, const TBitmap& texture, const std::string& text,
                       const TPreviewOptions& options, const std::string& tablePath);

}  // namespace eit
