// The BMP codec: the Windows bitmaps image editors write, read whole; pictures written as plain BMP.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/bitmap.h"
#include "platform/streams.h"

namespace eit {

// A standard uncompressed Windows BMP: 24 bits, bottom-up, rows padded to 4 bytes. A 32-bit bitmap is
// written with a version-5 header and an alpha mask, so that its alpha survives.
void WriteBmpToStream(TStream& stream, const TBitmap& bitmap);
void WriteBMP(const std::string& path, const TBitmap& bitmap);
// Reads the BMP files image editors write: see bmp_codec.cpp. Raises EInvalidGraphic with "Bitmap image
// is not valid" (and, from a file, its path) for anything it cannot read fully.
void ReadBmpFromStream(TStream& stream, TBitmap& bitmap);
// The same from bytes in memory; name (may be empty) is the file its errors name.
void ReadBmpFromMemory(const std::uint8_t* data, std::size_t size, TBitmap& bitmap, const std::string& name);
void ReadBMP(const std::string& path, TBitmap& bitmap);

}  // namespace eit
