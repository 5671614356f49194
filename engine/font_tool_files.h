// The translators' tools on files: a glyph sheet drawn from a font with its insert log, a preview
// picture, and the font texture the window's preview shows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "formats/font_tools.h"

namespace eit {

struct TSheetFiles {
  std::string Sheet, Log;
  std::string Table;  // the glyph table as text, when asked for
  std::vector<std::string> Problems;
};
// Whether a sheet comes with the glyph table its insert will make, as text ("<table>.csv"), which its log
// names ("#Table:") so that spacing set in it survives the sheet's inserts.
enum class TSheetTable : std::uint8_t { Without, With };
// Writes "<table>_sheet.tga" and its insert log "<table>_sheet.log" (with its code lines) into
// directory, so that an insert of the log lays the new glyphs in without any editing; all the files or
// none. note hears what was decided before drawing (the letters, their size).
TSheetFiles WriteGlyphSheetFromFont(const std::string& tablePath, const TSheetOptions& options,
                                    const std::string& directory,
                                    const std::function<void(const TText&)>& note = {},
                                    TSheetTable table = TSheetTable::Without);

// The same from a font table file (its texture beside it) into a picture file: TGA, or BMP by the
// extension of outputPath.
TPreview WritePreview(const std::string& tablePath, const std::string& text, const TPreviewOptions& options,
                      const std::string& outputPath);
// The pixels of the font texture beside the table at tablePath (".dds").
TBitmap LoadFontTexture(const std::string& tablePath);

// What drawing new letters gives, in memory: the sheet as sheet draws it, with everything sheet says,
// and a sentence set with the font as the insert would rebuild it.
struct TLetterDraft {
  TRenderedSheet Sheet;
  std::vector<TText> Notes;        // in sheet's order; warnings start with "warning: "
  TPreview Sentence;               // the sentence after the insert (its problems: characters without glyphs)
  TText Error;                     // why nothing could be drawn; the rest is empty then
};
// The same steps sheet, the insert and preview take. sentenceScale enlarges the sentence (1 to 8).
TLetterDraft DraftLetters(const TMemoryStream& table, const TBitmap& texture, const std::string& tablePath,
                          const std::string& fontBytes, const TSheetOptions& options, const std::string& sentence,
                          int sentenceScale = 1);
// The two files WriteGlyphSheetFromFont writes into directory for the table.
TSheetFiles SheetFilesFor(const std::string& tablePath, const std::string& directory);

}  // namespace eit
