// The texture insert: an edited picture back into its texture.
#include "engine/job_files.h"
#include "platform/paths.h"
#include "platform/system_words.h"

namespace eit {

namespace {

// An error naming both when the edit's size is not the texture's.
void CheckEditSize(std::uint32_t width, std::uint32_t height, const TTextureHeader& header, const TImportRecord& record) {
  if (width != header.Width || height != header.Height)
    throw Exception(Says(EIT_SAYS("%1: the edited image is %2 x %3 pixels, but the texture %4 is %5 x %6; save the image "
                                  "at the texture's size"),
                         {record.ImagePath, std::to_string(width), std::to_string(height), record.SourcePath,
                          std::to_string(header.Width), std::to_string(header.Height)}),
                    record.ImagePath);
}

// The edit in the texture's pixel format.
void FitEdit(TBitmap& edit, const TTextureHeader& header, const TImportRecord& record) {
  CheckEditSize(static_cast<std::uint32_t>(edit.Width()), static_cast<std::uint32_t>(edit.Height()), header, record);
  edit.ConvertTo(header.Format());
}

void WarnAboutEdit(TJobContext& context, const TImportRecord& record, const TBitmap& edit, const TMemoryStream& image) {
  if (!context.CheckEdits) return;
  for (const TEditFinding finding : EditWarnings(edit, image)) {
    const TText words = EditFindingText(finding);
    detail::EditWarning(context, record, {Says(EIT_SAYS("%1: %2"), {record.ImagePath, words}), words.English, record.ImagePath, finding});
  }
}

}  // namespace

void ImportTexture(TJobContext& context, const TImportRecord& record) {
  if (!FileExists(record.ImagePath)) {
    context.Reporter->FileSkipped(record.SourcePath, record.ImagePath, false);
    return;
  }
  // Opened here only to raise the system's own reason ("No such file or directory").
  if (record.Source == nullptr) TFileStream(record.SourcePath, FileMode::OpenRead);
  if (record.Source == nullptr) throw EFOpenError(CannotText(TFileAct::Open, record.SourcePath, 0), record.SourcePath);
  detail::CheckNotASource(record.OutputPath, {record.SourcePath, record.ImagePath});

  // Read and check everything before the output exists.
  detail::TLoadedTexture texture;
  detail::LoadWholeTexture(*record.Source, record.SourcePath, context.Engine, texture);
  const TTextureHeader header = ReadStoredTextureHeader(texture.Image, record.SourcePath);
  // A size the header already gives is checked before a picture of that size is made.
  const TPictureFile picture(record.ImagePath);
  if (const auto info = picture.Info()) CheckEditSize(info->Width, info->Height, header, record);
  TBitmap edit = picture.Decode();
  FitEdit(edit, header, record);
  if (context.ChangedOnly && EditEqualsTexture(edit, texture.Image)) {
    context.Reporter->Unedited(record.SourcePath);
    return;
  }
  WarnAboutEdit(context, record, edit, texture.Image);
  BitmapToImage(edit, texture.Image);

  bool renamed = false;
  const std::string outputPath = context.InsertPath(record.OutputPath, renamed);
  if (renamed) detail::CheckNotASource(outputPath, {record.SourcePath, record.ImagePath});
  auto output = std::make_unique<TAtomicFile>(outputPath);
  StoreTextureImage(texture.Image, texture.Form, output->Stream(), context.Engine);
  const std::int64_t bytes = output->Finish();
  context.Reporter->Publish({std::move(output), nullptr});
  TWrittenFile written = detail::Described(TWrittenFile::TWhat::Texture, edit, texture.Form);
  if (renamed) detail::NoteRenamed(written, record.OutputPath, record.SourcePath);
  context.Reporter->FileWritten(record.SourcePath, outputPath, bytes, written);
}

}  // namespace eit
