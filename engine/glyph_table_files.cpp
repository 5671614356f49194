#include "engine/glyph_table_files.h"

#include <memory>

#include "engine/job_files.h"
#include "engine/main.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace eit {

namespace {

void LoadTable(const std::string& tablePath, TMemoryStream& table) {
  table.LoadFromFile(tablePath);
  CheckFontTableSize(table, tablePath);
}

TText ExistsAlready(const std::string& path) {
  return Says(EIT_SAYS("Cannot create file %1: it exists already (edited spacing, perhaps); delete it or choose another "
                       "directory"), {path});
}

// An output may never be a source: the user's files are only read.
void CheckNotTheSource(const std::string& output, const std::string& source) {
  if (SameFile(output, source) || AbsolutePath(output) == AbsolutePath(source))
    throw EFCreateError(Says(EIT_SAYS("Cannot create file %1: it is the source; choose another directory"), {output}), output);
}

}  // namespace

std::string FreeTableTextPath(const std::string& tablePath, const std::string& directory) {
  const std::string path = JoinPath(directory, ChangeFileExt(ExtractFileName(tablePath), ".csv"));
  CheckNotTheSource(path, tablePath);
  // The user edits this file: one there already may hold their spacing, and is not replaced.
  if (FileExists(path) || DirectoryExists(path))
    throw EFExistsError(ExistsAlready(path), path);
  return path;
}

std::string WriteEditedTableText(const TMemoryStream& table, const std::string& tablePath, int codePage,
                                 const std::string& directory) {
  const std::string text = GlyphTableText(table, codePage);
  const std::string path = FreeTableTextPath(tablePath, directory);
  TAtomicFile file(path);
  file.RefuseToReplace();
  file.Stream().WriteBuffer(text.data(), static_cast<std::int32_t>(text.size()));
  file.Commit();
  return path;
}

std::string WriteGlyphTableFile(const std::string& tablePath, int codePage, const std::string& directory) {
  TMemoryStream table;
  LoadTable(tablePath, table);
  return WriteEditedTableText(table, tablePath, codePage, directory);
}

TTableFiles WriteEditedTable(const TMemoryStream& table, const std::string& tablePath, const std::string& directory) {
  const std::string texturePath = FontTexturePath(tablePath);
  TMemoryStream texture;
  texture.LoadFromFile(texturePath);
  TTableFiles files;
  files.Table = JoinPath(directory, ExtractFileName(tablePath));
  files.Texture = JoinPath(directory, ExtractFileName(texturePath));
  CheckNotTheSource(files.Table, tablePath);
  CheckNotTheSource(files.Texture, texturePath);
  TAtomicFile tableFile(files.Table), textureFile(files.Texture);
  tableFile.Stream().WriteBuffer(table.Memory(), static_cast<std::int32_t>(table.Size()));
  textureFile.Stream().WriteBuffer(texture.Memory(), static_cast<std::int32_t>(texture.Size()));
  TAtomicFile::CommitPair(tableFile, textureFile);
  return files;
}

TTableFiles ApplyGlyphTableFile(const std::string& tablePath, const std::string& textPath, const std::string& directory) {
  TMemoryStream table;
  LoadTable(tablePath, table);
  const TBitmap pixels = detail::LoadTextureBitmap(FontTexturePath(tablePath));
  const TTableApplied applied = ApplyGlyphTableText(LoadLines(textPath), textPath, static_cast<std::uint32_t>(pixels.Width()),
                                                    static_cast<std::uint32_t>(pixels.Height()), table);
  CheckNotTheSource(JoinPath(directory, ExtractFileName(tablePath)), textPath);
  TTableFiles files = WriteEditedTable(table, tablePath, directory);
  files.Applied = applied;
  return files;
}

}  // namespace eit
