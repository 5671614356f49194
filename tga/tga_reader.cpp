// TGA reading. Supported: image types 1, 2, 3 (colour-mapped, true-colour, grey) and their RLE forms
// 9, 10, 11; 8-bit and 16-bit colour-map indices; 15, 16, 24 and 32-bit colours; 8-bit grey and
// 16-bit grey with alpha; all four origins; an image ID of any length. Alpha comes from the pixel
// when the descriptor counts alpha bits, else the pixel is opaque. Extension and developer areas are
// ignored. Not supported: type 32/33 (Huffman), colour maps of other entry sizes.
#include <cstring>
#include <string>
#include <vector>

#include "platform/limits.h"
#include "platform/little_endian.h"
#include "tga/targa.h"

namespace eit {

namespace {


struct Invalid {
  std::string why;
};

using le::U16;

std::uint8_t Scale5(std::uint32_t v) { return static_cast<std::uint8_t>((v * 255 + 15) / 31); }

// Converts one stored colour of `bits` bits to B, G, R, A.
void ToBgra(const std::uint8_t* p, int bits, bool grey, bool useAlpha, std::uint8_t* out) {
  if (grey) {
    out[0] = out[1] = out[2] = p[0];
    out[3] = bits == 16 && useAlpha ? p[1] : 255;
    return;
  }
  switch (bits) {
    case 15:
    case 16: {
      const std::uint32_t v = U16(p);
      out[0] = Scale5(v & 31), out[1] = Scale5(v >> 5 & 31), out[2] = Scale5(v >> 10 & 31);
      out[3] = bits == 16 && useAlpha ? ((v & 0x8000) ? 255 : 0) : 255;
      break;
    }
    case 24:
      out[0] = p[0], out[1] = p[1], out[2] = p[2], out[3] = 255;
      break;
    default:  // 32
      out[0] = p[0], out[1] = p[1], out[2] = p[2], out[3] = useAlpha ? p[3] : 255;
      break;
  }
}

void Decode(const std::uint8_t* data, std::size_t size, TBitmap& result) {
  if (size < 18) throw Invalid{"the header is cut short"};
  const std::uint32_t idLength = data[0], mapType = data[1], type = data[2];
  const std::uint32_t mapFirst = U16(data + 3), mapLength = U16(data + 5), mapBits = data[7];
  const std::int32_t width = static_cast<std::int32_t>(U16(data + 12));
  const std::int32_t height = static_cast<std::int32_t>(U16(data + 14));
  const int bits = data[16];
  const std::uint8_t descriptor = data[17];
  const bool useAlpha = (descriptor & 0x0F) != 0;
  const bool rightToLeft = (descriptor & 0x10) != 0, topFirst = (descriptor & 0x20) != 0;
  const std::uint32_t base = type & ~8u;
  const bool rle = (type & 8) != 0;
  if ((type != 1 && type != 2 && type != 3 && type != 9 && type != 10 && type != 11))
    throw Invalid{"unsupported image type " + std::to_string(type)};
  if (mapType > 1) throw Invalid{"unknown colour map type " + std::to_string(mapType)};
  const bool mapped = base == 1, grey = base == 3;
  if (mapped && (mapType != 1 || (bits != 8 && bits != 16)))
    throw Invalid{"a colour-mapped image needs a colour map and 8 or 16-bit indices"};
  if (base == 2 && bits != 15 && bits != 16 && bits != 24 && bits != 32)
    throw Invalid{"unsupported bit depth " + std::to_string(bits)};
  if (grey && bits != 8 && bits != 16) throw Invalid{"unsupported grey bit depth " + std::to_string(bits)};
  if (mapType == 1 && mapBits != 15 && mapBits != 16 && mapBits != 24 && mapBits != 32)
    throw Invalid{"unsupported colour map entry size " + std::to_string(mapBits)};

  // The ID, then the colour map, then the pixels.
  std::size_t at = 18 + idLength;
  const std::size_t mapEntry = (mapBits + 7) / 8;
  const std::size_t mapBytes = mapType == 1 ? mapLength * mapEntry : 0;
  if (at + mapBytes > size) throw Invalid{"the colour map is cut short"};
  std::vector<std::uint8_t> palette(mapped ? mapLength * 4 : 0);
  for (std::uint32_t i = 0; mapped && i < mapLength; ++i)
    ToBgra(data + at + i * mapEntry, static_cast<int>(mapBits), false, useAlpha,
           &palette[i * 4]);
  at += mapBytes;

  const std::size_t pixelBytes = static_cast<std::size_t>((bits + 7) / 8);
  const std::int64_t count = CheckedImageBytes(width, height, 1, kMaxPictureBytes);
  if (CheckedImageBytes(width, height, 4, kMaxPictureBytes) < 0) throw Invalid{"the image is too large"};
  const std::size_t available = size - at;
  // Check the data can describe every pixel before allocating for them: raw data hold each pixel,
  // and one RLE packet holds at most 128.
  const std::int64_t leastBytes =
      rle ? (count + 127) / 128 * static_cast<std::int64_t>(1 + pixelBytes) : count * static_cast<std::int64_t>(pixelBytes);
  if (leastBytes > static_cast<std::int64_t>(available)) throw Invalid{"the pixel data are cut short"};

  // The program's own files (uncompressed 32-bit rows) are copied whole: no need to clear first.
  const bool wholeRows = !rle && !mapped && !grey && bits == 32 && !rightToLeft;
  result.Reshape(TPixelFormat::pf32bit, width, height, wholeRows ? TBitmap::TInit::Undefined : TBitmap::TInit::Zero);
  if (count == 0) return;  // no rows or no columns: a picture of nothing, as our exports write it
  auto convert = [&](const std::uint8_t* p, std::uint8_t* out) {
    if (!mapped) return ToBgra(p, bits, grey, useAlpha, out);
    const std::uint32_t raw = bits == 8 ? p[0] : U16(p);
    if (raw < mapFirst || raw - mapFirst >= mapLength) throw Invalid{"a colour index lies outside the colour map"};
    std::memcpy(out, &palette[(raw - mapFirst) * 4], 4);
  };
  auto target = [&](std::int64_t n) {
    const auto row = static_cast<std::int32_t>(n / width), column = static_cast<std::int32_t>(n % width);
    return result.ScanLine(topFirst ? row : height - 1 - row) + 4 * (rightToLeft ? width - 1 - column : column);
  };

  const std::uint8_t* src = data + at;
  if (wholeRows) {
    // What the program itself writes: whole rows at once.
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (std::int32_t row = 0; row < height; ++row) {
      std::uint8_t* out = result.ScanLine(topFirst ? row : height - 1 - row);
      std::memcpy(out, src + static_cast<std::size_t>(row) * rowBytes, rowBytes);
      if (!useAlpha)
        for (std::size_t x = 3; x < rowBytes; x += 4) out[x] = 255;
    }
    return;
  }
  if (!rle) {
    for (std::int64_t n = 0; n < count; ++n) convert(src + n * static_cast<std::int64_t>(pixelBytes), target(n));
    return;
  }
  std::size_t pos = 0;
  for (std::int64_t n = 0; n < count;) {
    if (pos >= available) throw Invalid{"the RLE data are cut short"};
    const std::uint8_t packet = src[pos++];
    const std::int64_t run = (packet & 0x7F) + 1;
    if (n + run > count) throw Invalid{"an RLE packet runs past the last pixel"};
    if (packet & 0x80) {
      if (available - pos < pixelBytes) throw Invalid{"the RLE data are cut short"};
      std::uint8_t pixel[4];
      convert(src + pos, pixel);
      pos += pixelBytes;
      for (std::int64_t i = 0; i < run; ++i) std::memcpy(target(n++), pixel, 4);
    } else {
      if ((available - pos) / pixelBytes < static_cast<std::size_t>(run)) throw Invalid{"the RLE data are cut short"};
      for (std::int64_t i = 0; i < run; ++i, pos += pixelBytes) convert(src + pos, target(n++));
    }
  }
}

}  // namespace

void ReadTgaFromMemory(const std::uint8_t* data, std::size_t size, TBitmap& bitmap) {
  TBitmap result;
  try {
    Decode(data, size, result);
  } catch (const Invalid& e) {
    throw EInvalidGraphic("TGA image is not valid (" + e.why + ")");
  }
  bitmap = std::move(result);
}

void ReadTGA(const char* path, TBitmap& bitmap) {
  TMemoryStream bytes;
  bytes.LoadFromFile(path);
  TBitmap result;
  try {
    Decode(bytes.Memory(), static_cast<std::size_t>(bytes.Size()), result);
  } catch (const Invalid& e) {
    throw EInvalidGraphic(std::string("TGA image is not valid: ") + path + " (" + e.why + ")");
  }
  bitmap = std::move(result);
}

}  // namespace eit
