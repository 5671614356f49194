// The glyph table as text: one row a record, for a spreadsheet or an editor, and its rows back into the
// table. The codes of record k is 0x20 + k.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/streams.h"
#include "platform/texts.h"

namespace eit {

// "code,char,left,top,right,bottom,width,height,extra" and a row a record: UTF-8 with a byte-order mark
// (spreadsheets take the characters right), CR LF, a field quoted where its text needs it. The character
// is the code's in the code page, for reading only.
std::string GlyphTableText(const TMemoryStream& table, int codePage);

// What applying rows did: the records changed, and what looks wrong without being impossible.
struct TTableApplied {
  int Changed = 0;
  std::vector<TText> Warnings;  // "<file>: line 5: ..."
};
// Puts the rows' values into the table's records. The lines may be separated by ',', ';' or tab (the
// header tells), the columns in any order (named by the header, "char" optional), the rows in any order
// and any left out (their records keep their values). A row as its record stands is taken as it is; a
// changed one must hold a box inside the texture (right not before left, bottom not above top). A value
// that cannot be, a code given twice or a row cut short is refused naming name, the line and the column,
// and the table is left as it was. A width other than right - left is a warning (games read it as the
// advance).
TTableApplied ApplyGlyphTableText(const std::vector<std::string>& lines, const std::string& name,
                                  std::uint32_t textureWidth, std::uint32_t textureHeight, TMemoryStream& table);

// What is wrong with a glyph's box in a texture of that size (right before left, bottom above top, past an
// edge), and which of its fields is wrong (2: right, 3: bottom); no field and no text when nothing is.
struct TBoxProblem {
  int Field = -1;
  TText Text;
};
TBoxProblem GlyphBoxProblem(std::uint16_t left, std::uint16_t top, std::uint16_t right, std::uint16_t bottom,
                            std::uint32_t textureWidth, std::uint32_t textureHeight);

}  // namespace eit
