#include <bit>
#include <cstring>

#include "formats/misc.h"

namespace eit {

namespace {

std::uint32_t Swapped(std::uint32_t v) {
  if constexpr (std::endian::native == std::endian::little)
    return (v & 0xFF00FF00u) | (v >> 16 & 0xFFu) | (v & 0xFFu) << 16;
  else
    return (v & 0x00FF00FFu) | (v >> 16 & 0xFF00u) | (v & 0xFF00u) << 16;
}

}  // namespace

void SwapRedBlue24(std::uint8_t* buffer, std::size_t length) { CopySwapRedBlue24(buffer, buffer, length); }

void SwapRedBlue32(std::uint8_t* buffer, std::size_t length) { CopySwapRedBlue32(buffer, buffer, length); }

void CopySwapRedBlue24(std::uint8_t* destination, const std::uint8_t* source, std::size_t length) {
  for (std::size_t i = 0; i + 3 <= length; i += 3) {
    const std::uint8_t red = source[i], green = source[i + 1], blue = source[i + 2];
    destination[i] = blue;
    destination[i + 1] = green;
    destination[i + 2] = red;
  }
}

void CopySwapRedBlue32(std::uint8_t* destination, const std::uint8_t* source, std::size_t length) {
  // Whole 32-bit words with shifts and masks: the compiler turns this loop into vector code.
  const std::size_t pixels = length / 4;
  for (std::size_t i = 0; i < pixels; ++i) {
    std::uint32_t v;
    std::memcpy(&v, source + 4 * i, 4);
    v = Swapped(v);
    std::memcpy(destination + 4 * i, &v, 4);
  }
}

}  // namespace eit
