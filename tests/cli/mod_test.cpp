// A mod holds what the user changed: a game's folder out, edited, and back, file by file against the game;
// and logs written by hand, whose records go to the target itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "formats/formathandlers.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/cli_run.h"
#include "support/edits.h"
#include "codecs/targa.h"
#include "codecs/pictures.h"
#include "support/textures.h"

namespace eit {
namespace {

namespace fs = std::filesystem;
using testing::Cli;
using testing::Outcome;
using testing::Quoted;

std::set<std::string> Files(const std::string& dir) {
  const std::vector<std::string> files = testing::FilesUnder(dir);
  return {files.begin(), files.end()};
}

bool SameBytes(const std::string& a, const std::string& b) { return testing::Slurp(a) == testing::Slurp(b); }

void Paint(const std::string& path, int x, int y) { testing::PaintPixel(path, x, y); }

// The line after each font record's target line gets the codes a sheet of new glyphs needs.
void AddFontCodes(const std::string& log) {
  std::vector<std::string> lines = LoadLines(log), out;
  for (const std::string& line : lines) {
    out.push_back(line);
    if (line.rfind("#Target TGA", 0) == 0 && line.find("font.tga") != std::string::npos)
      out.insert(out.end(), {"#First: 0x20", "#Last: 0x100"});
  }
  SaveLines(log, out);
}

const std::set<std::string> kGame = {"levels/a/stone.dds", "levels/b/stone.dds", "ui/fonts/font.dds",
                                     "ui/fonts/font.tdt", "ui/sky.dds"};

// Ways an edit lands in place of an image keeping its size and time, as file managers, cp -p, mv, ln and
// touch -r leave it: the edited copy (painted elsewhere) comes in as the image's name says.
enum class Landing { CopiedOver, MovedOver, Linked, TouchedBack, Restored };

void LandEdit(const std::string& image, Landing how) {
  const auto time = fs::last_write_time(image);
  const std::string edited = image + ".edit", original = testing::Slurp(image);
  fs::copy_file(image, edited);
  if (how != Landing::Restored) Paint(edited, 3, 4);
  fs::last_write_time(edited, time);
  const std::string bytes = testing::Slurp(edited);
  if (how == Landing::CopiedOver || how == Landing::Restored) {
    if (how == Landing::Restored) Paint(image, 5, 5);  // painted, then taken back from a copy
    TFileStream(image, FileMode::Create).WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  } else if (how == Landing::MovedOver) {
    std::error_code taken;
    fs::rename(edited, image, taken);
    if (taken) fs::remove(image), fs::rename(edited, image);  // a rename that will not replace (MinGW)
  } else if (how == Landing::Linked) {
    fs::remove(image);
    fs::create_hard_link(edited, image);
  } else {
    Paint(image, 3, 4);
  }
  fs::last_write_time(image, time);
  fs::remove(edited);
}

struct ModCase {
  const char* name;
  std::function<void(const std::string& out, const std::string& samples)> edit;
  std::set<std::string> differ;   // the mod's files that differ from the game's
  std::set<std::string> written;  // what --changed-only writes (a font's table only when it differs)
  int unedited;                   // of the four records, those --changed-only passes over
};

const ModCase kMods[] = {
    {"nothing edited", [](const std::string&, const std::string&) {}, {}, {}, 4},
    {"one texture painted", [](const std::string& out, const std::string&) { Paint(out + "/levels/a/stone.bmp", 3, 4); },
     {"levels/a/stone.dds"}, {"levels/a/stone.dds"}, 3},
    {"one glyph retouched in the font's own sheet",
     [](const std::string& out, const std::string&) {
       // The sample font's cells are 12 rows high: the glyph of 0x41 (record 33) starts at row 33 * 32.
       Paint(out + "/ui/fonts/font.tga", kGlyphColumn + 2, 33 * (12 + kCellGap) + 5);
     },
     {"ui/fonts/font.dds"}, {"ui/fonts/font.dds"}, 3},  // the table is the game's: not in the mod
    {"the font's sheet replaced by new glyphs, with its codes",
     [](const std::string& out, const std::string& s) {
       // By hand: MinGW's copy_file does not replace an existing file.
       TFileStream(out + "/ui/fonts/font.tga", FileMode::Create).WriteBuffer(
           testing::Slurp(s + "/font_new_glyphs.tga").data(),
           static_cast<std::int32_t>(testing::Slurp(s + "/font_new_glyphs.tga").size()));
       AddFontCodes(out + "/result.log");
     },
     {"ui/fonts/font.dds", "ui/fonts/font.tdt"}, {"ui/fonts/font.dds", "ui/fonts/font.tdt"}, 3},
    // Size and time kept: only what the system changes on every write tells these from the extract's.
    {"an edit copied over its image keeping size and time (cp -p)",
     [](const std::string& out, const std::string&) { LandEdit(out + "/levels/a/stone.bmp", Landing::CopiedOver); },
     {"levels/a/stone.dds"}, {"levels/a/stone.dds"}, 3},
    {"an edit moved over its image (mv)",
     [](const std::string& out, const std::string&) { LandEdit(out + "/levels/a/stone.bmp", Landing::MovedOver); },
     {"levels/a/stone.dds"}, {"levels/a/stone.dds"}, 3},
    {"an edit linked in its place (ln)",
     [](const std::string& out, const std::string&) { LandEdit(out + "/levels/a/stone.bmp", Landing::Linked); },
     {"levels/a/stone.dds"}, {"levels/a/stone.dds"}, 3},
    {"painted and its time set back (touch -r)",
     [](const std::string& out, const std::string&) { LandEdit(out + "/levels/a/stone.bmp", Landing::TouchedBack); },
     {"levels/a/stone.dds"}, {"levels/a/stone.dds"}, 3},
    {"painted and restored from a copy",
     [](const std::string& out, const std::string&) { LandEdit(out + "/levels/a/stone.bmp", Landing::Restored); },
     {}, {}, 4},
};

class Mods : public ::testing::TestWithParam<ModCase> {};

TEST_P(Mods, TheModHoldsWhatWasChangedAndTheRestAsTheGame) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), game = s + "/game", out = dir.File("OUT");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  ASSERT_EQ(Cli("extract -o " + Quoted(out) + " " + Quoted(game), dir).status, 0);
  GetParam().edit(out, s);
  for (const bool changedOnly : {false, true})
    for (const char* workers : {"1", "8"}) {
      SCOPED_TRACE(std::string(changedOnly ? "--changed-only -j " : "-j ") + workers);
      const std::string mod = dir.File(std::string("MOD") + (changedOnly ? "c" : "") + workers);
      const Outcome insert = Cli(std::string("insert ") + (changedOnly ? "--changed-only " : "") + "-j " + workers +
                                     " -o " + Quoted(mod) + " " + Quoted(out + "/result.log"), dir);
      ASSERT_EQ(insert.status, 0) << insert.err;
      EXPECT_EQ(Files(mod), changedOnly ? GetParam().written : kGame);
      for (const std::string& file : Files(mod))
        EXPECT_EQ(!SameBytes(mod + "/" + file, game + "/" + file), GetParam().differ.count(file) != 0) << file;
      if (changedOnly) {
        EXPECT_NE(insert.out.find(std::to_string(GetParam().unedited) + " images unedited: not written"), std::string::npos)
            << insert.out;
        EXPECT_EQ(insert.err.find("warning"), std::string::npos) << insert.err;
      }
    }
}

