// Windows BMP reading and writing.
//
// Reads: info headers of 12 (OS/2 1.x), 40, 52, 56, 108 and 124 bytes; 1, 2, 4, 8, 16, 24 and 32 bits
// per pixel; uncompressed, RLE8, RLE4, bit fields and alpha bit fields; bottom-up and top-down rows.
// Palette and 16-bit pictures load as 24-bit, 32-bit ones as 32-bit: alpha from the alpha mask (the
// fourth byte for plain 32-bit files), and opaque when it is 0 in every pixel, as editors that do not
// know alpha write it.
// Refuses, with "Bitmap image is not valid": truncated data, sizes or offsets that do not fit the
// file, a palette index outside the palette, RLE runs outside the picture, other header sizes
// (OS/2 2.x), JPEG/PNG/Huffman compression, 64-bit pixels.
// Writes: 24-bit pictures as plain 40-byte-header files; 32-bit ones with a 124-byte header and
// bit fields including alpha.
#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "platform/limits.h"
#include "platform/bitmap.h"
#include "platform/little_endian.h"
#include "codecs/bmp.h"

namespace eit {

namespace {


class Invalid {
 public:
  explicit Invalid(const char* form, std::vector<TText> parts = {}) : why_(Says(form, std::move(parts))) {}
  const TText& Why() const { return why_; }

