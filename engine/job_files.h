// What the jobs share: how they read sources and write outputs. For the engine's files only.
#pragma once

#include <initializer_list>
#include <string>

#include "engine/jobs.h"
#include "platform/files.h"
#include "codecs/targa.h"

namespace eit::detail {

// A written file holding the picture (of the texture's form, for textures), for its results line.
TWrittenFile Described(TWrittenFile::TWhat what, const TBitmap& picture, TTextureForm form = TTextureForm::Raw);
// Opens a texture file for reading, loads it and returns its pixels; the file is closed again.
TBitmap LoadTextureBitmap(const std::string& path, TPackEngine engine = TPackEngine::Fastest);
// The same in two steps: the header first, checked (its bit count decides an output's name, which is
// claimed before the heavy work, so that parallel entries wait for each other's names only briefly),
// then the pixels.
struct TTextureLoad {
  TTextureLoad(const std::string& path, TPackEngine engine);
  std::string Path;
  TPackEngine Engine;
  TFileStream Source;
  TTextureHeader Header;
  TBitmap Pixels();
};
// A texture file loaded whole (inserts keep every byte), header still inverted, and its form.
struct TLoadedTexture {
  TMemoryStream Image;
  TTextureForm Form = TTextureForm::Raw;
};
void LoadWholeTexture(TStream& source, const std::string& path, TPackEngine engine, TLoadedTexture& loaded);
// Reads an edited image by its content (BMP, TGA or PNG), whatever its name or its log tag says.
TBitmap LoadEditedImage(const std::string& path);
// A warning about an edited image, of a kind (runs count a kind's warnings past the first few instead
// of repeating them); strict runs fail the record with it instead.
void EditWarning(TJobContext& context, const TImportRecord& record, TWarning warning);
inline void EditWarning(TJobContext& context, const TImportRecord& record, const TText& text,
                        const std::string& family) {
  EditWarning(context, record, TWarning{text, family});
}
// Refuses to write an output that is one of the sources, however the paths are spelled.
void CheckNotASource(const std::string& output, std::initializer_list<std::string> sources);
// An insert output that took another name than the source's says so, and why.
void NoteRenamed(TWrittenFile& file, const std::string& wantedPath, const std::string& sourcePath);
// An export's output: the picture written under the run's name for it (a 32-bit one as TGA, a 24-bit one
// as BMP, or either as PNG, as the context says), atomically; its result log lines (its digest, its
// target) and its results line.
void WriteExport(TJobContext& context, const std::string& source, const std::string& outputPath,
                 const TBitmap& picture, TWrittenFile::TWhat what);
// The name an export of source takes in the target directory: its own with the picture's extension.
std::string ExportName(const std::string& source, const TTextureHeader& header, TImageFiles files);

}  // namespace eit::detail
