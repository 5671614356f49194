// Glyph sheets drawn from a TrueType/OpenType font with FreeType.
//
// Every code gets a cell as in an exported sheet: a white marker line at the left, as long as the
// glyph's height in the texture, and the glyph drawn white, its alpha the rendered coverage. Two pixels
// of alpha 1 (invisible) at the ends of the glyph's advance make the glyph scan find the advance as
// the glyph's width, so that the game spaces the new letters as the font does.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/limits.h"
#include "formats/codepages.h"
#include "formats/font_tools.h"

#ifdef EIT_HAVE_FREETYPE
#include <ft2build.h>
#include FT_FREETYPE_H
#endif

namespace eit {

namespace {

// The height of the glyphs the insert keeps (codes 0x20 to 0x7E): the new ones match it.
[[maybe_unused]] int KeptGlyphHeight(const TMemoryStream& table) {
  int height = 0;
  const std::int64_t records = std::min<std::int64_t>(table.Size() / kGlyphRecordSize, KeptCodeLimit - 0x20);
  for (std::int64_t k = 0; k < records; ++k) {
    const GlyphRecord g = ReadGlyphRecord(table.Memory() + k * kGlyphRecordSize);
    if (g.Bottom > g.Top && g.Height != kUnclearedGlyphSize) height = std::max<int>(height, g.Bottom - g.Top);
  }
  return height;
}

void CheckRange(const TSheetOptions& options) {
  if (options.First < NewGlyphCode || options.End > 0x20 + kFontRecords || options.First >= options.End)
    throw Exception("The codes of a glyph sheet run from " + CodeText(options.First) + " to " + CodeText(options.End) +
                    "; the insert lays new glyphs from 0xC0 up to at most 0x100, so give --first 0xC0 or more and "
                    "--end 0x100 or less, after it");
}

}  // namespace

#ifdef EIT_HAVE_FREETYPE

bool CanRenderFonts() { return true; }

namespace {

struct TFreeType {
  FT_Library handle = nullptr;
  FT_Face face = nullptr;
  TFreeType(const std::string& fontBytes, const std::string& fontFile, int faceIndex) {
    if (FT_Init_FreeType(&handle) != 0) throw Exception("FreeType could not be started");
    // A constructor that throws runs no destructor: what FreeType holds goes here then.
    try {
      OpenFace(fontBytes, fontFile, faceIndex);
    } catch (...) {
      Release();
      throw;
    }
  }
  void OpenFace(const std::string& fontBytes, const std::string& fontFile, int faceIndex) {
    if (Open(fontBytes, 0) != 0 || !FT_IS_SCALABLE(face))
      throw Exception(fontFile + " is not a font FreeType can read (TrueType or OpenType)");
    const FT_Long faces = face->num_faces;
    if (faceIndex < 0 || faceIndex >= faces) throw Exception(fontFile + " has no face " + std::to_string(faceIndex) +
                                                             "; its faces are: " + FaceList(fontBytes, faces));
    if (faceIndex > 0 && (Open(fontBytes, faceIndex) != 0 || !FT_IS_SCALABLE(face)))
      throw Exception(fontFile + ": FreeType cannot read its face " + std::to_string(faceIndex));
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  }
  void Release() {
    if (face != nullptr) FT_Done_Face(face);
    if (handle != nullptr) FT_Done_FreeType(handle);
    face = nullptr;
    handle = nullptr;
  }
  FT_Error Open(const std::string& bytes, FT_Long index) {
    if (face != nullptr) FT_Done_Face(face);
    face = nullptr;
    return FT_New_Memory_Face(handle, reinterpret_cast<const FT_Byte*>(bytes.data()), static_cast<FT_Long>(bytes.size()),
                              index, &face);
  }
  // "0 DejaVu Sans Book, 1 ..." for the error that names a face the file does not have.
  std::string FaceList(const std::string& bytes, FT_Long faces) {
    std::string list;
    for (FT_Long i = 0; i < faces && i < 64; ++i) {
      FT_Face f = nullptr;
      if (FT_New_Memory_Face(handle, reinterpret_cast<const FT_Byte*>(bytes.data()),
                             static_cast<FT_Long>(bytes.size()), i, &f) != 0)
        continue;
      list += (list.empty() ? "" : ", ") + std::to_string(i) + " " + (f->family_name ? f->family_name : "?") + " " +
              (f->style_name ? f->style_name : "");
      FT_Done_Face(f);
    }
    return list;
  }
  ~TFreeType() { Release(); }
  TFreeType(const TFreeType&) = delete;
  TFreeType& operator=(const TFreeType&) = delete;
};

// Where the glyphs go in their cells: every size in 64 bits, checked against what a sheet can hold
// before anything is drawn.
struct TSheetMetrics {
  int PixelSize = 0;
  int Height = 0;    // the marker lines' length
  int Baseline = 0;  // from a cell's top
  int CellRows = 0;
};

TSheetMetrics MeasureSheet(const TFreeType& ft, const TMemoryStream& table, const std::string& tablePath,
                           const TSheetOptions& options) {
  const int count = options.End - options.First;
  const std::int64_t maxCell = kMaxPictureSide / count;
  const std::int64_t kept = KeptGlyphHeight(table);
  const std::int64_t recordCell = std::int64_t{ReadGlyphRecord(table.Memory()).Height} + kCellGap;
  if (kept + 2 > maxCell || recordCell > maxCell)
    throw Exception("A glyph of " + tablePath + " is " + std::to_string(std::max(kept, recordCell - kCellGap)) +
                    " pixels high; a sheet of " + std::to_string(count) + " glyphs holds glyphs up to " +
                    std::to_string(maxCell - kCellGap) + " pixels high");
  // A font that gives no line height (zero vertical metrics) is measured by its em square instead.
  std::int64_t lineUnits = std::int64_t{ft.face->ascender} - ft.face->descender;
  if (lineUnits <= 0) lineUnits = std::max<std::int64_t>(1, ft.face->units_per_EM);
  std::int64_t size = options.PixelSize;
  if (size == 0) {
    // Matching: the font's line (ascender to descender) as tall as the table's glyphs, never larger
    // than a cell (nor twice the table's glyphs), whatever the font's metrics claim.
    const std::int64_t most = std::max<std::int64_t>(1, std::min(maxCell - 2, 2 * kept + 8));
    size = std::clamp<std::int64_t>(kept * ft.face->units_per_EM / lineUnits, 1, most);
  }
  TSheetMetrics m;
  m.PixelSize = static_cast<int>(size);
  if (FT_Set_Pixel_Sizes(ft.face, 0, static_cast<FT_UInt>(m.PixelSize)) != 0)
    throw Exception(options.FontFile + ": the font cannot be drawn " + std::to_string(m.PixelSize) + " pixels high");
  const auto pixels = [](FT_Pos units) {
    return std::clamp<std::int64_t>(static_cast<std::int64_t>(std::ceil(units / 64.0)), 0, kMaxPictureSide);
  };
  const std::int64_t ascender = pixels(ft.face->size->metrics.ascender);
  const std::int64_t descender = pixels(-ft.face->size->metrics.descender);
  std::int64_t drawn = options.PixelSize > 0 || kept == 0 ? ascender + descender : kept;
  if (drawn <= 0) drawn = size;
  m.Baseline = static_cast<int>(ascender * drawn / std::max<std::int64_t>(1, ascender + descender));
  const std::int64_t cell = std::max(recordCell, drawn + 2);
  if (cell > maxCell)
    throw Exception("Glyphs " + std::to_string(drawn) + " pixels high make a sheet of " + std::to_string(count) +
                    " glyphs too tall (at most " + std::to_string(maxCell - 2) + "); give a smaller --size");
  // Both fit a sheet's 65,535 rows now.
  m.Height = static_cast<int>(drawn);
  m.CellRows = static_cast<int>(cell);
  return m;
}

// Glyph pixels are white, their alpha the coverage (the most of what is drawn there).
void Put(TBitmap& sheet, int x, int y, std::uint8_t alpha) {
  std::uint8_t* p = sheet.ScanLine(y) + 4 * x;
  p[0] = p[1] = p[2] = 255;
  p[3] = std::max(p[3], alpha);
}

// Why the code cannot be drawn (empty when it can: its glyph is then loaded and rendered).
std::string LoadGlyph(const TFreeType& ft, int code, const TSheetOptions& options) {
  const char32_t ch = CharacterOf(options.CodePage, static_cast<std::uint8_t>(code));
  if (ch == 0) return CodeText(code) + " is undefined in code page " + std::to_string(options.CodePage);
  if (FT_Get_Char_Index(ft.face, ch) == 0) return CodeText(code) + ": the font has no glyph for " + DescribeCharacter(ch);
  const FT_Int32 target = options.Mono ? FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME : FT_LOAD_TARGET_NORMAL;
  if (FT_Load_Char(ft.face, ch, FT_LOAD_RENDER | target) != 0)
    return CodeText(code) + ": FreeType could not draw " + DescribeCharacter(ch);
  return "";
}

// A box in the glyph's place keeps every later code in step, and shows in the game what is missing.
void DrawPlaceholder(TBitmap& sheet, int top, const TSheetMetrics& m) {
  const int w = std::max(3, m.Height / 2);
  for (int y = top; y < top + m.Height; ++y)
    for (int x = kGlyphColumn; x < kGlyphColumn + w; ++x)
      if (y == top || y == top + m.Height - 1 || x == kGlyphColumn || x == kGlyphColumn + w - 1) Put(sheet, x, y, 255);
}

void DrawGlyph(TBitmap& sheet, const FT_GlyphSlot slot, int top, const TSheetMetrics& m) {
  const FT_Bitmap& bitmap = slot->bitmap;
  const int left = kGlyphColumn + std::max(0, static_cast<int>(slot->bitmap_left));
  const int advance = std::clamp(static_cast<int>((slot->advance.x + 32) >> 6), 1, kSheetWidth - kGlyphColumn);
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const int y = top + m.Baseline - slot->bitmap_top + static_cast<int>(row);
    if (y < top || y >= top + m.Height) continue;
    const unsigned char* src = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;  // one bit a pixel, the first in the top bit
    for (unsigned col = 0; col < bitmap.width; ++col) {
      const int x = left + static_cast<int>(col);
      const std::uint8_t alpha = mono ? ((src[col >> 3] >> (7 - (col & 7))) & 1) * 255 : src[col];
      if (x < kSheetWidth && alpha != 0) Put(sheet, x, y, alpha);
    }
  }
  const int base = top + std::clamp(m.Baseline, 0, m.Height - 1);
  Put(sheet, kGlyphColumn, base, 1);
  Put(sheet, kGlyphColumn + advance - 1, base, 1);
}

}  // namespace

