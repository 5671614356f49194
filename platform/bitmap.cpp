#include "platform/limits.h"
#include "platform/bitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

namespace eit {

namespace {

// Large enough for any texture the games use (16384 x 16384 at 32 bits is 1 GiB).

struct Span {
  std::int32_t from, to;  // half-open
};

// Clips [from, from + length) to [0, limit).
Span Clip(std::int32_t from, std::int64_t length, std::int32_t limit) {
  const std::int64_t a = std::max<std::int64_t>(from, 0);
  const std::int64_t b = std::min<std::int64_t>(std::int64_t{from} + length, limit);
  return b > a ? Span{static_cast<std::int32_t>(a), static_cast<std::int32_t>(b)} : Span{0, 0};
}

TText OutOfRange(std::int32_t width, std::int32_t height) {
  return Says(EIT_SAYS("Cannot make a picture of %1 x %2 pixels: the size is out of range"),
              {std::to_string(width), std::to_string(height)});
}

TText DifferentFormats() { return Says(EIT_SAYS("Cannot copy between pictures of different pixel formats")); }

// The byte count of a picture, or EInvalidGraphic when it is beyond the program's limits.
std::int64_t PictureBytes(TPixelFormat format, std::int32_t width, std::int32_t height) {
  const std::int64_t bytes =
      CheckedImageBytes(width, height, format == TPixelFormat::pf32bit ? 4 : 3, kMaxPictureBytes);
  if (bytes < 0 || width > kMaxPictureSide || height > kMaxPictureSide)
    throw EInvalidGraphic(OutOfRange(width, height));
  return bytes;
}

}  // namespace

std::int64_t CheckedImageBytes(std::int64_t width, std::int64_t height, std::int64_t bytesPerPixel,
                               std::int64_t limit) {
  if (width < 0 || height < 0 || bytesPerPixel < 0) return -1;
  limit = std::min(limit, kMaxBufferBytes);
  // Each factor is at most 2^31 here, so the row fits 62 bits, and the row is checked before it
  // multiplies by the height.
  if (width > limit || height > limit || bytesPerPixel > limit) return -1;
  const std::int64_t row = width * bytesPerPixel;
  if (row > limit || (height != 0 && row > limit / height)) return -1;
  return row * height;
}

void TBitmap::FreeBlock::operator()(std::uint8_t* p) const noexcept { std::free(p); }

TBitmap::TBitmap(TPixelFormat format, std::int32_t width, std::int32_t height) { Reshape(format, width, height); }

void TBitmap::SetPixelFormat(TPixelFormat format) { Reshape(format, width_, height_); }

void TBitmap::SetSize(std::int32_t width, std::int32_t height) { Reshape(format_, width, height); }

void TBitmap::Reshape(TPixelFormat format, std::int32_t width, std::int32_t height, TInit init) {
  const std::int64_t bytes = PictureBytes(format, width, height);
  if (bytes != blockBytes_ || bytes == 0) {
    offset_ = 0;
    // calloc: large pictures get lazily zeroed pages instead of a memset over all of them.
    std::uint8_t* block =
        bytes > 0 ? static_cast<std::uint8_t*>(std::calloc(static_cast<std::size_t>(bytes), 1)) : nullptr;
    if (bytes > 0 && block == nullptr) throw std::bad_alloc();
    pixels_.reset(block);
    blockBytes_ = bytes;
  } else if (init == TInit::Zero) {
    std::memset(pixels_.get(), 0, static_cast<std::size_t>(bytes));
  }
  format_ = format;
  width_ = width;
  height_ = height;
}

void TBitmap::FillRect(const TRect& rect, TRgb color, std::uint8_t alpha) {
  const Span xs = Clip(rect.Left, std::int64_t{rect.Right} - rect.Left, width_);
  const Span ys = Clip(rect.Top, std::int64_t{rect.Bottom} - rect.Top, height_);
  if (xs.to == xs.from || ys.to == ys.from) return;
  const int bpp = BytesPerPixel();
  const std::uint8_t pixel[4] = {color.B, color.G, color.R, alpha};
  for (std::int32_t y = ys.from; y < ys.to; ++y) {
    std::uint8_t* p = ScanLine(y) + static_cast<std::size_t>(xs.from) * bpp;
    for (std::int32_t x = xs.from; x < xs.to; ++x, p += bpp) std::memcpy(p, pixel, static_cast<std::size_t>(bpp));
  }
}

void TBitmap::Line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, TRgb color,
                   std::uint8_t alpha) {
  // Straight lines, the only kind the program draws, are clipped rectangles.
  if (x0 == x1 || y0 == y1) {
    const std::int32_t left = x0 == x1 ? x0 : std::min(x0, x1 + (x1 < x0 ? 1 : 0));
    const std::int32_t top = y0 == y1 ? y0 : std::min(y0, y1 + (y1 < y0 ? 1 : 0));
    const std::int64_t length = std::abs(std::int64_t{x1} - x0) + std::abs(std::int64_t{y1} - y0);
    const Span xs = Clip(left, x0 == x1 ? 1 : length, width_);
    const Span ys = Clip(top, y0 == y1 ? 1 : length, height_);
    if (length > 0) FillRect({xs.from, ys.from, xs.to, ys.to}, color, alpha);
    return;
  }
  // Bresenham for the rest; only points inside the bitmap are written.
  const std::int64_t dx = std::abs(std::int64_t{x1} - x0), dy = -std::abs(std::int64_t{y1} - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  std::int64_t x = x0, y = y0, err = dx + dy;
  const int bpp = BytesPerPixel();
  const std::uint8_t pixel[4] = {color.B, color.G, color.R, alpha};
  while (!(x == x1 && y == y1)) {
    if (x >= 0 && x < width_ && y >= 0 && y < height_)
      std::memcpy(ScanLine(static_cast<std::int32_t>(y)) + x * bpp, pixel, static_cast<std::size_t>(bpp));
    const std::int64_t e2 = 2 * err;
    if (e2 >= dy) err += dy, x += sx;
    if (e2 <= dx) err += dx, y += sy;
  }
}

void TBitmap::CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect) {
  if (source.format_ != format_) throw Exception(DifferentFormats());
  const std::int64_t w = std::int64_t{sourceRect.Right} - sourceRect.Left;
  const std::int64_t h = std::int64_t{sourceRect.Bottom} - sourceRect.Top;
  if (w <= 0 || h <= 0) return;
  // Clip the destination, then the source, each shifting the other by the same amount.
  std::int64_t sx = sourceRect.Left, sy = sourceRect.Top, dx = dest.Left, dy = dest.Top, cw = w, ch = h;
  auto clipAxis = [](std::int64_t& a, std::int64_t& b, std::int64_t& len, std::int64_t limitA) {
    if (a < 0) b -= a, len += a, a = 0;
    if (a + len > limitA) len = limitA - a;
  };
  clipAxis(dx, sx, cw, width_);
  clipAxis(dy, sy, ch, height_);
  clipAxis(sx, dx, cw, source.width_);
  clipAxis(sy, dy, ch, source.height_);
  if (cw <= 0 || ch <= 0) return;
  const int bpp = BytesPerPixel();
  for (std::int64_t row = 0; row < ch; ++row) {
    const std::uint8_t* from = source.ScanLine(static_cast<std::int32_t>(sy + row)) + sx * bpp;
    std::uint8_t* to = ScanLine(static_cast<std::int32_t>(dy + row)) + dx * bpp;
    std::memmove(to, from, static_cast<std::size_t>(cw * bpp));
  }
}