INSTANTIATE_TEST_SUITE_P(Game, Mods, ::testing::ValuesIn(kMods), [](const auto& info) {
  std::string name = info.param.name;
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
});

// An edit taken back takes its file out of the mod, when the file is still as the insert wrote it; the
// record of what was written lies beside the log, not in the mod that is copied over the game.
TEST(Mods, AnEditTakenBackLeavesTheModAndWhatTheUserChangedThereStays) {
  for (const char* workers : {"1", "8"}) {
    SCOPED_TRACE(std::string("-j ") + workers);
    testing::TempDir dir;
    const std::string s = dir.File("S"), out = dir.File("OUT"), mod = dir.File("MOD");
    ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
    ASSERT_EQ(Cli("extract -o " + Quoted(out) + " " + Quoted(s + "/game"), dir).status, 0);
    const std::string stone = out + "/levels/a/stone.bmp", sheet = out + "/ui/fonts/font.tga";
    const std::string stoneAsExtracted = testing::Slurp(stone), sheetAsExtracted = testing::Slurp(sheet);
    Paint(stone, 3, 4);
    Paint(sheet, kGlyphColumn + 2, 33 * (12 + kCellGap) + 5);
    const std::string insert = std::string("insert --changed-only -j ") + workers + " -o " + Quoted(mod) + " " +
                               Quoted(out + "/result.log");
    ASSERT_EQ(Cli(insert, dir).status, 0);
    EXPECT_EQ(Files(mod), (std::set<std::string>{"levels/a/stone.dds", "ui/fonts/font.dds"}));
    EXPECT_TRUE(fs::exists(out + "/result.log.mods"));
    // Both edits undone; the user had touched the font's texture in the mod meanwhile.
    const auto restore = [](const std::string& path, const std::string& bytes) {
      TFileStream(path, FileMode::Create).WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
    };
    restore(stone, stoneAsExtracted);
    restore(sheet, sheetAsExtracted);
    std::ofstream(mod + "/ui/fonts/font.dds", std::ios::app) << "mine";
    const Outcome again = Cli(insert, dir);
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(Files(mod), (std::set<std::string>{"ui/fonts/font.dds"}));
    EXPECT_FALSE(fs::exists(mod + "/levels"));  // the folders made for it go with it
    EXPECT_TRUE(testing::Mentions(again.out, "levels/a/stone.dds: unedited again: " + mod + "/levels/a/stone.dds taken out of the mod"))
        << again.out;
    EXPECT_TRUE(testing::Mentions(again.err, "unedited again, but " + mod + "/ui/fonts/font.dds was changed since the "
                                             "insert wrote it: it stays in the mod")) << again.err;
    EXPECT_NE(again.out.find("4 images unedited: not written"), std::string::npos) << again.out;
    // Edited once more, the texture comes back; nothing else.
    Paint(stone, 1, 1);
    ASSERT_EQ(Cli(insert, dir).status, 0);
    EXPECT_EQ(Files(mod), (std::set<std::string>{"levels/a/stone.dds", "ui/fonts/font.dds"}));
  }
}

