// What the window's viewer shows for an entry of the list, before anything runs: a texture's picture, a
// font table's glyph sheet with its cells, or each record of a log (or of a list's logs) as its texture
// beside the edited image, with what the insert's checks would say about the edit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/main.h"
#include "platform/bitmap.h"

namespace eit {

// A glyph sheet's cell and the code it holds.
struct TViewCell {
  TRect Box;
  std::int32_t Code = 0;
};

// A texture as a caption describes it.
struct TTextureFacts {
  std::string File;  // its file name
  std::int64_t Width = 0, Height = 0;
  int Bits = 0;
  bool Packed = false;
};

// What a picture is, or why there is none; the window words it.
struct TViewCaption {
  enum class TKind : std::uint8_t { None, Texture, GlyphSheet, EditedImage, Missing, Unreadable } Kind = TKind::None;
  std::string File = {};               // the picture's file name (a glyph sheet's: its table's)
  std::int64_t Width = 0, Height = 0;  // a glyph sheet's or an edited image's
  TTextureFacts Texture = {};          // the texture, or the one a glyph sheet is over
  std::int32_t Cells = 0;              // a glyph sheet's
  std::optional<std::int32_t> NewGlyphsFrom = {};  // an edited glyph sheet that lays new glyphs
  std::string Error = {};              // Unreadable: what is wrong, naming the file
};

// What the insert would say of an edit.
struct TViewFinding {
  enum class TKind : std::uint8_t { Missing, Unreadable, SizeDiffers, Edit } Kind = TKind::Edit;
  TEditFinding Edit = TEditFinding::Unedited;
  std::int64_t Width = 0, Height = 0, TextureWidth = 0, TextureHeight = 0;  // SizeDiffers
};

struct TViewPicture {
  std::string Path;
  TViewCaption Caption;
  TBitmap Picture;      // empty when there is none to show (Caption says why)
  std::vector<TViewCell> Cells;
  // What the insert would warn of (upside down, alpha lost, not edited) or refuse (size differs, missing):
  // the viewer draws them on the picture.
  std::vector<TViewFinding> Findings;
};

// "stone.dds: 64 x 64, 24-bit, packed texture"
std::string EnglishCaption(const TViewCaption& caption);
// "size differs: 32 x 32, the texture is 64 x 64"
std::string EnglishFinding(const TViewFinding& finding);

struct TViewRecord {
  std::string Name;      // the source's file name, with the log's line
  // A log's record: what it names; its pictures are read when it is shown (LoadViewRecord), one at a time,
  // so that a game's log of thousands of records costs no more than one.
  TJobKind Format = TJobKind::Texture;
  TImportRecord Record;
  bool Plain = false;    // a file of a game's folder (Record.SourcePath): its picture alone, read when shown
  bool Loaded = false;
  TViewPicture Source;   // the texture (or the glyph sheet of a font record's table)
  TViewPicture Edited;   // log records only
};

struct TEntryView {
  std::string Title;  // the entry's path
  bool IsLog = false;
  std::vector<TViewRecord> Records;  // one for a texture or font table
  std::string Error;                 // what could not be read, naming the file
};

// Reads an entry for the viewer. Never raises for a bad file: Error (or a picture's Caption) says what is
// wrong. A list's logs give their records in the list's order, none of them loaded; a game's folder gives
// its textures and font tables, named by their place in its tree, none of them loaded.
TEntryView ViewEntry(const TJobEntry& entry, TPackEngine engine = TPackEngine::Fastest);
// Reads a log record's texture and edited image, and what the insert's checks find; never raises.
void LoadViewRecord(TViewRecord& record, TPackEngine engine = TPackEngine::Fastest);
// What is wrong with a log record's edit (upside down, alpha lost, size differs, missing, unreadable; an
// unedited image is nothing wrong), its pictures read and let go; an image still as its extract wrote it (its
// digest) is not read at all.
std::vector<TViewFinding> RecordProblems(const TViewRecord& record, TPackEngine engine = TPackEngine::Fastest);

// How a picture with alpha is shown: over a background, with its alpha ignored, or its alpha alone.
enum class TAlphaShow { Checkerboard, Ignore, AlphaOnly };
// What shows through where a picture is transparent.
enum class TViewGround { LightCheckers, DarkCheckers, Black, White };
// The picture as shown, 24-bit; a 24-bit picture is shown as it is (its alpha alone is white).
TBitmap ComposeForView(const TBitmap& picture, TAlphaShow show, TViewGround ground = TViewGround::LightCheckers);
// A background its opaque pixels stand out on: dark checkers under light glyphs (a font's are white),
// light ones otherwise.
TViewGround ContrastingGround(const TBitmap& picture);

}  // namespace eit
