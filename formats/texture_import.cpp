#include "formats/formathandlers.h"
#include "formats/jobs_internal.h"
#include "platform/paths.h"

namespace eit {

void ImportTexture(TJobContext& context, const TImportRecord& record) {
  if (!FileExists(record.ImagePath)) {
    context.Reporter->FileSkipped(record.SourcePath, "the edited image " + record.ImagePath + " does not exist");
    return;
  }
  if (record.Source == nullptr) throw EFOpenError("Cannot open file " + record.SourcePath);
  detail::CheckNotASource(record.OutputPath, {record.SourcePath, record.ImagePath});

  // Read and check everything before the output exists.
  TMemoryStream image;
  record.Source->SetPosition(0);
  const TTextureForm form = LoadTextureImage(*record.Source, image, record.SourcePath);
  const TTextureHeader header = ReadStoredTextureHeader(image, record.SourcePath);
  TBitmap bitmap = detail::LoadEditedImage(record.ImagePath, record.ImageIsBitmap);
  if (static_cast<std::uint32_t>(bitmap.Width()) != header.Width ||
      static_cast<std::uint32_t>(bitmap.Height()) != header.Height)
    throw Exception(record.ImagePath + ": the edited image is " + std::to_string(bitmap.Width()) + " x " +
                    std::to_string(bitmap.Height()) + " pixels, but the texture " + record.SourcePath + " is " +
                    std::to_string(header.Width) + " x " + std::to_string(header.Height) +
                    "; save the image at the texture's size");
  bitmap.ConvertTo(header.BitCount == 32 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
  if (context.CheckEdits) {
    for (const std::string& warning : EditWarnings(bitmap, image)) {
      if (context.Strict) throw Exception(record.ImagePath + ": " + warning + " (--strict)");
      context.Reporter->Warning(record.SourcePath, record.ImagePath + ": " + warning);
    }
  }
  BitmapToImage(bitmap, image);

  bool renamed = false;
  const std::string outputPath = context.InsertPath(record.OutputPath, renamed);
  if (renamed) detail::CheckNotASource(outputPath, {record.SourcePath, record.ImagePath});
  auto output = std::make_unique<TAtomicFile>(outputPath);
  StoreTextureImage(image, form, output->Stream());
  const std::int64_t bytes = output->Finish();
  context.Reporter->Publish({std::move(output), nullptr});
  context.Reporter->FileWritten(record.SourcePath, outputPath, bytes,
                                std::string(form == TTextureForm::Packed ? "packed" : "raw") + " texture, " +
                                    detail::Describe(bitmap) +
                                    (renamed ? detail::RenamedNote(record.OutputPath, record.SourcePath) : ""));
}

}  // namespace eit
