// Texture-like test material the benchmarks share.
#pragma once

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <random>
#include <vector>

#include "engine/jobs.h"

namespace eit::bench {

using Bytes = std::vector<std::uint8_t>;

// Jobs report to nobody while they are timed.
struct NullReporter : TJobReporter {
  void FileWritten(const std::string&, const std::string&, std::int64_t, const TWrittenFile&) override {}
  void FileSkipped(const std::string&, const std::string&, bool) override {}
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

// A photo-like raw 32-bit texture image: soft shapes at several scales, edges, and sensor-like noise in every
// colour channel (what deflate gains least on), opaque.
inline Bytes PhotoImage(std::uint32_t side) {
  Bytes image = TextureImage(side);
  std::mt19937 gen(11);
  constexpr std::uint32_t kCell = 64;
  const std::uint32_t cells = side / kCell + 2;
  std::vector<int> grid(std::size_t{cells} * cells * 3);
  for (int& v : grid) v = static_cast<int>(gen() % 256);
  std::uint8_t* pixels = image.data() + kImageHeaderSize;
  for (std::uint32_t y = 0; y < side; ++y)
    for (std::uint32_t x = 0; x < side; ++x) {
      const std::uint32_t cx = x / kCell, cy = y / kCell, fx = x % kCell, fy = y % kCell;
      std::uint8_t* p = pixels + (std::size_t{y} * side + x) * 4;
      for (std::uint32_t c = 0; c < 3; ++c) {
        const auto at = [&](std::uint32_t gx, std::uint32_t gy) { return grid[(std::size_t{gy} * cells + gx) * 3 + c]; };
        // Bilinear between the cell's corners: the soft shapes; a seam where a corner differs much: the edges.
        const int top = at(cx, cy) * static_cast<int>(kCell - fx) + at(cx + 1, cy) * static_cast<int>(fx);
        const int bottom = at(cx, cy + 1) * static_cast<int>(kCell - fx) + at(cx + 1, cy + 1) * static_cast<int>(fx);
        const int soft = (top * static_cast<int>(kCell - fy) + bottom * static_cast<int>(fy)) / static_cast<int>(kCell * kCell);
        const int noise = static_cast<int>(gen() % 13) - 6;
        p[c] = static_cast<std::uint8_t>(std::clamp(soft + noise + ((x ^ y) % 97 == 0 ? 40 : 0), 0, 255));
      }
      p[3] = 255;
    }
  return image;
}

// A patterned raw 32-bit texture image: nine busy rows (bricks, a fence) repeated down the texture, farther
// apart than deflate's window reaches, with alpha cut-outs: nothing for runs or near matches to take.
inline Bytes PatternedImage(std::uint32_t side) {
  Bytes image = TextureImage(side);
  std::uint8_t* pixels = image.data() + kImageHeaderSize;
  for (std::uint32_t y = 0; y < side; ++y)
    for (std::uint32_t x = 0; x < side; ++x) {
      const std::uint32_t r = y % 9;
      std::uint8_t* p = pixels + (std::size_t{y} * side + x) * 4;
      const auto v = static_cast<std::uint8_t>(x * 7 + r * 31);
      p[0] = v, p[1] = static_cast<std::uint8_t>(v * 3 + r), p[2] = static_cast<std::uint8_t>(x / 16 * 40 + r * 9);
      p[3] = (x + r) % 5 != 0 ? 255 : 128;
    }
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

// A packed texture file of the image (its zlib stream at level 1), written to path.
inline void WritePackedTexture(const std::string& path, const Bytes& image) {
  const Bytes file = PackedContainer(image, Deflated(image));
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
}

}  // namespace eit::bench