// A font's own sheet under a range: a glyph retouched past it is named with its code, never dropped in
// silence, and the sheet is not called unedited.
TEST(Mods, AGlyphRetouchedPastTheRecordsRangeIsNamed) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), out = dir.File("OUT");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  ASSERT_EQ(Cli("extract -o " + Quoted(out) + " " + Quoted(s + "/game"), dir).status, 0);
  Paint(out + "/ui/fonts/font.tga", kGlyphColumn + 2, 33 * (12 + kCellGap) + 5);  // 0x41
  std::vector<std::string> lines;
  for (const std::string& line : LoadLines(out + "/result.log")) {
    lines.push_back(line);
    if (line.rfind("#Target TGA", 0) == 0 && line.find("font.tga") != std::string::npos)
      lines.insert(lines.end(), {"#First: 0x20", "#Last: 0x30"});
  }
  SaveLines(out + "/result.log", lines);
  for (const char* option : {"", "--changed-only "}) {
    const Outcome insert = Cli(std::string("insert ") + option + "-o " + Quoted(dir.File("MOD")) + " " +
                                   Quoted(out + "/result.log"), dir);
    EXPECT_EQ(insert.status, 0) << insert.err;
    EXPECT_NE(insert.err.find("the glyphs of 0x41 were retouched, but lie past the record's range (#Last: 0x30)"),
              std::string::npos) << option << insert.err;
    EXPECT_EQ(insert.err.find("font.tga: the glyph sheet equals the font's own"), std::string::npos) << option << insert.err;
  }
}

