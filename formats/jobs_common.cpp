// What the four jobs share: output naming, the font table record layout, picture descriptions.
#include "formats/formathandlers.h"
#include "formats/jobs_internal.h"
#include "platform/little_endian.h"
#include "platform/paths.h"

namespace eit {

GlyphRecord ReadGlyphRecord(const std::uint8_t* record) {
  auto at = [record](int field) { return static_cast<std::uint16_t>(le::U16(record + 2 * field)); };
  return {at(0), at(1), at(2), at(3), at(4), at(5), at(6)};
}

void WriteGlyphRecord(std::uint8_t* record, const GlyphRecord& glyph) {
  const std::uint16_t fields[7] = {glyph.Left, glyph.Top, glyph.Right, glyph.Bottom, glyph.Width, glyph.Height,
                                   glyph.Extra};
  for (int i = 0; i < 7; ++i) le::PutU16(record + 2 * i, fields[i]);
}

namespace {

// The key two output paths collide under: file systems on Windows and macOS ignore letter case.
std::string OutputKey(const std::string& path) {
#if defined(_WIN32) || defined(__APPLE__)
  return FoldCase(path);
#else
  return path;
#endif
}

std::string Numbered(const std::string& path, int n) {
  return ChangeFileExt(path, "") + " (" + std::to_string(n) + ")" + ExtractFileExt(path);
}

}  // namespace

std::string TJobContext::ExportPath(const std::string& name) {
  bool renamed = false;
  return InsertPath(JoinPath(TargetDir, name), renamed);
}

std::string TJobContext::InsertPath(const std::string& wanted, bool& renamed) {
  std::string path = wanted;
  // Same name from another folder: keep both files rather than overwrite the earlier output.
  for (int n = 2; OutputPaths.count(OutputKey(path)) != 0; ++n) path = Numbered(wanted, n);
  renamed = path != wanted;
  CheckNotASource(path);
  OutputPaths.insert(OutputKey(path));
  return path;
}

std::string TJobContext::InsertPairPath(const std::string& wantedTable, bool& renamed) {
  std::string table = wantedTable;
  auto taken = [this](const std::string& t) {
    return OutputPaths.count(OutputKey(t)) != 0 || OutputPaths.count(OutputKey(ChangeFileExt(t, ".dds"))) != 0;
  };
  for (int n = 2; taken(table); ++n) table = Numbered(wantedTable, n);
  renamed = table != wantedTable;
  CheckNotASource(table);
  CheckNotASource(ChangeFileExt(table, ".dds"));
  OutputPaths.insert(OutputKey(table));
  OutputPaths.insert(OutputKey(ChangeFileExt(table, ".dds")));
  return table;
}

void TJobContext::CheckNotASource(const std::string& path) const {
  if (SourceIds.empty()) return;
  const std::optional<TFileId> id = FileIdOf(path);
  if (id && SourceIds.count(*id) != 0)
    throw EFCreateError("Cannot create file " + path + ": it is one of this run's sources");
}

namespace detail {

std::string Describe(const TBitmap& bitmap) {
  return std::to_string(bitmap.Width()) + " x " + std::to_string(bitmap.Height()) + ", " +
         (bitmap.PixelFormat() == TPixelFormat::pf32bit ? "32" : "24") + "-bit";
}

TBitmap LoadTextureBitmap(const std::string& path) {
  TMemoryStream image;
  {
    TFileStream source(path, FileMode::OpenRead);
    LoadTextureImage(source, image, path, TLoadExtent::Pixels);
  }
  InvertImageHeader(image);
  TBitmap bitmap;
  ImageToBitmapInPlace(image, bitmap);
  return bitmap;
}

TBitmap LoadEditedImage(const std::string& path, bool isBitmap) {
  TBitmap bitmap;
  if (isBitmap)
    bitmap.LoadFromFile(path);
  else
    ReadTGA(path.c_str(), bitmap);
  return bitmap;
}

void CheckNotASource(const std::string& output, std::initializer_list<std::string> sources) {
  for (const std::string& source : sources)
    if (SameFile(output, source)) throw EFCreateError("Cannot create file " + output);
}

std::string RenamedNote(const std::string& wantedPath, const std::string& sourcePath) {
  return "; renamed, since another record of this run already wrote " + ExtractFileName(wantedPath) +
         ": this one is from " + sourcePath;
}

std::int64_t WriteImage(const std::string& path, const TBitmap& bitmap) {
  TAtomicFile file(path);
  if (bitmap.PixelFormat() == TPixelFormat::pf32bit)
    WriteTgaToStream(file.Stream(), bitmap);
  else
    bitmap.SaveToStream(file.Stream());
  return file.Commit();
}

}  // namespace detail

}  // namespace eit
