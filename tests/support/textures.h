// Texture images and files made for tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>

#include "formats/formathandlers.h"
#include "support/test_data.h"

namespace eit::testing {

// A texture image with its header inverted, as stored: magic, header, rows of R, G, B[, A].
inline Bytes MakeTextureImage(std::uint32_t width, std::uint32_t height, std::uint32_t bits,
                              const char* magic = "DDS!", std::size_t extraBytes = 0) {
  Bytes image(kImageHeaderSize + std::size_t{width} * height * (bits / 8) + extraBytes);
  std::memcpy(image.data(), magic, 4);
  for (std::size_t i = 4; i < kImageHeaderSize; ++i) image[i] = static_cast<std::uint8_t>(i * 13);  // arbitrary
  auto put = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) image[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  put(kWidthOffset, width), put(kHeightOffset, height), put(kBitCountOffset, bits);
  for (std::size_t i = 4; i < kImageHeaderSize; ++i) image[i] ^= 0xFF;
  for (std::size_t i = kImageHeaderSize; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
  return image;
}

// A packed container around an image, made with plain zlib.
inline Bytes MakePackedFile(const Bytes& image, int level = 1) {
  const Bytes z = ZlibCompress(image, level);
  Bytes file = {'E', 'L', 'T', 'E'};
  auto put = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  put(static_cast<std::uint32_t>(z.size()));
  put(static_cast<std::uint32_t>(image.size()));
  file.insert(file.end(), z.begin(), z.end());
  return file;
}

}  // namespace eit::testing
