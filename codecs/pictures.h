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

// Reads a picture by its content, whatever its name says: BMP, PNG, or else TGA (which has no
// signature). A JPEG, GIF or WebP file is refused as such, naming the file. The bitmap is 24-bit for a
// BMP without alpha, else 32-bit.
void ReadPictureFile(const std::string& path, TBitmap& bitmap);
// The size a picture file's header gives (PNG, BMP, TGA), known without decoding it, so that a size other
// than the one wanted is refused before a picture of that size is made; nothing for a header that is none.
std::optional<std::pair<std::uint32_t, std::uint32_t>> PictureSizeOfFile(const std::string& path);

enum class TPictureFormat { Bmp, Tga, Png };
// BMP: 24-bit, or 32-bit with an alpha mask; TGA: uncompressed, 24 or 32 bits; PNG: RGB or RGBA, 8 bits.
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
