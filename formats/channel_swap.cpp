#include <bit>
#include <cstring>

#include "formats/misc.h"

namespace eit {

void SwapRedBlue24(std::uint8_t* buffer, std::size_t length) {
  for (std::size_t i = 0; i + 3 <= length; i += 3) {
    const std::uint8_t red = buffer[i];
    buffer[i] = buffer[i + 2];
    buffer[i + 2] = red;
  }
}

void SwapRedBlue32(std::uint8_t* buffer, std::size_t length) {
  // Whole 32-bit words with shifts and masks: the compiler turns this loop into vector code.
  const std::size_t pixels = length / 4;
  for (std::size_t i = 0; i < pixels; ++i) {
    std::uint32_t v;
    std::memcpy(&v, buffer + 4 * i, 4);
    if constexpr (std::endian::native == std::endian::little)
      v = (v & 0xFF00FF00u) | (v >> 16 & 0xFFu) | (v & 0xFFu) << 16;
    else
      v = (v & 0x00FF00FFu) | (v >> 16 & 0xFF00u) | (v & 0xFF00u) << 16;
    std::memcpy(buffer + 4 * i, &v, 4);
  }
}

}  // namespace eit
