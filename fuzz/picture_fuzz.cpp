// Arbitrary bytes through the picture door: what the header says before decoding holds for the decoded
// picture, and every format's encoding of it is read back as that format, at that size.
#include <cstddef>
#include <cstdint>

#include "codecs/pictures.h"

namespace {

void CheckSize(const std::optional<eit::TPictureInfo>& info, const eit::TBitmap& bitmap) {
  if (info && (info->Width != static_cast<std::uint32_t>(bitmap.Width()) ||
               info->Height != static_cast<std::uint32_t>(bitmap.Height())))
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<eit::TPictureInfo> info = eit::PictureInfo(data, size);
  eit::TBitmap bitmap;
  try {
    eit::ReadPicture(data, size, "fuzz", bitmap);
  } catch (const eit::Exception&) {
    return 0;
  }
  CheckSize(info, bitmap);
  // An empty picture is refused by PNG, which has none; the encoders' own fuzzing is not this one's.
  if (bitmap.Width() == 0 || bitmap.Height() == 0 || bitmap.Width() > 512 || bitmap.Height() > 512) return 0;
  for (const eit::TPictureFormat format : {eit::TPictureFormat::Png, eit::TPictureFormat::Bmp, eit::TPictureFormat::Tga}) {
    eit::TMemoryStream out;
    eit::WritePicture(out, bitmap, format, 2);
    const auto* bytes = out.Memory();
    const auto length = static_cast<std::size_t>(out.Size());
    const std::optional<eit::TPictureInfo> again = eit::PictureInfo(bytes, length);
    if (!again || again->Format != format) __builtin_trap();
    eit::TBitmap back;
    eit::ReadPicture(bytes, length, "back", back);  // our own output always reads
    CheckSize(again, back);
    CheckSize(info, back);
  }
  return 0;
}
