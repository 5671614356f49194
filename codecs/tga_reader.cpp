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
#include "codecs/targa.h"

namespace eit {

namespace {


struct Invalid {
  explicit Invalid(const char* form, std::vector<TText> parts = {}) : why(Says(form, std::move(parts))) {}
  TText why;
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

// The header's fields, checked: only what this reader supports gets past.
struct TTgaHeader {
  std::uint32_t idLength, mapType, type, mapFirst, mapLength, mapBits;
  std::int32_t width, height;
  int bits;
  bool useAlpha, rightToLeft, topFirst, rle, mapped, grey;
};

TTgaHeader ReadHeader(const std::uint8_t* data, std::size_t size) {
  if (size < 18) throw Invalid(EIT_SAYS("the header is cut short"));
  TTgaHeader h{};
  h.idLength = data[0], h.mapType = data[1], h.type = data[2];
  h.mapFirst = U16(data + 3), h.mapLength = U16(data + 5), h.mapBits = data[7];
  h.width = static_cast<std::int32_t>(U16(data + 12));
  h.height = static_cast<std::int32_t>(U16(data + 14));
  h.bits = data[16];
  const std::uint8_t descriptor = data[17];
  h.useAlpha = (descriptor & 0x0F) != 0;
  h.rightToLeft = (descriptor & 0x10) != 0, h.topFirst = (descriptor & 0x20) != 0;
  const std::uint32_t base = h.type & ~8u;
  h.rle = (h.type & 8) != 0;
  if ((h.type != 1 && h.type != 2 && h.type != 3 && h.type != 9 && h.type != 10 && h.type != 11))
    throw Invalid(EIT_SAYS("unsupported image type %1"), {std::to_string(h.type)});
  if (h.mapType > 1) throw Invalid(EIT_SAYS("unknown colour map type %1"), {std::to_string(h.mapType)});
  h.mapped = base == 1, h.grey = base == 3;
  if (h.mapped && (h.mapType != 1 || (h.bits != 8 && h.bits != 16)))
    throw Invalid(EIT_SAYS("a colour-mapped image needs a colour map and 8 or 16-bit indices"));
  if (base == 2 && h.bits != 15 && h.bits != 16 && h.bits != 24 && h.bits != 32)
    throw Invalid(EIT_SAYS("unsupported bit depth %1"), {std::to_string(h.bits)});
  if (h.grey && h.bits != 8 && h.bits != 16) throw Invalid(EIT_SAYS("unsupported grey bit depth %1"), {std::to_string(h.bits)});
  if (h.mapType == 1 && h.mapBits != 15 && h.mapBits != 16 && h.mapBits != 24 && h.mapBits != 32)
    throw Invalid(EIT_SAYS("unsupported colour map entry size %1"), {std::to_string(h.mapBits)});
  return h;
}

// Stored pixels to B, G, R, A at their place in the bitmap.
// What the decoder finds wrong, written outside the class: the window looks such words up by namespace.
constexpr const char* kIndexOutsideMap = EIT_SAYS("a colour index lies outside the colour map");

struct TPixelWriter {
  const TTgaHeader& h;
  std::vector<std::uint8_t> palette;
  TBitmap& result;

