// The program's size limits, each defined once; every size product goes through CheckedImageBytes.
#pragma once

#include <cstdint>

namespace eit {

// Pixels on a side of any picture: TGA and BMP files, textures, glyph sheets, previews.
inline constexpr std::int64_t kMaxPictureSide = 65535;
// Bytes of one picture in memory. A texture beyond it is refused from its header, before any unpacking.
inline constexpr std::int64_t kMaxPictureBytes = std::int64_t{1} << 30;
// Bytes of any one buffer: streams count in 32 bits.
inline constexpr std::int64_t kMaxBufferBytes = std::int64_t{1} << 31;
// Bytes handed to one call of an interface that counts in 32 bits; larger transfers go in pieces.
inline constexpr std::int64_t kTransferPieceBytes = std::int64_t{1} << 30;
// Pixels of a text preview: a line people read is a few hundred glyphs of a few dozen pixels.
inline constexpr std::int64_t kMaxPreviewPixels = std::int64_t{1} << 24;
// The glyph size a sheet is drawn at, in pixels.
inline constexpr int kMaxGlyphPixelSize = 200;
// The preview's enlargement.
inline constexpr int kMaxPreviewScale = 8;

}  // namespace eit
