// The one door to the picture codecs (BMP, TGA, PNG): pictures read by their content, written in the format
// asked for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "platform/bitmap.h"
#include "platform/streams.h"

namespace eit {

enum class TPictureFormat { Bmp, Tga, Png };

// What a picture's header says, known before any decoding.
struct TPictureInfo {
  TPictureFormat Format;
  std::uint32_t Width = 0, Height = 0;
  int Bits = 0;     // BMP and TGA: bits per pixel; PNG: bits per channel
  int Colour = -1;  // PNG: the colour type its header gives (2: RGB, 6: RGBA, ...)
};

// The format and size the bytes' header gives, by their content (TGA, which has no signature, for what
// is no other); nothing for bytes that are no picture read here.
std::optional<TPictureInfo> PictureInfo(const std::uint8_t* data, std::size_t size);
// Decodes a picture held in memory by its content, whatever its name says: BMP, PNG, or else TGA. A JPEG,
// GIF or WebP file is refused as such. name (may be empty) is the file its errors name. The bitmap is
// 24-bit for a BMP without alpha, else 32-bit.
void ReadPicture(const std::uint8_t* data, std::size_t size, const std::string& name, TBitmap& bitmap);

// A picture file read once: its header's facts, then its pixels, from the same bytes.
class TPictureFile {
 public:
  explicit TPictureFile(const std::string& path);
  std::optional<TPictureInfo> Info() const;
  TBitmap Decode() const;

 private:
  std::string path_;
  TMemoryStream bytes_;
};
void ReadPictureFile(const std::string& path, TBitmap& bitmap);

// threads: how many the encoder may take (PNG codes its rows in pieces); the caller owns them.
void WritePicture(TStream& stream, const TBitmap& bitmap, TPictureFormat format, int threads = 1);
// The format a file name's extension (".bmp", ".tga", ".png", any case) asks for; nothing for another.
std::optional<TPictureFormat> PictureFormatOfName(const std::string& path);

// How extracts write their pictures: as BMP (24-bit) and TGA (32-bit), or all as PNG.
enum class TImageFiles { BmpTga, Png };
// ".bmp", ".tga" or ".png" for a picture of that many bits.
const char* ImageExtension(TImageFiles files, int bitCount);
TPictureFormat ExtractFormat(TImageFiles files, const TBitmap& bitmap);

}  // namespace eit
