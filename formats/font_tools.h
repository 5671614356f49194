// Tools for translators: a glyph sheet drawn from a real font, and a line of text set with a font
// table to see before it goes into the game.
#pragma once

#include <string>
#include <vector>

#include "formats/formathandlers.h"

namespace eit {

struct TSheetOptions {
  std::string FontFile;   // TrueType or OpenType
  int CodePage = 1251;
  int First = NewGlyphCode;  // the codes drawn: First up to, not including, End
  int End = 0x100;
  int PixelSize = 0;  // 0: as tall as the table's own glyphs (codes below 0x7F)
  int Face = 0;       // the face of a font collection (.ttc)
  bool Mono = false;  // without anti-aliasing (alpha 0 or 255), for pixel fonts
};

struct TRenderedSheet {
  TBitmap Sheet;  // 32-bit: a marker line and a white glyph (alpha = coverage) per code, in code order
  std::vector<std::string> Problems;  // codes drawn as a placeholder box, and why
  int PixelSize = 0;
  int GlyphHeight = 0;  // the marker lines' length: the glyphs' height in the texture
};

// Whether this build can draw from font files (FreeType was found when it was built).
bool CanRenderFonts();
// The sheet for the codes of options over the font table (224 records from 0x20) and the font file's
// bytes. Errors name tablePath or the font file.
TRenderedSheet RenderGlyphSheet(const TMemoryStream& table, const std::string& tablePath, const std::string& fontBytes,
                                const TSheetOptions& options);

struct TPreviewOptions {
  int CodePage = 1251;
  int Scale = 1;  // 1 to 8, nearest neighbour
};
struct TPreview {
  TBitmap Picture;  // 32-bit, opaque
  std::vector<std::string> Problems;  // characters shown as red boxes, and why
};
// The text (UTF-8) set as the game sets it, as far as the records tell: each character's glyph
// rectangle from the texture, left to right, tops aligned, advancing by the record's Width and one
// column; a character without a code, or whose glyph is empty, as a red box.
TPreview RenderPreview(const TMemoryStream& table, const TBitmap& texture, const std::string& text,
                       const TPreviewOptions& options, const std::string& tablePath);

}  // namespace eit
