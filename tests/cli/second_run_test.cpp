// A second run into a folder: painted images are not replaced unasked, result.log stays the folder's
// map, and a moved log says which images it uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "engine/jobs.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/cli_run.h"
#include "support/edits.h"
#include "codecs/targa.h"
#include "codecs/bmp.h"

namespace eit {
namespace {

using testing::Cli;
using testing::Outcome;

std::string Q(const std::string& path) { return "\"" + path + "\""; }

bool IsTga(const std::string& path) { return ExtractFileExtLower(path) == ".tga"; }

TBitmap LoadPicture(const std::string& path) {
  TBitmap picture;
  if (IsTga(path))
    ReadTGA(path.c_str(), picture);
  else
    ReadBMP(path, picture);
  return picture;
}

void Paint(const std::string& path, int x, int y, TRgb colour) { testing::PaintPixel(path, x, y, colour); }

TRgb ImagePixel(const std::string& path, int x, int y) { return LoadPicture(path).Pixel(x, y); }

TRgb TexturePixel(const std::string& path, int x, int y) {
  TFileStream source(path, FileMode::OpenRead);
  TMemoryStream image;
  LoadTextureImage(source, image, path);
  InvertImageHeader(image);
  TBitmap picture;
  ImageToBitmap(image, picture);
  return picture.Pixel(x, y);
}

const TRgb kPainted(250, 1, 2), kPaintedLater(3, 250, 4);

class SecondRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(Cli("samples " + Q(S), dir).status, 0);
    FirstRun();
  }
  void FirstRun() {
    const Outcome first = Cli("extract -o " + Q(out) + " " + Q(S + "/stone.dds") + " " + Q(S + "/sky.dds"), dir);
    ASSERT_EQ(first.status, 0) << first.err;
    Paint(out + "/stone.bmp", 0, 0, kPainted);  // an hour of work
  }
  // The second run: stone.dds again, by mistake, and one more texture.
  Outcome Again(const std::string& flags) {
    return Cli("extract -o " + Q(out) + " " + flags + " " + Q(S + "/stone.dds") + " " + Q(S + "/bricks.dds"), dir);
  }
  // Every image the log names gets an edit, so that the insert has no unedited picture to warn about.
  Outcome InsertAll(const std::string& log, const std::string& target, const std::string& flags = "") {
    for (const std::string& line : LoadLines(log))
      if (line.rfind("#Target", 0) == 0) Paint(line.substr(line.find(':') + 2), 1, 1, kPaintedLater);
    return Cli("insert -o " + Q(target) + " " + flags + " " + Q(log), dir);
  }

  testing::TempDir dir;
  const std::string S = dir.File("S"), out = dir.File("OUT");
};

