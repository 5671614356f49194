// libdeflate called directly: the floor the libdeflate path is measured against.
#pragma once

#include <libdeflate.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "compression/pack_engine.h"

namespace eit::bench {

inline void LibdeflateInflate(const std::vector<std::uint8_t>& packed, std::uint8_t* out, std::size_t size) {
  libdeflate_decompressor* d = libdeflate_alloc_decompressor();
  std::size_t got = 0;
  libdeflate_zlib_decompress(d, packed.data(), packed.size(), out, size, &got);
  libdeflate_free_decompressor(d);
}

inline std::vector<std::uint8_t> LibdeflateDeflate(const std::uint8_t* data, std::size_t size) {
  libdeflate_compressor* c = libdeflate_alloc_compressor(kLibdeflateLevel);
  std::vector<std::uint8_t> out(libdeflate_zlib_compress_bound(c, size));
  out.resize(libdeflate_zlib_compress(c, data, size, out.data(), out.size()));
  libdeflate_free_compressor(c);
  return out;
}

}  // namespace eit::bench