void TBitmap::Adopt(TPixelFormat format, std::int32_t width, std::int32_t height, std::uint8_t* block,
                    std::size_t offset) {
  try {
    PictureBytes(format, width, height);
  } catch (...) {
    std::free(block);
    throw;
  }
  pixels_.reset(block);
  offset_ = offset;
  blockBytes_ = -1;
  format_ = format;
  width_ = width;
  height_ = height;
}

void TBitmap::ConvertTo(TPixelFormat format) {
  if (format == format_) return;
  TBitmap converted(format, width_, height_);
  const int from = BytesPerPixel(), to = converted.BytesPerPixel();
  for (std::int32_t y = 0; y < height_; ++y) {
    const std::uint8_t* s = ScanLine(y);
    std::uint8_t* d = converted.ScanLine(y);
    for (std::int32_t x = 0; x < width_; ++x, s += from, d += to) {
      d[0] = s[0], d[1] = s[1], d[2] = s[2];
      if (to == 4) d[3] = 255;
    }
  }
  *this = std::move(converted);
}

TRgb TBitmap::Pixel(std::int32_t x, std::int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
  const std::uint8_t* p = ScanLine(y) + static_cast<std::size_t>(x) * BytesPerPixel();
  return {p[2], p[1], p[0]};
}

}  // namespace eit
