// The compression streams against plain zlib over the same 16 MiB texture-like buffer.
#include <zlib.h>

#include <random>
#include <vector>

#include "compression/dynazlib.h"
#include "ratio_reporter.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kSize = 16 << 20;

// Gradients with noise in one channel of each pixel: deflate at level 1 roughly halves it.
const Bytes& Texture() {
  static const Bytes data = [] {
    std::mt19937 gen(7);
    Bytes out(kSize);
    for (std::size_t i = 0; i < kSize; ++i)
      out[i] = static_cast<std::uint8_t>((i / 4 % 256) + (i / 4096 % 64) + (i % 4 == 0 ? gen() % 16 : 0));
    return out;
  }();
  return data;
}

const Bytes& Packed() {
  static const Bytes packed = [] {
    uLongf length = compressBound(kSize);
    Bytes out(length);
    compress2(out.data(), &length, Texture().data(), kSize, 1);
    out.resize(length);
    return out;
  }();
  return packed;
}

void BM_PlainDeflate(benchmark::State& state) {
  Bytes out(compressBound(kSize));
  for (auto _ : state) {
    z_stream z{};
    deflateInit(&z, 1);
    z.next_in = const_cast<Bytef*>(Texture().data());
    z.avail_in = kSize;
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    benchmark::DoNotOptimize(z.total_out);
    deflateEnd(&z);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

void BM_CompressionStream(benchmark::State& state) {
  for (auto _ : state) {
    eit::TMemoryStream base;
    base.Reserve(compressBound(kSize));
    eit::TCompressionStream z(eit::cmlFast, base);
    z.WriteBuffer(Texture().data(), kSize);
    z.Finish();
    benchmark::DoNotOptimize(base.Memory());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

void BM_PlainInflate(benchmark::State& state) {
  Bytes out(kSize);
  for (auto _ : state) {
    z_stream z{};
    inflateInit(&z);
    z.next_in = const_cast<Bytef*>(Packed().data());
    z.avail_in = static_cast<uInt>(Packed().size());
    z.next_out = out.data();
    z.avail_out = kSize;
    inflate(&z, Z_FINISH);
    benchmark::DoNotOptimize(out.data());
    inflateEnd(&z);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

void BM_DecompressionStream(benchmark::State& state) {
  eit::TMemoryStream base;
  base.WriteBuffer(Packed().data(), static_cast<std::int32_t>(Packed().size()));
  Bytes out(kSize);
  for (auto _ : state) {
    base.SetPosition(0);
    eit::TDecompressionStream z(base);
    z.ReadBuffer(out.data(), kSize);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

BENCHMARK(BM_PlainDeflate)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_CompressionStream)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_PlainInflate)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_DecompressionStream)->Unit(benchmark::kMillisecond)->Repetitions(5);

EIT_BENCH_RATIO(BM_CompressionStream, BM_PlainDeflate, 1.05);
EIT_BENCH_RATIO(BM_DecompressionStream, BM_PlainInflate, 1.05);

}  // namespace
