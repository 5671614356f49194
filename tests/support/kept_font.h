// A game font made from a real font file for tests: the letters 0x20 to 0x7E drawn anti-aliased by
// FreeType into a texture, in boxes with room above and below, and nothing from 0x7F on.
#pragma once

#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "formats/formathandlers.h"
#include "platform/files.h"

namespace eit::testing {

struct TKeptFont {
  int Height = 0, Baseline = 0, CapHeight = 0;  // the boxes, rows down to the baseline, H's height
};

// How a kept font is drawn, where a test wants a game's own measures: one-bit (every pixel opaque or
// clear), and boxes of height rows with the baseline so many rows down (0: room above and below).
struct TKeptShape {
  bool Mono = false;
  int Height = 0, Baseline = 0;
};

// Writes <base>.tdt and <base>.dds (raw, 32-bit, textureHeight rows).
inline TKeptFont WriteKeptFont(const std::string& fontFile, int pixels, const std::string& base,
                               int textureHeight = 512, const TKeptShape& shape = {}) {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, fontFile.c_str(), 0, &face) != 0)
    throw Exception("FreeType cannot open " + fontFile);
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels));
  TKeptFont font{pixels + 2 + pixels / 3 + 2, pixels + 2, 0};
  if (shape.Height > 0) font.Height = shape.Height, font.Baseline = shape.Baseline;
  TBitmap texture(TPixelFormat::pf32bit, 1024, textureHeight);
  TMemoryStream table;
  table.SetSize(kFontTableSize);
  int x = 0, y = 0;
  for (int code = 0x20; code < 0x7F; ++code) {
    FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_RENDER | (shape.Mono ? FT_LOAD_MONOCHROME | FT_LOAD_TARGET_MONO : 0));
    const FT_GlyphSlot g = face->glyph;
    const int left = std::max(0, g->bitmap_left), width = std::max<int>(static_cast<int>(g->advance.x >> 6),
                                                                         left + static_cast<int>(g->bitmap.width));
    if (x + width > texture.Width()) x = 0, y += font.Height + 1;
    for (unsigned row = 0; row < g->bitmap.rows; ++row)
      for (unsigned col = 0; col < g->bitmap.width; ++col) {
        const std::uint8_t* line = g->bitmap.buffer + row * static_cast<unsigned>(g->bitmap.pitch);
        const std::uint8_t a = g->bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((line[col / 8] >> (7 - col % 8)) & 1 ? 255 : 0)
                                                                          : line[col];
        const int ty = y + font.Baseline - g->bitmap_top + static_cast<int>(row);
        if (a == 0) continue;
        std::uint8_t* p = texture.ScanLine(ty) + 4 * (x + left + static_cast<int>(col));
        p[0] = p[1] = p[2] = 255, p[3] = a;
        if (code == 'H' && a >= 128) font.CapHeight = std::max(font.CapHeight, font.Baseline - (ty - y));
      }
    const auto u = [](int v) { return static_cast<std::uint16_t>(v); };
    WriteGlyphRecord(table.Memory() + (code - 0x20) * kGlyphRecordSize,
                     {u(x), u(y), u(x + width), u(y + font.Height), u(width), u(font.Height), 0});
    x += width + 1;
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  TMemoryStream image;
  image.SetSize(kImageHeaderSize);
  std::uint8_t* head = image.Memory();
  head[0] = 'D', head[1] = 'D', head[2] = 'S', head[3] = '!';
  const auto put = [&](int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) head[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  put(kWidthOffset, 1024), put(kHeightOffset, static_cast<std::uint32_t>(textureHeight)), put(kBitCountOffset, 32);
  BitmapToImage(texture, image);
  InvertImageHeader(image);
  TFileStream dds(base + ".dds", FileMode::Create);
  StoreTextureImage(image, TTextureForm::Raw, dds, TPackEngine::Fastest);
  table.SaveToFile(base + ".tdt");
  return font;
}

}  // namespace eit::testing
