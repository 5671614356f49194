#include "engine/font_tool_files.h"
#include "codecs/pictures.h"

#include "engine/job_files.h"
#include "engine/result_log.h"
#include "formats/codepages.h"
#include "engine/main.h"
#include "platform/paths.h"

namespace eit {

TBitmap LoadFontTexture(const std::string& tablePath) {
  return detail::LoadTextureBitmap(FontTexturePath(tablePath));
}

TSheetFiles WriteGlyphSheetFromFont(const std::string& tablePath, const TSheetOptions& options,
                                    const std::string& directory, const std::function<void(const std::string&)>& note) {
  TMemoryStream table, font;
  table.LoadFromFile(tablePath);
  // The texture must be there for the insert that follows, and its kept glyphs give the letters'
  // measures: better to hear now that it is missing.
  if (!FileExists(FontTexturePath(tablePath)))
    throw Exception(tablePath + ": its texture " + FontTexturePath(tablePath) + " is missing", tablePath);
  const TBitmap texture = LoadFontTexture(tablePath);
  font.LoadFromFile(options.FontFile);
  const std::string fontBytes(reinterpret_cast<const char*>(font.Memory()), static_cast<std::size_t>(font.Size()));
  const TRenderedSheet rendered = RenderGlyphSheet(table, texture, tablePath, fontBytes, options, note);
  TSheetFiles files = SheetFilesFor(tablePath, directory);
  files.Problems = rendered.Problems;
  // The sheet is of no use without its log, nor the log without its sheet: both or neither.
  TAtomicFile sheet(files.Sheet), log(files.Log);
  WritePicture(sheet.Stream(), rendered.Sheet, TPictureFormat::Tga);
  std::vector<std::pair<int, int>> alike;
  for (const TAlikePair& pair : rendered.Alike) alike.emplace_back(pair.CodeA, pair.CodeB);
  std::vector<int> lost;
  for (const TLostMark& mark : rendered.Lost) lost.push_back(mark.Code);
  WriteLines(log.Stream(), FontRecord(AbsolutePath(tablePath), AbsolutePath(files.Sheet), 0x20, options.End,
                                      rendered.First, rendered.Placeholders, alike, lost));
  TAtomicFile::CommitPair(sheet, log);
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
    throw Exception(outputPath + ": a preview is written as .tga, .bmp or .png, not \"" +
                    ExtractFileExtLower(outputPath) + "\"", outputPath);
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
                                   [&](const std::string& note) { draft.Notes.push_back(note); });
    // The insert's own step, on copies: what the game will have.
    TMemoryStream rebuiltTable;
    rebuiltTable.WriteBuffer(table.Memory(), static_cast<std::int32_t>(table.Size()));
    TBitmap rebuilt(texture.PixelFormat(), texture.Width(), texture.Height());
    rebuilt.CopyRect({0, 0, texture.Width(), texture.Height()}, texture, {0, 0, texture.Width(), texture.Height()});
    LayNewGlyphs(rebuiltTable, rebuilt, draft.Sheet.Sheet, {0x20, options.End, draft.Sheet.First},
                 {tablePath, FontTexturePath(tablePath), "the drawn sheet"});
    draft.Sentence = RenderPreview(rebuiltTable, rebuilt, sentence, {options.CodePage, sentenceScale}, tablePath);
  } catch (const std::exception& e) {
    draft = {};
    draft.Error = e.what();
  }
  return draft;
}

}  // namespace eit