 private:
  TText why_;
};

struct Input {
  const std::uint8_t* data;
  std::size_t size;
  bool Has(std::uint64_t offset, std::uint64_t length) const { return offset <= size && length <= size - offset; }
  std::uint32_t U16(std::size_t at) const { return le::U16(data + at); }
  std::uint32_t U32(std::size_t at) const { return le::U32(data + at); }
};

struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;
  std::uint8_t Get(std::uint32_t pixel) const {
    if (mask == 0) return 0;
    const std::uint32_t v = (pixel & mask) >> shift;
    return static_cast<std::uint8_t>((std::uint64_t{v} * 255 + max / 2) / max);
  }
};

Channel MakeChannel(std::uint32_t mask, int bits) {
  Channel c;
  if (mask == 0) return c;
  if (bits < 32 && (mask >> bits) != 0) throw Invalid(EIT_SAYS("a colour mask exceeds the pixel size"));
  c.mask = mask;
  c.shift = std::countr_zero(mask);
  const std::uint32_t shifted = mask >> c.shift;
  if ((shifted & (shifted + 1)) != 0) throw Invalid(EIT_SAYS("a colour mask is not contiguous"));
  c.max = shifted;
  return c;
}

struct Header {
  std::uint32_t headerSize = 0;
  std::int32_t width = 0, height = 0;
  bool topDown = false;
  std::uint32_t bpp = 0, compression = 0, colorsUsed = 0, sizeImage = 0;
  std::uint32_t masks[4] = {};  // red, green, blue, alpha
  bool hasMasks = false;
  std::size_t afterHeader = 0;  // where the palette begins
};

void CheckCompression(const Input& in, Header& h);

Header ReadHeader(const Input& in) {
  if (!in.Has(0, 18) || in.data[0] != 'B' || in.data[1] != 'M') throw Invalid(EIT_SAYS("not a BMP file"));
  Header h;
  h.headerSize = in.U32(14);
  const auto size = h.headerSize;
  if (size != 12 && size != 40 && size != 52 && size != 56 && size != 108 && size != 124)
    throw Invalid(EIT_SAYS("unsupported header size %1"), {std::to_string(size)});
  if (!in.Has(14, size)) throw Invalid(EIT_SAYS("the header is cut short"));
  std::uint32_t planes;
  if (size == 12) {
    h.width = static_cast<std::int32_t>(in.U16(18));
    h.height = static_cast<std::int32_t>(in.U16(20));
    planes = in.U16(22);
    h.bpp = in.U16(24);
  } else {
    h.width = static_cast<std::int32_t>(in.U32(18));
    const auto rawHeight = static_cast<std::int32_t>(in.U32(22));
    if (rawHeight == INT32_MIN) throw Invalid(EIT_SAYS("bad height"));
    h.topDown = rawHeight < 0;
    h.height = rawHeight < 0 ? -rawHeight : rawHeight;
    planes = in.U16(26);
    h.bpp = in.U16(28);
    h.compression = in.U32(30);
    h.sizeImage = in.U32(34);
    h.colorsUsed = in.U32(46);
  }
  h.afterHeader = 14 + size;
  if (planes != 1) throw Invalid(EIT_SAYS("bad plane count"));
  // No pixels at all is a picture too: a texture of no rows exports to one and must come back.
  if (h.width < 0 || h.height < 0) throw Invalid(EIT_SAYS("bad width or height"));
  if (h.width > kMaxPictureSide || h.height > kMaxPictureSide || CheckedImageBytes(h.width, h.height, 4, kMaxPictureBytes) < 0)
    throw Invalid(EIT_SAYS("the picture is too large"));
  CheckCompression(in, h);
  return h;
}

// The compression and what it needs: a bit count it works with, and its colour masks.
void CheckCompression(const Input& in, Header& h) {
  const std::uint32_t size = h.headerSize;
  switch (h.compression) {
    case 0:
      if (h.bpp != 1 && h.bpp != 2 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32)
        throw Invalid(EIT_SAYS("unsupported bit count %1"), {std::to_string(h.bpp)});
      break;
    case 1:
    case 2:
      if (h.bpp != (h.compression == 1 ? 8u : 4u)) throw Invalid(EIT_SAYS("RLE with a wrong bit count"));
      if (h.topDown) throw Invalid(EIT_SAYS("RLE pictures cannot be top-down"));
      break;
    case 3:
    case 6: {
      if (h.bpp != 16 && h.bpp != 32) throw Invalid(EIT_SAYS("bit fields with a wrong bit count"));
      const std::size_t count = h.compression == 6 ? 4 : 3;
      const std::size_t at = 54;
      if (size == 40) {
        if (!in.Has(54, count * 4)) throw Invalid(EIT_SAYS("the colour masks are cut short"));
        h.afterHeader += count * 4;
      }
      // Masks live after a 40-byte header and inside the larger ones, as far as those reach: a
      // 52-byte header has no room for the alpha mask.
      const std::size_t masksEnd = size == 40 ? at + count * 4 : 14 + size;
      for (std::size_t i = 0; i < 4; ++i)
        if (at + 4 * i + 4 <= masksEnd) h.masks[i] = in.U32(at + 4 * i);
      h.hasMasks = true;
      break;
    }
    default:
      throw Invalid(EIT_SAYS("unsupported compression %1"), {std::to_string(h.compression)});
  }
}

std::vector<std::uint8_t> ReadPalette(const Input& in, const Header& h) {
  if (h.bpp > 8) return {};
  const std::uint32_t full = 1u << h.bpp;
  const std::uint32_t count = h.colorsUsed == 0 || h.colorsUsed > full ? full : h.colorsUsed;
  const std::size_t entry = h.headerSize == 12 ? 3 : 4;
  if (!in.Has(h.afterHeader, std::uint64_t{count} * entry)) throw Invalid(EIT_SAYS("the palette is cut short"));
  std::vector<std::uint8_t> palette(count * 3);  // blue, green, red
  for (std::uint32_t i = 0; i < count; ++i)
    std::memcpy(&palette[i * 3], in.data + h.afterHeader + i * entry, 3);
  return palette;
}

// What the decoder finds wrong, written outside the class: the window looks such words up by namespace.
constexpr const char* kOffsetOutsideFile = EIT_SAYS("the pixel data offset is outside the file");
constexpr const char* kSizeFieldPastFile = EIT_SAYS("the image size field exceeds the file");
constexpr const char* kRleTooShort = EIT_SAYS("the RLE data are too short for the picture");
constexpr const char* kIndexOutsidePalette = EIT_SAYS("a palette index lies outside the palette");
constexpr const char* kPixelsCutShort = EIT_SAYS("the pixel data are cut short");
constexpr const char* kMasksEmpty = EIT_SAYS("all colour masks are empty");
constexpr const char* kRleCutShort = EIT_SAYS("the RLE data are cut short");
constexpr const char* kRunLeavesPicture = EIT_SAYS("an RLE run leaves the picture");
constexpr const char* kPixelsUndefined = EIT_SAYS("the RLE data leave pixels undefined");
constexpr const char* kDeltaLeavesPicture = EIT_SAYS("an RLE delta leaves the picture");

class Decoder {
 public:
  Decoder(const Input& in, const Header& h, TBitmap& out) : in_(in), h_(h), out_(out) {}

