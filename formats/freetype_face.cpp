#include "formats/freetype_face.h"

#include <algorithm>

#include "formats/formathandlers.h"
#include "platform/errors.h"

namespace eit {

namespace {

TText NotAFont(const std::string& file) {
  return Says(EIT_SAYS("%1 is not a font file FreeType can read (TrueType or OpenType), or it is damaged"), {file});
}

TText BitmapFont(const std::string& file, const char* family) {
  const char* form = EIT_SAYS("%1 is a bitmap font, with glyphs of fixed sizes only: glyph sheets are drawn from outline "
                              "fonts (TrueType or OpenType with outlines); choose one of those");
  return Says(form, {family != nullptr ? file + " (" + family + ")" : file});
}

TText NoSuchFace(const std::string& file, int face, const std::string& faces) {
  return Says(EIT_SAYS("%1 has no face %2; its faces are: %3"), {file, std::to_string(face), faces});
}

TText FaceUnreadable(const std::string& file, int face) {
  return Says(EIT_SAYS("%1: FreeType cannot read its face %2"), {file, std::to_string(face)});
}

TText NotStarted() { return Says(EIT_SAYS("FreeType could not be started")); }

}  // namespace

TFreeType::TFreeType(const std::string& fontBytes, const std::string& fontFile, int faceIndex) {
  if (FT_Init_FreeType(&handle) != 0) throw Exception(NotStarted());
  // A constructor that throws runs no destructor: what FreeType holds goes here then.
  try {
    OpenFace(fontBytes, fontFile, faceIndex);
  } catch (...) {
    Release();
    throw;
  }
}

void TFreeType::OpenFace(const std::string& fontBytes, const std::string& fontFile, int faceIndex) {
  if (Open(fontBytes, 0) != 0)
    throw Exception(NotAFont(fontFile), fontFile);
  // Bitmap fonts (.otb, .pcf, .bdf, .fon) hold pictures of fixed sizes, which cannot be measured against
  // the kept letters or drawn at their size.
  if (!FT_IS_SCALABLE(face))
    throw Exception(BitmapFont(fontFile, face->family_name), fontFile);
  const FT_Long faces = face->num_faces;
  if (faceIndex < 0 || faceIndex >= faces)
    throw Exception(NoSuchFace(fontFile, faceIndex, FaceList(fontBytes, faces)), fontFile);
  if (faceIndex > 0 && (Open(fontBytes, faceIndex) != 0 || !FT_IS_SCALABLE(face)))
    throw Exception(FaceUnreadable(fontFile, faceIndex), fontFile);
  FT_Select_Charmap(face, FT_ENCODING_UNICODE);
}

void TFreeType::Release() {
  if (face != nullptr) FT_Done_Face(face);
  if (handle != nullptr) FT_Done_FreeType(handle);
  face = nullptr;
  handle = nullptr;
}

FT_Error TFreeType::Open(const std::string& bytes, FT_Long index) {
  if (face != nullptr) FT_Done_Face(face);
  face = nullptr;
  return FT_New_Memory_Face(handle, reinterpret_cast<const FT_Byte*>(bytes.data()), static_cast<FT_Long>(bytes.size()),
                            index, &face);
}

// "0 DejaVu Sans Book, 1 ..." for the error that names a face the file does not have.
std::string TFreeType::FaceList(const std::string& bytes, FT_Long faces) {
  std::string list;
  for (FT_Long i = 0; i < faces && i < 64; ++i) {
    FT_Face f = nullptr;
    if (FT_New_Memory_Face(handle, reinterpret_cast<const FT_Byte*>(bytes.data()), static_cast<FT_Long>(bytes.size()),
                           i, &f) != 0)
      continue;
    list += (list.empty() ? "" : ", ") + std::to_string(i) + " " + (f->family_name ? f->family_name : "?") + " " +
            (f->style_name ? f->style_name : "");
    FT_Done_Face(f);
  }
  return list;
}

bool TFreeType::SetSize(int pixels) const {
  return FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)) == 0;
}

bool TFreeType::Render(char32_t ch, bool mono) const {
  const FT_Int32 target = mono ? FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME : FT_LOAD_TARGET_NORMAL;
  return FT_Load_Char(face, ch, FT_LOAD_RENDER | target) == 0;
}

std::uint8_t GlyphAlpha(const FT_Bitmap& bitmap, unsigned col, unsigned row) {
  const unsigned char* src = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
  if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) return ((src[col >> 3] >> (7 - (col & 7))) & 1) * 255;
  return src[col];
}

TGlyphExtent ExtentOf(const FT_GlyphSlot slot) {
  const FT_Bitmap& bitmap = slot->bitmap;
  TGlyphExtent e;
  // Glyph sizes are bounded by the pixel size (at most a few hundred), so these all fit an int.
  const int top = static_cast<int>(slot->bitmap_top), rows = static_cast<int>(bitmap.rows);
  e.Advance = std::max(1, static_cast<int>((slot->advance.x + 32) >> 6));
  e.Up = std::max(0, top);
  e.Down = std::max(0, rows - top);
  int inkRight = 0, capRow = -1;
  for (unsigned row = 0; row < bitmap.rows; ++row)
    for (unsigned col = 0; col < bitmap.width; ++col) {
      const std::uint8_t a = GlyphAlpha(bitmap, col, row);
      if (a == 0) continue;
      inkRight = std::max(inkRight, static_cast<int>(col) + 1);
      if (a >= 128 && capRow < 0) capRow = static_cast<int>(row);
    }
  if (rows == 0 || inkRight == 0) e.Up = e.Down = 0;
  e.CapTop = capRow < 0 ? 0 : top - capRow;
  e.Right = std::max(e.Advance, std::max(0, static_cast<int>(slot->bitmap_left)) + inkRight);
  return e;
}

}  // namespace eit