TEST_F(SecondRun, PaintedImagesAreKeptUnlessReplacingIsAskedFor) {
  const struct {
    const char* flags;
    int status;
    bool paintedKept;
    std::vector<std::string> logImages;  // the merged log's images, in order
    std::vector<std::string> rebuilt;    // what its insert writes
  } rows[] = {
      {"", 1, true, {"stone.bmp", "sky.tga"}, {"stone.dds", "sky.dds"}},
      {"--overwrite=false", 1, true, {"stone.bmp", "sky.tga"}, {"stone.dds", "sky.dds"}},  // a value is meant
      {"--overwrite", 0, false, {"stone.bmp", "sky.tga", "bricks.bmp"}, {"stone.dds", "sky.dds", "bricks.dds"}},
      {"--keep-both", 0, true, {"stone.bmp", "sky.tga", "stone (2).bmp", "bricks.bmp"},
       {"stone.dds", "sky.dds", "stone (2).dds", "bricks.dds"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.flags);
    std::filesystem::remove_all(out);
    FirstRun();
    const Outcome again = Again(row.flags);
    EXPECT_EQ(again.status, row.status) << again.err;
    if (row.status != 0) {
      EXPECT_NE(again.err.find("1 image in " + out + " already exists and would be replaced: stone.bmp"),
                std::string::npos) << again.err;
      EXPECT_NE(again.err.find("--keep-both"), std::string::npos);
      EXPECT_FALSE(std::filesystem::exists(out + "/bricks.bmp"));  // nothing written
    }
    EXPECT_EQ(ImagePixel(out + "/stone.bmp", 0, 0) == kPainted, row.paintedKept);
    std::vector<std::string> images;
    for (const std::string& line : LoadLines(out + "/result.log"))
      if (line.rfind("#Target", 0) == 0) images.push_back(ExtractFileName(line.substr(line.find(':') + 2)));
    EXPECT_EQ(images, row.logImages);

    const std::string target = dir.File(std::string("NEW") + row.flags);
    const Outcome insert = InsertAll(out + "/result.log", target);
    EXPECT_EQ(insert.status, 0) << insert.err;
    EXPECT_EQ(insert.err.find("warning"), std::string::npos) << insert.err;
    for (const std::string& name : row.rebuilt) EXPECT_TRUE(std::filesystem::exists(target + "/" + name)) << name;
    EXPECT_EQ(TexturePixel(target + "/stone.dds", 0, 0) == kPainted, row.paintedKept);
  }
}

TEST_F(SecondRun, AFileNamedResultLogThatIsNoLogIsReplacedOnlyWhenAskedFor) {
  for (const std::string& content : {std::string("my notes\nabout the stone\n"), std::string("\0\1binary", 8)}) {
    std::ofstream(out + "/result.log", std::ios::binary | std::ios::trunc) << content;
    Outcome again = Again("--keep-both");
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find(JoinPath(out, "result.log") + " is not a result log"), std::string::npos) << again.err;
    EXPECT_EQ(testing::Slurp(out + "/result.log"), content);
    EXPECT_FALSE(std::filesystem::exists(out + "/bricks.bmp"));
    again = Again("--overwrite");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(LoadLines(out + "/result.log")[0], "#Format: DDS");
    std::filesystem::remove(out + "/bricks.bmp");
  }
}

TEST_F(SecondRun, AMovedFolderSaysWhichImagesItUsesAndHereTakesItsOwn) {
  const std::string moved = dir.File("MOVED");
  std::filesystem::copy(out, moved, std::filesystem::copy_options::recursive);
  Paint(moved + "/stone.bmp", 2, 2, kPaintedLater);  // edited on the copy
  Paint(moved + "/sky.tga", 2, 2, kPaintedLater);
  Paint(out + "/sky.tga", 3, 3, kPaintedLater);  // the first place's are edited too, so nothing is unedited

  const Outcome plain = Cli("insert -o " + Q(dir.File("A")) + " " + Q(moved + "/result.log"), dir);
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_NE(plain.err.find("stone.dds: warning: this log names " + JoinPath(out, "stone.bmp") +
                           "; the image beside it, " + JoinPath(moved, "stone.bmp") + ", is not used"),
            std::string::npos) << plain.err;
  EXPECT_NE(TexturePixel(dir.File("A/stone.dds"), 2, 2), kPaintedLater);

  const Outcome here = Cli("insert -o " + Q(dir.File("B")) + " --here " + Q(moved + "/result.log"), dir);
  EXPECT_EQ(here.status, 0) << here.err;
  EXPECT_EQ(here.err.find("warning"), std::string::npos) << here.err;
  EXPECT_EQ(TexturePixel(dir.File("B/stone.dds"), 2, 2), kPaintedLater);
  EXPECT_EQ(TexturePixel(dir.File("B/stone.dds"), 0, 0), kPainted);
}

// The lines a user adds to a font record before the insert, when it has none yet.
void AddFontCodes(const std::string& log) {
  std::vector<std::string> lines = LoadLines(log), out;
  bool font = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out.push_back(lines[i]);
    if (lines[i].rfind("#Format:", 0) == 0) font = lines[i] == "#Format: TDT";
    const bool hasCodes = i + 1 < lines.size() && lines[i + 1].rfind("#First:", 0) == 0;
    if (font && lines[i].rfind("#Target", 0) == 0 && !hasCodes) {
      out.push_back("#First: 0x20");
      out.push_back("#Last: 0x100");
    }
  }
  SaveLines(log, out);
}

