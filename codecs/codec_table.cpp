#include "codecs/codec_table.h"

#include <cstring>

#include "codecs/bmp.h"
#include "codecs/png.h"
#include "codecs/targa.h"

namespace eit::codecs {

namespace {

std::uint32_t Le(const std::uint8_t* p, int bytes) {
  std::uint32_t v = 0;
  for (int k = 0; k < bytes; ++k) v |= static_cast<std::uint32_t>(p[k]) << (8 * k);
  return v;
}

bool IsBmp(const std::uint8_t* data, std::size_t size) { return size >= 2 && data[0] == 'B' && data[1] == 'M'; }

// A BMP's size from its info header (a negative height is a top-down picture), and its bits per pixel.
std::optional<TPictureInfo> BmpInfo(const std::uint8_t* data, std::size_t size) {
  if (size < 26 || !IsBmp(data, size)) return std::nullopt;
  const std::uint32_t header = Le(data + 14, 4);
  if (header == 12)
    return TPictureInfo{TPictureFormat::Bmp, Le(data + 18, 2), Le(data + 20, 2), static_cast<int>(Le(data + 24, 2))};
  if (header < 40 || size < 30) return std::nullopt;
  const auto height = static_cast<std::int32_t>(Le(data + 22, 4));
  const std::uint32_t rows = height < 0 ? 0u - static_cast<std::uint32_t>(height) : static_cast<std::uint32_t>(height);
  return TPictureInfo{TPictureFormat::Bmp, Le(data + 18, 4), rows, static_cast<int>(Le(data + 28, 2))};
}

std::optional<TPictureInfo> PngInfo(const std::uint8_t* data, std::size_t size) {
  const auto wh = PngSize(data, size);
  if (!wh || size < 26) return std::nullopt;
  // IHDR's bit depth and colour type, as the editor saved them.
  return TPictureInfo{TPictureFormat::Png, wh->first, wh->second, data[24], data[25]};
}

bool IsTga(const std::uint8_t*, std::size_t) { return true; }

// A TGA's size from its 18-byte header, when the header is one (an image type TGA knows, no colour map
// on a true-colour picture).
std::optional<TPictureInfo> TgaInfo(const std::uint8_t* data, std::size_t size) {
  if (size < 18 || data[1] > 1) return std::nullopt;
  const std::uint8_t type = data[2];
  if (type != 1 && type != 2 && type != 3 && type != 9 && type != 10 && type != 11) return std::nullopt;
  return TPictureInfo{TPictureFormat::Tga, Le(data + 12, 2), Le(data + 14, 2), data[16]};
}

void DecodePng(const std::uint8_t* data, std::size_t size, const std::string& name, TBitmap& bitmap) {
  ReadPngFromMemory(data, size, bitmap, name);
}
void DecodeBmp(const std::uint8_t* data, std::size_t size, const std::string& name, TBitmap& bitmap) {
  ReadBmpFromMemory(data, size, bitmap, name);
}
void DecodeTga(const std::uint8_t* data, std::size_t size, const std::string& name, TBitmap& bitmap) {
  ReadTgaFromMemory(data, size, bitmap, name);
}
void EncodePng(TStream& stream, const TBitmap& bitmap, int threads) { WritePngToStream(stream, bitmap, threads); }
void EncodeBmp(TStream& stream, const TBitmap& bitmap, int) { WriteBmpToStream(stream, bitmap); }
void EncodeTga(TStream& stream, const TBitmap& bitmap, int) { WriteTgaToStream(stream, bitmap); }

}  // namespace

const std::array<TCodec, 3>& Codecs() {
  static const std::array<TCodec, 3> table = {{
      {TPictureFormat::Png, "PNG", IsPngSignature, PngInfo, DecodePng, EncodePng},
      {TPictureFormat::Bmp, "BMP", IsBmp, BmpInfo, DecodeBmp, EncodeBmp},
      {TPictureFormat::Tga, "TGA", IsTga, TgaInfo, DecodeTga, EncodeTga},
  }};
  return table;
}

const char* OtherFormat(const std::uint8_t* head, std::size_t size) {
  if (size >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) return EIT_SAYS("a JPEG image");
  if (size >= 4 && std::memcmp(head, "GIF8", 4) == 0) return EIT_SAYS("a GIF image");
  if (size >= 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WEBP", 4) == 0) return EIT_SAYS("a WebP image");
  if (size >= 4 && (std::memcmp(head, "II*", 4) == 0 || std::memcmp(head, "MM\0*", 4) == 0)) return EIT_SAYS("a TIFF image");
  if (size >= 4 && std::memcmp(head, "8BPS", 4) == 0) return EIT_SAYS("a Photoshop document");
  if (size >= 4 && std::memcmp(head, "DDS ", 4) == 0) return EIT_SAYS("a DDS texture");
  return nullptr;
}

}  // namespace eit::codecs
