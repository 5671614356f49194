// Picture files by their content.
#include "codecs/pictures.h"

#include <cstring>

#include "platform/files.h"
#include "platform/paths.h"
#include "codecs/png.h"
#include "codecs/targa.h"
#include "codecs/bmp.h"

namespace eit {

namespace {

// What an editor may have saved instead of the formats the insert takes.
const char* OtherFormat(const std::uint8_t* head, std::size_t size) {
  if (size >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) return "a JPEG image";
  if (size >= 4 && std::memcmp(head, "GIF8", 4) == 0) return "a GIF image";
  if (size >= 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WEBP", 4) == 0) return "a WebP image";
  if (size >= 4 && (std::memcmp(head, "II*", 4) == 0 || std::memcmp(head, "MM\0*", 4) == 0)) return "a TIFF image";
  if (size >= 4 && std::memcmp(head, "8BPS", 4) == 0) return "a Photoshop document";
  if (size >= 4 && std::memcmp(head, "DDS ", 4) == 0) return "a DDS texture";
  return nullptr;
}

}  // namespace

void ReadPictureFile(const std::string& path, TBitmap& bitmap) {
  std::uint8_t head[12] = {};
  std::size_t got = 0;
  {
    TFileStream file(path, FileMode::OpenRead);
    got = static_cast<std::size_t>(file.Read(head, sizeof head));
  }
  if (IsPngSignature(head, got)) return ReadPNG(path, bitmap);
  if (got >= 2 && head[0] == 'B' && head[1] == 'M') return ReadBMP(path, bitmap);
  if (const char* other = OtherFormat(head, got))
    throw EInvalidGraphic(path + ": " + other + ", which the insert does not take; save it as PNG, TGA or BMP", path);
  ReadTGA(path.c_str(), bitmap);
}

namespace {

std::uint32_t Le(const std::uint8_t* p, int bytes) {
  std::uint32_t v = 0;
  for (int k = 0; k < bytes; ++k) v |= static_cast<std::uint32_t>(p[k]) << (8 * k);
  return v;
}

// A BMP's size from its info header (a negative height is a top-down picture).
std::optional<std::pair<std::uint32_t, std::uint32_t>> BmpSize(const std::uint8_t* head, std::size_t got) {
  if (got < 26 || head[0] != 'B' || head[1] != 'M') return std::nullopt;
  const std::uint32_t header = Le(head + 14, 4);
  if (header == 12) return std::make_pair(Le(head + 18, 2), Le(head + 20, 2));
  if (header < 40) return std::nullopt;
  const auto height = static_cast<std::int32_t>(Le(head + 22, 4));
  const std::uint32_t rows = height < 0 ? 0u - static_cast<std::uint32_t>(height) : static_cast<std::uint32_t>(height);
  return std::make_pair(Le(head + 18, 4), rows);
}

// A TGA's size from its 18-byte header, when the header is one (an image type TGA knows, no colour map
// on a true-colour picture).
std::optional<std::pair<std::uint32_t, std::uint32_t>> TgaSize(const std::uint8_t* head, std::size_t got) {
  if (got < 18 || head[1] > 1) return std::nullopt;
  const std::uint8_t type = head[2];
  if (type != 1 && type != 2 && type != 3 && type != 9 && type != 10 && type != 11) return std::nullopt;
  return std::make_pair(Le(head + 12, 2), Le(head + 14, 2));
}

}  // namespace

std::optional<std::pair<std::uint32_t, std::uint32_t>> PictureSizeOfFile(const std::string& path) {
  std::uint8_t head[26] = {};
  TFileStream file(path, FileMode::OpenRead);
  const auto got = static_cast<std::size_t>(file.Read(head, sizeof head));
  if (IsPngSignature(head, got)) return PngSize(head, got);
  if (got >= 2 && head[0] == 'B' && head[1] == 'M') return BmpSize(head, got);
  if (OtherFormat(head, got) != nullptr) return std::nullopt;
  return TgaSize(head, got);
}

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
  switch (format) {
    case TPictureFormat::Png: return WritePngToStream(stream, bitmap, threads);
    case TPictureFormat::Tga: return WriteTgaToStream(stream, bitmap);
    case TPictureFormat::Bmp: return WriteBmpToStream(stream, bitmap);
  }
}

std::optional<TPictureFormat> PictureFormatOfName(const std::string& path) {
  const std::string ext = ExtractFileExtLower(path);
  if (ext == ".bmp") return TPictureFormat::Bmp;
  if (ext == ".tga") return TPictureFormat::Tga;
  if (ext == ".png") return TPictureFormat::Png;
  return std::nullopt;
}

}  // namespace eit
