// The PNG codec, through libspng: every PNG an editor writes is read (grey, grey with alpha, RGB, RGBA,
// palette, with or without transparency, 1 to 16 bits, interlaced or not); pictures are written as 8-bit
// RGB (24-bit bitmaps) or RGBA with straight alpha (32-bit ones), with a fast deflate coder of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <string>

#include "platform/bitmap.h"
#include "platform/streams.h"

namespace eit {

// The eight bytes every PNG file starts with.
bool IsPngSignature(const std::uint8_t* data, std::size_t size);
// The width and height its header gives (the first 24 bytes suffice), or nothing when it is no PNG.
std::optional<std::pair<std::uint32_t, std::uint32_t>> PngSize(const std::uint8_t* data, std::size_t size);

// Decodes a PNG held in memory into a 32-bit bitmap (alpha 255 where the file has none). 16-bit
// channels are rounded to 8 bits; gamma and colour-space chunks are not applied (an editor's pixels
// stay as saved). Raises EInvalidGraphic "PNG image is not valid: <name> (<reason>)" for a cut,
// corrupt (a CRC wrong) or oversized file, before allocating more than the picture's own size.
void ReadPngFromMemory(const std::uint8_t* data, std::size_t size, TBitmap& bitmap, const std::string& name);
void ReadPNG(const std::string& path, TBitmap& bitmap);

// Writes a bitmap as PNG. Raises EWriteError from the stream, EInvalidGraphic for an empty bitmap.
void WritePngToStream(TStream& stream, const TBitmap& bitmap, int threads = 1);

// The library's name and version, for --version and About ("libspng 0.7.3").
std::string PngLibraryDescription();

}  // namespace eit