std::set<std::string> LogImages(const std::string& log) {
  std::set<std::string> images;
  for (const std::string& line : LoadLines(log))
    if (line.rfind("#Target", 0) == 0) images.insert(ExtractFileName(line.substr(line.find(':') + 2)));
  return images;
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || defined(_WIN32)
constexpr const char* kLowMemory = "";  // the sanitizers' reservations fit no limit; Windows has none
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr const char* kLowMemory = "";
#else
constexpr const char* kLowMemory = "ulimit -v 30000; ";
#endif
#else
constexpr const char* kLowMemory = "ulimit -v 30000; ";  // room for one worker's run, not for eight workers' stacks
#endif

// Every way a second run meets the folder's map leaves a log whose insert rebuilds what both runs
// extracted, with one worker and with eight.
TEST(SecondRuns, TheMergedLogRebuildsEveryImageOfBothRuns) {
  const struct {
    const char* what;
    bool atOnce;            // the two runs start together
    std::string addedLines;  // put into result.log between the runs
    const char* flags;      // of the second run
    const char* prefix;     // of the second run
    std::set<std::string> images;
  } rows[] = {
      {"two runs into one folder at once", true, "", "", "", {"stone.bmp", "sky.tga", "bricks.bmp", "font.tga"}},
      {"a comment and a line of another tool", false, "; my notes\n#first: 0x20\n", "", "",
       {"stone.bmp", "sky.tga", "bricks.bmp", "font.tga"}},
      {"--overwrite over a log with a comment", false, "; my notes\n", "--overwrite", "",
       {"stone.bmp", "sky.tga", "bricks.bmp", "font.tga"}},
      {"a font with the user's lines extracted again", false, "", "--overwrite", "",
       {"stone.bmp", "sky.tga", "bricks.bmp", "font.tga"}},
      {"a low address-space limit", false, "", "", kLowMemory, {"stone.bmp", "sky.tga", "bricks.bmp", "font.tga"}},
  };
  testing::TempDir dir, other;
  const std::string S = dir.File("S");
  ASSERT_EQ(Cli("samples " + Q(S), dir).status, 0);
  for (const auto& row : rows) {
    for (const char* workers : {"-j 1", "-j 8"}) {
      SCOPED_TRACE(std::string(row.what) + ", " + workers);
      const std::string out = dir.File("OUT");
      std::filesystem::remove_all(out);
      const bool fontAgain = std::string(row.what).find("font") != std::string::npos;
      const std::string first = "extract " + std::string(workers) + " -o " + Q(out) + " " + Q(S + "/stone.dds") + " " +
                                Q(S + "/sky.dds") + (fontAgain ? " " + Q(S + "/font.tdt") : "");
      const std::string second = "extract " + std::string(workers) + " " + row.flags + " -o " + Q(out) + " " +
                                 Q(S + "/bricks.dds") + " " + Q(S + "/font.tdt");
      if (row.atOnce) {
        Outcome a, b;
        std::thread one([&] { a = Cli(first, dir); });
        b = Cli(second, other);
        one.join();
        ASSERT_EQ(a.status, 0) << a.err;
        ASSERT_EQ(b.status, 0) << b.err;
      } else {
        const Outcome a = Cli(first, dir);
        ASSERT_EQ(a.status, 0) << a.err;
        std::ofstream(out + "/result.log", std::ios::binary | std::ios::app) << row.addedLines;
        if (fontAgain) AddFontCodes(out + "/result.log");
        const Outcome b = Cli(second, dir, row.prefix);
        ASSERT_EQ(b.status, 0) << b.err;
      }
      const std::vector<std::string> log = LoadLines(out + "/result.log");
      EXPECT_EQ(LogImages(out + "/result.log"), row.images);
      for (const std::string& line : {std::string("; my notes"), std::string("#first: 0x20")})
        EXPECT_EQ(std::count(log.begin(), log.end(), line), row.addedLines.find(line) != std::string::npos ? 1 : 0)
            << line;
      if (fontAgain) {
        // The codes the user gave stay with the font, once.
        EXPECT_EQ(std::count(log.begin(), log.end(), "#First: 0x20"), 1);
        EXPECT_EQ(std::count(log.begin(), log.end(), "#Last: 0x100"), 1);
      }
      AddFontCodes(out + "/result.log");
      const std::string target = dir.File("NEW");
      std::filesystem::remove_all(target);
      const Outcome insert = Cli("insert " + std::string(workers) + " -o " + Q(target) + " " + Q(out + "/result.log"), dir);
      EXPECT_EQ(insert.status, 0) << insert.err;
      for (const char* name : {"stone.dds", "sky.dds", "bricks.dds", "font.dds", "font.tdt"})
        EXPECT_TRUE(std::filesystem::exists(target + "/" + name)) << name;
      EXPECT_FALSE(std::filesystem::exists(out + "/result.log.lock"));
    }
  }
}

// A run that finds another writing the folder's map waits for it, says so, and then adds its records.
TEST(SecondRuns, ARunWaitsForTheFoldersLock) {
  testing::TempDir dir;
  const std::string S = dir.File("S"), out = dir.File("OUT");
  ASSERT_EQ(Cli("samples " + Q(S), dir).status, 0);
  std::filesystem::create_directories(out);
  std::unique_ptr<TFileLock> held = TFileLock::TryTake(out + "/result.log.lock");
  ASSERT_TRUE(held);
  EXPECT_FALSE(TFileLock::TryTake(out + "/result.log.lock"));  // one holder at a time
  Outcome run;
  std::thread waiting([&] { run = Cli("extract -o " + Q(out) + " " + Q(S + "/stone.dds"), dir); });
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  EXPECT_FALSE(std::filesystem::exists(out + "/stone.bmp"));  // nothing is written before the turn comes
  EXPECT_FALSE(std::filesystem::exists(out + "/result.log"));
  held.reset();
  waiting.join();
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("Waiting for another run into " + out + " to finish"), std::string::npos) << run.err;
  EXPECT_EQ(LogImages(out + "/result.log"), std::set<std::string>{"stone.bmp"});
  EXPECT_FALSE(std::filesystem::exists(out + "/result.log.lock"));
}

