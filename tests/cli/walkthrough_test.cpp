// README's walk-through, run command by command as it stands in README, on a fresh sample set.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "platform/files.h"
#include "support/cli_run.h"
#include "support/edits.h"
#include "support/textures.h"
#include "codecs/targa.h"

namespace eit {
namespace {

// The command lines of the sh blocks in the section under heading, up to the next heading.
[[maybe_unused]] std::vector<std::string> SectionCommands(const std::string& readme, const std::string& heading) {
  std::vector<std::string> commands;
  std::istringstream in(readme.substr(readme.find(heading)));
  std::string line;
  bool inBlock = false;
  std::getline(in, line);
  while (std::getline(in, line)) {
    if (!inBlock && (line.rfind("## ", 0) == 0 || line.rfind("### ", 0) == 0)) break;
    if (line.rfind("```", 0) == 0) {
      inBlock = !inBlock && line == "```sh";
      continue;
    }
    // A command's own comment ("  # what it writes") would swallow the redirections added to it.
    if (inBlock && !line.empty()) commands.push_back(line.rfind("#", 0) == 0 ? line : line.substr(0, line.find("  #")));
  }
  return commands;
}

#ifndef _WIN32
TEST(Readme, WalkThroughWorksAsWritten) {
  const std::string readme = testing::Slurp(EIT_SOURCE_DIR "/README.md");
  const auto commands = SectionCommands(readme, "### Walk-through without game files");
  ASSERT_GE(commands.size(), 4u);
  testing::TempDir dir;
  for (std::string command : commands) {
    ASSERT_EQ(command.rfind("eitool-cli ", 0) == 0 || command.rfind("cat ", 0) == 0, true) << command;
    if (command.rfind("eitool-cli ", 0) == 0) command = "\"" EIT_CLI "\"" + command.substr(10);
    const std::string shell = "cd " + testing::Quoted(dir.Path().string()) + " && " + command +
                              " >out.txt 2>err.txt";
    const int raw = std::system(shell.c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << command << "\n" << testing::Slurp(dir.File("err.txt"));
    // The translations' previews show every letter: no red box, so nothing to warn of.
    if (command.find(" preview ") != std::string::npos) {
      EXPECT_EQ(testing::Slurp(dir.File("err.txt")), "") << command;
    }
  }
  for (const char* output : {"OUT/result.log", "OUT/stone.bmp", "OUT/sky.tga", "SHEET/font.tga", "NEW/stone.dds",
                             "NEW/sky.dds", "NEW/water.dds", "NEW/bricks.dds", "NEW/font.dds", "NEW/font.tdt",
                             "SHEET2/latin_sheet.tga", "RU/latin.tdt", "preview.tga", "SHEET3/latin_sheet.tga", "PL/latin.tdt",
                             "preview-pl.tga", "TABLE/latin.csv", "RU2/latin.tdt", "RU2/latin.dds"})
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.File(output))) << output;
  // The table written and applied unchanged gives the font back byte for byte.
  EXPECT_EQ(testing::Slurp(dir.File("RU2/latin.tdt")), testing::Slurp(dir.File("RU/latin.tdt")));
}

// "Whole games" as written, the comments done as they say: the mod holds the edits, an edit taken back
// leaves it, and an update renews what the game changed but no edit.
TEST(Readme, WholeGamesWorkAsWritten) {
  const std::string readme = testing::Slurp(EIT_SOURCE_DIR "/README.md");
  const auto commands = SectionCommands(readme, "### Whole games");
  ASSERT_GE(commands.size(), 8u);
  testing::TempDir dir;
  const std::string stone = dir.File("WORK/levels/a/stone.bmp");
  std::string extracted, skyBefore;
  for (std::string command : commands) {
    if (command.find("# paint") == 0) {
      extracted = testing::Slurp(stone);
      testing::PaintPixel(stone, 2, 2);
      testing::PaintPixel(dir.File("WORK/ui/fonts/font.tga"), 4, 3);
    } else if (command.find("# take an edit back") == 0) {
      TFileStream(stone, FileMode::Create).WriteBuffer(extracted.data(), static_cast<std::int32_t>(extracted.size()));
    } else if (command.find("# the game is updated") == 0) {
      skyBefore = testing::Slurp(dir.File("WORK/ui/sky.tga"));
      testing::Bytes sky = testing::MakeTextureImage(128, 64, 32);
      std::ofstream(dir.File("G/game/ui/sky.dds"), std::ios::binary)
          .write(reinterpret_cast<const char*>(sky.data()), static_cast<std::streamsize>(sky.size()));
    }
    if (command.rfind("#", 0) == 0) continue;
    ASSERT_EQ(command.rfind("eitool-cli ", 0) == 0 || command.rfind("cp ", 0) == 0, true) << command;
    if (command.rfind("eitool-cli ", 0) == 0) command = "\"" EIT_CLI "\"" + command.substr(10);
    const int raw = std::system(("cd " + testing::Quoted(dir.Path().string()) + " && " + command + " >out.txt 2>err.txt").c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << command << "\n" << testing::Slurp(dir.File("err.txt"));
  }
  // The texture's edit was taken back; the font's table is the game's: only the font's texture is the mod.
  EXPECT_EQ(testing::FilesUnder(dir.File("MOD")), (std::vector<std::string>{"ui/fonts/font.dds"}));
  EXPECT_NE(testing::Slurp(dir.File("WORK/ui/sky.tga")), skyBefore);  // renewed by the update
  EXPECT_TRUE(std::filesystem::exists(dir.File("G/game-before-the-mod/ui/fonts/font.dds")));
  // Copied over the game, the mod is the game's now.
  EXPECT_EQ(testing::Slurp(dir.File("G/game/ui/fonts/font.dds")), testing::Slurp(dir.File("MOD/ui/fonts/font.dds")));
}
#endif

TEST(Readme, FontKeepsItsPairTogetherWhenItsTextureNameIsTaken) {
  testing::TempDir dir;
  const std::string s = dir.File("S");
  ASSERT_EQ(testing::Cli("samples " + testing::Quoted(s), dir).status, 0);
  ASSERT_EQ(testing::Cli("extract -o " + testing::Quoted(dir.File("OUT")) + " " + testing::Quoted(s + "/font.dds"), dir)
                .status,
            0);
  const testing::Outcome run = testing::Cli("insert -o " + testing::Quoted(dir.File("NEW")) + " " +
                                                testing::Quoted(dir.File("OUT/result.log")) + " " +
                                                testing::Quoted(s + "/insert_font.log"),
                                            dir);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(testing::Slurp(dir.File("NEW/font.dds")), testing::Slurp(s + "/font.dds"));  // the texture record
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.File("NEW/font (2).dds")));
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.File("NEW/font (2).tdt")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("NEW/font.tdt")));
  EXPECT_NE(run.out.find("font (2).tdt (font table; renamed"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace eit
