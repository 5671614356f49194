// A game's folder of 20,000 textures in 200 folders: the walk that finds them against the extract of the
// same files given as a list. The walk must cost at most a tenth of it, so that a large tree starts
// writing at once.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_textures.h"
#include "engine/game_folder.h"
#include "engine/main.h"
#include "ratio_reporter.h"

namespace {

constexpr int kFolders = 200, kPerFolder = 100;

struct GameSetup {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "eitool-bench-game";
  std::vector<eit::TJobEntry> entries;

  GameSetup() {
    std::filesystem::remove_all(dir);
    eit::bench::Bytes image = eit::bench::TextureImage(4);  // small: the walk's share is what is measured
    for (int f = 0; f < kFolders; ++f) {
      const std::filesystem::path folder = dir / "game" / ("level" + std::to_string(f));
      std::filesystem::create_directories(folder);
      for (int i = 0; i < kPerFolder; ++i)
        std::ofstream(folder / ("t" + std::to_string(i) + ".dds"), std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    }
    entries = eit::WalkGameFolder((dir / "game").string()).Entries;
  }
  ~GameSetup() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
};

GameSetup& G() {
  static GameSetup setup;
  return setup;
}

void BM_WalkGameFolder(benchmark::State& state) {
  const std::string root = (G().dir / "game").string();
  for (auto _ : state) benchmark::DoNotOptimize(eit::WalkGameFolder(root));
  state.counters["files"] = static_cast<double>(G().entries.size());
}

void BM_ExtractGameList(benchmark::State& state) {
  eit::TFrontEnd quiet;
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove_all(G().dir / "out");
    state.ResumeTiming();
    eit::TBatchEngine engine(quiet);
    eit::TRunRequest request;
    request.Entries = G().entries;
    request.TargetDir = (G().dir / "out").string();
    request.Workers = 0;
    engine.Run(request);
  }
}

BENCHMARK(BM_WalkGameFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExtractGameList)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(2);
EIT_BENCH_RATIO(BM_WalkGameFolder, BM_ExtractGameList, 0.10);

}  // namespace
