// What a font insert of new glyphs says of the letters its sheet's log names, and of the spacing the log
// applies over them. For the engine's files only.
#pragma once

#include "engine/jobs.h"
#include "platform/bitmap.h"
#include "platform/streams.h"

namespace eit::detail {

// The letters the sheet drew alike and alike still in the rebuilt font, those drawn as boxes, those whose
// marks were lost: a warning each kind, naming the letters when the log gives its code page.
void SheetFindingWarnings(TJobContext& context, const TImportRecord& record, const TMemoryStream& table,
                          const TBitmap& pixels);

// The rows of a "#Table:" file that put a new glyph's box over where this insert laid another: the table
// was written for another layout of the sheet's letters (drawn again at another size, say), and those
// letters would show pieces of others. laid is the table before the rows were applied, table after.
void StaleLayoutWarning(TJobContext& context, const TImportRecord& record, const TMemoryStream& laid,
                        const TMemoryStream& table);

}  // namespace eit::detail
