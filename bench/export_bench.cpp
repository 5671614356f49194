// Exporting a packed 2048 x 2048 32-bit texture to TGA against the least work that needs: inflate,
// the channel swap, and writing as many bytes; and to PNG against the TGA export.
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engine/jobs.h"
#include "formats/misc.h"
#include "bench_textures.h"
#include "compression/pack_engine.h"
#include "libdeflate_floor.h"
#include "ratio_reporter.h"

namespace {

using eit::bench::Bytes;
constexpr std::uint32_t kSide = 2048;
constexpr std::size_t kImageBytes = eit::kImageHeaderSize + std::size_t{kSide} * kSide * 4;

struct Setup {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "eitool-bench-export";
  std::string source = (dir / "big.dds").string();
  Bytes packed;  // the zlib stream alone
  std::int64_t tgaBytes = 0;

  Setup() {
    std::filesystem::create_directories(dir / "out");
    const Bytes image = eit::bench::TextureImage(kSide);
    packed = eit::bench::Deflated(image);
    const Bytes file = eit::bench::PackedContainer(image, packed);
    std::ofstream(source, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                  static_cast<std::streamsize>(file.size()));
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

void ExportTexture(benchmark::State& state, bool zlibOnly, bool png = false) {
  const char* name = png ? "big.png" : "big.tga";
  eit::bench::NullReporter reporter;
  std::vector<std::string> log;
  for (auto _ : state) {
    // Both sides write a new file each time, as an export into a fresh directory does.
    state.PauseTiming();
    std::filesystem::remove(S().dir / "out" / name);
    state.ResumeTiming();
    eit::TJobContext context;
    context.Images = png ? eit::TImageFiles::Png : eit::TImageFiles::BmpTga;
    context.Engine = zlibOnly ? eit::TPackEngine::Zlib : eit::TPackEngine::Fastest;
    context.TargetDir = (S().dir / "out").string();
    context.ResultLog = &log;
    context.Reporter = &reporter;
    eit::ExportTexture(context, S().source);
    log.clear();
  }
  const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(S().dir / "out" / name));
  state.counters["file_bytes"] = static_cast<double>(bytes);
  if (png) {
    // Target: smaller than the TGA.
    state.counters["size_of_tga"] = S().tgaBytes > 0 ? static_cast<double>(bytes) / static_cast<double>(S().tgaBytes) : 0;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageBytes));
    return;
  }
  S().tgaBytes = bytes;
#ifdef __linux__
  if (!zlibOnly) state.counters["peak_memory_per_image"] = PeakMemoryPerImage();  // target: at most 2.2
#endif
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageBytes));
}

// With the default engine (libdeflate) and with zlib asked for.
void BM_ExportTexture(benchmark::State& state) { ExportTexture(state, false); }
void BM_ExportTextureZlib(benchmark::State& state) { ExportTexture(state, true); }
// The same texture written as PNG (extract --format png).
void BM_ExportTexturePng(benchmark::State& state) { ExportTexture(state, false, true); }

// Swap and write as the export does, after an inflate of either kind.
void SwapAndWrite(Bytes& image, const std::string& out) {
  eit::SwapRedBlue32(image.data() + eit::kImageHeaderSize, kImageBytes - eit::kImageHeaderSize);
  std::FILE* f = std::fopen(out.c_str(), "wb");
  const std::size_t n = S().tgaBytes > 0 ? static_cast<std::size_t>(S().tgaBytes) : image.size();
  std::fwrite(image.data(), 1, std::min(n, image.size()), f);
  if (n > image.size()) std::fwrite(image.data(), 1, n - image.size(), f);
  std::fclose(f);
}

void BM_ExportFloorLibdeflate(benchmark::State& state) {
  const std::string out = (S().dir / "floor.bin").string();
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(out);
    state.ResumeTiming();
    Bytes image(kImageBytes);
    eit::bench::LibdeflateInflate(S().packed, image.data(), image.size());
    SwapAndWrite(image, out);
  }
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
BENCHMARK(BM_ExportFloorLibdeflate)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportTexturePng)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportTextureZlib)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportFloor)->Unit(benchmark::kMillisecond)->Repetitions(5);
EIT_BENCH_RATIO(BM_ExportTexture, BM_ExportFloorLibdeflate, 1.10);
EIT_BENCH_RATIO(BM_ExportTextureZlib, BM_ExportFloor, 1.15);
EIT_BENCH_RATIO(BM_ExportTexturePng, BM_ExportTexture, 2.0);

}  // namespace
