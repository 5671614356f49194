// A whole batch: 200 packed textures of mixed sizes (64 to 1024 on a side, 24- and 32-bit) exported
// with one worker per core against the same batch with one worker.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/main.h"
#include "bench_textures.h"
#include "ratio_reporter.h"

namespace {

using eit::bench::Bytes;
constexpr int kEntries = 200;

using Quiet = eit::TFrontEnd;  // shows nothing

// In memory where the system has such a folder: the measure is how the work spreads over the cores, and
// a disk's write speed would bound one worker and two alike.
std::filesystem::path BatchFolder() {
  std::error_code ec;
  const std::filesystem::path shm = "/dev/shm";
  return (std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path()) / "eitool-bench-batch";
}

struct Setup {
  std::filesystem::path dir = BatchFolder();
  std::vector<std::string> sources;

  Setup() {
    std::filesystem::create_directories(dir / "out");
    const std::uint32_t sides[5] = {64, 128, 256, 512, 1024};
    for (int i = 0; i < kEntries; ++i) {
      const std::uint32_t side = sides[i % 5];
      Bytes image = eit::bench::TextureImage(side);
      if (i % 2 == 1) {
        // 24-bit: the header says so and the rows are three bytes a pixel.
        image.resize(eit::kImageHeaderSize + std::size_t{side} * side * 3);
        image[eit::kBitCountOffset] = static_cast<std::uint8_t>(~24u);
      }
      sources.push_back((dir / ("t" + std::to_string(i) + ".dds")).string());
      eit::bench::WritePackedTexture(sources.back(), image);
    }
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
// The peak memory of the batch with the default workers, in MiB, measured in a fresh process.
double BatchPeakMiB() {
  std::string command = "\"" EIT_EXPORT_MEMORY "\" --batch \"" + (S().dir / "out").string() + "\"";
  for (const std::string& s : S().sources) command += " \"" + s + "\"";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return 0;
  double mib = 0;
  if (std::fscanf(pipe, "%lf", &mib) != 1) mib = 0;
  pclose(pipe);
  return mib;
}
#endif

void RunBatch(benchmark::State& state, int workers) {
  Quiet quiet;
  for (auto _ : state) {
    eit::TBatchEngine engine(quiet);
    eit::TRunRequest request;
    request.Entries = eit::EntriesOf(eit::TJobKind::Texture, S().sources);
    request.TargetDir = (S().dir / "out").string();
    request.Workers = workers;
    engine.Run(request);
  }
  state.counters["workers"] = eit::TBatchEngine::WorkersFor(workers, kEntries);
}

void BM_BatchOneWorker(benchmark::State& state) { RunBatch(state, 1); }
void BM_BatchWorkers(benchmark::State& state) {
  RunBatch(state, 0);
#ifdef __linux__
  state.counters["peak_MiB"] = BatchPeakMiB();
#endif
}

BENCHMARK(BM_BatchOneWorker)->Unit(benchmark::kMillisecond)->Repetitions(3)->Iterations(1);
BENCHMARK(BM_BatchWorkers)->Unit(benchmark::kMillisecond)->Repetitions(3)->Iterations(1);
// On two cores, one worker per core must be at least 1.7 times as fast: 1 / 1.7 of the time.
EIT_BENCH_RATIO(BM_BatchWorkers, BM_BatchOneWorker, 0.59);

}  // namespace
