// The program's size limits, each defined once; every size product goes through CheckedImageBytes.
#pragma once

#include <cstdint>

namespace eit {

// Pixels on a side of any picture: TGA and BMP files, textures, glyph sheets, previews.
inline constexpr std::int64_t kMaxPictureSide = 65535;
// Bytes of one picture in memory. A texture beyond it is refused from its header, before any unpacking.
inline constexpr std::int64_t kMaxPictureBytes = std::int64_t{1} << 30;

}  // namespace eit
