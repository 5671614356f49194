#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/limits.h"
#include "platform/little_endian.h"
#include "codecs/targa.h"

namespace eit {

namespace {

using le::PutU16;
using le::PutU32;

constexpr std::int32_t kExtensionSize = 495;

}  // namespace

void WriteTgaToStream(TStream& stream, const TBitmap& bitmap) {
  if (bitmap.Width() > kMaxPictureSide || bitmap.Height() > kMaxPictureSide)
    throw Exception(Says(EIT_SAYS("Cannot write a TGA image wider or taller than %1 pixels"), {std::to_string(kMaxPictureSide)}));
  const bool alpha = bitmap.PixelFormat() == TPixelFormat::pf32bit;
  std::uint8_t header[18] = {};
  header[2] = 2;  // uncompressed true-colour
  PutU16(header + 12, static_cast<std::uint32_t>(bitmap.Width()));
  PutU16(header + 14, static_cast<std::uint32_t>(bitmap.Height()));
  header[16] = alpha ? 32 : 24;
  // Alpha bits, and the top-left origin: rows go out in the bitmap's own order, so the whole
  // picture leaves in a few large writes.
  header[17] = static_cast<std::uint8_t>((alpha ? 8 : 0) | 0x20);
  stream.WriteBuffer(header, sizeof header);
  const std::int64_t start = stream.Position() - static_cast<std::int64_t>(sizeof header);
  const std::int64_t total = static_cast<std::int64_t>(bitmap.RowBytes()) * bitmap.Height();
  for (std::int64_t done = 0; done < total; done += kTransferPieceBytes)
    stream.WriteBuffer(bitmap.ScanLine(0) + done,
                       static_cast<std::int32_t>(std::min(total - done, kTransferPieceBytes)));

  // The extension area says the alpha is straight ("useful alpha"), not premultiplied.
  std::vector<std::uint8_t> extension(kExtensionSize, 0);
  PutU16(extension.data(), kExtensionSize);
  extension[494] = alpha ? 3 : 0;
  const std::int64_t extensionOffset = stream.Position() - start;
  stream.WriteBuffer(extension.data(), kExtensionSize);
  std::uint8_t footer[26] = {};
  PutU32(footer, static_cast<std::uint32_t>(extensionOffset));
  std::memcpy(footer + 8, "TRUEVISION-XFILE.", 18);  // with its NUL
  stream.WriteBuffer(footer, sizeof footer);
}

void WriteTGA(const char* path, const TBitmap& bitmap, std::int32_t /*options*/) {
  TFileStream file(path, FileMode::Create);
  WriteTgaToStream(file, bitmap);
  file.Close();
}

}  // namespace eit
