// The picture codecs as rows of one table, each over bytes in memory: whether the bytes are its format,
// what its header says, the decoder and the encoder. Only the door (pictures.h) reads it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "codecs/pictures.h"

namespace eit::codecs {

struct TCodec {
  TPictureFormat Format;
  const char* Name;  // "PNG"
  // Whether the bytes are this format's (the last row, TGA, has no signature: it takes what is left).
  bool (*Test)(const std::uint8_t* data, std::size_t size);
  // Its header's facts, before any decoding; nothing when the header is none.
  std::optional<TPictureInfo> (*Info)(const std::uint8_t* data, std::size_t size);
  // name: the file its errors name (may be empty).
  void (*Decode)(const std::uint8_t* data, std::size_t size, const std::string& name, TBitmap& bitmap);
  void (*Encode)(TStream& stream, const TBitmap& bitmap, int threads);
};

const std::array<TCodec, 3>& Codecs();
// What an editor may have saved instead of the formats read here ("a JPEG image"), else null.
const char* OtherFormat(const std::uint8_t* data, std::size_t size);

}  // namespace eit::codecs
