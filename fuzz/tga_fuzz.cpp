// Arbitrary bytes as a TGA file.
#include <cstddef>
#include <cstdint>

#include "codecs/targa.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    eit::TBitmap bitmap;
    eit::ReadTgaFromMemory(data, size, bitmap);
    if (bitmap.PixelFormat() != eit::TPixelFormat::pf32bit) __builtin_trap();
    eit::TMemoryStream out;
    eit::WriteTgaToStream(out, bitmap);
    eit::TBitmap again;
    eit::ReadTgaFromMemory(out.Memory(), static_cast<std::size_t>(out.Size()), again);
    for (std::int32_t y = 0; y < bitmap.Height(); ++y)
      for (std::size_t i = 0; i < bitmap.RowBytes(); ++i)
        if (again.ScanLine(y)[i] != bitmap.ScanLine(y)[i]) __builtin_trap();  // our own output reads back exactly
  } catch (const eit::Exception&) {
  }
  return 0;
}
