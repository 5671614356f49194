// The inserts: an edited picture back into its texture, new glyphs into a font's texture and table.
#include "engine/job_files.h"
#include "formats/codepages.h"
#include "formats/font_tools.h"
#include "platform/paths.h"

namespace eit {

namespace {

std::string FormText(TTextureForm form) { return form == TTextureForm::Packed ? "packed" : "raw"; }

// The edit in the texture's pixel format, or an error naming both when the sizes differ.
void FitEdit(TBitmap& edit, const TTextureHeader& header, const TImportRecord& record) {
  if (static_cast<std::uint32_t>(edit.Width()) != header.Width ||
      static_cast<std::uint32_t>(edit.Height()) != header.Height)
    throw Exception(record.ImagePath + ": the edited image is " + std::to_string(edit.Width()) + " x " +
                    std::to_string(edit.Height()) + " pixels, but the texture " + record.SourcePath + " is " +
                    std::to_string(header.Width) + " x " + std::to_string(header.Height) +
                    "; save the image at the texture's size");
  edit.ConvertTo(header.Format());
}

void WarnAboutEdit(TJobContext& context, const TImportRecord& record, const TBitmap& edit, const TMemoryStream& image) {
  if (!context.CheckEdits) return;
  for (const std::string& warning : EditWarnings(edit, image)) {
    if (context.Strict) throw Exception(record.ImagePath + ": " + warning + " (--strict)");
    context.Reporter->Warning(record.SourcePath, record.ImagePath + ": " + warning);
  }
}

}  // namespace

void ImportTexture(TJobContext& context, const TImportRecord& record) {
  if (!FileExists(record.ImagePath)) {
    context.Reporter->FileSkipped(record.SourcePath, "the edited image " + record.ImagePath + " does not exist");
    return;
  }
  if (record.Source == nullptr) throw EFOpenError("Cannot open file " + record.SourcePath);
  detail::CheckNotASource(record.OutputPath, {record.SourcePath, record.ImagePath});

  // Read and check everything before the output exists.
  detail::TLoadedTexture texture;
  detail::LoadWholeTexture(*record.Source, record.SourcePath, context.Engine, texture);
  const TTextureHeader header = ReadStoredTextureHeader(texture.Image, record.SourcePath);
  TBitmap edit = detail::LoadEditedImage(record.ImagePath);
  FitEdit(edit, header, record);
  WarnAboutEdit(context, record, edit, texture.Image);
  BitmapToImage(edit, texture.Image);

  bool renamed = false;
  const std::string outputPath = context.InsertPath(record.OutputPath, renamed);
  if (renamed) detail::CheckNotASource(outputPath, {record.SourcePath, record.ImagePath});
  auto output = std::make_unique<TAtomicFile>(outputPath);
  StoreTextureImage(texture.Image, texture.Form, output->Stream(), context.Engine);
  const std::int64_t bytes = output->Finish();
  context.Reporter->Publish({std::move(output), nullptr});
  context.Reporter->FileWritten(record.SourcePath, outputPath, bytes,
                                FormText(texture.Form) + " texture, " + detail::Describe(edit) +
                                    (renamed ? detail::RenamedNote(record.OutputPath, record.SourcePath) : ""));
}

namespace {

// A font's table and texture with its new glyphs laid in, ready to be written.
struct TRebuiltFont {
  TMemoryStream Table;
  detail::TLoadedTexture Texture;
  TBitmap Pixels;
  std::int32_t NewCodes = 0;
};

void RebuildFont(TJobContext& context, const TImportRecord& record, const std::string& texturePath,
                 TRebuiltFont& font) {
  font.Table.LoadFromFile(record.SourcePath);
  CheckGlyphRange(font.Table, record.FirstCode, record.EndCode, record.SourcePath);
  {
    TFileStream source(texturePath, FileMode::OpenRead);
    detail::LoadWholeTexture(source, texturePath, context.Engine, font.Texture);
  }
  InvertImageHeader(font.Texture.Image);
  ImageToBitmap(font.Texture.Image, font.Pixels);
  CheckGlyphTexture(font.Pixels, texturePath);
  const TBitmap sheet = detail::LoadEditedImage(record.ImagePath);
  font.NewCodes = LayNewGlyphs(font.Table, font.Pixels, sheet, {record.FirstCode, record.EndCode, record.NewCode},
                               {record.SourcePath, texturePath, record.ImagePath});
  BitmapToImage(font.Pixels, font.Texture.Image);
  InvertImageHeader(font.Texture.Image);
}

// Letters the sheet drew alike that are alike still in the rebuilt font (not touched up): one line says
// which, by code (the log knows no code page).
void AlikeWarning(TJobContext& context, const TImportRecord& record, const TRebuiltFont& font) {
  const auto ink = [&](std::int32_t code) {
    const std::int64_t at = std::int64_t{code - record.FirstCode} * kGlyphRecordSize;
    if (code < record.FirstCode || at + kGlyphRecordSize > font.Table.Size()) return TGlyphInk{};
    const GlyphRecord g = ReadGlyphRecord(font.Table.Memory() + at);
    return GlyphInk(font.Pixels, g.Left, g.Top, g.Right, g.Bottom);
  };
  std::string still;
  for (const auto& [a, b] : record.Alike) {
    const TGlyphInk x = ink(a), y = ink(b);
    const int differ = InkDifference(x, y);
    if (x.Columns == 0 || differ < 0 || differ > 1) continue;
    still.append(still.empty() ? "" : ", ").append(CodeText(a)).append(differ == 0 ? " = " : " \u2248 ").append(CodeText(b));
  }
  if (!still.empty())
    context.Reporter->Warning(record.SourcePath, "glyphs that look alike, as the sheet found them: " + still +
                                                     " ('=' the same, '\u2248' one pixel apart); the game would show "
                                                     "one for the other: touch them up in " + record.ImagePath);
}

// Boxes the sheet drew for letters its font had not are in the game now: one line says which.
void PlaceholderWarning(TJobContext& context, const TImportRecord& record) {
  std::string codes;
  int count = 0;
  for (const std::int32_t code : record.Placeholders)
    if (code >= std::max(record.FirstCode, record.NewCode) && code < record.EndCode) codes.append(" ").append(CodeText(code)), ++count;
  if (count == 0) return;
  context.Reporter->Warning(record.SourcePath, (count == 1 ? "the new glyph of" + codes + " is a placeholder box"
                                                            : "the new glyphs of" + codes + " are placeholder boxes") +
                                                   " (the sheet's font had no glyph for them); draw them in " +
                                                   record.ImagePath + " and delete the log's #Placeholders: line");
}

}  // namespace

void ImportFontSheet(TJobContext& context, const TImportRecord& record) {
  if (!FileExists(record.ImagePath)) {
    context.Reporter->FileSkipped(record.SourcePath, "the edited glyph sheet " + record.ImagePath + " does not exist");
    return;
  }
  if (!record.RangeError.empty()) throw Exception(record.RangeError);
  const std::string& tablePath = record.SourcePath;
  const std::string texturePath = ChangeFileExt(tablePath, ".dds");
  const auto checkOutputs = [&](const std::string& table) {
    detail::CheckNotASource(table, {tablePath, texturePath, record.ImagePath});
    detail::CheckNotASource(ChangeFileExt(table, ".dds"), {tablePath, texturePath, record.ImagePath});
  };
  checkOutputs(record.OutputPath);

  // Read and check every input before any output exists.
  TRebuiltFont font;
  RebuildFont(context, record, texturePath, font);
  // The pair keeps one base name, even when it must take another one.
  bool renamed = false;
  const std::string outputTable = context.InsertPairPath(record.OutputPath, renamed);
  const std::string outputTexture = ChangeFileExt(outputTable, ".dds");
  if (renamed) checkOutputs(outputTable);
  const std::string note = renamed ? detail::RenamedNote(record.OutputPath, tablePath) : "";
  // Both files are complete, and both names free to take, before either takes its name.
  auto textureFile = std::make_unique<TAtomicFile>(outputTexture);
  auto tableFile = std::make_unique<TAtomicFile>(outputTable);
  StoreTextureImage(font.Texture.Image, font.Texture.Form, textureFile->Stream(), context.Engine);
  font.Table.SaveToStream(tableFile->Stream());
  const std::int64_t textureBytes = textureFile->Finish(), tableBytes = tableFile->Finish();
  context.Reporter->Publish({std::move(textureFile), std::move(tableFile)});
  context.Reporter->FileWritten(texturePath, outputTexture, textureBytes,
                                FormText(font.Texture.Form) + " font texture, " + detail::Describe(font.Pixels) +
                                    ", " + std::to_string(font.NewCodes) +
                                    (font.NewCodes == 1 ? " new glyph" : " new glyphs") + note);
  context.Reporter->FileWritten(tablePath, outputTable, tableBytes, "font table" + note);
  PlaceholderWarning(context, record);
  AlikeWarning(context, record, font);
}

}  // namespace eit
