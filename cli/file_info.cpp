#include "cli/file_info.h"

#include <algorithm>

#include "formats/formathandlers.h"
#include "platform/bitmap.h"
#include "platform/paths.h"
#include "codecs/pictures.h"

namespace eit {

namespace {

bool HasAlpha(const TBitmap& b) {
  if (b.PixelFormat() != TPixelFormat::pf32bit) return false;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.ScanLine(y)[4 * x + 3] != 255) return true;
  return false;
}

const char* FormatName(TPictureFormat format) {
  switch (format) {
    case TPictureFormat::Png: return "PNG";
    case TPictureFormat::Tga: return "TGA";
    case TPictureFormat::Bmp: break;
  }
  return "BMP";
}

}  // namespace

std::string DescribeFile(const std::string& path) {
  TMemoryStream bytes;
  bytes.LoadFromFile(path);
  const std::uint8_t* d = bytes.Memory();
  const std::int64_t size = bytes.Size();
  const std::string ext = ExtractFileExtLower(path);
  if (ext == ".dds" || (size >= 4 && (std::equal(d, d + 4, "ELTE") || std::equal(d, d + 4, "DDS!")))) {
    bytes.SetPosition(0);
    TMemoryStream image;
    const TTextureForm form = LoadTextureImage(bytes, image, path);
    InvertImageHeader(image);
    const TTextureHeader h = ReadTextureHeader(image);
    return path + ": " + (form == TTextureForm::Packed ? "packed" : "raw") + " texture, " + std::to_string(h.Width) +
           " x " + std::to_string(h.Height) + ", " + std::to_string(h.BitCount) + " bits per pixel, " +
           std::to_string(image.Size()) + " bytes unpacked";
  }
  if (ext == ".tdt") {
    CheckFontTableSize(bytes, path);
    return path + ": font table, " + std::to_string(size / kGlyphRecordSize) + " records, line height " +
           std::to_string(ReadGlyphRecord(d).Height);
  }
  if (const auto info = PictureInfo(d, static_cast<std::size_t>(size))) {
    TBitmap b;
    ReadPicture(d, static_cast<std::size_t>(size), path, b);
    const std::string what = path + ": " + FormatName(info->Format) + " image, " + std::to_string(b.Width()) + " x " +
                             std::to_string(b.Height()) + ", ";
    const std::string alpha = HasAlpha(b) ? "with alpha" : "no alpha";
    if (info->Format != TPictureFormat::Png) return what + std::to_string(info->Bits) + " bits, " + alpha;
    static const char* const kColour[] = {"grey", "", "RGB", "palette", "grey with alpha", "", "RGBA"};
    const int colour = info->Colour;
    return what + (colour >= 0 && colour < 7 ? kColour[colour] : "?") + ", " + std::to_string(info->Bits) +
           " bits per channel, " + alpha;
  }
  // A damaged TGA says what is wrong with it.
  if (ext == ".tga") {
    TBitmap b;
    ReadPicture(d, static_cast<std::size_t>(size), path, b);
  }
  throw Exception(path + " is not a texture, font table, BMP, TGA or PNG file", path);
}

}  // namespace eit
