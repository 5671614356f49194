// PNG: read through libspng, which decodes the file whole into the bitmap's own block (a 16-bit file takes a
// block twice the picture's size first); written by the coder beside it.
#include "codecs/png.h"

#include <spng.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/limits.h"
#include "codecs/png_deflate.h"

namespace eit {

namespace {

// Ancillary chunks an editor writes (text, ICC profile, EXIF) are small; these bound what a hostile file
// can make the library keep.
constexpr std::size_t kChunkLimit = std::size_t{16} << 20;
constexpr std::size_t kChunkCacheLimit = std::size_t{64} << 20;

struct TContextFree {
  void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};
using TContext = std::unique_ptr<spng_ctx, TContextFree>;

struct TMallocFree {
  void operator()(void* block) const { std::free(block); }
};

[[noreturn]] void Refuse(const std::string& name, const std::string& why) {
  throw EInvalidGraphic(Says(name.empty() ? EIT_SAYS("PNG image is not valid (%2)") : EIT_SAYS("PNG image is not valid: %1 (%2)"),
                             {name, why}),
                        name);
}

std::string Reason(int code) {
  switch (code) {
    case SPNG_IO_EOF:
    case SPNG_IO_ERROR:
      return "the file is cut short";
    default:
      return spng_strerror(code);
  }
}

std::uint32_t BigEndian32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

// Whether the file holds its IEND chunk whole, checksum included: the library reads no further than
// the chunk's type, so a file missing its last bytes would pass as whole.
bool EndsWhole(const std::uint8_t* data, std::size_t size) {
  static constexpr std::uint8_t kIendCrc[4] = {0xAE, 0x42, 0x60, 0x82};
  for (std::size_t at = 8; at + 8 <= size;) {
    const std::uint32_t length = BigEndian32(data + at);
    if (length > size - at - 8 || size - at - 8 - length < 4) return false;
    if (std::memcmp(data + at + 4, "IEND", 4) == 0) return length == 0 && std::memcmp(data + at + 8, kIendCrc, 4) == 0;
    at += 12 + std::size_t{length};
  }
  return false;
}

// The bytes of the file's IDAT chunks, as far as the file goes.
std::int64_t ImageDataBytes(const std::uint8_t* data, std::size_t size) {
  std::int64_t total = 0;
  for (std::size_t at = 8; at + 8 <= size;) {
    const std::uint32_t length = std::uint32_t{data[at]} << 24 | std::uint32_t{data[at + 1]} << 16 |
                                 std::uint32_t{data[at + 2]} << 8 | data[at + 3];
    const std::size_t available = std::min<std::size_t>(length, size - at - 8);
    if (std::memcmp(data + at + 4, "IDAT", 4) == 0) total += static_cast<std::int64_t>(available);
    if (length > size - at - 8) break;
    at += 12 + std::size_t{length};
  }
  return total;
}

// The nearest 8-bit value, ties as ImageMagick breaks them.
std::uint8_t Round16(std::uint16_t v) { return static_cast<std::uint8_t>((v + 128u) / 257u); }

}  // namespace

bool IsPngSignature(const std::uint8_t* data, std::size_t size) {
  static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  return size >= 8 && std::memcmp(data, kSignature, 8) == 0;
}

std::optional<std::pair<std::uint32_t, std::uint32_t>> PngSize(const std::uint8_t* data, std::size_t size) {
  if (!IsPngSignature(data, size) || size < 24 || std::memcmp(data + 12, "IHDR", 4) != 0) return std::nullopt;
  return std::make_pair(BigEndian32(data + 16), BigEndian32(data + 20));
}

void ReadPngFromMemory(const std::uint8_t* data, std::size_t size, TBitmap& bitmap, const std::string& name) {
  if (!IsPngSignature(data, size)) Refuse(name, "no PNG signature");
  TContext ctx(spng_ctx_new(0));
  if (!ctx) throw std::bad_alloc();
  spng_set_image_limits(ctx.get(), kMaxPictureSide, kMaxPictureSide);
  spng_set_chunk_limits(ctx.get(), kChunkLimit, kChunkCacheLimit);
  // A wrong CRC anywhere is a damaged file: refused, never guessed at.
  spng_set_crc_action(ctx.get(), SPNG_CRC_ERROR, SPNG_CRC_ERROR);
  if (int rc = spng_set_png_buffer(ctx.get(), data, size)) Refuse(name, Reason(rc));

  spng_ihdr ihdr{};
  if (int rc = spng_get_ihdr(ctx.get(), &ihdr)) Refuse(name, Reason(rc));
  const std::int64_t pixels = std::int64_t{ihdr.width} * ihdr.height;
  if (ihdr.width > kMaxPictureSide || ihdr.height > kMaxPictureSide || pixels * 4 > kMaxPictureBytes)
    Refuse(name, std::to_string(ihdr.width) + " x " + std::to_string(ihdr.height) +
                     " pixels is larger than this program takes");
  const bool deep = ihdr.bit_depth == 16;
  // Deflate packs at most 1032 bytes into one: a file whose image data are fewer than that allows for is
  // cut short, and is refused before its picture is allocated.
  const int bitsPerPixel = ihdr.bit_depth * (ihdr.color_type == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA ? 4
                                             : ihdr.color_type == SPNG_COLOR_TYPE_TRUECOLOR       ? 3
                                             : ihdr.color_type == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA ? 2
                                                                                                  : 1);
  const std::int64_t filteredBytes = std::int64_t{ihdr.height} * (1 + (std::int64_t{ihdr.width} * bitsPerPixel + 7) / 8);
  if (ImageDataBytes(data, size) * 1032 < filteredBytes) Refuse(name, "the image data are cut short");
  if (deep && pixels * 8 > kMaxPictureBytes)
    Refuse(name, std::to_string(ihdr.width) + " x " + std::to_string(ihdr.height) +
                     " pixels at 16 bits per channel is larger than this program takes; save it with 8 bits");

  const int format = deep ? SPNG_FMT_RGBA16 : SPNG_FMT_RGBA8;
  std::size_t bytes = 0;
  if (int rc = spng_decoded_image_size(ctx.get(), format, &bytes)) Refuse(name, Reason(rc));
  std::unique_ptr<std::uint8_t, TMallocFree> block(static_cast<std::uint8_t*>(std::malloc(std::max<std::size_t>(bytes, 1))));
  if (!block) throw std::bad_alloc();
  if (int rc = spng_decode_image(ctx.get(), block.get(), bytes, format, SPNG_DECODE_TRNS)) {
    if (rc == SPNG_EMEM) throw std::bad_alloc();
    Refuse(name, Reason(rc));
  }
  // The rest of the file too: the last image chunk's CRC is checked only when the chunks after it are read,
  // and a file cut after its pixels is still a cut file.
  if (int rc = spng_decode_chunks(ctx.get())) Refuse(name, Reason(rc));
  if (!EndsWhole(data, size)) Refuse(name, "the file is cut short");

  std::uint8_t* p = block.get();
  const std::size_t count = static_cast<std::size_t>(pixels);
  if (deep) {
    // In place, front to back: pixel i's 8 bytes are read before its 4 are written over them.
    const auto* wide = reinterpret_cast<const std::uint16_t*>(p);
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint16_t r = wide[4 * i], g = wide[4 * i + 1], b = wide[4 * i + 2], a = wide[4 * i + 3];
      p[4 * i] = Round16(b), p[4 * i + 1] = Round16(g), p[4 * i + 2] = Round16(r), p[4 * i + 3] = Round16(a);
    }
  } else {
    for (std::size_t i = 0; i < count; ++i) std::swap(p[4 * i], p[4 * i + 2]);
  }
  TBitmap result;
  result.Adopt(TPixelFormat::pf32bit, static_cast<std::int32_t>(ihdr.width), static_cast<std::int32_t>(ihdr.height),
               block.release(), 0);
  bitmap = std::move(result);
}

