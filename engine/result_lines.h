// A run's results lines as facts. The window words them in its language; EnglishLine gives the words
// eitool-cli prints and the run's report keeps.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "formats/formathandlers.h"
#include "platform/texts.h"

namespace eit {

// What a written file holds, as its results line describes it.
struct TWrittenFile {
  enum class TWhat : std::uint8_t { Image, GlyphSheet, Texture, FontTexture, FontTable } What = TWhat::Image;
  bool Packed = false;                      // textures: packed, or raw
  std::int32_t Width = 0, Height = 0;       // the picture (all but a font table)
  bool Alpha = false;                       // 32-bit, or 24
  std::optional<std::int64_t> NewGlyphs;    // a font texture: the new glyphs laid, or
  std::int64_t Retouched = 0;               // (none laid) the glyphs retouched in place
  // Renamed, since another record of the run wrote the name it wanted: that name, and this one's source.
  std::string Wanted = {}, RenamedSource = {};
};

// A warning about an input the run went on with.
struct TWarning {
  TText Text;                 // its words, naming what it concerns
  std::string Family = {};    // warnings of one family are counted past the first few (empty: each its own)
  std::string Image = {};     // an edit check's: the edited image, and its finding
  std::optional<TEditFinding> Edit = {};
};

struct TResultLine {
  enum class TKind : std::uint8_t {
    Written,        // Source wrote Path (File, Count bytes)
    Skipped,        // Source's edited image (Sheet: glyph sheet) Path does not exist
    Warning,        // about Source (Path, Edit: an edit check's finding; Text: its words)
    Unedited,       // Count images unedited, not written
    UneditedAgain,  // Source unedited again: Path taken out of the mod
    MoreWarnings,   // Count more warnings like Text (Edit: an edit check's)
    LeftRemoved,    // Path, a temporary a killed run left, removed
    Total,          // Count bytes extracted (Extracted) or written
  } Kind = TKind::Written;
  std::string Source = {}, Path = {};
  TText Text = {};
  std::int64_t Count = 0;
  TWrittenFile File = {};
  std::optional<TEditFinding> Edit = {};
  bool Sheet = false;
  bool Extracted = false;
};

// "stone.dds: wrote /mod/stone.dds (packed texture, 64 x 64, 24-bit, 12345 bytes)"
std::string EnglishLine(const TResultLine& line);
// "packed texture, 64 x 64, 24-bit"
std::string EnglishWhat(const TWrittenFile& file);
bool IsWarningLine(const TResultLine& line);

}  // namespace eit
