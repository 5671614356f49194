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
  if (match.MarkerRows.size() > 5) at += " and " + std::to_string(match.MarkerRows.size() - 5) + " more";
  throw Exception(record.ImagePath + ": the sheet has the table's cells, but its marker column (column 0) differs "
                  "from the one the extract drew at row" + (match.MarkerRows.size() == 1 ? " " : "s ") + at +
                  "; restore the markers to retouch the font in place (a sheet of new glyphs has markers of its own)", record.ImagePath);
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

// "; its glyphs of 0x41, 0x42 and 12 more are erased" when a sheet of the table's cells lost glyphs.
std::string ErasedNote(const TImportRecord& record, const std::vector<std::int32_t>& erased) {
  if (erased.empty()) return "";
  std::string codes;
  for (std::size_t k = 0; k < erased.size() && k < 5; ++k)
    codes += (k == 0 ? "" : ", ") + CodeText(CodeOf(record, erased[k]));
  if (erased.size() > 5) codes += " and " + std::to_string(erased.size() - 5) + " more";
  return " (it has the table's cells, but the glyphs of " + codes + " are erased; to retouch the font in place, "
         "keep every glyph)";
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
    if (!record.RangeGiven) throw Exception(record.RangeError + ErasedNote(record, font.Erased), record.Log);
    CheckGlyphTexture(font.Pixels, texturePath, TSheetWords());
    // The table's own cells with glyphs erased: new glyphs, as intended or by a slip; said before they are laid.
    if (!font.Erased.empty())
      context.Reporter->Warning(record.SourcePath, record.ImagePath + ": taken as a sheet of new glyphs, laid from " +
                                                       CodeText(std::max(record.FirstCode, record.NewCode)) + " on" +
                                                       ErasedNote(record, font.Erased),
                                "cells of new glyphs");
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
  for (const std::string& warning : applied.Warnings) context.Reporter->Warning(record.SourcePath, warning, "table widths");
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
    detail::EditWarning(context, record, record.ImagePath + ": " + std::to_string(done.Outside) + " changed pixels lie "
                        "outside every glyph's box and are left out: retouched in place, a glyph keeps its box (draw a "
                        "larger one as a new glyph, with " + RangeLines() + " lines)", "outside the boxes");
  std::string codes;
  for (std::size_t k = 0; k < done.PastRange.size() && k < 10; ++k)
    codes += (k == 0 ? "" : ", ") + CodeText(CodeOf(record, done.PastRange[k]));
  if (done.PastRange.size() > 10) codes += " and " + std::to_string(done.PastRange.size() - 10) + " more";
  if (!codes.empty())
    detail::EditWarning(context, record, record.ImagePath + ": the glyphs of " + codes + " were retouched, but lie "
                        "past the record's range (" + CodeLine(kLastKeyword, record.EndCode) + ") and are left out: widen the "
                        "range, or delete the " + RangeLines() + " lines", "past the range");
}

// What a retouched sheet may not do as the user meant: nothing edited, drawing outside the glyphs' boxes,
// glyphs that share their place.
void InPlaceWarnings(TJobContext& context, const TImportRecord& record, const TGlyphsPutBack& done, bool tableChanged) {
  const std::string& sheet = record.ImagePath;
  if (done.Changed.empty() && done.PastRange.empty() && done.Outside == 0 && !tableChanged)
    detail::EditWarning(context, record, sheet + ": the glyph sheet equals the font's own: nothing was edited, the "
                                                 "font is rebuilt as it was", "unedited sheet");
  LeftOutWarnings(context, record, done);
  std::string shared;
  for (std::size_t k = 0; k < done.Shared.size() && k < 10; ++k)
    shared += (k == 0 ? "" : ", ") + CodeText(CodeOf(record, done.Shared[k].first)) + " with " +
              CodeText(CodeOf(record, done.Shared[k].second));
  if (done.Shared.size() > 10) shared += " and " + std::to_string(done.Shared.size() - 10) + " more";
  if (!shared.empty())
    detail::EditWarning(context, record, sheet + ": glyphs drawn anew share their place in the texture with "
                        "others, which show the new drawing too: " + shared, "shared glyphs");
}

}  // namespace

void ImportFontSheet(TJobContext& context, const TImportRecord& record) {
  if (!FileExists(record.ImagePath)) {
    context.Reporter->FileSkipped(record.SourcePath, record.ImagePath, true);
    return;
  }
  // Code lines given are checked, whatever the sheet.
  if (record.RangeGiven && !record.RangeError.empty()) throw Exception(record.RangeError, record.Log);
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