// A font's own sheet, whatever format it was saved in: a 24-bit font's BMP sheet saved as PNG or TGA (which
// come back with alpha) still goes back in place.
TEST(Mods, ATwentyFourBitFontsSheetGoesBackInPlaceFromAnyFormat) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), game = dir.File("G"), out = dir.File("OUT");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  fs::create_directories(game);
  fs::copy_file(s + "/font.tdt", game + "/f.tdt");
  const testing::Bytes texture = testing::MakeTextureImage(256, 256, 24);
  TFileStream(game + "/f.dds", FileMode::Create).WriteBuffer(texture.data(), static_cast<std::int32_t>(texture.size()));
  ASSERT_EQ(Cli("extract -o " + Quoted(out) + " " + Quoted(game + "/f.tdt"), dir).status, 0);
  Paint(out + "/f.bmp", kGlyphColumn + 1, 33 * (12 + kCellGap) + 4);
  const std::string log = out + "/result.log";
  for (const auto& [name, format] : {std::pair{"f.png", TPictureFormat::Png}, std::pair{"f.tga", TPictureFormat::Tga}}) {
    {
      TBitmap sheet;
      ReadPictureFile(out + "/f.bmp", sheet);
      sheet.ConvertTo(TPixelFormat::pf32bit);
      TFileStream file(out + "/" + name, FileMode::Create);
      WritePicture(file, sheet, format);
    }
    std::vector<std::string> lines = LoadLines(log);
    for (std::string& line : lines)
      if (line.rfind("#Target BMP: ", 0) == 0) line = "#Target TGA: " + out + "/" + name;
    SaveLines(out + "/" + name + ".log", lines);
    const Outcome insert = Cli("insert -o " + Quoted(dir.File(std::string("MOD-") + name)) + " " +
                                   Quoted(out + "/" + name + ".log"), dir);
    EXPECT_EQ(insert.status, 0) << name << insert.err;
    EXPECT_NE(insert.out.find("glyphs in place, 1 retouched"), std::string::npos) << name << insert.out << insert.err;
  }
}

// A sheet of the table's cells with a marker pixel changed is the own sheet touched by mistake: refused,
// naming the rows, before anything is laid over 0xC0 on.
TEST(Mods, ASheetWhoseMarkerColumnWasTouchedIsRefusedNamingTheRows) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), out = dir.File("OUT");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  ASSERT_EQ(Cli("extract -o " + Quoted(out) + " " + Quoted(s + "/game"), dir).status, 0);
  testing::PaintPixel(out + "/ui/fonts/font.tga", 0, 33 * (12 + kCellGap) + 2, TRgb(0, 0, 0));
  AddFontCodes(out + "/result.log");
  const Outcome insert = Cli("insert -o " + Quoted(dir.File("MOD")) + " " + Quoted(out + "/result.log"), dir);
  EXPECT_EQ(insert.status, 1);
  EXPECT_NE(insert.err.find("font.tga: the sheet has the table's cells, but its marker column (column 0) differs from "
                            "the one the extract drew at row " + std::to_string(33 * (12 + kCellGap) + 2) + ";"),
            std::string::npos) << insert.err;
  EXPECT_FALSE(fs::exists(dir.File("MOD/ui/fonts/font.dds")));
}

// The own sheet with a glyph erased is a sheet of new glyphs (the documented way to make one), but it may be
// a slip: the run says so, naming the erased glyph, before laying it over 0xC0 on.
TEST(Mods, AnOwnSheetWithAGlyphErasedIsNamedBeforeItIsLaidAsNewGlyphs) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), out = dir.File("OUT");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  ASSERT_EQ(Cli("extract -o " + Quoted(out) + " " + Quoted(s + "/game"), dir).status, 0);
  const std::string sheet = out + "/ui/fonts/font.tga";
  TBitmap picture;
  ReadTGA(sheet.c_str(), picture);
  picture.FillRect({kGlyphColumn, 33 * (12 + kCellGap), picture.Width(), 33 * (12 + kCellGap) + 12}, TRgb(0, 0, 0), 0);
  WriteTGA(sheet.c_str(), picture, 1);
  AddFontCodes(out + "/result.log");
  const Outcome insert = Cli("insert -o " + Quoted(dir.File("MOD")) + " " + Quoted(out + "/result.log"), dir);
  EXPECT_EQ(insert.status, 0) << insert.err;
  EXPECT_NE(insert.err.find("font.tga: taken as a sheet of new glyphs, laid from 0xC0 on (it has the table's cells, "
                            "but the glyphs of 0x41 are erased"), std::string::npos) << insert.err;
}

