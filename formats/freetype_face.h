// A font file opened with FreeType, for the glyph sheets drawn from it. Only built with FreeType.
#pragma once

#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace eit {

// A face of a font file, released however its construction ends.
struct TFreeType {
  FT_Library handle = nullptr;
  FT_Face face = nullptr;
  TFreeType(const std::string& fontBytes, const std::string& fontFile, int faceIndex);
  ~TFreeType() { Release(); }
  TFreeType(const TFreeType&) = delete;
  TFreeType& operator=(const TFreeType&) = delete;

  bool HasGlyph(char32_t ch) const { return FT_Get_Char_Index(face, ch) != 0; }
  // Sets the size (pixels per em); false when the font cannot be drawn at it.
  bool SetSize(int pixels) const;
  // Loads and renders the character at the size set (one bit a pixel when mono); false when FreeType
  // cannot. The glyph is then in face->glyph.
  bool Render(char32_t ch, bool mono) const;

 private:
  void OpenFace(const std::string& fontBytes, const std::string& fontFile, int faceIndex);
  FT_Error Open(const std::string& bytes, FT_Long index);
  std::string FaceList(const std::string& bytes, FT_Long faces);
  void Release();
};

// A rendered glyph's extent around its pen position, in pixels.
struct TGlyphExtent {
  int Up = 0;       // rows above the baseline
  int Down = 0;     // rows below it
  int Right = 0;    // columns from the cell's glyph column: ink or advance, whichever is further
  int Advance = 1;  // the pen's step, at least one column
  int CapTop = 0;   // rows above the baseline holding at least half-covered ink
};
TGlyphExtent ExtentOf(const FT_GlyphSlot slot);
// The alpha of pixel (col, row) of the rendered glyph: 0 to 255, or 0/255 for a one-bit glyph.
std::uint8_t GlyphAlpha(const FT_Bitmap& bitmap, unsigned col, unsigned row);

}  // namespace eit
