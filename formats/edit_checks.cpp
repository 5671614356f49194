// Warnings about an edited image that would go back into the game looking wrong.
//
// The checks read sampled rows where that tells enough, so that they cost an insert little: the
// exact comparison reads everything only when the sampled rows all agree.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "formats/formathandlers.h"

namespace eit {

namespace {

constexpr std::int32_t kSampledRows = 64;
constexpr std::int32_t kSampledColumns = 256;

// Pixel x of a texture row (R, G, B[, A]) and of a bitmap row (B, G, R[, A]) compared channel by
// channel; summed over sampled columns.
std::int64_t RowDistance(const std::uint8_t* texture, const std::uint8_t* edit, std::int32_t width, int bpp) {
  const std::int32_t step = std::max(1, width / kSampledColumns);
  std::int64_t d = 0;
  for (std::int32_t x = 0; x < width; x += step) {
    const std::uint8_t* t = texture + static_cast<std::size_t>(x) * bpp;
    const std::uint8_t* e = edit + static_cast<std::size_t>(x) * bpp;
    d += std::abs(t[0] - e[2]) + std::abs(t[1] - e[1]) + std::abs(t[2] - e[0]);
  }
  return d;
}

bool RowEqual(const std::uint8_t* texture, const std::uint8_t* edit, std::int32_t width, int bpp) {
  if (bpp == 4) {
    // Whole pixels at a time, red and blue swapped in a register: a loop the compiler vectorises.
    std::uint32_t differ = 0;
    for (std::int32_t x = 0; x < width; ++x) {
      std::uint32_t t, e;
      std::memcpy(&t, texture + 4 * x, 4);
      std::memcpy(&e, edit + 4 * x, 4);
      differ |= t ^ ((e & 0xFF00FF00u) | (e >> 16 & 0xFFu) | (e & 0xFFu) << 16);
    }
    return differ == 0;
  }
  for (std::int32_t x = 0; x < width; ++x, texture += 3, edit += 3)
    if (texture[0] != edit[2] || texture[1] != edit[1] || texture[2] != edit[0]) return false;
  return true;
}

// The texture's rows beside the edit's, when the texture holds all of them.
struct TTextureRows {
  TTextureRows(const TBitmap& edit, const TMemoryStream& image)
      : width(edit.Width()), height(edit.Height()), bpp(edit.BytesPerPixel()), rowBytes(edit.RowBytes()),
        rows(image.Memory() + kImageHeaderSize), step(std::max(1, height / kSampledRows)),
        whole(width != 0 && height != 0 &&
              image.Size() >= kImageHeaderSize + static_cast<std::int64_t>(rowBytes) * height) {}
  const std::uint8_t* Row(std::int32_t y) const { return rows + static_cast<std::size_t>(y) * rowBytes; }
  std::int32_t width, height;
  int bpp;
  std::size_t rowBytes;
  const std::uint8_t* rows;
  std::int32_t step;  // between the rows sampled first
  bool whole;
};

}  // namespace

bool EditEqualsTexture(const TBitmap& edit, const TMemoryStream& image) {
  const TTextureRows t(edit, image);
  if (!t.whole) return false;
  // The sampled rows first, every row only when those agree.
  bool equal = true;
  for (std::int32_t y = 0; y < t.height && equal; y += t.step) equal = RowEqual(t.Row(y), edit.ScanLine(y), t.width, t.bpp);
  for (std::int32_t y = 0; y < t.height && equal; ++y) equal = RowEqual(t.Row(y), edit.ScanLine(y), t.width, t.bpp);
  return equal;
}

std::vector<TEditFinding> EditWarnings(const TBitmap& edit, const TMemoryStream& image) {
  std::vector<TEditFinding> warnings;
  const TTextureRows t(edit, image);
  if (!t.whole) return warnings;
  const std::int32_t width = t.width, height = t.height, step = t.step;
  const int bpp = t.bpp;
  const std::uint8_t* rows = t.rows;
  const auto textureRow = [&](std::int32_t y) { return t.Row(y); };

  if (EditEqualsTexture(edit, image)) {
    warnings.push_back(TEditFinding::Unedited);
    return warnings;
  }

  // Upside down: its rows match the texture's in reverse order far better than in order.
  if (height >= 2) {
    std::int64_t inOrder = 0, reversed = 0;
    for (std::int32_t y = 0; y < height; y += step) {
      inOrder += RowDistance(textureRow(y), edit.ScanLine(y), width, bpp);
      reversed += RowDistance(textureRow(height - 1 - y), edit.ScanLine(y), width, bpp);
    }
    if (reversed * 4 < inOrder)
      warnings.push_back(TEditFinding::UpsideDown);
  }

  // Alpha lost: the texture's alpha varies, the edit's is all one value, 255 or 0.
  if (bpp == 4) {
    const std::uint8_t first = rows[3];
    bool varies = false;
    const std::size_t pixels = static_cast<std::size_t>(width) * height;
    for (std::size_t i = 1; i < pixels && !varies; ++i) varies = rows[i * 4 + 3] != first;
    const std::uint8_t editAlpha = edit.ScanLine(0)[3];
    bool flat = editAlpha == 0 || editAlpha == 255;
    for (std::int32_t y = 0; y < height && flat; ++y) {
      const std::uint8_t* e = edit.ScanLine(y);
      for (std::int32_t x = 0; x < width && flat; ++x) flat = e[x * 4 + 3] == editAlpha;
    }
    if (varies && flat)
      warnings.push_back(editAlpha == 255 ? TEditFinding::AlphaLostOpaque : TEditFinding::AlphaLostTransparent);
  }
  return warnings;
}

TText EditFindingText(TEditFinding finding) {
  switch (finding) {
    case TEditFinding::Unedited:
      return Says(EIT_SAYS("the edited image equals the texture exactly: nothing was edited, the texture is rebuilt as it "
                           "was (was the edit saved to another file?)"));
    case TEditFinding::UpsideDown:
      return Says(EIT_SAYS("the edited image looks upside down: its rows match the texture's in reverse order (some "
                           "editors write TGA rows in the wrong order for their origin); flip it vertically"));
    case TEditFinding::AlphaLostOpaque:
      return Says(EIT_SAYS("the edited image has lost the texture's alpha: the texture's alpha varies, the image's is all "
                           "255 (opaque); save it with its alpha channel (32-bit TGA or BMP)"));
    case TEditFinding::AlphaLostTransparent:
      return Says(EIT_SAYS("the edited image has lost the texture's alpha: the texture's alpha varies, the image's is all "
                           "0 (transparent); save it with its alpha channel (32-bit TGA or BMP)"));
  }
  return {};
}

}  // namespace eit
