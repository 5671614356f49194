// Where outputs go: names claimed in list order and claimed again after a rollback, and the folder of a
// game's tree an insert mirrors.
#include <gtest/gtest.h>

#include "engine/game_folder.h"
#include "engine/jobs.h"
#include "engine/result_log.h"
#include "formats/codepages.h"
#include "platform/paths.h"

namespace eit {
namespace {

// A run handed over to one worker at entry 1 names everything after it as a first run would have.
TEST(OutputNames, ARollbackGivesTheSameNamesAgain) {
  TOutputNames names;
  bool renamed = false;
  const auto claimAll = [&](std::size_t from) {
    std::vector<std::string> got;
    for (std::size_t entry = from; entry < 4; ++entry) {
      got.push_back(names.Claim(entry, "/out/water.dds", renamed));
      if (entry == 2) got.push_back(names.ClaimPair(entry, "/out/font.tdt", renamed));
      names.Finish(entry);
    }
    return got;
  };
  const std::vector<std::string> first = claimAll(0);
  EXPECT_EQ(first, (std::vector<std::string>{"/out/water.dds", "/out/water (2).dds", "/out/water (3).dds",
                                             "/out/font.tdt", "/out/water (4).dds"}));
  names.Rollback(1);
  EXPECT_EQ(claimAll(1), std::vector<std::string>(first.begin() + 1, first.end()));
  // Numbers given before the rollback are not skipped for ever: the name after the kept ones is free again.
  names.Rollback(1);
  EXPECT_EQ(names.Claim(1, "/out/water.dds", renamed), "/out/water (2).dds");
}

TEST(GameFolders, ATreeLineNamesAFolderBelowTheTargetOrIsRefused) {
  const std::string s(1, PathDelim);
  const struct {
    std::string line, folder;
    bool refused;
  } rows[] = {
      {"#Tree: levels/a", "levels" + s + "a", false},
      {"#Tree: levels\\a", "levels" + s + "a", false},  // written on Windows
      {"#Tree: a/./b//c", "a" + s + "b" + s + "c", false},
      {"#Tree: .", "", false},
      {"#Tree: \u0443\u0440\u043e\u0432\u043d\u0438/1", "\u0443\u0440\u043e\u0432\u043d\u0438" + s + "1", false},
      {"#Tree: ../etc", "", true},
      {"#Tree: a/../../b", "", true},
      {"#Tree: /etc", "", true},
      {"#Tree: C:/Windows", "", true},
      {"#Tree: \\\\server\\share", "", true},
  };
  for (const auto& row : rows) {
    TText error;
    EXPECT_EQ(TreeFolderOf(row.line, error), row.folder) << row.line;
    EXPECT_EQ(!error.English.empty(), row.refused) << row.line;
  }
}

TEST(CodePages, CharactersAreNamedSoThatTheyCanBeFound) {
  EXPECT_EQ(CharacterName(U'\u0401', 0xA8), "\xD0\x81 (0xA8)");
  EXPECT_EQ(CharacterName(0xAD, 0xAD), "0xAD (U+00AD SOFT HYPHEN)");
  EXPECT_EQ(CharacterName(0xA0, 0xA0), "0xA0 (U+00A0 NO-BREAK SPACE)");
  EXPECT_EQ(CharacterName(0x301, 0xEC), "0xEC (U+0301, a combining mark)");
}

}  // namespace
}  // namespace eit
