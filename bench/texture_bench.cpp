// Texture loading and pixel transfer against the least work they need.
#include <zlib.h>

#include <cstring>
#include <random>
#include <vector>

#include "formats/formathandlers.h"
#include "ratio_reporter.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A raw 32-bit texture image of side x side pixels, header inverted; texture-like content.
Bytes TextureImage(std::uint32_t side) {
  Bytes image(eit::kImageHeaderSize + std::size_t{side} * side * 4);
  std::memcpy(image.data(), "DDS!", 4);
  auto put = [&](std::size_t at, std::uint32_t v) { std::memcpy(&image[at], &v, 4); };
  put(eit::kWidthOffset, side), put(eit::kHeightOffset, side), put(eit::kBitCountOffset, 32);
  for (std::size_t i = 4; i < eit::kImageHeaderSize; ++i) image[i] ^= 0xFF;
  std::mt19937 gen(7);
  for (std::size_t i = eit::kImageHeaderSize; i < image.size(); ++i)
    image[i] = static_cast<std::uint8_t>((i / 4 % 256) + (i / 4096 % 64) + (i % 4 == 0 ? gen() % 16 : 0));
  return image;
}

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
    uLongf length = compressBound(static_cast<uLong>(image.size()));
    Bytes z(length);
    compress2(z.data(), &length, image.data(), static_cast<uLong>(image.size()), 1);
    Bytes out(12 + length);
    const std::uint32_t lengths[2] = {static_cast<std::uint32_t>(length), static_cast<std::uint32_t>(image.size())};
    std::memcpy(out.data(), "ELTE", 4);
    std::memcpy(out.data() + 4, lengths, 8);
    std::memcpy(out.data() + 12, z.data(), length);
    return out;
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
