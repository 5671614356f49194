// Arbitrary bytes read through the decompressing stream, in chunk sizes and with seeks that the
// input's first bytes choose.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "compression/dynazlib.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const std::uint8_t* steer = data;  // four steering bytes
  eit::TMemoryStream base;
  base.WriteBuffer(data + 4, static_cast<std::int32_t>(size - 4));
  base.SetPosition(0);
  static const std::int32_t kChunks[] = {1, 3, 100, 4096, 65535, 65536, 70000, 1 << 20};
  std::vector<std::uint8_t> buffer(1 << 20);
  try {
    eit::TDecompressionStream z(base);
    std::int64_t total = 0;
    for (int step = 0; step < 64 && total < (64 << 20); ++step) {
      const std::uint8_t choice = steer[step % 4] >> (step % 3);
      switch (choice % 5) {
        case 0:  // forward skip
          z.Seek(choice * 37, eit::soFromCurrent);
          break;
        case 1:  // restart
          if (step < 8) z.SetPosition(0);
          break;
        default: {
          const std::int32_t want = kChunks[(choice / 5) % 8];
          const std::int32_t got = z.Read(buffer.data(), want);
          if (got < 0 || got > want) __builtin_trap();
          total += got;
          if (z.Position() < got) __builtin_trap();
          break;
        }
      }
    }
  } catch (const eit::Exception&) {
    // Refusing bad data is the expected outcome.
  }
  return 0;
}
