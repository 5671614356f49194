// A run's failures are data: the same file, line, kind and text whatever the worker count, decided where
// they happened.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/main.h"
#include "platform/paths.h"
#include "support/engine.h"
#include "support/test_data.h"
#include "support/textures.h"

namespace eit {
namespace {

using testing::Bytes;

std::string Save(const testing::TempDir& dir, const std::string& name, const Bytes& bytes) {
  const std::string path = dir.File(name);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string KindName(TFailureKind kind) {
  switch (kind) {
    case TFailureKind::CannotOpen: return "cannot open";
    case TFailureKind::CutShort: return "cut short";
    case TFailureKind::OutOfMemory: return "out of memory";
    case TFailureKind::Refused: return "refused";
    default: return "other";
  }
}

TEST(RunFailures, EveryWorkerCountGivesTheSameFailuresAsData) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.File("src"));
  Bytes cut = testing::MakePackedFile(testing::MakeTextureImage(64, 64, 32));
  cut.resize(cut.size() / 2);
  const std::string good = Save(dir, "src/good.dds", testing::MakeTextureImage(4, 4, 24));
  const std::string missing = dir.File("src/missing.dds");
  const std::string shortFile = Save(dir, "src/cut.dds", cut);
  const std::string foreign = Save(dir, "src/note.dds", Bytes{'h', 'e', 'l', 'l', 'o', '!', '!', '!'});
  const struct {
    std::string path;
    std::string kind;  // empty: no failure
  } entries[] = {{good, ""}, {missing, "cannot open"}, {shortFile, "cut short"}, {foreign, "refused"}, {good, ""}};
  std::vector<std::string> paths;
  for (const auto& e : entries) paths.push_back(e.path);
  std::vector<TFailure> first;
  for (const int workers : {1, 2, 8}) {
    SCOPED_TRACE("-j " + std::to_string(workers));
    const std::string out = dir.File("out" + std::to_string(workers));
    std::filesystem::create_directories(out);
    TFrontEnd quiet;
    TBatchEngine engine(quiet);
    TRunRequest request = testing::Request(TJobKind::Texture, paths, out);
    request.Workers = workers;
    request.KeepGoing = true;
    request.ExistingImages = TRunRequest::TExisting::KeepBoth;
    const TRunReport report = engine.Run(request);
    ASSERT_EQ(report.Failures.size(), 3u);
    std::size_t k = 0;
    for (const auto& e : entries) {
      if (e.kind.empty()) continue;
      const TFailure& f = report.Failures[k++];
      // Each names its own file, as its file and in what the user reads.
      EXPECT_EQ(f.File, e.path);
      EXPECT_EQ(KindName(f.Kind), e.kind) << f.Text;
      EXPECT_NE(f.Text.find(e.path), std::string::npos) << f.Text;
    }
    if (first.empty()) first = report.Failures;
    for (std::size_t i = 0; i < first.size(); ++i)
      EXPECT_TRUE(first[i].File == report.Failures[i].File && first[i].Kind == report.Failures[i].Kind &&
                  first[i].Text == report.Failures[i].Text)
          << report.Failures[i].Text;
    EXPECT_EQ(report.Written.size(), 2u);
  }
}

#ifdef __linux__
// The threads of this process now (the test's own: this one alone before the run).
std::size_t ThreadsNow() {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& task : std::filesystem::directory_iterator("/proc/self/task")) ++n;
  return n;
}

// The caller owns the threads: a run of one worker writing a large PNG runs one thread beside the caller's, and
// the caller lets the front end process its messages (the window repaints) while the file is being written.
TEST(RunThreads, OneWorkerWritesItsPngOnOneThreadWhileTheFrontEndRepaints) {
  testing::TempDir dir;
  const std::string source = Save(dir, "big.dds", testing::MakePackedFile(testing::MakeTextureImage(2048, 2048, 32)));
  std::filesystem::create_directories(dir.File("out"));
  struct TWatch : TFrontEnd {
    std::string output;
    std::size_t most = 0, whileWriting = 0;
    void ProcessMessages() override {
      most = std::max(most, ThreadsNow());
      whileWriting += std::filesystem::exists(output) ? 0 : 1;
    }
  } watch;
  watch.output = dir.File("out/big.png");
  const std::size_t before = ThreadsNow();
  TBatchEngine engine(watch);
  TRunRequest request = testing::Request(TJobKind::Texture, {source}, dir.File("out"));
  request.Workers = 1;
  request.Images = TImageFiles::Png;
  engine.Run(request);
  EXPECT_TRUE(std::filesystem::exists(dir.File("out/big.png")));
  EXPECT_LE(watch.most, before + 1);
  EXPECT_GT(watch.whileWriting, 0u);
}
#endif

}  // namespace
}  // namespace eit
