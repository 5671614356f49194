// Exporting a packed 2048 x 2048 32-bit texture to TGA against the least work that needs: inflate,
// the channel swap, and writing as many bytes.
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "formats/formathandlers.h"
#include "formats/misc.h"
#include "ratio_reporter.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint32_t kSide = 2048;
constexpr std::size_t kImageBytes = eit::kImageHeaderSize + std::size_t{kSide} * kSide * 4;

struct Setup {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "eitool-bench-export";
  std::string source = (dir / "big.dds").string();
  Bytes packed;  // the zlib stream alone
  std::int64_t tgaBytes = 0;

  Setup() {
    std::filesystem::create_directories(dir / "out");
    Bytes image(kImageBytes);
    std::memcpy(image.data(), "DDS!", 4);
    const std::uint32_t fields[3] = {kSide, kSide, 32};
    std::memcpy(&image[eit::kWidthOffset], &fields[0], 4);
    std::memcpy(&image[eit::kHeightOffset], &fields[1], 4);
    std::memcpy(&image[eit::kBitCountOffset], &fields[2], 4);
    for (std::size_t i = 4; i < eit::kImageHeaderSize; ++i) image[i] ^= 0xFF;
    std::mt19937 gen(7);
    for (std::size_t i = eit::kImageHeaderSize; i < image.size(); ++i)
      image[i] = static_cast<std::uint8_t>((i / 4 % 256) + (i / 4096 % 64) + (i % 4 == 0 ? gen() % 16 : 0));
    uLongf length = compressBound(kImageBytes);
    packed.resize(length);
    compress2(packed.data(), &length, image.data(), kImageBytes, 1);
    packed.resize(length);
    std::ofstream file(source, std::ios::binary);
    const std::uint32_t head[3] = {0x45544C45u, static_cast<std::uint32_t>(length), static_cast<std::uint32_t>(kImageBytes)};
    file.write(reinterpret_cast<const char*>(head), 12);
    file.write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(length));
  }
  ~Setup() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
};

Setup& S() {
  static Setup setup;
  return setup;
}

struct NullReporter : eit::TJobReporter {
  std::int64_t bytes = 0;
  void FileWritten(const std::string&, const std::string&, std::int64_t b, const std::string&) override { bytes = b; }
  void FileSkipped(const std::string&, const std::string&) override {}
};

#ifdef __linux__
// The peak memory of one export as a multiple of the unpacked image, measured in a fresh process
// (this one's peak is set by the benchmarks before it).
double PeakMemoryPerImage() {
  const std::string command = "\"" EIT_EXPORT_MEMORY "\" \"" + S().source + "\" \"" + (S().dir / "out").string() + "\"";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return 0;
  double ratio = 0;
  if (std::fscanf(pipe, "%lf", &ratio) != 1) ratio = 0;
  pclose(pipe);
  return ratio;
}
#endif

void BM_ExportTexture(benchmark::State& state) {
  NullReporter reporter;
  std::vector<std::string> log;
  for (auto _ : state) {
    // Both sides write a new file each time, as an export into a fresh directory does.
    state.PauseTiming();
    std::filesystem::remove(S().dir / "out" / "big.tga");
    state.ResumeTiming();
    eit::TJobContext context{(S().dir / "out").string(), &log, &reporter, {}};
    eit::ExportTexture(context, S().source);
    log.clear();
  }
  S().tgaBytes = reporter.bytes;
#ifdef __linux__
  state.counters["peak_memory_per_image"] = PeakMemoryPerImage();  // target: at most 2.2
#endif
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageBytes));
}

void BM_ExportFloor(benchmark::State& state) {
  const std::string out = (S().dir / "floor.bin").string();
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(out);
    state.ResumeTiming();
    Bytes image(kImageBytes);
    z_stream z{};
    inflateInit(&z);
    z.next_in = S().packed.data();
    z.avail_in = static_cast<uInt>(S().packed.size());
    z.next_out = image.data();
    z.avail_out = static_cast<uInt>(image.size());
    inflate(&z, Z_FINISH);
    inflateEnd(&z);
    eit::SwapRedBlue32(image.data() + eit::kImageHeaderSize, kImageBytes - eit::kImageHeaderSize);
    std::FILE* f = std::fopen(out.c_str(), "wb");
    const std::size_t n = S().tgaBytes > 0 ? static_cast<std::size_t>(S().tgaBytes) : image.size();
    std::fwrite(image.data(), 1, std::min(n, image.size()), f);
    if (n > image.size()) std::fwrite(image.data(), 1, n - image.size(), f);
    std::fclose(f);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageBytes));
}

BENCHMARK(BM_ExportTexture)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportFloor)->Unit(benchmark::kMillisecond)->Repetitions(5);
EIT_BENCH_RATIO(BM_ExportTexture, BM_ExportFloor, 1.15);

}  // namespace