  void Run() {
    const std::uint32_t offBits = in_.U32(10);
    if (offBits < h_.afterHeader || offBits > in_.size) throw Invalid(kOffsetOutsideFile);
    palette_ = ReadPalette(in_, h_);
    pixels_ = in_.data + offBits;
    available_ = in_.size - offBits;
    if (h_.sizeImage > available_) throw Invalid(kSizeFieldPastFile);
    if (h_.compression == 1 || h_.compression == 2) {
      // Every pixel must be defined, and one two-byte run defines at most 255: a picture larger
      // than that is refused before its pixels are allocated.
      if (std::int64_t{h_.width} * h_.height > 128 * static_cast<std::int64_t>(available_))
        throw Invalid(kRleTooShort);
      Allocate();
      DecodeRle();
    } else {
      DecodeRows();
    }
  }

 private:
  void Allocate() {
    out_.SetPixelFormat(h_.bpp == 32 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
    out_.SetSize(h_.width, h_.height);
  }

  std::uint8_t* Row(std::int64_t fileRow) {
    return out_.ScanLine(static_cast<std::int32_t>(h_.topDown ? fileRow : h_.height - 1 - fileRow));
  }

  void PutIndex(std::uint8_t* pixel, std::uint32_t index) const {
    if (index * 3 >= palette_.size()) throw Invalid(kIndexOutsidePalette);
    std::memcpy(pixel, &palette_[index * 3], 3);
  }

  void DecodeRows() {
    const std::int64_t rowBits = std::int64_t{h_.width} * h_.bpp;
    const std::int64_t stride = (rowBits + 31) / 32 * 4;
    const std::int64_t needed = stride * (h_.height - 1) + (rowBits + 7) / 8;
    if (needed > static_cast<std::int64_t>(available_)) throw Invalid(kPixelsCutShort);
    Allocate();
    if (h_.width == 0 || h_.height == 0) return;
    if (h_.bpp == 16 || h_.bpp == 32) MakeChannels();
    bool anyAlpha = false;
    for (std::int64_t y = 0; y < h_.height; ++y) DecodeRow(pixels_ + y * stride, Row(y), anyAlpha);
    // Editors that do not know alpha leave the fourth byte 0: such a picture is opaque.
    if (h_.bpp == 32 && !anyAlpha)
      for (std::int32_t y = 0; y < h_.height; ++y)
        for (std::int32_t x = 0; x < h_.width; ++x) out_.ScanLine(y)[4 * x + 3] = 255;
  }

  void MakeChannels() {
    const std::uint32_t def16[4] = {0x7C00, 0x03E0, 0x001F, 0}, def32[4] = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    const std::uint32_t* use = h_.hasMasks ? h_.masks : h_.bpp == 16 ? def16 : def32;
    r_ = MakeChannel(use[0], static_cast<int>(h_.bpp));
    g_ = MakeChannel(use[1], static_cast<int>(h_.bpp));
    b_ = MakeChannel(use[2], static_cast<int>(h_.bpp));
    if (h_.bpp == 32) a_ = MakeChannel(use[3], 32);
    if (r_.mask == 0 && g_.mask == 0 && b_.mask == 0) throw Invalid(kMasksEmpty);
  }

  void DecodeRow(const std::uint8_t* src, std::uint8_t* dst, bool& anyAlpha) {
    if (h_.bpp <= 8) {
      const std::uint32_t bits = h_.bpp, mask = (1u << bits) - 1;
      for (std::int32_t x = 0; x < h_.width; ++x) {
        const std::uint64_t bit = std::uint64_t{static_cast<std::uint32_t>(x)} * bits;
        PutIndex(dst + 3 * x, (src[bit / 8] >> (8 - bits - bit % 8)) & mask);
      }
    } else if (h_.bpp == 24) {
      std::memcpy(dst, src, static_cast<std::size_t>(h_.width) * 3);
    } else if (h_.bpp == 16) {
      for (std::int32_t x = 0; x < h_.width; ++x) {
        const std::uint32_t v = std::uint32_t{src[2 * x]} | std::uint32_t{src[2 * x + 1]} << 8;
        dst[3 * x] = b_.Get(v), dst[3 * x + 1] = g_.Get(v), dst[3 * x + 2] = r_.Get(v);
      }
    } else {
      for (std::int32_t x = 0; x < h_.width; ++x) {
        const std::uint8_t* s = src + 4 * x;
        const std::uint32_t v =
            std::uint32_t{s[0]} | std::uint32_t{s[1]} << 8 | std::uint32_t{s[2]} << 16 | std::uint32_t{s[3]} << 24;
        std::uint8_t* d = dst + 4 * x;
        d[0] = b_.Get(v), d[1] = g_.Get(v), d[2] = r_.Get(v), d[3] = a_.Get(v);
        anyAlpha = anyAlpha || d[3] != 0;
      }
    }
  }

  void DecodeRle() {
    const bool four = h_.compression == 2;
    std::size_t at = 0;
    std::int64_t x = 0, y = 0;  // y counts file rows, from the bottom
    auto need = [&](std::size_t n) {
      if (available_ - at < n) throw Invalid(kRleCutShort);
    };
    auto put = [&](std::uint32_t index) {
      if (y >= h_.height) throw Invalid(kRunLeavesPicture);
      // Encoders pad odd rows with a pixel past the end (ImageMagick does); it is dropped, as
      // Windows drops it.
      if (x >= h_.width) return;
      PutIndex(Row(y) + 3 * x, index);
      ++x, ++written_;
    };
    for (;;) {
      need(2);
      const std::uint8_t count = pixels_[at], value = pixels_[at + 1];
      at += 2;
      if (count > 0) {
        for (int i = 0; i < count; ++i) put(four ? (i % 2 == 0 ? value >> 4 : value & 15) : value);
      } else if (value == 0) {  // end of line
        x = 0, ++y;
      } else if (value == 1) {  // end of bitmap
        // Pixels a run skipped have no defined colour: such a picture cannot be read faithfully.
        if (written_ != std::int64_t{h_.width} * h_.height) throw Invalid(kPixelsUndefined);
        return;
      } else if (value == 2) {  // delta
        need(2);
        x += pixels_[at], y += pixels_[at + 1];
        at += 2;
        if (x > h_.width || y > h_.height) throw Invalid(kDeltaLeavesPicture);
      } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
        const std::size_t bytes = four ? (value + 1u) / 2 : value;
        need(bytes + (bytes & 1));
        for (int i = 0; i < value; ++i) {
          const std::uint8_t byte = pixels_[at + (four ? i / 2 : i)];
          put(four ? (i % 2 == 0 ? byte >> 4 : byte & 15) : byte);
        }
        at += bytes + (bytes & 1);
      }
    }
  }

