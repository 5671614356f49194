#include "engine/sheet_findings.h"

#include <algorithm>

#include "engine/job_files.h"
#include "engine/result_log.h"
#include "formats/codepages.h"
#include "formats/font_tools.h"

namespace eit::detail {

namespace {

// A letter as the insert names it: "Ś (0x8C)" when the log gives the sheet's code page, else its code.
std::string Named(const TImportRecord& record, std::int32_t code) {
  if (record.CodePage == 0 || code < 0 || code > 0xFF) return CodeText(code);
  return CharacterName(CharacterOf(record.CodePage, static_cast<std::uint8_t>(code)), code);
}

bool IsNew(const TImportRecord& record, std::int32_t code) {
  return code >= std::max(record.FirstCode, record.NewCode) && code < record.EndCode;
}

GlyphRecord RecordOf(const TImportRecord& record, const TMemoryStream& table, std::int32_t code) {
  const std::int64_t at = std::int64_t{code - record.FirstCode} * kGlyphRecordSize;
  if (code < record.FirstCode || at + kGlyphRecordSize > table.Size()) return {};
  return ReadGlyphRecord(table.Memory() + at);
}

// Letters the sheet drew alike that are alike still in the rebuilt font (not touched up).
void AlikeWarning(TJobContext& context, const TImportRecord& record, const TMemoryStream& table, const TBitmap& pixels) {
  const auto ink = [&](std::int32_t code) {
    const GlyphRecord g = RecordOf(record, table, code);
    return GlyphInk(pixels, g.Left, g.Top, g.Right, g.Bottom);
  };
  std::string still;
  std::size_t count = 0;
  for (const auto& [a, b] : record.Alike) {
    const TGlyphInk x = ink(a), y = ink(b);
    const int differ = InkDifference(x, y);
    if (x.Columns == 0 || differ < 0 || differ > 1 || ++count > kListedAtMost) continue;
    still.append(still.empty() ? "" : ", ").append(Named(record, a)).append(differ == 0 ? " = " : " \u2248 ");
    still.append(Named(record, b));
  }
  if (still.empty()) return;
  const TText pairs = count > kListedAtMost
                          ? Says(EIT_SAYS("%1 and %2 more pairs"), {still, std::to_string(count - kListedAtMost)})
                          : TText(still);
  context.Reporter->Warning(record.SourcePath,
                            Says(EIT_SAYS("glyphs that look alike, as the sheet found them: %1 ('=' the same, '\u2248' one "
                                          "pixel apart); the game would show one for the other: touch them up in %2"),
                                 {pairs, record.ImagePath}));
}

// The new letters of the codes, named (the first kListedAtMost), and how many.
TText NewLetters(const TImportRecord& record, const std::vector<std::int32_t>& codes, int& count) {
  std::string names;
  count = 0;
  for (const std::int32_t code : codes)
    if (IsNew(record, code) && static_cast<std::size_t>(count++) < kListedAtMost)
      names.append(count == 1 ? "" : ", ").append(Named(record, code));
  const std::size_t shown = std::min<std::size_t>(static_cast<std::size_t>(count), kListedAtMost);
  return ListWithMore(names, static_cast<std::size_t>(count) - shown);
}

// Boxes the sheet drew for letters its font had not are in the game now.
void PlaceholderWarning(TJobContext& context, const TImportRecord& record) {
  int count = 0;
  const TText letters = NewLetters(record, record.Placeholders, count);
  if (count == 0) return;
  context.Reporter->Warning(
      record.SourcePath,
      Says(count == 1 ? EIT_SAYS("the new glyph of %1 is a placeholder box (the sheet's font had no glyph for them); draw "
                                 "them in %2 and delete the log's %3 line")
                      : EIT_SAYS("the new glyphs of %1 are placeholder boxes (the sheet's font had no glyph for them); "
                                 "draw them in %2 and delete the log's %3 line"),
           {letters, record.ImagePath, kPlaceholdersKeyword}));
}

// Letters whose marks the sheet did not draw read as their base letters in the game.
void LostMarkWarning(TJobContext& context, const TImportRecord& record) {
  int count = 0;
  const TText letters = NewLetters(record, record.Lost, count);
  if (count == 0) return;
  context.Reporter->Warning(
      record.SourcePath,
      Says(count == 1 ? EIT_SAYS("the letter %1 lost its marks (accents, dots) when the sheet was drawn and read as base "
                                 "letters, unless touched up in %2; delete the log's %3 line once they are")
                      : EIT_SAYS("the letters %1 lost their marks (accents, dots) when the sheet was drawn and read as "
                                 "base letters, unless touched up in %2; delete the log's %3 line once they are"),
           {letters, record.ImagePath, kLostKeyword}));
}

bool Overlap(const GlyphRecord& a, const GlyphRecord& b) {
  return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) && std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

bool SameBox(const GlyphRecord& a, const GlyphRecord& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

}  // namespace

void SheetFindingWarnings(TJobContext& context, const TImportRecord& record, const TMemoryStream& table,
                          const TBitmap& pixels) {
  PlaceholderWarning(context, record);
  LostMarkWarning(context, record);
  AlikeWarning(context, record, table, pixels);
}

void StaleLayoutWarning(TJobContext& context, const TImportRecord& record, const TMemoryStream& laid,
                        const TMemoryStream& table) {
  const std::int32_t first = std::max(record.FirstCode, record.NewCode);
  std::vector<std::int32_t> crossing;
  for (std::int32_t code = first; code < record.EndCode; ++code) {
    const GlyphRecord moved = RecordOf(record, table, code);
    if (SameBox(moved, RecordOf(record, laid, code))) continue;
    for (std::int32_t other = first; other < record.EndCode; ++other)
      if (other != code && Overlap(moved, RecordOf(record, laid, other))) {
        crossing.push_back(code);
        break;
      }
  }
  int count = 0;
  const TText letters = NewLetters(record, crossing, count);
  if (count == 0) return;
  EditWarning(context, record,
              Says(count == 1 ? EIT_SAYS("%1 puts the box of %2 over where this insert laid other new letters, which would "
                                         "show in them: the table was written for another layout of the sheet's letters, "
                                         "perhaps (drawn again since); write it again, or leave out the rows of letters "
                                         "you did not set")
                              : EIT_SAYS("%1 puts the boxes of %2 over where this insert laid other new letters, which "
                                         "would show in them: the table was written for another layout of the sheet's "
                                         "letters, perhaps (drawn again since); write it again, or leave out the rows of "
                                         "letters you did not set"),
                   {record.TablePath, letters}),
              EIT_SAYS("table over other letters"));
}

}  // namespace eit::detail