// The images a run says it wrote ("...: wrote <path> (...)" on standard output).
std::vector<std::string> WrittenBy(const Outcome& run) {
  std::vector<std::string> paths;
  for (std::size_t at = 0; (at = run.out.find(": wrote ", at)) != std::string::npos;) {
    at += 8;
    const std::string line = run.out.substr(at, run.out.find('\n', at) - at);
    paths.push_back(line.substr(0, line.rfind(" (")));
  }
  return paths;
}

TEST(SecondRuns, RunsIntoOneFolderAtOnceNeverLoseAnImage) {
  for (const bool keepBoth : {false, true})
    for (const int runs : {2, 4}) {
      SCOPED_TRACE(std::to_string(runs) + (keepBoth ? " runs, --keep-both" : " runs"));
      testing::TempDir dir;
      const std::string out = dir.File("OUT");
      ASSERT_EQ(Cli("samples " + Q(dir.File("S")), dir).status, 0);
      // Each run extracts a stone.dds of its own game, all into one folder.
      std::vector<std::string> sources;
      for (int k = 0; k < runs; ++k) {
        sources.push_back(dir.File("game" + std::to_string(k) + "/stone.dds"));
        std::filesystem::create_directories(ExtractFileDir(sources.back()));
        std::filesystem::copy_file(dir.File("S/stone.dds"), sources.back());
      }
      std::vector<testing::TempDir> runDirs(static_cast<std::size_t>(runs));
      std::vector<Outcome> outcomes(static_cast<std::size_t>(runs));
      std::vector<std::thread> threads;
      for (std::size_t k = 0; k < outcomes.size(); ++k)
        threads.emplace_back([&, k] {
          outcomes[k] = Cli("extract " + std::string(keepBoth ? "--keep-both " : "") + "-o " + Q(out) + " " +
                                Q(sources[k]), runDirs[k]);
        });
      for (std::thread& t : threads) t.join();
      // What each run says it wrote lies there, with its record naming that run's source; a run that
      // wrote nothing says so with exit status 1.
      const std::vector<std::string> log = LoadLines(out + "/result.log");
      std::set<std::string> written;
      for (std::size_t k = 0; k < outcomes.size(); ++k) {
        const std::vector<std::string> paths = WrittenBy(outcomes[k]);
        EXPECT_EQ(outcomes[k].status, paths.empty() ? 1 : 0) << outcomes[k].err;
        for (const std::string& path : paths) {
          EXPECT_TRUE(written.insert(path).second) << path << " claimed by two runs";
          EXPECT_TRUE(std::filesystem::exists(path)) << path;
          const auto target = std::find(log.begin(), log.end(), "#Target BMP: " + path);
          ASSERT_NE(target, log.end()) << path;
          EXPECT_EQ(*(target - 1), "#Source: " + sources[k]);
        }
        if (paths.empty()) {
          EXPECT_NE(outcomes[k].err.find("stone.bmp"), std::string::npos) << outcomes[k].err;
        }
      }
      EXPECT_EQ(written.size(), keepBoth ? static_cast<std::size_t>(runs) : 1u);
      EXPECT_EQ(LogImages(out + "/result.log").size(), written.size());
    }
}

