#include "formats/formathandlers.h"
#include "formats/jobs_internal.h"
#include "platform/paths.h"

namespace eit {

void ExportTexture(TJobContext& context, const std::string& sourcePath) {
  detail::TTextureLoad load(sourcePath);
  const bool tga = load.Header.BitCount == 32;
  const std::string outputPath = context.ExportPath(ChangeFileExt(ExtractFileName(sourcePath), tga ? ".tga" : ".bmp"));
  const TBitmap bitmap = load.Pixels();
  const std::int64_t bytes = detail::WriteImage(context, outputPath, bitmap);
  context.ResultLog->push_back((tga ? "#Target TGA: " : "#Target BMP: ") + outputPath);
  context.Reporter->FileWritten(sourcePath, outputPath, bytes, detail::Describe(bitmap));
}

}  // namespace eit
