// Texture files and the jobs built on them.
//
// A texture image is held whole in a memory stream: 4 magic bytes, 124 header bytes (stored
// bit-inverted), then Height rows of Width pixels from offset 128, packed: R, G, B for 24 bits,
// R, G, B, A for 32. On disk it is either raw (magic "DDS!": the image itself) or packed (magic
// "ELTE", PackedLength, UnpackedLength, then one zlib stream holding the image).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "compression/pack_engine.h"
#include "platform/bitmap.h"
#include "platform/streams.h"

namespace eit {

inline constexpr std::int32_t kImageHeaderSize = 128;  // magic plus header
inline constexpr std::int32_t kWidthOffset = 12;
inline constexpr std::int32_t kHeightOffset = 16;
inline constexpr std::int32_t kBitCountOffset = 88;

// The form a texture file had, decided by its first four bytes; the form it is stored in again.
enum class TTextureForm { Packed, Raw };

// A texture's header fields. Once checked (DecodeTextureHeader), the sides and the bit count are
// within the program's limits and PixelBytes is what the rows take.
struct TTextureHeader {
  std::uint32_t Width = 0;
  std::uint32_t Height = 0;
  std::uint32_t BitCount = 0;
  std::int64_t PixelBytes = 0;  // the rows' bytes from offset 128
  int BytesPerPixel() const { return BitCount == 32 ? 4 : 3; }
  TPixelFormat Format() const { return BitCount == 32 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit; }
};

// Decodes the header of image (at least 128 bytes; inverted as stored, or not) and checks it: a bit
// count of 24 or 32, sides and picture bytes within the program's limits. The one place these
// faults are named; errors begin with path (or "The texture" when it is empty).
TTextureHeader DecodeTextureHeader(const std::uint8_t* image, bool inverted, const std::string& path);
// Raises, naming path as DecodeTextureHeader does, when held bytes of pixel data miss any row.
void CheckPixelArea(const TTextureHeader& header, std::int64_t held, const std::string& path);

// Unpacks the container at source (any position) into destination, which must be empty; the
// destination is left at its end. Raises EZlibError and its kin, EReadError "Stream read error" when
// the zlib stream ends before UnpackedLength bytes, EDecompressionError "Invalid stream operation"
// when UnpackedLength is 0.
void ReadPackedImage(TStream& source, TMemoryStream& destination, TPackEngine engine = TPackEngine::Fastest);
// The same, unpacking no more than limit bytes (all of UnpackedLength when limit is negative).
void ReadPackedImage(TStream& source, TMemoryStream& destination, std::int64_t limit,
                     TPackEngine engine = TPackEngine::Fastest);
// Writes source, whole, as a packed container (zlib level 1) into a new, empty destination, which is
// left at offset 8.
void WritePackedImage(TMemoryStream& source, TStream& destination, TPackEngine engine = TPackEngine::Fastest);
// Flips the bits of the 124 header bytes in place and leaves the position at 128. The image must hold
// at least 128 bytes.
void InvertImageHeader(TMemoryStream& image);

// How much of a texture to load: all of it (inserts keep the bytes after the rows), the header and
// rows only (exports write nothing else, so memory follows the picture, not the file's claims), or
// the header alone, checked (what an output's name depends on).
enum class TLoadExtent { Whole, Pixels, Header };

// The loading rule: reads the texture file just opened as source into the empty image, header still
// inverted, and returns its form. Checks what the rest of the program relies on, raising an error
// naming path when it does not hold: the magic, a complete header, a bit count of 24 or 32, sides of
// at most 65535 pixels and a pixel area holding every row.
TTextureForm LoadTextureImage(TStream& source, TMemoryStream& image, const std::string& path,
                              TLoadExtent extent = TLoadExtent::Whole, TPackEngine engine = TPackEngine::Fastest);
// The storing rule: writes the image (header inverted) to the new file in the given form.
void StoreTextureImage(TMemoryStream& image, TTextureForm form, TStream& destination,
                       TPackEngine engine = TPackEngine::Fastest);

// The header fields, unchecked (PixelBytes left 0); the header must be un-inverted already.
TTextureHeader ReadTextureHeader(const TMemoryStream& image);
// The header of an image as stored (inverted), checked as DecodeTextureHeader does.
TTextureHeader ReadStoredTextureHeader(const TMemoryStream& image, const std::string& path);

// Moves the pixel rows of an image whose header is un-inverted into bitmap, which takes the image's
// size and a 24- or 32-bit format; red and blue change places on the way.
void ImageToBitmap(TMemoryStream& image, TBitmap& bitmap);
// The same for an image that is not needed afterwards: its pixels are swapped where they are and the
// bitmap takes over its memory, so the picture is never held twice. The image is empty afterwards.
void ImageToBitmapInPlace(TMemoryStream& image, TBitmap& bitmap);
// Overwrites the pixel area of the image with the bitmap's rows (growing the image if the bitmap is
// larger); the header and the bytes after the last row written stay as they were.
void BitmapToImage(const TBitmap& bitmap, TMemoryStream& image);

// --- Font tables ----------------------------------------------------------------------------

inline constexpr std::int32_t kFontRecords = 224;
inline constexpr std::int32_t kGlyphRecordSize = 14;
inline constexpr std::int32_t kFontTableSize = kFontRecords * kGlyphRecordSize;  // 3136
inline constexpr std::int32_t kSheetWidth = 100;
inline constexpr std::int32_t kCellGap = 20;     // rows below each glyph cell's height H
inline constexpr std::int32_t kGlyphColumn = 3;  // where glyphs start on a sheet

// One 14-byte record of a ".tdt" font table: a glyph's place in the font texture.
struct GlyphRecord {
  std::uint16_t Left = 0, Top = 0, Right = 0, Bottom = 0, Width = 0, Height = 0, Extra = 0;
};
GlyphRecord ReadGlyphRecord(const std::uint8_t* record);
void WriteGlyphRecord(std::uint8_t* record, const GlyphRecord& glyph);

// --- Glyphs ----------------------------------------------------------------------------

inline constexpr std::int32_t KeptCodeLimit = 0x7F;
inline constexpr std::int32_t NewGlyphCode = 0xC0;
inline constexpr std::uint16_t kUnclearedGlyphSize = 64;

// What looks wrong about an edited image against its texture: upside down, alpha lost, or not edited at
// all. The edit has the texture's size and pixel format; image is the texture as loaded (header at
// 0, rows from 128). Empty when nothing looks wrong.
enum class TEditFinding : std::uint8_t { Unedited, UpsideDown, AlphaLostOpaque, AlphaLostTransparent };
std::vector<TEditFinding> EditWarnings(const TBitmap& edit, const TMemoryStream& image);
// The finding in the words eitool-cli and the result's report use.
TText EditFindingText(TEditFinding finding);
// Whether the edit's pixels are the texture's own (the first of those warnings).
bool EditEqualsTexture(const TBitmap& edit, const TMemoryStream& image);

// Raises, naming tablePath, when the font table holds fewer than 224 records.
void CheckFontTableSize(const TMemoryStream& table, const std::string& tablePath);
// Raises when the range of codes from first up to endCode needs more records than the table holds.
void CheckGlyphRange(const TMemoryStream& table, std::int32_t first, std::int32_t endCode, const std::string& tablePath);
// Raises when the font texture cannot take new glyphs (it is not 32-bit).
class TSheetWords;
void CheckGlyphTexture(const TBitmap& texture, const std::string& texturePath, const TSheetWords& words);
// The glyph sheet of a font table (at least 224 records) over its texture: a marker line and the
// glyph for each record, one cell below the other. tablePath names the table in errors.
TBitmap MakeGlyphSheet(const TMemoryStream& table, const TBitmap& texture, const std::string& tablePath);
// Whether an edited sheet is the table's own sheet (own: MakeGlyphSheet of the table over its texture),
// retouched in place: the same size and pixel format, the same marker column, and, in a 32-bit sheet, ink
// still in every glyph that had ink. Erased lists the records whose glyph was erased (a sheet whose glyphs
// below the new ones were cleared holds new glyphs).
// MarkerRows: for a sheet of the own sheet's size and format, the rows whose marker pixel differs.
struct TOwnSheetMatch {
  bool Own = false;
  std::vector<std::int32_t> Erased;
  std::vector<std::int32_t> MarkerRows;
};
TOwnSheetMatch CompareWithOwnSheet(const TBitmap& own, const TBitmap& sheet, const TMemoryStream& table,
                                   const TBitmap& texture);
// Every pixel in which sheet differs from own goes back to its glyph's place in the texture, for the
// records below records; the table does not change. Changed: the records whose glyphs changed; Outside:
// changed pixels that lie in no glyph (left out); Shared: pairs of a changed record and another one whose
// place in the texture overlaps it (the edit shows for both); PastRange: records from records on whose
// glyphs changed (left out).
struct TGlyphsPutBack {
  std::vector<std::int32_t> Changed;
  std::vector<std::int32_t> PastRange;
  std::int64_t Outside = 0;
  std::vector<std::pair<std::int32_t, std::int32_t>> Shared;
};
TGlyphsPutBack PutGlyphsBack(const TBitmap& own, const TBitmap& sheet, const TMemoryStream& table, TBitmap& texture,
                             std::int32_t records);
// The codes a font record handles: the table's records from First, the range up to End (exclusive),
// and New, the first code that takes a glyph from the sheet (0xC0 unless the log says otherwise).
struct TGlyphRange {
  std::int32_t First = 0x20, End = 0x100, New = NewGlyphCode;
};
// The new glyphs of the sheet laid into the texture for the codes from New up to End, and the
// table's records for them rewritten; the old areas from 0x7F on are cleared first, so the codes from
// 0x7F up to New keep their records and lose their pixels. Returns the number of new glyphs. Names
// go into error messages.
struct TFontFiles {
  std::string Table, Texture, Sheet;
};
std::int32_t LayNewGlyphs(TMemoryStream& table, TBitmap& texture, const TBitmap& sheet, const TGlyphRange& range,
                          const TFontFiles& names);
// Where LayNewGlyphs would run out of room: the code of the first new glyph (sizes w x h, one per code
// from New on) that the texture cannot take beside the kept ones, or -1 when all of them fit.
std::int32_t FirstGlyphThatDoesNotFit(const TMemoryStream& table, const TGlyphRange& range,
                                      const std::vector<std::pair<std::int32_t, std::int32_t>>& sizes,
                                      std::int32_t textureW, std::int32_t textureH);

}  // namespace eit