  const Input& in_;
  const Header& h_;
  TBitmap& out_;
  std::vector<std::uint8_t> palette_;
  const std::uint8_t* pixels_ = nullptr;
  std::size_t available_ = 0;
  std::int64_t written_ = 0;
  Channel r_, g_, b_, a_;
};

using le::PutU16;
using le::PutU32;

void Decode(const std::uint8_t* data, std::size_t size, TBitmap& bitmap) {
  const Input in{data, size};
  const Header header = ReadHeader(in);
  TBitmap result;
  Decoder(in, header, result).Run();
  bitmap = std::move(result);
}

}  // namespace

void ReadBmpFromMemory(const std::uint8_t* data, std::size_t size, TBitmap& bitmap, const std::string& name) {
  try {
    Decode(data, size, bitmap);
  } catch (const Invalid& e) {
    throw EInvalidGraphic(Says(name.empty() ? EIT_SAYS("Bitmap image is not valid (%2)")
                                            : EIT_SAYS("Bitmap image is not valid: %1 (%2)"),
                               {name, e.Why()}),
                          name);
  }
}

void ReadBmpFromStream(TStream& stream, TBitmap& bitmap) {
  TMemoryStream bytes;
  const std::int64_t size = stream.Size() - stream.Position();
  bytes.Reserve(size);  // exactly: a read past the end must not land in spare capacity
  bytes.CopyFrom(stream, size);
  ReadBmpFromMemory(bytes.Memory(), static_cast<std::size_t>(bytes.Size()), bitmap, "");
}

