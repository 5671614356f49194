// Texture files and the jobs built on them.
//
// A texture image is held whole in a memory stream: 4 magic bytes, 124 header bytes (stored
// bit-inverted), then Height rows of Width pixels from offset 128, packed: R, G, B for 24 bits,
// R, G, B, A for 32. On disk it is either raw (magic "DDS!": the image itself) or packed (magic
// "ELTE", PackedLength, UnpackedLength, then one zlib stream holding the image).
#pragma once

#include <cstdint>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/files.h"
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
void ReadPackedImage(TStream& source, TMemoryStream& destination);
// The same, unpacking no more than limit bytes (all of UnpackedLength when limit is negative).
void ReadPackedImage(TStream& source, TMemoryStream& destination, std::int64_t limit);
// Writes source, whole, as a packed container (zlib level 1) into a new, empty destination, which is
// left at offset 8.
void WritePackedImage(TMemoryStream& source, TStream& destination);
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
                              TLoadExtent extent = TLoadExtent::Whole);
// The storing rule: writes the image (header inverted) to the new file in the given form.
void StoreTextureImage(TMemoryStream& image, TTextureForm form, TStream& destination);

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

// --- Jobs ----------------------------------------------------------------------------------

// What a job tells the run about the files it writes or passes over.
class TJobReporter {
 public:
  virtual ~TJobReporter() = default;
  // what: a short description of the content, such as "256 x 128, 32-bit".
  virtual void FileWritten(const std::string& source, const std::string& output, std::int64_t bytes,
                           const std::string& what) = 0;
  virtual void FileSkipped(const std::string& source, const std::string& reason) = 0;
  // Something about an input that may not be what the user meant; the job goes on.
  virtual void Warning(const std::string& /*source*/, const std::string& /*text*/) {}
  // A finished output takes its name: now, or when the run's earlier entries are done. Called before
  // the FileWritten reports of its files.
  virtual void Publish(TFinishedOutput output) { output.Publish(); }
};

// The names a run's outputs take, shared by the entries of a run, which may run at once. Names are
// decided in entry order, whatever order the entries reach them in: an entry's claim waits until every
// earlier entry has made its last claim (or ended). So a run gives the same names with any number of
// workers: a later output whose name is taken gets "name (2).ext", and nothing written in the run is
// overwritten. Names compare case-folded where the file system ignores case.
class TOutputNames {
 public:
  // Every source of the run (textures, tables, logs, edited images): no output may replace one.
  std::set<TFileId> SourceIds;

  // Wanted path, or a distinct one; renamed says which. Raises EFCreateError "Cannot create file
  // <path>" when the path is one of the run's sources.
  std::string Claim(std::size_t entry, const std::string& wanted, bool& renamed);
  // A font's rebuilt table and texture, which the game finds by one base name: both get the same
  // distinct name. Returns the table's path; the texture's is that with ".dds".
  std::string ClaimPair(std::size_t entry, const std::string& wantedTable, bool& renamed);
  // The entry claims nothing more: later entries may go ahead.
  void Finish(std::size_t entry);
  void CheckNotASource(const std::string& path) const;

 private:
  void WaitForTurn(std::unique_lock<std::mutex>& lock, std::size_t entry);
  std::mutex lock_;
  std::condition_variable turnChanged_;
  std::size_t turn_ = 0;
  std::set<std::size_t> finished_;  // entries ended before their turn came
  std::set<std::string> taken_;
};

// The run a job belongs to: one per entry.
struct TJobContext {
  std::string TargetDir;
  std::vector<std::string>* ResultLog = nullptr;
  TJobReporter* Reporter = nullptr;
  TOutputNames* Names = nullptr;  // null: a context of its own (one job alone)
  std::size_t Entry = 0;
  // An entry that writes one output (an export) lets later entries go ahead once it is named.
  bool SingleOutput = false;
  // Inserts look at each edited image for signs of a mistake (upside down, alpha lost, not edited);
  // strict makes each such warning fail its record, nothing written.
  bool CheckEdits = true;
  bool Strict = false;

  // TargetDir + separator + name, made distinct from the outputs already written in this run.
  std::string ExportPath(const std::string& name);
  // The same for an insert output wanted at path (in TargetDir). Sets renamed when the name changed.
  std::string InsertPath(const std::string& path, bool& renamed);
  std::string InsertPairPath(const std::string& tablePath, bool& renamed);

 private:
  TOutputNames& Names_();
  std::shared_ptr<TOutputNames> own_;
};

// One record of a result log under replay, as the imports need it.
struct TImportRecord {
  std::string SourcePath;      // the "#Source: " value
  TStream* Source = nullptr;   // the source opened for reading; null when it does not exist
  std::string OutputPath;      // target directory + the source's file name
  bool ImageIsBitmap = false;  // "#Target BMP" (else TGA)
  std::string ImagePath;
  // Font records: the range of codes, FirstCode up to but not including EndCode. RangeError says
  // what is wrong with the code lines when they give no range.
  std::int32_t FirstCode = 0, EndCode = 0;
  std::string RangeError;
};

inline constexpr std::int32_t KeptCodeLimit = 0x7F;
inline constexpr std::int32_t NewGlyphCode = 0xC0;
inline constexpr std::uint16_t kUnclearedGlyphSize = 64;

// What looks wrong about an edited image against its texture: upside down, alpha lost, or not edited at
// all. The edit has the texture's size and pixel format; image is the texture as loaded (header at
// 0, rows from 128). One line per warning, empty when nothing looks wrong.
std::vector<std::string> EditWarnings(const TBitmap& edit, const TMemoryStream& image);

// Puts the edited image back into the record's texture and writes the rebuilt texture, in the
// source's form, to OutputPath. A missing image skips the record (reported, nothing written).
// Everything is read and checked before the output is created; the output is written atomically
// and never over a source.
void ImportTexture(TJobContext& context, const TImportRecord& record);
// Lays the sheet's new glyphs into the font texture for the codes from 0xC0 on, clears the old areas
// from 0x7F on, and writes the rebuilt texture and font table under the target directory.
void ImportFontSheet(TJobContext& context, const TImportRecord& record);

// Writes the texture at sourcePath into the target directory as a BMP (24-bit) or TGA (32-bit) and
// appends its "#Target BMP: " or "#Target TGA: " line to the result log.
void ExportTexture(TJobContext& context, const std::string& sourcePath);
// The glyph sheet of a font table (at least 224 records) over its texture: a marker line and the
// glyph for each record, one cell below the other. tablePath names the table in errors.
TBitmap MakeGlyphSheet(const TMemoryStream& table, const TBitmap& texture, const std::string& tablePath);
// The new glyphs of the sheet laid into the texture for the codes from 0xC0 up to endCode, and the
// table's records for them rewritten; the old areas from 0x7F on are cleared first. The table holds
// the records from firstCode on. Returns the number of new glyphs. Names go into error messages.
struct TFontFiles {
  std::string Table, Texture, Sheet;
};
std::int32_t LayNewGlyphs(TMemoryStream& table, TBitmap& texture, const TBitmap& sheet, std::int32_t firstCode,
                          std::int32_t endCode, const TFontFiles& names);
// Writes the glyph sheet of the font table at tablePath (its texture beside it, ".dds") into the
// target directory and appends the target line.
void ExportFontSheet(TJobContext& context, const std::string& tablePath);

}  // namespace eit
