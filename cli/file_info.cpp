#include "cli/file_info.h"

#include <algorithm>

#include "formats/formathandlers.h"
#include "platform/bitmap.h"
#include "platform/little_endian.h"
#include "platform/paths.h"
#include "codecs/targa.h"
#include "codecs/png.h"
#include "codecs/bmp.h"

namespace eit {

namespace {

bool HasAlpha(const TBitmap& b) {
  if (b.PixelFormat() != TPixelFormat::pf32bit) return false;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.ScanLine(y)[4 * x + 3] != 255) return true;
  return false;
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
    if (size < kFontTableSize)
      throw Exception(path + ": the font table is " + std::to_string(size) + " bytes long; it needs " +
                      std::to_string(kFontTableSize));
    return path + ": font table, " + std::to_string(size / kGlyphRecordSize) + " records, line height " +
           std::to_string(ReadGlyphRecord(d).Height);
  }
  if (size >= 2 && d[0] == 'B' && d[1] == 'M') {
    TBitmap b;
    ReadBMP(path, b);
    const unsigned bits = size >= 30 ? (le::U32(d + 14) == 12 ? le::U16(d + 24) : le::U16(d + 28)) : 0;
    return path + ": BMP image, " + std::to_string(b.Width()) + " x " + std::to_string(b.Height()) + ", " +
           std::to_string(bits) + " bits, " + (HasAlpha(b) ? "with alpha" : "no alpha");
  }
  if (IsPngSignature(d, static_cast<std::size_t>(size))) {
    TBitmap b;
    ReadPngFromMemory(d, static_cast<std::size_t>(size), b, path);
    // IHDR's bit depth and colour type, as the editor saved them.
    static const char* const kColour[] = {"grey", "", "RGB", "palette", "grey with alpha", "", "RGBA"};
    const unsigned depth = d[24], colour = d[25];
    return path + ": PNG image, " + std::to_string(b.Width()) + " x " + std::to_string(b.Height()) + ", " +
           (colour < 7 ? kColour[colour] : "?") + ", " + std::to_string(depth) + " bits per channel, " +
           (HasAlpha(b) ? "with alpha" : "no alpha");
  }
  if (ext == ".tga") {
    TBitmap b;
    ReadTGA(path.c_str(), b);
    return path + ": TGA image, " + std::to_string(b.Width()) + " x " + std::to_string(b.Height()) + ", " +
           std::to_string(d[16]) + " bits, " + (HasAlpha(b) ? "with alpha" : "no alpha");
  }
  throw Exception(path + " is not a texture, font table, BMP, TGA or PNG file");
}

}  // namespace eit
