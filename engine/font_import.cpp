// The font insert: a font's own sheet retouched in place, or new glyphs laid into its texture and table.
#include "engine/job_files.h"
#include "formats/codepages.h"
#include "formats/font_tools.h"
#include "formats/glyph_table_text.h"
#include "engine/main.h"
#include "engine/result_log.h"
#include "engine/sheet_findings.h"
#include "platform/paths.h"

#include <algorithm>
#include <optional>

namespace eit {

namespace {

// "#First:/#Last:", the lines that give a record its range.
std::string RangeLines() { return std::string(kFirstKeyword).append("/").append(kLastKeyword); }

// A font's table and texture with its glyphs laid in, ready to be written.
struct TRebuiltFont {
  TMemoryStream Table;
  detail::TLoadedTexture Texture;
  TBitmap Pixels;
  std::int32_t NewCodes = 0;
  std::optional<TGlyphsPutBack> InPlace;  // the table's own sheet, retouched where it lies
  std::vector<std::int32_t> Erased;       // the own sheet's glyphs that were erased
};

// The code of a table's record k, for messages: from the record's "#First:", else the usual first code.
std::int32_t CodeOf(const TImportRecord& record, std::int32_t k) { return (record.RangeGiven ? record.FirstCode : 0x20) + k; }

// A sheet of the table's cells whose marker column lost a few of its pixels is the own sheet touched by
// mistake, not a sheet of new glyphs: laying it over 0xC0 on would wreck the font.
void CheckMarkers(const TImportRecord& record, const TOwnSheetMatch& match, std::int32_t rows) {
  if (match.MarkerRows.empty() || match.MarkerRows.size() > static_cast<std::size_t>(rows / 20)) return;
  std::string at;
  for (std::size_t k = 0; k < match.MarkerRows.size() && k < 5; ++k)
    at += (k == 0 ? "" : ", ") + std::to_string(match.MarkerRows[k]);
  const TText listed = ListWithMore(at, match.MarkerRows.size() - std::min<std::size_t>(match.MarkerRows.size(), 5));
  throw Exception(Says(match.MarkerRows.size() == 1
                           ? EIT_SAYS("%1: the sheet has the table's cells, but its marker column (column 0) differs from "
                                      "the one the extract drew at row %2; restore the markers to retouch the font in place "
                                      "(a sheet of new glyphs has markers of its own)")
                           : EIT_SAYS("%1: the sheet has the table's cells, but its marker column (column 0) differs from "
                                      "the one the extract drew at rows %2; restore the markers to retouch the font in "
                                      "place (a sheet of new glyphs has markers of its own)"),
                       {record.ImagePath, listed}),
                  record.ImagePath);
}

// The sheet the extract wrote for this font, retouched: what changed goes back where it came from.
bool PutBackInPlace(const TImportRecord& record, TBitmap& sheet, TRebuiltFont& font) {
  if (font.Table.Size() < kFontTableSize) return false;
  TBitmap own;
  try {
    own = MakeGlyphSheet(font.Table, font.Pixels, record.SourcePath);
  } catch (const Exception&) {
    return false;  // a table the extract cannot draw a sheet of has none of its own
  }
  // A 24-bit font's sheet saved as PNG or TGA comes back with an alpha it never had.
  if (own.PixelFormat() == TPixelFormat::pf24bit && sheet.PixelFormat() == TPixelFormat::pf32bit)
    sheet.ConvertTo(TPixelFormat::pf24bit);
  const TOwnSheetMatch match = CompareWithOwnSheet(own, sheet, font.Table, font.Pixels);
  font.Erased = match.Erased;
  CheckMarkers(record, match, own.Height());
  if (!match.Own) return false;
  const std::int32_t records = record.RangeGiven ? record.EndCode - record.FirstCode : kFontRecords;
  font.InPlace = PutGlyphsBack(own, sheet, font.Table, font.Pixels, std::clamp(records, 0, kFontRecords));
  return true;
}

// The codes of the first few of a table's records, the rest counted: "0x41, 0x42 and 12 more".
TText CodesOf(const TImportRecord& record, const std::vector<std::int32_t>& records, std::size_t shown) {
  std::string codes;
  for (std::size_t k = 0; k < records.size() && k < shown; ++k)
    codes += (k == 0 ? "" : ", ") + CodeText(CodeOf(record, records[k]));
  return ListWithMore(codes, records.size() - std::min(records.size(), shown));
}

// What is said, with " (it has the table's cells, but the glyphs of 0x41 ... are erased; ...)" when a sheet
// of the table's cells lost glyphs.
TText WithErasedNote(const TText& said, const TImportRecord& record, const std::vector<std::int32_t>& erased) {
  if (erased.empty()) return said;
  return Says(EIT_SAYS("%1 (it has the table's cells, but the glyphs of %2 are erased; to retouch the font in place, "
                       "keep every glyph)"),
              {said, CodesOf(record, erased, 5)});
}

void RebuildFont(TJobContext& context, const TImportRecord& record, const std::string& texturePath,
                 TRebuiltFont& font) {
  font.Table.LoadFromFile(record.SourcePath);
  if (record.RangeGiven) CheckGlyphRange(font.Table, record.FirstCode, record.EndCode, record.SourcePath);
  {
    TFileStream source(texturePath, FileMode::OpenRead);
    detail::LoadWholeTexture(source, texturePath, context.Engine, font.Texture);
  }
  InvertImageHeader(font.Texture.Image);
  ImageToBitmap(font.Texture.Image, font.Pixels);
  TBitmap sheet = detail::LoadEditedImage(record.ImagePath);
  if (!PutBackInPlace(record, sheet, font)) {
    if (!record.RangeGiven) throw Exception(WithErasedNote(record.RangeError, record, font.Erased), record.Log);
    CheckGlyphTexture(font.Pixels, texturePath, TSheetWords());
    // The table's own cells with glyphs erased: new glyphs, as intended or by a slip; said before they are laid.
    if (!font.Erased.empty())
      context.Reporter->Warning(record.SourcePath,
                                WithErasedNote(Says(EIT_SAYS("%1: taken as a sheet of new glyphs, laid from %2 on"),
                                                    {record.ImagePath, CodeText(std::max(record.FirstCode, record.NewCode))}),
                                               record, font.Erased),
                                EIT_SAYS("cells of new glyphs"));
    font.NewCodes = LayNewGlyphs(font.Table, font.Pixels, sheet, {record.FirstCode, record.EndCode, record.NewCode},
                                 {record.SourcePath, texturePath, record.ImagePath});
  }
  BitmapToImage(font.Pixels, font.Texture.Image);
  InvertImageHeader(font.Texture.Image);
}

// The spacing the log names ("#Table:"), after the glyphs are laid: a sheet drawn and inserted again keeps it.
void ApplySpacing(TJobContext& context, const TImportRecord& record, TRebuiltFont& font) {
  if (record.TablePath.empty()) return;
  TMemoryStream laid;
  laid.WriteBuffer(font.Table.Memory(), static_cast<std::int32_t>(font.Table.Size()));
  const TTableApplied applied =
      ApplyGlyphTableText(LoadLines(record.TablePath), record.TablePath, static_cast<std::uint32_t>(font.Pixels.Width()),
                          static_cast<std::uint32_t>(font.Pixels.Height()), font.Table);
  for (const TText& warning : applied.Warnings) context.Reporter->Warning(record.SourcePath, warning, EIT_SAYS("table widths"));
  if (!font.InPlace) detail::StaleLayoutWarning(context, record, laid, font.Table);
}

bool SameBytesAsFile(const TMemoryStream& bytes, const std::string& path) {
  TMemoryStream file;
  file.LoadFromFile(path);
  return file.Size() == bytes.Size() &&
         std::equal(file.Memory(), file.Memory() + file.Size(), bytes.Memory());
}

// Edits that went nowhere are said, whatever else the run does with the record.
void LeftOutWarnings(TJobContext& context, const TImportRecord& record, const TGlyphsPutBack& done) {
  if (done.Outside > 0)
    detail::EditWarning(context, record,
                        Says(EIT_SAYS("%1: %2 changed pixels lie outside every glyph's box and are left out: retouched in "
                                      "place, a glyph keeps its box (draw a larger one as a new glyph, with %3 lines)"),
                             {record.ImagePath, std::to_string(done.Outside), RangeLines()}),
                        EIT_SAYS("outside the boxes"));
  if (!done.PastRange.empty())
    detail::EditWarning(context, record,
                        Says(EIT_SAYS("%1: the glyphs of %2 were retouched, but lie past the record's range (%3) and are "
                                      "left out: widen the range, or delete the %4 lines"),
                             {record.ImagePath, CodesOf(record, done.PastRange, 10), CodeLine(kLastKeyword, record.EndCode),
                              RangeLines()}),
                        EIT_SAYS("past the range"));
}

// What a retouched sheet may not do as the user meant: nothing edited, drawing outside the glyphs' boxes,
// glyphs that share their place.
void InPlaceWarnings(TJobContext& context, const TImportRecord& record, const TGlyphsPutBack& done, bool tableChanged) {
  const std::string& sheet = record.ImagePath;
  if (done.Changed.empty() && done.PastRange.empty() && done.Outside == 0 && !tableChanged)
    detail::EditWarning(context, record,
                        Says(EIT_SAYS("%1: the glyph sheet equals the font's own: nothing was edited, the font is rebuilt "
                                      "as it was"), {sheet}),
                        EIT_SAYS("unedited sheet"));
  LeftOutWarnings(context, record, done);
  if (done.Shared.empty()) return;
  TText shared;
  for (std::size_t k = 0; k < done.Shared.size() && k < 10; ++k) {
    const TText pair = Says(EIT_SAYS("%1 with %2"), {CodeText(CodeOf(record, done.Shared[k].first)),
                                                     CodeText(CodeOf(record, done.Shared[k].second))});
    shared = k == 0 ? pair : Says(EIT_SAYS("%1, %2"), {shared, pair});
  }
  shared = ListWithMore(shared, done.Shared.size() - std::min<std::size_t>(done.Shared.size(), 10));
  detail::EditWarning(context, record,
                      Says(EIT_SAYS("%1: glyphs drawn anew share their place in the texture with others, which show the "
                                    "new drawing too: %2"), {sheet, shared}),
                      EIT_SAYS("shared glyphs"));
}

}  // namespace

void ImportFontSheet(TJobContext& context, const TImportRecord& record) {
  if (!FileExists(record.ImagePath)) {
    context.Reporter->FileSkipped(record.SourcePath, record.ImagePath, true);
    return;
  }
  // Code lines given are checked, whatever the sheet.
  if (record.RangeGiven && !record.RangeError.English.empty()) throw Exception(record.RangeError, record.Log);
  const std::string& tablePath = record.SourcePath;
  const std::string texturePath = FontTexturePath(tablePath);
  const auto checkOutputs = [&](const std::string& table) {
    detail::CheckNotASource(table, {tablePath, texturePath, record.ImagePath});
    detail::CheckNotASource(ChangeFileExt(table, ".dds"), {tablePath, texturePath, record.ImagePath});
  };
  checkOutputs(record.OutputPath);

  // Read and check every input before any output exists.
  TRebuiltFont font;
  RebuildFont(context, record, texturePath, font);
  ApplySpacing(context, record, font);
  // Spacing edited alone is an edit too.
  const bool tableChanged = !SameBytesAsFile(font.Table, tablePath);
  if (context.ChangedOnly && font.InPlace && font.InPlace->Changed.empty() && !tableChanged) {
    LeftOutWarnings(context, record, *font.InPlace);  // an edit that went nowhere is said all the same
    context.Reporter->Unedited(record.SourcePath);
    return;
  }
  if (font.InPlace) InPlaceWarnings(context, record, *font.InPlace, tableChanged);
  // The pair keeps one base name, even when it must take another one.
  bool renamed = false;
  const std::string outputTable = context.InsertPairPath(record.OutputPath, renamed);
  // The game's spelling: BIG.DDS copied over a game must replace BIG.DDS.
  const std::string outputTexture = ChangeFileExt(outputTable, ExtractFileExt(texturePath));
  if (renamed) checkOutputs(outputTable);
  // A mod gets the table only when it differs from the game's, or would otherwise keep an older one.
  const bool tableToo = !context.ChangedOnly || FileExists(outputTable) || tableChanged;
  // Both files are complete, and both names free to take, before either takes its name.
  auto textureFile = std::make_unique<TAtomicFile>(outputTexture);
  auto tableFile = tableToo ? std::make_unique<TAtomicFile>(outputTable) : nullptr;
  StoreTextureImage(font.Texture.Image, font.Texture.Form, textureFile->Stream(), context.Engine);
  if (tableFile) font.Table.SaveToStream(tableFile->Stream());
  const std::int64_t textureBytes = textureFile->Finish(), tableBytes = tableFile ? tableFile->Finish() : 0;
  context.Reporter->Publish({std::move(textureFile), std::move(tableFile)});
  TWrittenFile written = detail::Described(TWrittenFile::TWhat::FontTexture, font.Pixels, font.Texture.Form);
  if (font.InPlace)
    written.Retouched = static_cast<std::int64_t>(font.InPlace->Changed.size());
  else
    written.NewGlyphs = font.NewCodes;
  TWrittenFile table;
  table.What = TWrittenFile::TWhat::FontTable;
  if (renamed) {
    detail::NoteRenamed(written, record.OutputPath, tablePath);
    detail::NoteRenamed(table, record.OutputPath, tablePath);
  }
  context.Reporter->FileWritten(texturePath, outputTexture, textureBytes, written);
  if (tableToo) context.Reporter->FileWritten(tablePath, outputTable, tableBytes, table);
  if (font.InPlace) return;
  detail::SheetFindingWarnings(context, record, font.Table, font.Pixels);
}

}  // namespace eit
