// A game's mod: 5,050 textures in 420 folders extracted whole, 20 of them edited; the insert that writes
// only the edited ones against a log of the 20 alone. Telling an unedited image must cost no decode.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_textures.h"
#include "engine/game_folder.h"
#include "engine/main.h"
#include "platform/files.h"
#include "ratio_reporter.h"

namespace {

namespace fs = std::filesystem;
using eit::bench::Bytes;
constexpr int kTextures = 5050, kFolders = 420, kEdited = 20;

struct ModSetup {
  fs::path dir = fs::temp_directory_path() / "eitool-bench-mod";
  std::string log, editedLog;

  ModSetup() {
    fs::remove_all(dir);
    const std::uint32_t sides[3] = {64, 128, 256};
    for (int i = 0; i < kTextures; ++i) {
      const Bytes image = eit::bench::TextureImage(sides[i % 3]);
      const fs::path path = dir / "game" / ("f" + std::to_string(i % kFolders)) / ("t" + std::to_string(i) + ".dds");
      fs::create_directories(path.parent_path());
      eit::bench::WritePackedTexture(path.string(), image);
    }
    eit::TFrontEnd quiet;
    eit::TBatchEngine engine(quiet);
    eit::TRunRequest request;
    request.Entries = eit::WalkGameFolder((dir / "game").string()).Entries;
    request.TargetDir = (dir / "out").string();
    request.Workers = 0;
    fs::create_directories(request.TargetDir);
    engine.Run(request);
    log = (dir / "out" / "result.log").string();
    // Every 250th image painted on; their records alone make the small log.
    const std::vector<std::string> lines = eit::LoadLines(log);
    std::vector<std::string> edited;
    for (std::size_t i = 0, record = 0; i + 5 <= lines.size(); i += 5, ++record) {
      if (record % (kTextures / kEdited) != 0 || edited.size() >= 5 * kEdited) continue;
      const std::string image = lines[i + 4].substr(lines[i + 4].find(": ") + 2);
      std::fstream file(image, std::ios::in | std::ios::out | std::ios::binary);
      file.seekp(static_cast<std::streamoff>(fs::file_size(image) / 2));  // a pixel
      file.put('\x7f');
      edited.insert(edited.end(), lines.begin() + static_cast<std::ptrdiff_t>(i), lines.begin() + static_cast<std::ptrdiff_t>(i + 5));
    }
    editedLog = (dir / "out" / "edited.log").string();
    eit::SaveLines(editedLog, edited);
  }
  ~ModSetup() {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }
};

ModSetup& M() {
  static ModSetup setup;
  return setup;
}

void Insert(benchmark::State& state, const std::string& log, bool changedOnly) {
  eit::TFrontEnd quiet;
  for (auto _ : state) {
    eit::TBatchEngine engine(quiet);
    eit::TRunRequest request;
    request.Entries = eit::EntriesOf(eit::TJobKind::ReplayLog, {log});
    request.TargetDir = (M().dir / "mod").string();
    request.ChangedOnly = changedOnly;
    fs::create_directories(request.TargetDir);
    const eit::TRunReport report = engine.Run(request);
    state.counters["written"] = static_cast<double>(report.Written.size());
  }
}

void BM_InsertTwentyEditedAlone(benchmark::State& state) { Insert(state, M().editedLog, false); }
void BM_InsertGameChangedOnly(benchmark::State& state) { Insert(state, M().log, true); }

BENCHMARK(BM_InsertTwentyEditedAlone)->Unit(benchmark::kMillisecond)->Repetitions(3)->Iterations(1);
BENCHMARK(BM_InsertGameChangedOnly)->Unit(benchmark::kMillisecond)->Repetitions(3)->Iterations(1);
// The game's log with 5,030 unedited records: at most three times the 20 alone.
EIT_BENCH_RATIO(BM_InsertGameChangedOnly, BM_InsertTwentyEditedAlone, 3.0);

}  // namespace
