// Arbitrary bytes as a BMP file.
#include <cstddef>
#include <cstdint>

#include "platform/bitmap.h"
#include "codecs/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exactly the file's bytes, as the program loads them: a read past the end is caught.
  eit::TMemoryStream file;
  file.Reserve(static_cast<std::int64_t>(size));
  if (size > 0) file.WriteBuffer(data, static_cast<std::int32_t>(size));
  file.SetPosition(0);
  try {
    eit::TBitmap bitmap;
    ReadBmpFromStream(file, bitmap);
    // Every pixel of a picture that loads is defined: reading them all must be clean.
    unsigned sum = 0;
    for (std::int32_t y = 0; y < bitmap.Height(); ++y)
      for (std::size_t i = 0; i < bitmap.RowBytes(); ++i) sum += bitmap.ScanLine(y)[i];
    eit::TMemoryStream out;
    WriteBmpToStream(out, bitmap);
    if (sum == 0xFFFFFFFF) __builtin_trap();
  } catch (const eit::Exception&) {
  }
  return 0;
}
