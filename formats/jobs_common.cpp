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

std::string TJobContext::ExportPath(const std::string& name) {
  std::string path = JoinPath(TargetDir, name);
  // Same name from another folder: keep both files rather than overwrite the earlier export.
  for (int n = 2; ExportedPaths.count(path) != 0; ++n) {
    path = JoinPath(TargetDir, ChangeFileExt(name, "") + " (" + std::to_string(n) + ")" + ExtractFileExt(name));
  }
  ExportedPaths.insert(path);
  return path;
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