// Runs into folders that nest (OUT and OUT/sub) hold different locks: an image both would write is
// written by one, and the other fails naming it; what a run says it wrote is its own.
TEST(SecondRuns, RunsIntoNestedFoldersAtOnceNeverLoseAnImage) {
  testing::TempDir dir;
  ASSERT_EQ(Cli("samples " + Q(dir.File("S")), dir).status, 0);
  const std::string a = dir.File("gameA/sub/stone.dds"), b = dir.File("gameB/stone.dds");
  std::filesystem::create_directories(ExtractFileDir(a));
  std::filesystem::create_directories(ExtractFileDir(b));
  std::filesystem::copy_file(dir.File("S/stone.dds"), a);
  std::filesystem::copy_file(dir.File("S/bricks.dds"), b);
  ASSERT_EQ(Cli("extract -o " + Q(dir.File("RA")) + " " + Q(a), dir).status, 0);
  ASSERT_EQ(Cli("extract -o " + Q(dir.File("RB")) + " " + Q(b), dir).status, 0);
  const std::string ownA = testing::Slurp(dir.File("RA/stone.bmp")), ownB = testing::Slurp(dir.File("RB/stone.bmp"));
  for (int round = 0; round < 6; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const std::string out = dir.File("OUT" + std::to_string(round)), image = JoinPath(JoinPath(out, "sub"), "stone.bmp");
    testing::TempDir runA, runB;
    Outcome byA, byB;
    std::thread first([&] { byA = Cli("extract -o " + Q(out) + " " + Q(dir.File("gameA")), runA); });
    std::thread second([&] { byB = Cli("extract -o " + Q(out + "/sub") + " " + Q(b), runB); });
    first.join(), second.join();
    const bool claimedA = byA.out.find(image) != std::string::npos, claimedB = byB.out.find(image) != std::string::npos;
    EXPECT_NE(claimedA, claimedB) << byA.out << byB.out;  // one writes it, never both
    EXPECT_EQ(byA.status, claimedA ? 0 : 1) << byA.err;
    EXPECT_EQ(byB.status, claimedB ? 0 : 1) << byB.err;
    EXPECT_EQ(testing::Slurp(image), claimedA ? ownA : ownB);
  }
}

}  // namespace
}  // namespace eit
