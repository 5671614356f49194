// Pixel rows between texture images (R, G, B[, A]) and bitmaps (B, G, R[, A]).
//
// Each row moves straight between the image's bytes and the bitmap row, red and blue exchanged in
// the same pass: no row buffer is needed, nothing else is allocated, and memory is crossed once.
#include "platform/limits.h"
#include "formats/formathandlers.h"
#include "formats/misc.h"

namespace eit {

namespace {

void CopyRow(std::uint8_t* to, const std::uint8_t* from, std::size_t bytes, int bytesPerPixel) {
  if (bytesPerPixel == 4)
    CopySwapRedBlue32(to, from, bytes);
  else
    CopySwapRedBlue24(to, from, bytes);
}

struct PixelArea {
  TPixelFormat format;
  int bytesPerPixel;
  std::int32_t width, height;
  std::int64_t bytes;
};

// The pixel area the header describes, checked against the bytes present.
PixelArea CheckedPixelArea(const TMemoryStream& image) {
  (void)ReadTextureHeader(image);  // a complete header
  const TTextureHeader header = DecodeTextureHeader(image.Memory(), false, "");
  CheckPixelArea(header, image.Size() - kImageHeaderSize, "");
  return {header.Format(), header.BytesPerPixel(), static_cast<std::int32_t>(header.Width),
          static_cast<std::int32_t>(header.Height), header.PixelBytes};
}

}  // namespace

void ImageToBitmap(TMemoryStream& image, TBitmap& bitmap) {
  const PixelArea area = CheckedPixelArea(image);
  const int bytesPerPixel = area.bytesPerPixel;
  const std::int64_t needed = area.bytes;
  // Every byte is written below, so the picture need not be cleared first.
  bitmap.Reshape(area.format, area.width, area.height, TBitmap::TInit::Undefined);
  const std::size_t rowBytes = bitmap.RowBytes();
  const std::uint8_t* from = image.Memory() + kImageHeaderSize;
  for (std::int32_t r = 0; r < bitmap.Height() && rowBytes > 0; ++r, from += rowBytes) {
    CopyRow(bitmap.ScanLine(r), from, rowBytes, bytesPerPixel);
  }
  image.SetPosition(kImageHeaderSize + needed);
}

void ImageToBitmapInPlace(TMemoryStream& image, TBitmap& bitmap) {
  const PixelArea area = CheckedPixelArea(image);
  std::uint8_t* pixels = image.Memory() + kImageHeaderSize;
  if (area.bytesPerPixel == 4)
    SwapRedBlue32(pixels, static_cast<std::size_t>(area.bytes));
  else
    SwapRedBlue24(pixels, static_cast<std::size_t>(area.bytes));
  bitmap.Adopt(area.format, area.width, area.height, image.Release(), kImageHeaderSize);
}

void BitmapToImage(const TBitmap& bitmap, TMemoryStream& image) {
  const int bytesPerPixel = bitmap.BytesPerPixel();
  const std::int64_t bytes = CheckedImageBytes(bitmap.Width(), bitmap.Height(), bytesPerPixel);
  if (bytes < 0) throw Exception(Says(EIT_SAYS("The picture is too large for a texture")));
  // Grow, never shrink: bytes after the last row keep their values.
  if (image.Size() < kImageHeaderSize + bytes) image.SetSize(kImageHeaderSize + bytes);
  const std::size_t rowBytes = bitmap.RowBytes();
  std::uint8_t* to = image.Memory() + kImageHeaderSize;
  for (std::int32_t r = 0; r < bitmap.Height() && rowBytes > 0; ++r, to += rowBytes) {
    CopyRow(to, bitmap.ScanLine(r), rowBytes, bytesPerPixel);
  }
  image.SetPosition(kImageHeaderSize + bytes);
}

}  // namespace eit
