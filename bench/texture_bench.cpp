// Texture loading and pixel transfer against the least work they need.
#include <zlib.h>

#include <cstring>
#include <random>
#include <vector>

#include "formats/formathandlers.h"
#include "bench_textures.h"
#include "ratio_reporter.h"

namespace {

using eit::bench::Bytes;

using eit::bench::TextureImage;

// --- pixel transfer: 4096 x 4096 x 32 bits against memcpy of the same 64 MiB -------------------

const Bytes& Big() {
  static const Bytes image = TextureImage(4096);
  return image;
}

void BM_MemcpyTexture(benchmark::State& state) {
  const std::size_t n = Big().size() - eit::kImageHeaderSize;
  Bytes to(n, 1);
  for (auto _ : state) {
    std::memcpy(to.data(), Big().data() + eit::kImageHeaderSize, n);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * n));
}

void BM_ImageToBitmap(benchmark::State& state) {
  eit::TMemoryStream image;
  image.WriteBuffer(Big().data(), static_cast<std::int32_t>(Big().size()));
  eit::InvertImageHeader(image);
  eit::TBitmap bitmap;
  for (auto _ : state) {
    eit::ImageToBitmap(image, bitmap);
    benchmark::DoNotOptimize(bitmap.ScanLine(0));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * (Big().size() - eit::kImageHeaderSize)));
}

void BM_BitmapToImage(benchmark::State& state) {
  eit::TMemoryStream image;
  image.WriteBuffer(Big().data(), static_cast<std::int32_t>(Big().size()));
  eit::InvertImageHeader(image);
  eit::TBitmap bitmap;
  eit::ImageToBitmap(image, bitmap);
  for (auto _ : state) {
    eit::BitmapToImage(bitmap, image);
    benchmark::DoNotOptimize(image.Memory());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * (Big().size() - eit::kImageHeaderSize)));
}

// --- loading a packed 16 MiB texture against plain inflate of the same stream -----------------

const Bytes& PackedFile() {
  static const Bytes file = [] {
    const Bytes image = TextureImage(2048);
    return eit::bench::PackedContainer(image, eit::bench::Deflated(image));
  }();
  return file;
}

void BM_PlainInflateTexture(benchmark::State& state) {
  const std::uint32_t unpacked = 2048u * 2048 * 4 + eit::kImageHeaderSize;
  for (auto _ : state) {
    Bytes out(unpacked);  // the image has to live somewhere, as it does when loading
    z_stream z{};
    inflateInit(&z);
    z.next_in = const_cast<Bytef*>(PackedFile().data() + 12);
    z.avail_in = static_cast<uInt>(PackedFile().size() - 12);
    z.next_out = out.data();
    z.avail_out = unpacked;
    inflate(&z, Z_FINISH);
    inflateEnd(&z);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * unpacked));
}

void BM_LoadPackedTexture(benchmark::State& state) {
  eit::TMemoryStream file;
  file.WriteBuffer(PackedFile().data(), static_cast<std::int32_t>(PackedFile().size()));
  for (auto _ : state) {
    file.SetPosition(0);
    eit::TMemoryStream image;
    eit::LoadTextureImage(file, image, "bench.dds");
    benchmark::DoNotOptimize(image.Memory());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * (2048 * 2048 * 4 + eit::kImageHeaderSize)));
}

BENCHMARK(BM_MemcpyTexture)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ImageToBitmap)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_BitmapToImage)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_PlainInflateTexture)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_LoadPackedTexture)->Unit(benchmark::kMillisecond)->Repetitions(5);

EIT_BENCH_RATIO(BM_ImageToBitmap, BM_MemcpyTexture, 2.0);
EIT_BENCH_RATIO(BM_BitmapToImage, BM_MemcpyTexture, 2.0);
EIT_BENCH_RATIO(BM_LoadPackedTexture, BM_PlainInflateTexture, 1.10);

}  // namespace
