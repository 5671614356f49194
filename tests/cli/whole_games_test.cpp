// Whole games: a folder in, the same tree out, and back into a mod folder that mirrors the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/files.h"
#include "platform/paths.h"
#include "support/cli_run.h"
#include "support/edits.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace eit {
namespace {

namespace fs = std::filesystem;
using testing::Cli;
using testing::Outcome;
using testing::Quoted;

std::vector<std::string> Tree(const std::string& dir) { return testing::FilesUnder(dir); }

void Copy(const std::string& from, const std::string& to) {
  fs::create_directories(fs::path(to).parent_path());
  fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

// A font record needs its codes before it inserts; the user adds them.
void AddFontCodes(const std::string& log) {
  std::vector<std::string> lines = LoadLines(log), out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out.push_back(lines[i]);
    if (lines[i].rfind("#Target TGA", 0) == 0 && i > 1 && lines[i - 2] == "#Format: TDT") {
      out.push_back("#First: 0x20");
      out.push_back("#Last: 0x100");
    }
  }
  SaveLines(log, out);
}

struct TreeCase {
  const char* name;
  std::function<void(const std::string& game, const std::string& samples)> make;
  int status;                       // of the extract
  std::vector<std::string> images;  // the extract's tree
  std::string says;                 // on standard error
};

const TreeCase kTrees[] = {
    {"nested, the same name in two folders, a font beside its texture",
     [](const std::string& g, const std::string& s) {
       Copy(s + "/stone.dds", g + "/levels/a/stone.dds");
       Copy(s + "/bricks.dds", g + "/levels/b/stone.dds");
       Copy(s + "/sky.dds", g + "/ui/sky.dds");
       Copy(s + "/font.tdt", g + "/ui/fonts/font.tdt");
       Copy(s + "/font.dds", g + "/ui/fonts/font.dds");
       std::ofstream(g + "/readme.txt") << "x";
       std::ofstream(g + "/levels/a/notes.ini") << "x";
     },
     0, {"levels/a/stone.bmp", "levels/b/stone.bmp", "ui/fonts/font.tga", "ui/sky.tga"}, "2 other files passed over"},
#ifndef _WIN32
    {"a link that loops back, and one out of the folder",
     [](const std::string& g, const std::string& s) {
       Copy(s + "/water.dds", g + "/w/water.dds");
       fs::create_directory_symlink(g, g + "/w/loop");
       fs::create_symlink(s + "/stone.dds", g + "/w/outside.dds");
     },
     0, {"w/water.tga"}, "2 symbolic links not followed"},
#endif
    {"a cut texture alone in its folder",
     [](const std::string& g, const std::string& s) {
       Copy(s + "/stone.dds", g + "/ok/stone.dds");
       Copy(s + "/sky.dds", g + "/broken/sky.dds");
       fs::resize_file(g + "/broken/sky.dds", 200);
     },
     1, {"ok/stone.bmp"}, "sky.dds: Stream read error"},
    {"a folder with no assets", [](const std::string& g, const std::string&) { std::ofstream(g + "/a/readme.txt") << "x"; },
     1, {}, "holds no textures (.dds) or font tables (.tdt) (1 other files)"},
};

class WholeGames : public ::testing::TestWithParam<TreeCase> {};

TEST_P(WholeGames, ATreeGoesOutAndComesBackMirrored) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), game = dir.File("game");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  fs::create_directories(game + "/a");
  GetParam().make(game, s);
  std::vector<std::string> first;
  for (const char* workers : {"1", "8"}) {
    SCOPED_TRACE(workers);
    const std::string out = dir.File(std::string("OUT") + workers), mod = dir.File(std::string("MOD") + workers);
    const Outcome extract =
        Cli(std::string("extract --keep-going -j ") + workers + " -o " + Quoted(out) + " " + Quoted(game), dir);
    EXPECT_EQ(extract.status, GetParam().status) << extract.err;
    EXPECT_TRUE(testing::Mentions(extract.err, GetParam().says)) << extract.err;
    EXPECT_EQ(Tree(out), GetParam().images);
    // A folder made for a file that failed goes again.
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(out, ec); !ec && it != fs::recursive_directory_iterator(); ++it)
      if (it->is_directory()) {
        EXPECT_FALSE(fs::is_empty(it->path())) << it->path();
      }
    if (extract.status != 0) continue;
    // The log names every image by its full path, and replays into a mod folder shaped as the game.
    AddFontCodes(out + "/result.log");
    const Outcome insert = Cli(std::string("insert -j ") + workers + " -o " + Quoted(mod) + " " + Quoted(out + "/result.log"), dir);
    EXPECT_EQ(insert.status, 0) << insert.err;
    std::vector<std::string> rebuilt = Tree(mod), expected;
    for (const std::string& image : GetParam().images) {
      expected.push_back(ChangeFileExt(image, ".dds"));
      if (image.find("font") != std::string::npos) expected.push_back(ChangeFileExt(image, ".tdt"));
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(rebuilt, expected);
    EXPECT_EQ(insert.out.find("(2)"), std::string::npos) << insert.out;
    // One worker and eight: the same tree, the same log.
    std::vector<std::string> log = SplitLines(testing::Unsealed(testing::Slurp(out + "/result.log")).c_str(),
                                              testing::Unsealed(testing::Slurp(out + "/result.log")).size());
    for (std::string& line : log)
      for (std::size_t at; (at = line.find(out)) != std::string::npos;) line.replace(at, out.size(), "<out>");
    if (first.empty()) first = log;
    EXPECT_EQ(log, first);
  }
}