void ReadBMP(const std::string& path, TBitmap& bitmap) {
  TMemoryStream bytes;
  bytes.LoadFromFile(path);
  ReadBmpFromMemory(bytes.Memory(), static_cast<std::size_t>(bytes.Size()), bitmap, path);
}

void WriteBmpToStream(TStream& stream, const TBitmap& bitmap) {
  const bool wide = bitmap.PixelFormat() == TPixelFormat::pf32bit;
  const std::int32_t width = bitmap.Width(), height = bitmap.Height();
  const std::uint32_t infoSize = wide ? 124 : 40;
  const std::uint32_t offBits = 14 + infoSize;
  const std::size_t stride = (bitmap.RowBytes() + 3) / 4 * 4;
  const std::uint64_t imageSize = std::uint64_t{stride} * static_cast<std::uint64_t>(height);
  std::uint8_t head[14 + 124] = {};
  head[0] = 'B', head[1] = 'M';
  PutU32(head + 2, static_cast<std::uint32_t>(offBits + imageSize));
  PutU32(head + 10, offBits);
  std::uint8_t* info = head + 14;
  PutU32(info, infoSize);
  PutU32(info + 4, static_cast<std::uint32_t>(width));
  PutU32(info + 8, static_cast<std::uint32_t>(height));  // positive: bottom-up
  PutU16(info + 12, 1);
  PutU16(info + 14, wide ? 32 : 24);
  PutU32(info + 16, wide ? 3 : 0);  // bit fields for 32-bit, so the alpha mask below counts
  PutU32(info + 20, static_cast<std::uint32_t>(imageSize));
  if (wide) {
    PutU32(info + 40, 0x00FF0000), PutU32(info + 44, 0x0000FF00), PutU32(info + 48, 0x000000FF);
    PutU32(info + 52, 0xFF000000);
    PutU32(info + 56, 0x73524742);  // 'sRGB'
    PutU32(info + 108, 4);          // LCS_GM_IMAGES
  }
  stream.WriteBuffer(head, static_cast<std::int32_t>(offBits));
  std::vector<std::uint8_t> row(stride, 0);
  for (std::int32_t y = height - 1; y >= 0; --y) {
    if (bitmap.RowBytes() > 0) std::memcpy(row.data(), bitmap.ScanLine(y), bitmap.RowBytes());
    stream.WriteBuffer(row.data(), static_cast<std::int32_t>(stride));
  }
}

void WriteBMP(const std::string& path, const TBitmap& bitmap) {
  TFileStream file(path, FileMode::Create);
  WriteBmpToStream(file, bitmap);
  file.Close();
}

}  // namespace eit
