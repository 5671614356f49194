// Glyph sheets from a font file and text previews, judged by what users see: boxes, places, pixels.
#include <gtest/gtest.h>

#include <set>

#include <filesystem>

#include "engine/main.h"
#include "formats/codepages.h"
#include "engine/font_tool_files.h"
#include "formats/misc.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/engine.h"
#include "support/cli_run.h"
#include "tga/targa.h"

namespace eit {
namespace {

const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

using Quiet = TFrontEnd;  // shows nothing

class FontTools : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(testing::Cli("samples " + testing::Quoted(dir.File("S")), dir).status, 0); }
  testing::TempDir dir;
};

TEST_F(FontTools, SheetFromAFontInsertsAsItStandsWithEveryNewGlyphVisible) {
  if (!CanRenderFonts() || !std::filesystem::exists(kDejaVu)) GTEST_SKIP() << "no FreeType or no DejaVu Sans here";
  for (const int codePage : {1251, 1253}) {
    TSheetOptions options;
    options.FontFile = kDejaVu;
    options.CodePage = codePage;
    const std::string out = dir.File("sheet" + std::to_string(codePage));
    MakeDirectory(out);
    const TSheetFiles files = WriteGlyphSheetFromFont(dir.File("S/latin.tdt"), options, out);
    // 1251 has every letter from 0xC0 on; 1253 leaves 0xD2 and 0xFF undefined: each gets a box and a line.
    EXPECT_EQ(files.Problems.size(), codePage == 1251 ? 0u : 2u) << codePage;
    if (codePage == 1253) {
      EXPECT_NE(files.Problems[0].find("0xD2 is undefined in code page 1253"), std::string::npos);
    }
    TBitmap sheet;
    ReadTGA(files.Sheet.c_str(), sheet);
    std::vector<GlyphBox> boxes;
    ScanGlyphBoxes(sheet, boxes);
    ASSERT_EQ(boxes.size(), 64u);  // one per code, in code order, placeholders included
    for (std::size_t i = 1; i < boxes.size(); ++i) EXPECT_GT(boxes[i].Top, boxes[i - 1].Top);
    EXPECT_EQ(boxes[0].Bottom - boxes[0].Top, 12);  // as tall as the table's own glyphs

    Quiet quiet;
    TBatchEngine engine(quiet);
    MakeDirectory(out + "/new");
    ASSERT_EQ(engine.Run(testing::Request(TJobKind::ReplayLog, {files.Log}, out + "/new")).Outcome,
              TRunOutcome::Completed);
    TMemoryStream table;
    table.LoadFromFile(out + "/new/latin.tdt");
    TMemoryStream image;
    TFileStream textureFile(out + "/new/latin.dds", FileMode::OpenRead);
    LoadTextureImage(textureFile, image, "latin.dds");
    InvertImageHeader(image);
    TBitmap texture;
    ImageToBitmap(image, texture);
    for (int code = 0xC0; code < 0x100; ++code) {
      const GlyphRecord g = ReadGlyphRecord(table.Memory() + (code - 0x20) * kGlyphRecordSize);
      int visible = 0;
      for (int y = g.Top; y < g.Bottom; ++y)
        for (int x = g.Left; x < g.Right; ++x) visible += texture.ScanLine(y)[4 * x + 3] > 128;
      EXPECT_GT(visible, 2) << std::hex << code;
    }
  }
}

TEST_F(FontTools, PixelFontsAndFacesOfACollection) {
  if (!CanRenderFonts() || !std::filesystem::exists(kDejaVu)) GTEST_SKIP() << "no FreeType or no DejaVu Sans here";
  TSheetOptions options;
  options.FontFile = kDejaVu;
  options.Mono = true;  // every glyph pixel opaque or clear; alpha 1 marks only the advance
  const std::string out = dir.File("mono");
  MakeDirectory(out);
  TBitmap sheet;
  ReadTGA(WriteGlyphSheetFromFont(dir.File("S/latin.tdt"), options, out).Sheet.c_str(), sheet);
  std::set<int> alphas;
  for (std::int32_t y = 0; y < sheet.Height(); ++y)
    for (std::int32_t x = 0; x < sheet.Width(); ++x) alphas.insert(sheet.ScanLine(y)[4 * x + 3]);
  EXPECT_EQ(alphas, (std::set<int>{0, 1, 255}));
  options.Mono = false;
  options.Face = 1;  // DejaVu Sans is one face: the error names the ones there are
  try {
    WriteGlyphSheetFromFont(dir.File("S/latin.tdt"), options, out);
    ADD_FAILURE() << "face 1 of a one-face font was drawn";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find("has no face 1; its faces are: 0 DejaVu Sans Book"), std::string::npos) << e.Message();
  }
}

TEST_F(FontTools, PreviewPlacesGlyphsByTheirRecordsAndBoxesWhatIsMissing) {
  TMemoryStream table;
  table.LoadFromFile(dir.File("S/latin.tdt"));
  TMemoryStream image;
  TFileStream textureFile(dir.File("S/latin.dds"), FileMode::OpenRead);
  LoadTextureImage(textureFile, image, "latin.dds");
  InvertImageHeader(image);
  TBitmap texture;
  ImageToBitmap(image, texture);
  // "I" then "Ж", which the sample font has no glyph for yet, then "I": 7 columns, one apart.
  const TPreview preview = RenderPreview(table, texture, "I\xD0\x96I", {1251, 1}, "latin.tdt");
  ASSERT_EQ(preview.Problems.size(), 1u);
  EXPECT_NE(preview.Problems[0].find("U+0416"), std::string::npos) << preview.Problems[0];
  const TBitmap& p = preview.Picture;
  EXPECT_EQ(p.Height(), 12 + 4);
  EXPECT_EQ(p.Width(), 2 + (7 + 1) + (6 + 1) + (7 + 1) + 2);
  auto column = [&](int x) {  // what the column shows: 'w' white glyph pixels, 'r' red box, '.' nothing
    char seen = '.';
    for (int y = 0; y < p.Height(); ++y) {
      const std::uint8_t* px = p.ScanLine(y) + 4 * x;
      if (px[2] > 200 && px[1] < 100) return 'r';
      if (px[0] > 150 && px[1] > 150 && px[2] > 150) seen = 'w';
    }
    return seen;
  };
  std::string columns;
  for (int x = 0; x < p.Width(); ++x) columns += column(x);
  // I at 2..8, the box at 10..15 (half the glyph height), I again at 17..23.
  EXPECT_EQ(columns.substr(0, 2), "..");
  EXPECT_NE(columns.substr(2, 7).find('w'), std::string::npos) << columns;
  EXPECT_EQ(columns.substr(10, 6), "rrrrrr") << columns;
  EXPECT_NE(columns.substr(17, 7).find('w'), std::string::npos) << columns;
  EXPECT_THROW(RenderPreview(table, texture, "x", {866, 1}, "latin.tdt"), Exception);
}

}  // namespace
}  // namespace eit
