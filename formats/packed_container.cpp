// The two texture file forms and the loading and storing rules.
#include <algorithm>
#include <cstring>

#include "compression/dynazlib.h"
#include "formats/formathandlers.h"
#include "platform/little_endian.h"

namespace eit {

namespace {

constexpr char kPackedMagic[4] = {'E', 'L', 'T', 'E'};
constexpr char kRawMagic[4] = {'D', 'D', 'S', '!'};
// Deflate never expands more than 1032 to 1, so no honest container unpacks to more than this
// many times its compressed length.
constexpr std::int64_t kMaxInflateRatio = 1032;
constexpr std::uint32_t kMaxSide = 65535;

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

void ReadPackedImage(TStream& source, TMemoryStream& destination) {
  source.SetPosition(4);
  (void)ReadU32(source);  // PackedLength: not needed to read
  const std::uint32_t unpackedLength = ReadU32(source);
  // Reserve the whole image at once, but only as much as the data could possibly unpack to, so a
  // lying length field costs nothing before the copy finds it out.
  const std::int64_t packedBytes = std::max<std::int64_t>(source.Size() - source.Position(), 0);
  destination.Reserve(std::min<std::int64_t>(unpackedLength, packedBytes * kMaxInflateRatio + 1024));
  TDecompressionStream unpacker(source);
  // A copy of 0 bytes means "everything", which a decompression stream cannot tell: it raises.
  if (unpackedLength == 0) destination.CopyFrom(unpacker, 0);
  if (destination.ReadFrom(unpacker, unpackedLength) != unpackedLength) throw EReadError(SReadError);
}

void WritePackedImage(TMemoryStream& source, TStream& destination) {
  const std::int64_t unpackedLength = source.Size();
  if (unpackedLength > 0xFFFFFFFF) throw Exception("A texture image of more than 4 GiB cannot be packed");
  destination.WriteBuffer(kPackedMagic, 4);
  WriteU32(destination, 0);  // PackedLength, patched below
  WriteU32(destination, static_cast<std::uint32_t>(unpackedLength));
  {
    TCompressionStream packer(cmlFast, destination);
    if (unpackedLength > 0) packer.CopyFrom(source, 0);
    packer.Finish();
  }
  const std::int64_t packedLength = destination.Size() - 12;
  destination.SetPosition(4);
  WriteU32(destination, static_cast<std::uint32_t>(packedLength));
}

void InvertImageHeader(TMemoryStream& image) {
  if (image.Size() < kImageHeaderSize)
    throw Exception("A texture image of " + std::to_string(image.Size()) + " bytes has no complete header");
  std::uint8_t* header = image.Memory() + 4;
  for (int i = 0; i < kImageHeaderSize - 4; ++i) header[i] ^= 0xFF;
  image.SetPosition(kImageHeaderSize);
}

TTextureHeader ReadTextureHeader(const TMemoryStream& image) {
  if (image.Size() < kImageHeaderSize)
    throw Exception("A texture image of " + std::to_string(image.Size()) + " bytes has no complete header");
  return {HeaderField(image.Memory(), kWidthOffset, false), HeaderField(image.Memory(), kHeightOffset, false),
          HeaderField(image.Memory(), kBitCountOffset, false)};
}

TTextureHeader ReadStoredTextureHeader(const TMemoryStream& image) {
  if (image.Size() < kImageHeaderSize)
    throw Exception("A texture image of " + std::to_string(image.Size()) + " bytes has no complete header");
  return {HeaderField(image.Memory(), kWidthOffset, true), HeaderField(image.Memory(), kHeightOffset, true),
          HeaderField(image.Memory(), kBitCountOffset, true)};
}

TTextureForm LoadTextureImage(TStream& source, TMemoryStream& image, const std::string& path) {
  char magic[4] = {};
  const std::int32_t got = source.Read(magic, 4);
  TTextureForm form;
  if (got == 4 && std::memcmp(magic, kPackedMagic, 4) == 0) {
    form = TTextureForm::Packed;
    ReadPackedImage(source, image);
  } else if (got == 4 && std::memcmp(magic, kRawMagic, 4) == 0) {
    form = TTextureForm::Raw;
    source.SetPosition(0);
    image.CopyFrom(source, 0);
  } else {
    throw Exception(path + " is not a texture file: it begins with neither \"ELTE\" nor \"DDS!\"");
  }
  const std::int64_t size = image.Size();
  if (size < kImageHeaderSize)
    throw Exception(path + ": the texture image is " + std::to_string(size) +
                    " bytes long, shorter than its 128-byte header");
  // The header is still inverted; read the fields through the inversion.
  const std::uint32_t width = HeaderField(image.Memory(), kWidthOffset, true);
  const std::uint32_t height = HeaderField(image.Memory(), kHeightOffset, true);
  const std::uint32_t bitCount = HeaderField(image.Memory(), kBitCountOffset, true);
  if (bitCount != 24 && bitCount != 32)
    throw Exception(path + ": the texture has " + std::to_string(bitCount) +
                    " bits per pixel; only 24 and 32 are supported");
  if (width > kMaxSide || height > kMaxSide)
    throw Exception(path + ": the texture claims " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels, more than 65535 on a side");
  const std::int64_t needed = CheckedImageBytes(width, height, bitCount / 8, std::int64_t{1} << 31);
  if (needed < 0 || needed > size - kImageHeaderSize)
    throw Exception(path + ": the texture's pixel data hold " + std::to_string(size - kImageHeaderSize) +
                    " bytes, but " + std::to_string(width) + " x " + std::to_string(height) + " pixels at " +
                    std::to_string(bitCount) + " bits need " + std::to_string(width * std::uint64_t{height} * (bitCount / 8)));
  return form;
}

void StoreTextureImage(TMemoryStream& image, TTextureForm form, TStream& destination) {
  if (form == TTextureForm::Packed)
    WritePackedImage(image, destination);
  else
    image.SaveToStream(destination);
}

}  // namespace eit
