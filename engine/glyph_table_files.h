// A font's glyph table as a text file for a spreadsheet or an editor, and such a file's rows back into a
// new table: never over the source.
#pragma once

#include <string>

#include "formats/glyph_table_text.h"

namespace eit {

// Writes "<FONT>.csv" of the table at tablePath into directory (the characters in codePage), never over a file
// there (the user's edited spacing, perhaps); returns its path.
std::string WriteGlyphTableFile(const std::string& tablePath, int codePage, const std::string& directory);

// "<FONT>.csv" in directory, refused when a file has that name already or it is the source.
std::string FreeTableTextPath(const std::string& tablePath, const std::string& directory);

struct TTableFiles {
  std::string Table, Texture;
  TTableApplied Applied;
};
// Writes the table with the rows of textPath into directory, its texture beside it unchanged, both or neither;
// refuses a directory where they would replace the sources.
TTableFiles ApplyGlyphTableFile(const std::string& tablePath, const std::string& textPath, const std::string& directory);
// The same for a table edited in memory (the window's "Glyph table..."): written with the texture beside the
// source table, into directory, both or neither, never over the sources.
TTableFiles WriteEditedTable(const TMemoryStream& table, const std::string& tablePath, const std::string& directory);
// "<FONT>.csv" of a table edited in memory, as WriteGlyphTableFile writes it.
std::string WriteEditedTableText(const TMemoryStream& table, const std::string& tablePath, int codePage,
                                 const std::string& directory);

}  // namespace eit
