// A game updated under a work folder: extract --update renews what the game changed and nothing the user
// edited, names what it kept and what is gone, and writes no "(2)" anywhere; the insert then says which
// edits are of an older picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "support/cli_run.h"
#include "support/edits.h"
#include "support/textures.h"

namespace eit {
namespace {

namespace fs = std::filesystem;
using testing::Cli;
using testing::Outcome;
using testing::Quoted;

void Write(const std::string& path, const testing::Bytes& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

// A texture of the size and depth of the one it replaces, with other pixels: what an update brings.
testing::Bytes Updated(std::uint32_t width, std::uint32_t height, std::uint32_t bits) {
  testing::Bytes image = testing::MakeTextureImage(width, height, bits);
  for (std::size_t i = 200; i < image.size(); i += 7) image[i] ^= 0x5A;
  return testing::MakePackedFile(image);
}

std::size_t Records(const std::string& log) {
  std::size_t n = 0;
  for (const std::string& line : LoadLines(log)) n += line.rfind("#Source: ", 0) == 0;
  return n;
}

TEST(Update, RenewsWhatTheGameChangedAndNothingTheUserEdited) {
  for (const char* workers : {"1", "8"}) {
    SCOPED_TRACE(std::string("-j ") + workers);
    testing::TempDir dir;
    const std::string s = dir.File("S"), game = s + "/game", out = dir.File("OUT");
    ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
    ASSERT_EQ(Cli("extract -o " + Quoted(out) + " " + Quoted(game), dir).status, 0);
    // Edited: a texture whose source the update changes, and one it leaves alone.
    testing::PaintPixel(out + "/levels/a/stone.bmp", 3, 4);
    testing::PaintPixel(out + "/levels/b/stone.bmp", 1, 1);
    const std::string editedA = testing::Slurp(out + "/levels/a/stone.bmp");
    const std::string editedB = testing::Slurp(out + "/levels/b/stone.bmp");
    const std::string skyBefore = testing::Slurp(out + "/ui/sky.tga");
    // The update: two sources changed (one under an edit), one new, a font gone.
    Write(game + "/levels/a/stone.dds", Updated(64, 64, 24));
    Write(game + "/ui/sky.dds", Updated(128, 64, 32));
    Write(game + "/levels/c/moss.dds", Updated(16, 16, 24));
    fs::remove(game + "/ui/fonts/font.tdt");
    fs::remove(game + "/ui/fonts/font.dds");

    const Outcome update = Cli(std::string("extract --update -j ") + workers + " -o " + Quoted(out) + " " + Quoted(game), dir);
    ASSERT_EQ(update.status, 0) << update.err;
    EXPECT_EQ(testing::Slurp(out + "/levels/a/stone.bmp"), editedA);  // edits never touched
    EXPECT_EQ(testing::Slurp(out + "/levels/b/stone.bmp"), editedB);
    EXPECT_TRUE(fs::exists(out + "/levels/a/stone.updated.bmp"));  // the new picture beside the edit
    EXPECT_NE(testing::Slurp(out + "/ui/sky.tga"), skyBefore);      // unedited: renewed
    EXPECT_TRUE(fs::exists(out + "/levels/c/moss.bmp"));
    EXPECT_TRUE(fs::exists(out + "/ui/fonts/font.tga"));  // the image of a source gone stays
    for (const std::string& file : testing::FilesUnder(out)) EXPECT_EQ(file.find("(2)"), std::string::npos) << file;
    EXPECT_EQ(Records(out + "/result.log"), 5u);  // the four, and the new one; comparisons are no records
    EXPECT_TRUE(testing::Mentions(update.out, out + "/levels/a/stone.bmp: edited, and the game changed its source: "
                                              "kept; the new picture is " + out + "/levels/a/stone.updated.bmp"))
        << update.out;
    EXPECT_TRUE(testing::Mentions(update.out, game + "/ui/fonts/font.tdt: no longer in the game")) << update.out;
    EXPECT_NE(update.out.find("update: 1 new, 2 changed (1 of them edited: kept), 1 unchanged, 1 removed"),
              std::string::npos) << update.out;

    // Renewed, the sky is the new game's; an insert names the edit of an older picture.
    // The font gone from the game fails, named; the rest is done.
    const Outcome insert = Cli(std::string("insert --changed-only --keep-going -j ") + workers + " -o " +
                                   Quoted(dir.File("MOD")) + " " + Quoted(out + "/result.log"), dir);
    EXPECT_EQ(insert.status, 1) << insert.err;
    EXPECT_TRUE(testing::Mentions(insert.err, "Cannot open file " + game + "/ui/fonts/font.tdt")) << insert.err;
    EXPECT_TRUE(fs::exists(dir.File("MOD/levels/b/stone.dds")));
    EXPECT_TRUE(testing::Mentions(insert.err, "levels/a/stone.dds: warning: the game changed " + game +
                                              "/levels/a/stone.dds after this image was made")) << insert.err;
    EXPECT_EQ(insert.err.find("levels/b/stone.dds: warning: the game changed"), std::string::npos) << insert.err;
    EXPECT_FALSE(fs::exists(dir.File("MOD/ui/sky.dds")));  // unedited since its renewal

    // Nothing changed since: an update does nothing, and says so.
    const Outcome again = Cli("extract --update -o " + Quoted(out) + " " + Quoted(game), dir);
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_NE(again.out.find("update: 0 new, 1 changed (1 of them edited: kept), 3 unchanged, 1 removed"),
              std::string::npos) << again.out;
  }
}

TEST(Update, RefusesWhatItCannotDoBeforeWritingAnything) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), game = s + "/game", out = dir.File("OUT");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  const Outcome noLog = Cli("extract --update -o " + Quoted(out) + " " + Quoted(game), dir);
  EXPECT_EQ(noLog.status, 1);
  EXPECT_TRUE(testing::Mentions(noLog.err, out + "/result.log does not exist: an update extracts a game again"))
      << noLog.err;
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(Cli("extract --update --overwrite -o " + Quoted(out) + " " + Quoted(game), dir).status, 2);
  // A new source whose image lies there, unlisted, is not replaced.
  ASSERT_EQ(Cli("extract -o " + Quoted(out) + " " + Quoted(game + "/levels"), dir).status, 0);
  Write(out + "/ui/sky.tga", {1, 2, 3});
  const Outcome taken = Cli("extract --update -o " + Quoted(out) + " " + Quoted(game), dir);
  EXPECT_EQ(taken.status, 1);
  EXPECT_NE(taken.err.find("but are not in its result.log"), std::string::npos) << taken.err;
  EXPECT_EQ(testing::Slurp(out + "/ui/sky.tga"), std::string("\x01\x02\x03"));
}

}  // namespace
}  // namespace eit
