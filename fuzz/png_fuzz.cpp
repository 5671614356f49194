// Arbitrary bytes as a PNG file, read as an edited image is.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "codecs/png.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exactly the file's bytes, in a block of their own: a read past the end is caught.
  const std::vector<std::uint8_t> file(data, data + size);
  try {
    eit::TBitmap bitmap;
    eit::ReadPngFromMemory(file.data(), file.size(), bitmap, "fuzz.png");
    // Every pixel of a picture that loads is defined, and it writes back.
    unsigned sum = 0;
    for (std::int32_t y = 0; y < bitmap.Height(); ++y)
      for (std::size_t i = 0; i < bitmap.RowBytes(); ++i) sum += bitmap.ScanLine(y)[i];
    eit::TMemoryStream out;
    eit::WritePngToStream(out, bitmap);
    eit::TBitmap back;
    eit::ReadPngFromMemory(out.Memory(), static_cast<std::size_t>(out.Size()), back, "back.png");
    if (back.Width() != bitmap.Width() || back.Height() != bitmap.Height() || sum == 0xFFFFFFFF) __builtin_trap();
    for (std::int32_t y = 0; y < bitmap.Height(); ++y)
      for (std::size_t i = 0; i < bitmap.RowBytes(); ++i)
        if (back.ScanLine(y)[i] != bitmap.ScanLine(y)[i]) __builtin_trap();
  } catch (const eit::Exception&) {
  }
  return 0;
}
