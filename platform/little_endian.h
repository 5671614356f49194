// Little-endian integers in byte buffers, read and written explicitly whatever the host order.
#pragma once

#include <cstdint>

namespace eit::le {

inline std::uint32_t U16(const std::uint8_t* p) { return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8; }
inline std::uint32_t U32(const std::uint8_t* p) { return U16(p) | U16(p + 2) << 16; }
inline void PutU16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void PutU32(std::uint8_t* p, std::uint32_t v) {
  PutU16(p, v);
  PutU16(p + 2, v >> 16);
}

}  // namespace eit::le
