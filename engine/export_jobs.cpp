// The exports: a texture as a picture, a font table as a glyph sheet over its texture.
#include "engine/job_files.h"
#include "engine/main.h"
#include "platform/paths.h"

namespace eit {

void ExportTexture(TJobContext& context, const std::string& sourcePath) {
  detail::TTextureLoad load(sourcePath, context.Engine);
  const std::string outputPath = context.ExportPath(detail::ExportName(sourcePath, load.Header, context.Images));
  detail::WriteExport(context, sourcePath, outputPath, load.Pixels(), TWrittenFile::TWhat::Image);
}

void ExportFontSheet(TJobContext& context, const std::string& tablePath) {
  TMemoryStream table;
  table.LoadFromFile(tablePath);
  CheckFontTableSize(table, tablePath);  // before the texture is read
  detail::TTextureLoad load(FontTexturePath(tablePath), context.Engine);
  const std::string outputPath = context.ExportPath(detail::ExportName(tablePath, load.Header, context.Images));
  const TBitmap sheet = MakeGlyphSheet(table, load.Pixels(), tablePath);
  detail::WriteExport(context, tablePath, outputPath, sheet, TWrittenFile::TWhat::GlyphSheet);
}

}  // namespace eit
