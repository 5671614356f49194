// The picture door: pictures read by their content through the codec table, written in the format asked for.
#include "codecs/pictures.h"

#include "codecs/codec_table.h"
#include "platform/paths.h"

namespace eit {

std::optional<TPictureInfo> PictureInfo(const std::uint8_t* data, std::size_t size) {
  for (const codecs::TCodec& codec : codecs::Codecs()) {
    if (!codec.Test(data, size)) continue;
    // What another program saved is none of these, whatever its first bytes would mean to TGA.
    if (codec.Format == TPictureFormat::Tga && codecs::OtherFormat(data, size) != nullptr) return std::nullopt;
    return codec.Info(data, size);
  }
  return std::nullopt;
}

void ReadPicture(const std::uint8_t* data, std::size_t size, const std::string& name, TBitmap& bitmap) {
  for (const codecs::TCodec& codec : codecs::Codecs()) {
    if (!codec.Test(data, size)) continue;
    if (const char* other = codecs::OtherFormat(data, size); other != nullptr && codec.Format == TPictureFormat::Tga)
      throw EInvalidGraphic(Says(name.empty() ? EIT_SAYS("the picture is %2, which the insert does not take; save it as "
                                                         "PNG, TGA or BMP")
                                              : EIT_SAYS("%1: %2, which the insert does not take; save it as PNG, TGA or BMP"),
                                 {name, Says(other)}),
                            name);
    return codec.Decode(data, size, name, bitmap);
  }
}

TPictureFile::TPictureFile(const std::string& path) : path_(path) { bytes_.LoadFromFile(path); }

std::optional<TPictureInfo> TPictureFile::Info() const {
  return PictureInfo(bytes_.Memory(), static_cast<std::size_t>(bytes_.Size()));
}

TBitmap TPictureFile::Decode() const {
  TBitmap bitmap;
  ReadPicture(bytes_.Memory(), static_cast<std::size_t>(bytes_.Size()), path_, bitmap);
  return bitmap;
}

void ReadPictureFile(const std::string& path, TBitmap& bitmap) { bitmap = TPictureFile(path).Decode(); }

namespace {

// The one rule: PNG for all when asked, else TGA for pictures with alpha and BMP for the rest.
TPictureFormat FormatFor(TImageFiles files, int bitCount) {
  if (files == TImageFiles::Png) return TPictureFormat::Png;
  return bitCount == 32 ? TPictureFormat::Tga : TPictureFormat::Bmp;
}

}  // namespace

const char* ImageExtension(TImageFiles files, int bitCount) {
  switch (FormatFor(files, bitCount)) {
    case TPictureFormat::Png: return ".png";
    case TPictureFormat::Tga: return ".tga";
    case TPictureFormat::Bmp: break;
  }
  return ".bmp";
}

TPictureFormat ExtractFormat(TImageFiles files, const TBitmap& bitmap) {
  return FormatFor(files, bitmap.PixelFormat() == TPixelFormat::pf32bit ? 32 : 24);
}

void WritePicture(TStream& stream, const TBitmap& bitmap, TPictureFormat format, int threads) {
  for (const codecs::TCodec& codec : codecs::Codecs())
    if (codec.Format == format) return codec.Encode(stream, bitmap, threads);
}

std::optional<TPictureFormat> PictureFormatOfName(const std::string& path) {
  const std::string ext = ExtractFileExtLower(path);
  if (ext == ".bmp") return TPictureFormat::Bmp;
  if (ext == ".tga") return TPictureFormat::Tga;
  if (ext == ".png") return TPictureFormat::Png;
  return std::nullopt;
}

}  // namespace eit
