// Texture-like test material the benchmarks share.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "engine/jobs.h"

namespace eit::bench {

using Bytes = std::vector<std::uint8_t>;

// Jobs report to nobody while they are timed.
struct NullReporter : TJobReporter {
  void FileWritten(const std::string&, const std::string&, std::int64_t, const std::string&) override {}
  void FileSkipped(const std::string&, const std::string&) override {}
};

// A raw 32-bit texture image of side x side pixels, header inverted as stored: gradients with noise
// in one channel, which deflate at level 1 roughly halves.
inline Bytes TextureImage(std::uint32_t side) {
  Bytes image(kImageHeaderSize + std::size_t{side} * side * 4);
  std::memcpy(image.data(), "DDS!", 4);
  const std::uint32_t fields[3] = {side, side, 32};
  std::memcpy(&image[kWidthOffset], &fields[0], 4);
  std::memcpy(&image[kHeightOffset], &fields[1], 4);
  std::memcpy(&image[kBitCountOffset], &fields[2], 4);
  for (std::size_t i = 4; i < kImageHeaderSize; ++i) image[i] ^= 0xFF;
  std::mt19937 gen(7);
  for (std::size_t i = kImageHeaderSize; i < image.size(); ++i)
    image[i] = static_cast<std::uint8_t>((i / 4 % 256) + (i / 4096 % 64) + (i % 4 == 0 ? gen() % 16 : 0));
  return image;
}

// The zlib stream of an image at level 1, as a packed container holds it.
inline Bytes Deflated(const Bytes& image) {
  uLongf length = compressBound(static_cast<uLong>(image.size()));
  Bytes packed(length);
  compress2(packed.data(), &length, image.data(), static_cast<uLong>(image.size()), 1);
  packed.resize(length);
  return packed;
}

// The packed container: "ELTE", the two lengths, the zlib stream.
inline Bytes PackedContainer(const Bytes& image, const Bytes& deflated) {
  Bytes out(12 + deflated.size());
  const std::uint32_t lengths[2] = {static_cast<std::uint32_t>(deflated.size()), static_cast<std::uint32_t>(image.size())};
  std::memcpy(out.data(), "ELTE", 4);
  std::memcpy(out.data() + 4, lengths, 8);
  std::memcpy(out.data() + 12, deflated.data(), deflated.size());
  return out;
}

}  // namespace eit::bench
