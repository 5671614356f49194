// Translated lines measured in the game's font: each as wide as its preview, the ones too wide by even a pixel
// named, and the characters the font cannot show.
#include <gtest/gtest.h>

#include <fstream>

#include "codecs/pictures.h"
#include "support/cli_run.h"

namespace eit {
namespace {

using testing::Cli;
using testing::Quoted;

class Fit : public ::testing::Test {
 protected:
  Fit() { EXPECT_EQ(Cli("samples " + Quoted(dir.File("S")), dir).status, 0); }
  // A line's width as preview sets it: the picture less its margins.
  int PreviewWidth(const std::string& text) {
    const std::string out = dir.File("p.tga");
    EXPECT_EQ(Cli("preview " + Quoted(table) + " --codepage 1252 --text " + Quoted(text) + " -o " + Quoted(out), dir).status, 0);
    TBitmap picture;
    ReadPictureFile(out, picture);
    return picture.Width() - 4;
  }
  testing::Outcome Run(const std::string& text, const std::string& args) {
    std::ofstream(dir.File("lines"), std::ios::binary) << text;
    testing::Outcome outcome = Cli("fit " + Quoted(table) + " " + Quoted(dir.File("lines")) + " --codepage 1252 " + args, dir);
    std::erase(outcome.out, '\r');  // the Windows console's line ends
    return outcome;
  }
  testing::TempDir dir;
  std::string table = dir.File("S/latin.tdt");
};

TEST_F(Fit, NamesTheLinesTooWideByAPixelAndTheCharactersTheFontLacks) {
  const int wide = PreviewWidth("Hello, world");
  const std::string lines = "Hello\nHello, world\nsnow \xE2\x98\x83\n";  // a snowman: in no code page
  const testing::Outcome fits = Run("Hello\nHello, world\n", "--width " + std::to_string(wide));
  EXPECT_EQ(fits.status, 0) << fits.out;
  EXPECT_EQ(fits.out, "");
  const testing::Outcome over = Run(lines, "--width " + std::to_string(wide - 1));
  EXPECT_EQ(over.status, 1);
  const std::string file = dir.File("lines");
  EXPECT_EQ(over.out, file + ":2: " + std::to_string(wide) + " px, 1 too wide for " + std::to_string(wide - 1) +
                          ": Hello, world\n" + file + ":3: the font cannot show U+2603 '\xE2\x98\x83': snow \xE2\x98\x83\n");
  EXPECT_TRUE(testing::Mentions(over.err, "3 lines checked: 1 too wide, 1 with characters the font cannot show")) << over.err;
}

TEST_F(Fit, ATableGivesEachRowItsOwnBox) {
  const int wide = PreviewWidth("Hello, world");
  const std::string w = std::to_string(wide);
  const std::string csv = "id;\"Text\";Box\n1;\"Hello, world\";" + w + "\n2;\"Hello, world\";" + std::to_string(wide - 1) +
                          "\n3;Hello;\n";
  const testing::Outcome rows = Run(csv, "--text-column text --width-column box --width 1");
  EXPECT_EQ(rows.status, 1);
  // Row 2 overflows its own box; row 3 has none and takes --width.
  const std::string file = dir.File("lines");
  EXPECT_EQ(rows.out, file + ":3: " + w + " px, 1 too wide for " + std::to_string(wide - 1) + ": Hello, world\n" + file +
                          ":4: " + std::to_string(PreviewWidth("Hello")) + " px, " +
                          std::to_string(PreviewWidth("Hello") - 1) + " too wide for 1: Hello\n");
  const testing::Outcome noColumn = Run(csv, "--text-column words");
  EXPECT_EQ(noColumn.status, 1);
  EXPECT_TRUE(testing::Mentions(noColumn.err, file + ": line 1: the header names no column \"words\"")) << noColumn.err;
  EXPECT_EQ(Run(csv, "--width-column box").status, 2);
}

}  // namespace
}  // namespace eit