// A work tree copied elsewhere and edited there, its log given without --here: the images the log names
// are unedited, and the run says which images beside the log it did not use, as it does without the option.
TEST(Mods, ACopiedTreeSaysWhichImagesBesideItsLogAreNotUsed) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), out = dir.File("OUT"), copy = dir.File("COPY");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  ASSERT_EQ(Cli("extract -o " + Quoted(out) + " " + Quoted(s + "/game"), dir).status, 0);
  fs::copy(out, copy, fs::copy_options::recursive);
  Paint(copy + "/levels/a/stone.bmp", 3, 4);
  for (const char* option : {"", "--changed-only "}) {
    const Outcome insert = Cli(std::string("insert ") + option + "-o " + Quoted(dir.File("MOD")) + " " +
                                   Quoted(copy + "/result.log"), dir);
    EXPECT_EQ(insert.status, 0) << insert.err;
    EXPECT_TRUE(testing::Mentions(insert.err, "the image beside it, " + copy + "/levels/a/stone.bmp, is not used"))
        << option << insert.err;
  }
}

// A game's worth of one warning: the first ten are shown, the rest counted in one line.
TEST(Mods, WarningsOfOneKindPastTheFirstTenAreCounted) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), game = dir.File("game"), out = dir.File("OUT");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  for (int k = 0; k < 13; ++k) {
    fs::create_directories(game + "/l" + std::to_string(k));
    fs::copy_file(s + "/stone.dds", game + "/l" + std::to_string(k) + "/stone.dds");
  }
  ASSERT_EQ(Cli("extract -o " + Quoted(out) + " " + Quoted(game), dir).status, 0);
  const Outcome insert = Cli("insert -o " + Quoted(dir.File("MOD")) + " " + Quoted(out + "/result.log"), dir);
  ASSERT_EQ(insert.status, 0) << insert.err;
  std::size_t shown = 0;
  for (std::size_t at = 0; (at = insert.err.find("equals the texture exactly", at)) != std::string::npos; ++at) ++shown;
  EXPECT_EQ(shown, 11u) << insert.err;  // ten, and the count's line that names the kind
  EXPECT_NE(insert.err.find("3 more warnings like this, not repeated: the edited image equals the texture exactly"),
            std::string::npos) << insert.err;
  EXPECT_NE(insert.err.find(std::string("l10") + PathDelim + "stone.dds"), std::string::npos);  // named by the tree
}

// A log written by hand: every record goes to the target itself, wherever its image lies (images in
// subfolders, relative paths taken from the target directory).
TEST(Mods, AHandWrittenLogsRecordsGoToTheTargetItself) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), w = dir.File("W"), target = dir.File("T");
  ASSERT_EQ(Cli("samples " + Quoted(s), dir).status, 0);
  ASSERT_EQ(Cli("extract -o " + Quoted(w + "/edits") + " " + Quoted(s + "/stone.dds"), dir).status, 0);
  fs::create_directories(target + "/src");
  fs::create_directories(target + "/img");
  fs::copy_file(s + "/sky.dds", target + "/src/sky.dds");
  ASSERT_EQ(Cli("extract -o " + Quoted(target + "/img") + " " + Quoted(target + "/src/sky.dds"), dir).status, 0);
  SaveLines(w + "/mine.log", {"#Format: DDS", "#Source: " + s + "/stone.dds", "#Target BMP: " + w + "/edits/stone.bmp",
                              "#Format: DDS", "#Source: src/sky.dds", "#Target TGA: img/sky.tga"});
  const Outcome insert = Cli("insert -o " + Quoted(target) + " " + Quoted(w + "/mine.log"), dir);
  ASSERT_EQ(insert.status, 0) << insert.err;
  EXPECT_TRUE(fs::exists(target + "/stone.dds"));
  EXPECT_TRUE(fs::exists(target + "/sky.dds"));
  EXPECT_FALSE(fs::exists(target + "/edits"));
  EXPECT_FALSE(fs::exists(target + "/src/src"));
}

}  // namespace
}  // namespace eit
