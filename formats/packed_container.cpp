// The two texture file forms and the loading and storing rules.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/limits.h"
#include "compression/dynazlib.h"
#include "compression/pack_engine.h"
#include "formats/formathandlers.h"
#include "platform/little_endian.h"

namespace eit {

namespace {

constexpr char kPackedMagic[4] = {'E', 'L', 'T', 'E'};
constexpr char kRawMagic[4] = {'D', 'D', 'S', '!'};
// Deflate never expands more than 1032 to 1, so no honest container unpacks to more than this
// many times its compressed length.
constexpr std::int64_t kMaxInflateRatio = 1032;

std::uint32_t ReadU32(TStream& stream) {
  std::uint8_t b[4];
  stream.ReadBuffer(b, 4);
  return le::U32(b);
}

void WriteU32(TStream& stream, std::uint32_t v) {
  std::uint8_t b[4];
  le::PutU32(b, v);
  stream.WriteBuffer(b, 4);
}

std::uint32_t HeaderField(const std::uint8_t* image, std::int32_t offset, bool inverted) {
  const std::uint32_t v = le::U32(image + offset);
  return inverted ? ~v : v;
}

}  // namespace

void ReadPackedImage(TStream& source, TMemoryStream& destination, TPackEngine engine) {
  ReadPackedImage(source, destination, -1, engine);
}

namespace {

// libdeflate decodes the whole stream at once, straight into the image. Only a stream that ends
// exactly at UnpackedLength takes this way; anything else (more data, too little, corrupt) goes the
// zlib way, which gives the result and the errors it always has.
bool UnpackWithLibdeflate(TStream& source, std::uint32_t unpackedLength, TMemoryStream& destination,
                          TPackEngine engine) {
  if (!UsingLibdeflate(engine) || unpackedLength == 0) return false;
  const std::int64_t start = source.Position();
  const std::int64_t packedBytes = source.Size() - start;
  // No more memory than the data could possibly unpack to: a lying length goes the zlib way, which
  // finds it out before it costs anything.
  if (packedBytes <= 0 || unpackedLength > packedBytes * kMaxInflateRatio + 1024) return false;
  TMemoryStream packed;
  packed.Reserve(packedBytes);
  if (packed.ReadFrom(source, packedBytes) != packedBytes) {
    source.SetPosition(start);
    return false;
  }
  destination.SetSizeForOverwrite(unpackedLength);
  if (UnpackWhole(engine, packed.Memory(), static_cast<std::size_t>(packedBytes), destination.Memory(), unpackedLength)) {
    destination.SetPosition(unpackedLength);
    return true;
  }
  destination.Clear();
  source.SetPosition(start);
  return false;
}

}  // namespace

void ReadPackedImage(TStream& source, TMemoryStream& destination, std::int64_t limit, TPackEngine engine) {
  source.SetPosition(4);
  (void)ReadU32(source);  // PackedLength: not needed to read
  const std::uint32_t unpackedLength = ReadU32(source);
  const std::int64_t wanted = limit < 0 ? std::int64_t{unpackedLength} : std::min<std::int64_t>(unpackedLength, limit);
  if (wanted == unpackedLength && UnpackWithLibdeflate(source, unpackedLength, destination, engine)) return;
  // Reserve the whole image at once, but only as much as the data could possibly unpack to, so a
  // lying length field costs nothing before the copy finds it out.
  const std::int64_t packedBytes = std::max<std::int64_t>(source.Size() - source.Position(), 0);
  destination.Reserve(std::min<std::int64_t>(wanted, packedBytes * kMaxInflateRatio + 1024));
  TDecompressionStream unpacker(source);
  // A copy of 0 bytes means "everything", which a decompression stream cannot tell: it raises.
  if (unpackedLength == 0) destination.CopyFrom(unpacker, 0);
  if (destination.ReadFrom(unpacker, wanted) != wanted) throw EShortRead(Says(SReadError));
}

void WritePackedImage(TMemoryStream& source, TStream& destination, TPackEngine engine) {
  const std::int64_t unpackedLength = source.Size();
  if (unpackedLength > 0xFFFFFFFF) throw Exception(Says(EIT_SAYS("A texture image of more than 4 GiB cannot be packed")));
  destination.WriteBuffer(kPackedMagic, 4);
  WriteU32(destination, 0);  // PackedLength, patched below
  WriteU32(destination, static_cast<std::uint32_t>(unpackedLength));
  if (!PackWhole(engine, source.Memory(), static_cast<std::size_t>(unpackedLength), destination)) {
    TCompressionStream packer(cmlFast, destination);
    if (unpackedLength > 0) packer.CopyFrom(source, 0);
    packer.Finish();
  }
  const std::int64_t packedLength = destination.Size() - 12;
  destination.SetPosition(4);
  WriteU32(destination, static_cast<std::uint32_t>(packedLength));
}

namespace {

TText NoCompleteHeader(std::int64_t size) {
  return Says(EIT_SAYS("A texture image of %1 bytes has no complete header"), {std::to_string(size)});
}

TText TheTexture(const std::string& path) {
  return path.empty() ? Says(EIT_SAYS("The texture")) : Says(EIT_SAYS("%1: the texture"), {path});
}

}  // namespace

void InvertImageHeader(TMemoryStream& image) {
  if (image.Size() < kImageHeaderSize)
    throw Exception(NoCompleteHeader(image.Size()));
  std::uint8_t* header = image.Memory() + 4;
  for (int i = 0; i < kImageHeaderSize - 4; ++i) header[i] ^= 0xFF;
  image.SetPosition(kImageHeaderSize);
}

TTextureHeader ReadTextureHeader(const TMemoryStream& image) {
  if (image.Size() < kImageHeaderSize)
    throw Exception(NoCompleteHeader(image.Size()));
  return {HeaderField(image.Memory(), kWidthOffset, false), HeaderField(image.Memory(), kHeightOffset, false),
          HeaderField(image.Memory(), kBitCountOffset, false)};
}

TTextureHeader ReadStoredTextureHeader(const TMemoryStream& image, const std::string& path) {
  if (image.Size() < kImageHeaderSize)
    throw Exception(NoCompleteHeader(image.Size()));
  return DecodeTextureHeader(image.Memory(), true, path);
}

TTextureHeader DecodeTextureHeader(const std::uint8_t* image, bool inverted, const std::string& path) {
  TTextureHeader h{HeaderField(image, kWidthOffset, inverted), HeaderField(image, kHeightOffset, inverted),
                   HeaderField(image, kBitCountOffset, inverted)};
  const TText texture = TheTexture(path);
  const auto n = [](std::int64_t v) { return std::to_string(v); };
  if (h.BitCount != 24 && h.BitCount != 32)
    throw Exception(Says(EIT_SAYS("%1 has %2 bits per pixel; only 24 and 32 are supported"), {texture, n(h.BitCount)}), path);
  if (h.Width > kMaxPictureSide || h.Height > kMaxPictureSide)
    throw Exception(Says(EIT_SAYS("%1 claims %2 x %3 pixels, more than %4 on a side"),
                         {texture, n(h.Width), n(h.Height), n(kMaxPictureSide)}), path);
  // Every texture becomes a picture in memory, so a larger one is refused now, before it is unpacked.
  h.PixelBytes = CheckedImageBytes(h.Width, h.Height, h.BytesPerPixel(), kMaxPictureBytes);
  if (h.PixelBytes < 0)
    throw Exception(Says(EIT_SAYS("%1 claims %2 x %3 pixels at %4 bits, more than a picture can hold (%5 GiB)"),
                         {texture, n(h.Width), n(h.Height), n(h.BitCount), n(kMaxPictureBytes >> 30)}), path);
  return h;
}

void CheckPixelArea(const TTextureHeader& h, std::int64_t held, const std::string& path) {
  if (h.PixelBytes <= held) return;
  const auto n = [](std::int64_t v) { return std::to_string(v); };
  throw Exception(Says(path.empty() ? EIT_SAYS("The texture's pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6")
                                    : EIT_SAYS("%1: the texture's pixel data hold %2 bytes, but %3 x %4 pixels at %5 bits need %6"),
                       {path, n(held), n(h.Width), n(h.Height), n(h.BitCount), n(h.PixelBytes)}), path);
}

namespace {

void DrainExactly(TStream& from, std::int64_t count) {
  std::uint8_t scratch[1 << 16];
  while (count > 0) {
    const auto chunk = static_cast<std::int32_t>(std::min<std::int64_t>(count, sizeof scratch));
    if (from.Read(scratch, chunk) != chunk) throw EShortRead(Says(SReadError));
    count -= chunk;
  }
}

[[noreturn]] void ShortHeader(std::int64_t size, const std::string& path) {
  throw Exception(Says(EIT_SAYS("%1: the texture image is %2 bytes long, shorter than its 128-byte header"),
                       {path, std::to_string(size)}), path);
}

}  // namespace

namespace {

// Inserts keep the bytes after the rows too, so they take all the stream really holds; the header
// is checked already.
void LoadWhole(TStream& source, bool packed, const TTextureHeader& header, TMemoryStream& image,
               const std::string& path, TPackEngine engine) {
  image.Clear();
  if (packed) {
    ReadPackedImage(source, image, engine);
  } else {
    source.SetPosition(0);
    image.CopyFrom(source, 0);
  }
  const std::int64_t size = image.Size();
  if (size < kImageHeaderSize) ShortHeader(size, path);
  CheckPixelArea(header, size - kImageHeaderSize, path);
}

}  // namespace

TTextureForm LoadTextureImage(TStream& source, TMemoryStream& image, const std::string& path, TLoadExtent extent,
                              TPackEngine engine) {
  char magic[4] = {};
  const std::int32_t got = source.Read(magic, 4);
  const bool packed = got == 4 && std::memcmp(magic, kPackedMagic, 4) == 0;
  if (!packed && !(got == 4 && std::memcmp(magic, kRawMagic, 4) == 0))
    throw Exception(Says(EIT_SAYS("%1 is not a texture file: it begins with neither \"ELTE\" nor \"DDS!\""), {path}), path);
  const TTextureForm form = packed ? TTextureForm::Packed : TTextureForm::Raw;

  // The header first, whatever the extent: a texture too large to hold is refused before anything
  // is unpacked. An export then reads no more than the header says the rows take, whatever the
  // container or the file's size claims.
  std::int64_t available;
  std::unique_ptr<TDecompressionStream> unpacker;
  TStream* from = &source;
  if (packed) {
    (void)ReadU32(source);
    available = ReadU32(source);
    if (available == 0) throw EDecompressionError(Says(SInvalidStreamOp));
    unpacker = std::make_unique<TDecompressionStream>(source);
    from = unpacker.get();
  } else {
    source.SetPosition(0);
    available = std::max<std::int64_t>(source.Size(), 0);
  }
  const std::int64_t head = std::min<std::int64_t>(available, kImageHeaderSize);
  if (image.ReadFrom(*from, head) != head) throw EShortRead(Says(SReadError));
  if (head < kImageHeaderSize) ShortHeader(head, path);
  const TTextureHeader header = DecodeTextureHeader(image.Memory(), true, path);
  const std::int64_t needed = header.PixelBytes;
  if (extent == TLoadExtent::Header) return form;

  if (extent == TLoadExtent::Whole) {
    unpacker.reset();
    LoadWhole(source, packed, header, image, path, engine);
    return form;
  }

  CheckPixelArea(header, available - kImageHeaderSize, path);
  // An honest container holds just the header and rows: libdeflate takes it whole from here.
  if (packed && available == kImageHeaderSize + needed) {
    unpacker.reset();
    source.SetPosition(12);
    image.Clear();
    if (UnpackWithLibdeflate(source, static_cast<std::uint32_t>(available), image, engine)) return form;
    source.SetPosition(12);
    unpacker = std::make_unique<TDecompressionStream>(source);
    from = unpacker.get();
    if (image.ReadFrom(*from, kImageHeaderSize) != kImageHeaderSize) throw EShortRead(Says(SReadError));
  }
  image.Reserve(kImageHeaderSize + needed);
  if (image.ReadFrom(*from, needed) != needed) throw EShortRead(Says(SReadError));
  // The rest is not needed, but a stream that ends before UnpackedLength is broken: it must be seen
  // to end there, in a small buffer, whatever the length claims.
  if (packed) DrainExactly(*from, available - kImageHeaderSize - needed);
  return form;
}

void StoreTextureImage(TMemoryStream& image, TTextureForm form, TStream& destination, TPackEngine engine) {
  if (form == TTextureForm::Packed)
    WritePackedImage(image, destination, engine);
  else
    image.SaveToStream(destination);
}

}  // namespace eit