  void Convert(const std::uint8_t* p, std::uint8_t* out) const {
    if (!h.mapped) return ToBgra(p, h.bits, h.grey, h.useAlpha, out);
    const std::uint32_t raw = h.bits == 8 ? p[0] : U16(p);
    if (raw < h.mapFirst || raw - h.mapFirst >= h.mapLength) throw Invalid(kIndexOutsideMap);
    std::memcpy(out, &palette[(raw - h.mapFirst) * 4], 4);
  }
  std::uint8_t* Target(std::int64_t n) const {
    const auto row = static_cast<std::int32_t>(n / h.width), column = static_cast<std::int32_t>(n % h.width);
    return result.ScanLine(h.topFirst ? row : h.height - 1 - row) + 4 * (h.rightToLeft ? h.width - 1 - column : column);
  }
};

// What the program itself writes (uncompressed 32-bit rows): whole rows at once.
void DecodeWholeRows(const TTgaHeader& h, const std::uint8_t* src, TBitmap& result) {
  const std::size_t rowBytes = static_cast<std::size_t>(h.width) * 4;
  for (std::int32_t row = 0; row < h.height; ++row) {
    std::uint8_t* out = result.ScanLine(h.topFirst ? row : h.height - 1 - row);
    std::memcpy(out, src + static_cast<std::size_t>(row) * rowBytes, rowBytes);
    if (!h.useAlpha)
      for (std::size_t x = 3; x < rowBytes; x += 4) out[x] = 255;
  }
}

void DecodeRle(const TPixelWriter& w, const std::uint8_t* src, std::size_t available, std::int64_t count,
               std::size_t pixelBytes) {
  std::size_t pos = 0;
  for (std::int64_t n = 0; n < count;) {
    if (pos >= available) throw Invalid(EIT_SAYS("the RLE data are cut short"));
    const std::uint8_t packet = src[pos++];
    const std::int64_t run = (packet & 0x7F) + 1;
    if (n + run > count) throw Invalid(EIT_SAYS("an RLE packet runs past the last pixel"));
    if (packet & 0x80) {
      if (available - pos < pixelBytes) throw Invalid(EIT_SAYS("the RLE data are cut short"));
      std::uint8_t pixel[4];
      w.Convert(src + pos, pixel);
      pos += pixelBytes;
      for (std::int64_t i = 0; i < run; ++i) std::memcpy(w.Target(n++), pixel, 4);
    } else {
      if ((available - pos) / pixelBytes < static_cast<std::size_t>(run)) throw Invalid(EIT_SAYS("the RLE data are cut short"));
      for (std::int64_t i = 0; i < run; ++i, pos += pixelBytes) w.Convert(src + pos, w.Target(n++));
    }
  }
}

void Decode(const std::uint8_t* data, std::size_t size, TBitmap& result) {
  const TTgaHeader h = ReadHeader(data, size);
  // The ID, then the colour map, then the pixels.
  std::size_t at = 18 + h.idLength;
  const std::size_t mapEntry = (h.mapBits + 7) / 8;
  const std::size_t mapBytes = h.mapType == 1 ? h.mapLength * mapEntry : 0;
  if (at + mapBytes > size) throw Invalid(EIT_SAYS("the colour map is cut short"));
  TPixelWriter writer{h, std::vector<std::uint8_t>(h.mapped ? h.mapLength * 4 : 0), result};
  for (std::uint32_t i = 0; h.mapped && i < h.mapLength; ++i)
    ToBgra(data + at + i * mapEntry, static_cast<int>(h.mapBits), false, h.useAlpha, &writer.palette[i * 4]);
  at += mapBytes;

  const std::size_t pixelBytes = static_cast<std::size_t>((h.bits + 7) / 8);
  const std::int64_t count = CheckedImageBytes(h.width, h.height, 1, kMaxPictureBytes);
  if (CheckedImageBytes(h.width, h.height, 4, kMaxPictureBytes) < 0) throw Invalid(EIT_SAYS("the image is too large"));
  const std::size_t available = size - at;
  // Check the data can describe every pixel before allocating for them: raw data hold each pixel,
  // and one RLE packet holds at most 128.
  const std::int64_t leastBytes = h.rle ? (count + 127) / 128 * static_cast<std::int64_t>(1 + pixelBytes)
                                        : count * static_cast<std::int64_t>(pixelBytes);
  if (leastBytes > static_cast<std::int64_t>(available)) throw Invalid(EIT_SAYS("the pixel data are cut short"));

  // The program's own files are copied whole: no need to clear first.
  const bool wholeRows = !h.rle && !h.mapped && !h.grey && h.bits == 32 && !h.rightToLeft;
  result.Reshape(TPixelFormat::pf32bit, h.width, h.height, wholeRows ? TBitmap::TInit::Undefined : TBitmap::TInit::Zero);
  if (count == 0) return;  // no rows or no columns: a picture of nothing, as our exports write it
  const std::uint8_t* src = data + at;
  if (wholeRows) return DecodeWholeRows(h, src, result);
  if (h.rle) return DecodeRle(writer, src, available, count, pixelBytes);
  for (std::int64_t n = 0; n < count; ++n) writer.Convert(src + n * static_cast<std::int64_t>(pixelBytes), writer.Target(n));
}

}  // namespace

void ReadTgaFromMemory(const std::uint8_t* data, std::size_t size, TBitmap& bitmap, const std::string& name) {
  TBitmap result;
  try {
    Decode(data, size, result);
  } catch (const Invalid& e) {
    throw EInvalidGraphic(Says(name.empty() ? EIT_SAYS("TGA image is not valid (%2)") : EIT_SAYS("TGA image is not valid: %1 (%2)"),
                               {name, e.why}),
                          name);
  }
  bitmap = std::move(result);
}

void ReadTGA(const char* path, TBitmap& bitmap) {
  TMemoryStream bytes;
  bytes.LoadFromFile(path);
  ReadTgaFromMemory(bytes.Memory(), static_cast<std::size_t>(bytes.Size()), bitmap, path);
}

}  // namespace eit