void ReadPNG(const std::string& path, TBitmap& bitmap) {
  TMemoryStream bytes;
  bytes.LoadFromFile(path);
  ReadPngFromMemory(bytes.Memory(), static_cast<std::size_t>(bytes.Size()), bitmap, path);
}

namespace {

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void WriteChunk(TStream& stream, const char* type, const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> head;
  PutU32(head, static_cast<std::uint32_t>(size));
  head.insert(head.end(), type, type + 4);
  uLong crc = crc32(0, head.data() + 4, 4);
  if (size > 0) crc = crc32(crc, data, static_cast<uInt>(size));
  stream.WriteBuffer(head.data(), static_cast<std::int32_t>(head.size()));
  if (size > 0) stream.WriteBuffer(data, static_cast<std::int32_t>(size));
  std::vector<std::uint8_t> tail;
  PutU32(tail, static_cast<std::uint32_t>(crc));
  stream.WriteBuffer(tail.data(), 4);
}

}  // namespace

// Written by hand rather than through the library: zlib, even at its fastest, takes five times as long as
// writing the TGA; this writes one form only (8-bit RGB or RGBA, each row filtered by its left neighbour)
// through a coder made for it. What it writes is read back by the library in the tests.
void WritePngToStream(TStream& stream, const TBitmap& bitmap, int threads) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) throw EInvalidGraphic(Says(EIT_SAYS("a PNG image cannot be empty")));
  const bool alpha = bitmap.PixelFormat() == TPixelFormat::pf32bit;
  const std::size_t channels = alpha ? 4 : 3;
  const std::size_t rowBytes = bitmap.RowBytes();
  const auto height = static_cast<std::size_t>(bitmap.Height());

  // Each row: filter type 1 (Sub), then every byte less the one a pixel to its left; made as it is coded.
  png::TRows rows;
  rows.Count = height;
  rows.Stride = rowBytes + 1;
  rows.PixelBytes = channels;
  rows.Fill = [&](std::size_t y, std::uint8_t* out) {
    const std::uint8_t* in = bitmap.ScanLine(static_cast<std::int32_t>(y));
    *out++ = 1;
    if (channels == 4) {
      out[0] = in[2], out[1] = in[1], out[2] = in[0], out[3] = in[3];
      for (std::size_t i = 4; i < rowBytes; i += 4) {
        out[i] = static_cast<std::uint8_t>(in[i + 2] - in[i - 2]);
        out[i + 1] = static_cast<std::uint8_t>(in[i + 1] - in[i - 3]);
        out[i + 2] = static_cast<std::uint8_t>(in[i] - in[i - 4]);
        out[i + 3] = static_cast<std::uint8_t>(in[i + 3] - in[i - 1]);
      }
    } else {
      out[0] = in[2], out[1] = in[1], out[2] = in[0];
      for (std::size_t i = 3; i < rowBytes; i += 3) {
        out[i] = static_cast<std::uint8_t>(in[i + 2] - in[i - 1]);
        out[i + 1] = static_cast<std::uint8_t>(in[i + 1] - in[i - 2]);
        out[i + 2] = static_cast<std::uint8_t>(in[i] - in[i - 3]);
      }
    }
  };
  std::vector<std::uint8_t> idat;
  idat.reserve(height * rowBytes / 3);
  png::DeflateFast(rows, idat, std::max(1, threads));

  static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  stream.WriteBuffer(kSignature, 8);
  std::vector<std::uint8_t> ihdr;
  PutU32(ihdr, static_cast<std::uint32_t>(bitmap.Width()));
  PutU32(ihdr, static_cast<std::uint32_t>(bitmap.Height()));
  ihdr.insert(ihdr.end(), {8, static_cast<std::uint8_t>(alpha ? 6 : 2), 0, 0, 0});
  WriteChunk(stream, "IHDR", ihdr.data(), ihdr.size());
  constexpr std::size_t kIdatBytes = std::size_t{1} << 20;
  for (std::size_t at = 0; at < idat.size(); at += kIdatBytes)
    WriteChunk(stream, "IDAT", idat.data() + at, std::min(kIdatBytes, idat.size() - at));
  WriteChunk(stream, "IEND", nullptr, 0);
}

std::string PngLibraryDescription() { return std::string("libspng ") + spng_version_string(); }

}  // namespace eit
