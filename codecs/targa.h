// The TGA codec the jobs call: WriteTGA and ReadTGA. It is built into the program, so it can never
// be missing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/bitmap.h"
#include "platform/streams.h"

namespace eit {

// Writes bitmap as an uncompressed true-colour TGA (type 2) with the TGA 2.0 footer: 32-bit bitmaps
// with 8 bits of straight alpha, 24-bit ones without alpha. Rows are stored top-first, the order
// the origin flag states. The third argument is always 1 and has no effect.
// Raises EFCreateError "Cannot create file %s" or EWriteError "Stream write error".
void WriteTGA(const char* path, const TBitmap& bitmap, std::int32_t options);
void WriteTgaToStream(TStream& stream, const TBitmap& bitmap);

// Reads a TGA file of type 1, 2, 3, 9, 10 or 11 (colour-mapped, true-colour, grey; raw or RLE) with
// 8, 15, 16, 24 or 32 bits per pixel and any origin. The bitmap becomes 32-bit with alpha in the
// fourth byte; a file without alpha gives 255. Raises EFOpenError for a missing file and
// EInvalidGraphic "TGA image is not valid: <path> (<reason>)" for a truncated or inconsistent one.
void ReadTGA(const char* path, TBitmap& bitmap);
// The same from bytes in memory; name (may be empty) is the file its errors name.
void ReadTgaFromMemory(const std::uint8_t* data, std::size_t size, TBitmap& bitmap, const std::string& name = "");

}  // namespace eit
