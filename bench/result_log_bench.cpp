// The folder's map at the end of an extract: result.log read under the folder's lock, merged with the
// run's records and written back. Old records x new images must not multiply: 100,000 old records with
// 200 new images, and 3,000 with 3,000 (half of them written again), each well under a second.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/jobs.h"
#include "engine/result_log.h"
#include "engine/target_folder.h"
#include "platform/files.h"

namespace {

std::vector<std::string> Records(const std::string& dir, int from, int count) {
  std::vector<std::string> lines;
  for (int i = from; i < from + count; ++i) {
    const std::string name = "t" + std::to_string(i);
    lines.push_back(eit::FormatLine(eit::TJobKind::Texture));
    lines.push_back(eit::SourceLine("/game/textures/" + name + ".dds"));
    lines.push_back(eit::TargetLine(true, dir + "/" + name + ".bmp"));
  }
  return lines;
}

// args: old records, new records; the new ones start halfway through the old ones' names, so that
// half of them (at most) write an old record's image again.
void BM_PublishResultLog(benchmark::State& state) {
  const int olds = static_cast<int>(state.range(0)), news = static_cast<int>(state.range(1));
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "eitool-bench-log";
  std::filesystem::create_directories(dir);
  const std::string d = dir.string();
  const int firstNew = olds - news / 2;
  const std::vector<std::string> oldLines = Records(d, 0, olds), newLines = Records(d, firstNew, news);
  for (int i = firstNew; i < firstNew + news; ++i) std::ofstream(d + "/t" + std::to_string(i) + ".bmp") << "x";
  eit::TFrontEnd quiet;
  for (auto _ : state) {
    state.PauseTiming();
    eit::SaveLines(d + "/result.log", oldLines);
    state.ResumeTiming();
    const auto lock = eit::TakeFolderLock(d, quiet);
    eit::PublishResultLog(d, newLines, false);
  }
  state.counters["lines"] = static_cast<double>(eit::LoadLines(d + "/result.log").size());
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_PublishResultLog)->Args({100000, 200})->Args({3000, 3000})->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// An insert of a list that names one log 20,000 times: every record wants the same output name, and
// each further "water (N).dds" must cost no more than the first.
void BM_ClaimOneNameManyTimes(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    eit::TOutputNames names;
    bool renamed = false;
    for (std::size_t i = 0; i < count; ++i) {
      benchmark::DoNotOptimize(names.Claim(i, "/out/water.dds", renamed));
      names.Finish(i);
    }
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ClaimOneNameManyTimes)->Arg(2000)->Arg(20000)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace
