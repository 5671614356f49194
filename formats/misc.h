// Channel swaps and the glyph box scan.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

namespace eit {

// Exchange the first and third byte of every 3- or 4-byte pixel in the first length bytes, in place.
// Each is its own inverse.
void SwapRedBlue24(std::uint8_t* buffer, std::size_t length);
void SwapRedBlue32(std::uint8_t* buffer, std::size_t length);

// The same, copying from source to destination on the way (one pass over the memory instead of two).
void CopySwapRedBlue24(std::uint8_t* destination, const std::uint8_t* source, std::size_t length);
void CopySwapRedBlue32(std::uint8_t* destination, const std::uint8_t* source, std::size_t length);

// A glyph found on a sheet; Right and Bottom lie one past the box.
struct GlyphBox {
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const GlyphBox&) const = default;
};

// Finds the glyphs of a 32-bit glyph sheet, top to bottom: every run of rows whose column-0 colour
// is that of pixel (0, 0) is one candidate, boxed around its pixels with non-zero alpha (column 0
// excluded); a run without such pixels gives no box. Empties boxes first; returns the count.
// Raises Exception for a sheet that is not 32-bit.
std::int32_t ScanGlyphBoxes(const TBitmap& sheet, std::vector<GlyphBox>& boxes);

}  // namespace eit
