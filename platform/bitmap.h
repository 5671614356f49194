// An in-memory picture: 24-bit (B, G, R) or 32-bit (B, G, R, A) pixels, row 0 on top, rows packed
// without padding. Pixels are never left undefined: a new or resized bitmap is all zero bytes.
//
// Drawing clips everything to the bitmap (and, for copies, to the source too): no coordinates can
// make it read or write outside a bitmap. Rectangles are half-open; one with Right <= Left or
// Bottom <= Top is empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/limits.h"
#include "platform/errors.h"
#include "platform/streams.h"

namespace eit {

enum class TPixelFormat { pf24bit, pf32bit };

struct TRect {
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TRgb {
  constexpr TRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) : R(r), G(g), B(b) {}
  std::uint8_t R, G, B;
  bool operator==(const TRgb&) const = default;
};
inline constexpr TRgb kBlack{0, 0, 0};
inline constexpr TRgb kWhite{255, 255, 255};

// Raised for a picture file that is truncated, inconsistent or of an unsupported kind.
class EInvalidGraphic : public Exception {
  using Exception::Exception;
};

class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(TPixelFormat format, std::int32_t width, std::int32_t height);

  TPixelFormat PixelFormat() const { return format_; }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  int BytesPerPixel() const { return format_ == TPixelFormat::pf32bit ? 4 : 3; }
  std::size_t RowBytes() const { return static_cast<std::size_t>(width_) * static_cast<std::size_t>(BytesPerPixel()); }

  // Each of these starts the picture anew, all zero. Sizes are checked: a negative size, or a
  // picture above the program's limits, raises EInvalidGraphic.
  void SetPixelFormat(TPixelFormat format);
  void SetWidth(std::int32_t width) { SetSize(width, height_); }
  void SetHeight(std::int32_t height) { SetSize(width_, height); }
  void SetSize(std::int32_t width, std::int32_t height);
  // Both at once. With Undefined the pixels are left as they happen to be: only for a caller that
  // writes every byte before anything reads one. A block of the same byte count is reused.
  enum class TInit { Zero, Undefined };
  void Reshape(TPixelFormat format, std::int32_t width, std::int32_t height, TInit init = TInit::Zero);

  std::uint8_t* ScanLine(std::int32_t row) { return Pixels() + static_cast<std::size_t>(row) * RowBytes(); }
  const std::uint8_t* ScanLine(std::int32_t row) const {
    return Pixels() + static_cast<std::size_t>(row) * RowBytes();
  }
  // Takes over a block from std::malloc whose rows, packed top-down, begin at offset; the bitmap
  // frees it. The caller has checked that the block holds every row.
  void Adopt(TPixelFormat format, std::int32_t width, std::int32_t height, std::uint8_t* block, std::size_t offset);

  // Changes the pixel format keeping the picture: 24 to 32 bits gives opaque pixels (alpha 255),
  // 32 to 24 drops alpha.
  void ConvertTo(TPixelFormat format);

  // The drawing surface. Colours write red, green and blue; 32-bit pixels also get the alpha given.
  void FillRect(const TRect& rect, TRgb color, std::uint8_t alpha = 0);
  // A one-pixel line from (x0, y0) towards (x1, y1); the end point itself is not drawn.
  void Line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, TRgb color,
            std::uint8_t alpha = 0);
  // Copies source's rectangle to dest of the same size, bytes unchanged. Both bitmaps must have the
  // same pixel format. Only the part inside both bitmaps moves.
  void CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect);
  // The colour of one pixel, without alpha; kBlack outside the bitmap.
  TRgb Pixel(std::int32_t x, std::int32_t y) const;

 private:
  struct FreeBlock {
    void operator()(std::uint8_t* p) const noexcept;
  };
  TPixelFormat format_ = TPixelFormat::pf24bit;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::uint8_t* Pixels() const { return pixels_ ? pixels_.get() + offset_ : nullptr; }
  std::unique_ptr<std::uint8_t, FreeBlock> pixels_;
  std::size_t offset_ = 0;
  std::int64_t blockBytes_ = 0;  // -1 for an adopted block, which Reshape never reuses
};

// The byte count of width x height x bytesPerPixel, or -1 when it would exceed limit (at most kMaxBufferBytes).
// Every size product in the program goes through here, so none of them can overflow.
std::int64_t CheckedImageBytes(std::int64_t width, std::int64_t height, std::int64_t bytesPerPixel,
                               std::int64_t limit = kMaxBufferBytes);

}  // namespace eit
