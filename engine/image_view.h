// What the window's viewer shows for an entry of the list, before anything runs: a texture's picture, a
// font table's glyph sheet with its cells, or each record of a log (or of a list's logs) as its texture
// beside the edited image, with what the insert's checks would say about the edit.
#pragma once

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

struct TViewPicture {
  std::string Path;
  std::string Caption;  // "stone.dds: 64 x 64, 24-bit, packed texture"
  TBitmap Picture;      // empty when there is none to show (Caption says why)
  std::vector<TViewCell> Cells;
  // What the insert would warn of (upside down, alpha lost, not edited) or refuse (size differs, missing):
  // the viewer draws them on the picture.
  std::vector<std::string> Findings;
  std::vector<std::string> Tags;  // each finding in a word or two: "upside down", "alpha lost", ...
};

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
std::vector<std::string> RecordProblems(const TViewRecord& record, TPackEngine engine = TPackEngine::Fastest);

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