TRenderedSheet RenderGlyphSheet(const TMemoryStream& table, const std::string& tablePath, const std::string& fontBytes,
                                const TSheetOptions& options) {
  CheckCodePage(options.CodePage);
  CheckRange(options);
  if (table.Size() < kFontTableSize)
    throw Exception(tablePath + ": the font table is " + std::to_string(table.Size()) + " bytes long; it needs " +
                    std::to_string(kFontTableSize));
  if (options.PixelSize < 0 || options.PixelSize > kMaxGlyphPixelSize)
    throw Exception("A glyph size is 1 to " + std::to_string(kMaxGlyphPixelSize) + " pixels, not " +
                    std::to_string(options.PixelSize));
  TFreeType ft(fontBytes, options.FontFile, options.Face);
  const TSheetMetrics m = MeasureSheet(ft, table, tablePath, options);
  TRenderedSheet result;
  result.PixelSize = m.PixelSize;
  result.GlyphHeight = m.Height;
  const int count = options.End - options.First;
  TBitmap sheet(TPixelFormat::pf32bit, kSheetWidth, m.CellRows * count);  // black, alpha 0
  for (int n = 0; n < count; ++n) {
    const int code = options.First + n, top = n * m.CellRows;
    sheet.FillRect({0, top, 1, top + m.Height}, kWhite, 255);  // the marker
    const std::string problem = LoadGlyph(ft, code, options);
    if (problem.empty()) {
      DrawGlyph(sheet, ft.face->glyph, top, m);
    } else {
      DrawPlaceholder(sheet, top, m);
      result.Problems.push_back(problem);
    }
  }
  result.Sheet = std::move(sheet);
  return result;
}

#else

bool CanRenderFonts() { return false; }

TRenderedSheet RenderGlyphSheet(const TMemoryStream&, const std::string&, const std::string&,
                                const TSheetOptions& options) {
  CheckRange(options);
  throw Exception("This build cannot draw glyphs from font files: it was made without FreeType");
}

#endif


}  // namespace eit
