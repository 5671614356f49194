#include "engine/font_tool_files.h"
#include "codecs/pictures.h"

#include <filesystem>
#include <memory>

#include "engine/glyph_table_files.h"
#include "engine/job_files.h"
#include "engine/result_log.h"
#include "formats/codepages.h"
#include "engine/main.h"
#include "platform/native.h"
#include "platform/paths.h"

namespace eit {

TBitmap LoadFontTexture(const std::string& tablePath) {
  return detail::LoadTextureBitmap(FontTexturePath(tablePath));
}

namespace {

// The table as the insert of a sheet lays its glyphs in, on copies of the table and texture.
void LayOnCopies(const TMemoryStream& table, const TBitmap& texture, const TRenderedSheet& sheet, int end,
                 const std::string& tablePath, TMemoryStream& laidTable, TBitmap& laidTexture) {
  laidTable.WriteBuffer(table.Memory(), static_cast<std::int32_t>(table.Size()));
  laidTexture = TBitmap(texture.PixelFormat(), texture.Width(), texture.Height());
  laidTexture.CopyRect({0, 0, texture.Width(), texture.Height()}, texture, {0, 0, texture.Width(), texture.Height()});
  LayNewGlyphs(laidTable, laidTexture, sheet.Sheet, {0x20, end, sheet.First},
               {tablePath, FontTexturePath(tablePath), "the drawn sheet"});
}

TSheetFindings FindingsOf(const TRenderedSheet& rendered, int codePage) {
  TSheetFindings findings;
  findings.NewCode = rendered.First;
  findings.Placeholders = rendered.Placeholders;
  for (const TAlikePair& pair : rendered.Alike) findings.Alike.emplace_back(pair.CodeA, pair.CodeB);
  for (const TLostMark& mark : rendered.Lost) findings.Lost.push_back(mark.Code);
  findings.CodePage = codePage;
  return findings;
}

}  // namespace

TSheetFiles WriteGlyphSheetFromFont(const std::string& tablePath, const TSheetOptions& options,
                                    const std::string& directory, const std::function<void(const TText&)>& note,
                                    TSheetTable withTable) {
  TMemoryStream table, font;
  table.LoadFromFile(tablePath);
  // The texture must be there for the insert that follows, and its kept glyphs give the letters'
  // measures: better to hear now that it is missing.
  if (!FileExists(FontTexturePath(tablePath)))
    throw Exception(Says(EIT_SAYS("%1: its texture %2 is missing"), {tablePath, FontTexturePath(tablePath)}), tablePath);
  TSheetFiles files = SheetFilesFor(tablePath, directory);
  // Refused before anything is drawn: the user's edited spacing, perhaps.
  if (withTable == TSheetTable::With) files.Table = FreeTableTextPath(tablePath, directory);
  const TBitmap texture = LoadFontTexture(tablePath);
  font.LoadFromFile(options.FontFile);
  const std::string fontBytes(reinterpret_cast<const char*>(font.Memory()), static_cast<std::size_t>(font.Size()));
  const TRenderedSheet rendered = RenderGlyphSheet(table, texture, tablePath, fontBytes, options, note);
  files.Problems = rendered.Problems;
  TSheetFindings findings = FindingsOf(rendered, options.CodePage);
  // The sheet is of no use without its log, nor the log without its sheet (or the table it names): all or none.
  std::unique_ptr<TAtomicFile> text;
  if (!files.Table.empty()) {
    TMemoryStream laidTable;
    TBitmap laidTexture;
    LayOnCopies(table, texture, rendered, options.End, tablePath, laidTable, laidTexture);
    const std::string csv = GlyphTableText(laidTable, options.CodePage);
    text = std::make_unique<TAtomicFile>(files.Table);
    text->RefuseToReplace();
    text->Stream().WriteBuffer(csv.data(), static_cast<std::int32_t>(csv.size()));
    findings.Table = AbsolutePath(files.Table);
  }
  TAtomicFile sheet(files.Sheet), log(files.Log);
  WritePicture(sheet.Stream(), rendered.Sheet, TPictureFormat::Tga);
  WriteLines(log.Stream(), FontRecord(AbsolutePath(tablePath), AbsolutePath(files.Sheet), 0x20, options.End, findings));
  if (text) text->Commit();
  try {
    TAtomicFile::CommitPair(sheet, log);
  } catch (...) {
    std::error_code ignored;
    if (text) std::filesystem::remove(FsPath(files.Table), ignored);
    throw;
  }
  return files;
}

TPreview WritePreview(const std::string& tablePath, const std::string& text, const TPreviewOptions& options,
                      const std::string& outputPath) {
  TMemoryStream table;
  table.LoadFromFile(tablePath);
  const TBitmap texture = LoadFontTexture(tablePath);
  TPreview preview = RenderPreview(table, texture, text, options, tablePath);
  const std::optional<TPictureFormat> format = PictureFormatOfName(outputPath);
  if (!format)
    throw Exception(Says(EIT_SAYS("%1: a preview is written as .tga, .bmp or .png, not \"%2\""),
                         {outputPath, ExtractFileExtLower(outputPath)}), outputPath);
  TAtomicFile file(outputPath);
  WritePicture(file.Stream(), preview.Picture, *format);
  file.Commit();
  return preview;
}

TSheetFiles SheetFilesFor(const std::string& tablePath, const std::string& directory) {
  TSheetFiles files;
  const std::string base = JoinPath(directory, ChangeFileExt(ExtractFileName(tablePath), "") + "_sheet");
  files.Sheet = base + ".tga";
  files.Log = base + ".log";
  return files;
}

TLetterDraft DraftLetters(const TMemoryStream& table, const TBitmap& texture, const std::string& tablePath,
                          const std::string& fontBytes, const TSheetOptions& options, const std::string& sentence,
                          int sentenceScale) {
  TLetterDraft draft;
  try {
    draft.Sheet = RenderGlyphSheet(table, texture, tablePath, fontBytes, options,
                                   [&](const TText& note) { draft.Notes.push_back(note); });
    // The insert's own step, on copies: what the game will have.
    TMemoryStream rebuiltTable;
    TBitmap rebuilt;
    LayOnCopies(table, texture, draft.Sheet, options.End, tablePath, rebuiltTable, rebuilt);
    draft.Sentence = RenderPreview(rebuiltTable, rebuilt, sentence, {options.CodePage, sentenceScale}, tablePath);
  } catch (const std::exception& e) {
    draft = {};
    draft.Error = WordsOf(FailureOf(e));
  }
  return draft;
}

}  // namespace eit