INSTANTIATE_TEST_SUITE_P(Trees, WholeGames, ::testing::ValuesIn(kTrees), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
});

// A second extract of the tree into the same folder follows the second-run rules image by image, and
// its merged log still rebuilds every image; files given one by one keep the flat names.
TEST(WholeGames, SecondRunsAndFilesGivenAloneKeepTheirRules) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), game = dir.File("game"), out = dir.File("OUT");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  Copy(s + "/stone.dds", game + "/a/stone.dds");
  Copy(s + "/bricks.dds", game + "/b/stone.dds");
  ASSERT_EQ(Cli("extract -o " + Quoted(out) + " " + Quoted(game), dir).status, 0);
  const Outcome again = Cli("extract -o " + Quoted(out) + " " + Quoted(game), dir);
  EXPECT_EQ(again.status, 1);
  EXPECT_NE(again.err.find("2 images in " + out + " already exist"), std::string::npos) << again.err;
  const Outcome flat = Cli("extract -o " + Quoted(out) + " " + Quoted(s + "/sky.dds"), dir);
  EXPECT_EQ(flat.status, 0) << flat.err;
  EXPECT_EQ(Tree(out), (std::vector<std::string>{"a/stone.bmp", "b/stone.bmp", "sky.tga"}));
  const Outcome insert = Cli("insert -o " + Quoted(dir.File("MOD")) + " " + Quoted(out + "/result.log"), dir);
  EXPECT_EQ(insert.status, 0) << insert.err;
  EXPECT_EQ(Tree(dir.File("MOD")), (std::vector<std::string>{"a/stone.dds", "b/stone.dds", "sky.dds"}));
}

// A game's tree moved with its log: --here finds each image in its folder below the log, and the mod still
// mirrors the game; without it, a warning names the image beside the log that is not used.
TEST(WholeGames, AMovedTreeReplaysFromItsOwnFolders) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), game = dir.File("game"), out = dir.File("OUT"), moved = dir.File("MOVED");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  Copy(s + "/stone.dds", game + "/a/stone.dds");
  Copy(s + "/bricks.dds", game + "/b/stone.dds");
  ASSERT_EQ(Cli("extract -o " + Quoted(out) + " " + Quoted(game), dir).status, 0);
  fs::copy(out, moved, fs::copy_options::recursive);
  const Outcome plain = Cli("insert -o " + Quoted(dir.File("P")) + " " + Quoted(moved + "/result.log"), dir);
  EXPECT_TRUE(testing::Mentions(plain.err, "the image beside it, " + JoinPath(JoinPath(moved, "a"), "stone.bmp") +
                                               ", is not used")) << plain.err;
  fs::remove_all(out);  // the first place is gone: only --here finds the images
  const Outcome here = Cli("insert --here -o " + Quoted(dir.File("H")) + " " + Quoted(moved + "/result.log"), dir);
  EXPECT_EQ(here.status, 0) << here.err;
  EXPECT_EQ(Tree(dir.File("H")), (std::vector<std::string>{"a/stone.dds", "b/stone.dds"}));
}

#ifndef _WIN32
// A folder that cannot be read is a failure, named; with --keep-going the rest is done and it is counted.
TEST(WholeGames, AnUnreadableFolderIsNamed) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), game = dir.File("game");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  Copy(s + "/stone.dds", game + "/a/stone.dds");
  Copy(s + "/sky.dds", game + "/locked/sky.dds");
  fs::permissions(game + "/locked", fs::perms::none);
  // Root reads every folder: the program runs as nobody then, in a folder it may write.
  std::string as;
  if (geteuid() == 0) {
    as = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    fs::permissions(dir.Path(), fs::perms::all);
  }
  const Outcome stopped = Cli("extract -o " + Quoted(dir.File("A")) + " " + Quoted(game), dir, as);
  EXPECT_EQ(stopped.status, 1);
  EXPECT_NE(stopped.err.find("Cannot read folder " + game + "/locked"), std::string::npos) << stopped.err;
  EXPECT_FALSE(fs::exists(dir.File("A")));
  const Outcome going = Cli("extract --keep-going -o " + Quoted(dir.File("B")) + " " + Quoted(game), dir, as);
  EXPECT_EQ(going.status, 1);
  EXPECT_NE(going.err.find("1 failed (named above); 1 file written"), std::string::npos) << going.err;
  EXPECT_EQ(Tree(dir.File("B")), std::vector<std::string>{"a/stone.bmp"});
  fs::permissions(game + "/locked", fs::perms::owner_all);
}
#endif

}  // namespace
}  // namespace eit
