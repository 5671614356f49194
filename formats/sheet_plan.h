// What a glyph sheet drawn from a font will hold, decided before anything is drawn: each code's cell
// and the size, box and baseline of the letters. Only built with FreeType.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "formats/font_tools.h"
#include "formats/freetype_face.h"

namespace eit {

enum class TCellKind : std::uint8_t { Glyph, Blank, Box };  // Blank: undefined code; Box: the font lacks it
struct TSheetCell {
  int Code = 0;
  char32_t Character = 0;
  TCellKind Kind = TCellKind::Glyph;
  int Size = 0;  // the pixel size its glyph is drawn at: the sheet's, or smaller for one that would not fit
};

struct TSheetMetrics {
  int PixelSize = 0;
  int Height = 0;    // the marker lines' length: the glyph boxes' height
  int Baseline = 0;  // rows from a box's top down to the baseline
  int CellRows = 0;
  bool Mono = false;
};

using TNote = std::function<void(const TText&)>;

// Every code from first up to options.End, as the font and code page can draw it; the letters drawn and
// those that cannot be go to note. Raises when the font lacks more than half of the letters, unless
// options allow it.
std::vector<TSheetCell> PlanCells(const TFreeType& ft, const TSheetOptions& options, int first, const TNote& note);

// The size and place of the letters: capitals as tall as the kept ones (or options.PixelSize), on the
// kept baseline, and all of them fitting the texture beside the kept glyphs. A glyph that would not
// stand whole in its box at that size is drawn smaller by itself (its cell's Size), and said; the
// others keep the size. Raises with the largest cap height that would fit when the capitals themselves
// do not, or the texture has no room.
TSheetMetrics ChooseMetrics(const TFreeType& ft, const TMemoryStream& table, const TBitmap& texture,
                            std::vector<TSheetCell>& cells, const TSheetOptions& options,
                            const std::string& tablePath, const TNote& note);
// The cap height of the font's capitals drawn at a pixel size, as messages give sizes.
int CapHeightAt(const TFreeType& ft, int size, bool mono);
// The font as messages name it: its file, and its family when it has one.
std::string FontName(const TFreeType& ft, const std::string& fontFile);

// The width of a blank cell (its two advance marks' distance) and of a placeholder box.
inline int BlankWidth(int height) { return std::max(1, height / 4); }
inline int BoxWidth(int height) { return std::max(3, height / 2); }

}  // namespace eit
