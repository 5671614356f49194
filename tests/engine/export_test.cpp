#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/jobs.h"
#include "engine/result_log.h"
#include "formats/misc.h"
#include "platform/paths.h"
#ifdef EIT_HAVE_QT
#include "support/qt_images.h"
#endif
#include "support/textures.h"
#include "codecs/targa.h"

namespace eit {
namespace {

using testing::Bytes;

struct TRecorder : TJobReporter {
  std::vector<std::string> written;
  void FileWritten(const std::string&, const std::string& output, std::int64_t bytes, const TWrittenFile&) override {
    written.push_back(output);
    EXPECT_EQ(static_cast<std::int64_t>(std::filesystem::file_size(output)), bytes);
  }
  void FileSkipped(const std::string&, const std::string&, bool) override {}
};

class Exports : public ::testing::Test {
 protected:
  Exports() {
    context.TargetDir = dir.File("out");
    std::filesystem::create_directories(context.TargetDir);
    context.Record = &record;
    context.Reporter = &recorder;
  }
  std::string Save(const std::string& name, const Bytes& bytes) {
    const std::string path = dir.File(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  testing::TempDir dir;
  TLogRecord record;
  // What the export wrote into its record: the image's digest and its target line.
  std::vector<std::string> Written() const {
    if (!record.Digest) return {};
    return {DigestLine(*record.Digest), TargetLine(record.Bitmap, record.Image)};
  }
  TRecorder recorder;
  TJobContext context;
};

#ifdef EIT_HAVE_QT  // Qt as an independent decoder
TEST_F(Exports, TexturesBecomeBmpOrTgaWithTheirLogLineAndPixels) {
  const std::string raw = Save("game/wall.dds", testing::MakeTextureImage(7, 5, 24));
  const std::string packed = Save("game/a.b.dds", testing::MakePackedFile(testing::MakeTextureImage(6, 4, 32)));
  const std::string bmp = JoinPath(context.TargetDir, "wall.bmp"), tga = JoinPath(context.TargetDir, "a.b.tga");
  // Each image's record holds its digest and its target.
  ExportTexture(context, raw);
  EXPECT_EQ(Written(), (std::vector<std::string>{DigestLine(StampOfFile(bmp)), "#Target BMP: " + bmp}));
  ExportTexture(context, packed);
  EXPECT_EQ(Written(), (std::vector<std::string>{DigestLine(StampOfFile(tga)), "#Target TGA: " + tga}));
  // Qt reads them with the texture's pixels: R, G, B[, A] in the texture, first row on top.
  const Bytes image = testing::MakeTextureImage(6, 4, 32);
  const QImage q = testing::QtRead(tga);
  ASSERT_EQ(q.width(), 6);
  const QRgb p = q.pixel(1, 0);
  EXPECT_EQ((std::array<int, 4>{qRed(p), qGreen(p), qBlue(p), qAlpha(p)}),
            (std::array<int, 4>{image[132], image[133], image[134], image[135]}));
  EXPECT_EQ(testing::QtRead(bmp).width(), 7);
}
#endif  // EIT_HAVE_QT

TEST_F(Exports, SameNameFromAnotherFolderGetsADistinctNameNotAnOverwrite) {
  const std::string first = Save("a/wall.dds", testing::MakeTextureImage(2, 2, 24));
  const std::string second = Save("b/wall.dds", testing::MakeTextureImage(3, 3, 24));
  const std::string third = Save("c/wall", testing::MakeTextureImage(4, 4, 24));
  ExportTexture(context, first);
  ExportTexture(context, second);
  ExportTexture(context, third);
  EXPECT_EQ(recorder.written, (std::vector<std::string>{JoinPath(context.TargetDir, "wall.bmp"),
                                                        JoinPath(context.TargetDir, "wall (2).bmp"),
                                                        JoinPath(context.TargetDir, "wall (3).bmp")}));
}

TEST_F(Exports, FailedExportLeavesNoFileAndNoLine) {
  Bytes bad = testing::MakeTextureImage(8, 8, 32);
  bad.resize(200);
  EXPECT_THROW(ExportTexture(context, Save("bad.dds", bad)), Exception);
  EXPECT_TRUE(Written().empty());
  EXPECT_TRUE(std::filesystem::is_empty(context.TargetDir));
}

// A 32-bit font texture 64 x 64 whose pixel at (x, y) is (x, y, 7, x + y) in R, G, B, A, and a table.
struct Font {
  Bytes texture = testing::MakeTextureImage(64, 64, 32);
  Bytes table = Bytes(kFontTableSize, 0);
  Font() {
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        std::uint8_t* p = &texture[128 + (y * 64 + x) * 4];
        p[0] = static_cast<std::uint8_t>(x), p[1] = static_cast<std::uint8_t>(y), p[2] = 7,
        p[3] = static_cast<std::uint8_t>(x + y);
      }
    for (int k = 0; k < kFontRecords; ++k) Set(k, {0, 0, 0, 0, 0, 0, 0});
    Set(0, {0, 0, 5, 12, 5, 12, 99});
  }
  void Set(int k, GlyphRecord g) { WriteGlyphRecord(&table[static_cast<std::size_t>(k) * kGlyphRecordSize], g); }
};

TEST_F(Exports, FontSheetLayoutMarkersAndGlyphPixels) {
  Font font;
  font.Set(5, {10, 20, 18, 32, 1, 2, 3});   // 8 x 12 at cell 5
  font.Set(6, {50, 0, 70, 3, 0, 0, 0});     // reaches past the texture's right edge: clipped
  font.Set(7, {9, 9, 4, 12, 0, 0, 0});      // Right < Left: empty
  const std::string table = Save("fonts/main.tdt", font.table);
  Save("fonts/main.dds", font.texture);
  ExportFontSheet(context, table);
  const std::string out = JoinPath(context.TargetDir, "main.tga");
  EXPECT_EQ(Written(), (std::vector<std::string>{DigestLine(StampOfFile(out)), "#Target TGA: " + out}));
  TBitmap sheet;
  ReadTGA(out.c_str(), sheet);
  ASSERT_EQ(sheet.Width(), 100);
  ASSERT_EQ(sheet.Height(), 7168);  // (12 + 20) x 224
  auto px = [&](int x, int y) {
    const std::uint8_t* p = sheet.ScanLine(y) + 4 * x;
    return std::array<int, 4>{p[2], p[1], p[0], p[3]};
  };
  const int top = 5 * 32;
  for (int y = top; y < top + 12; ++y) EXPECT_EQ(px(0, y), (std::array<int, 4>{255, 255, 255, 255})) << y;
  EXPECT_EQ(px(0, top + 12), (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(px(1, top), (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(px(3, top), (std::array<int, 4>{10, 20, 7, 30}));       // texture (10, 20), alpha included
  EXPECT_EQ(px(10, top + 11), (std::array<int, 4>{17, 31, 7, 48}));  // texture (17, 31)
  EXPECT_EQ(px(11, top), (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(px(3 + 13, 6 * 32), (std::array<int, 4>{63, 0, 7, 63}));  // the last texture column
  EXPECT_EQ(px(3 + 14, 6 * 32), (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(px(0, 7 * 32), (std::array<int, 4>{0, 0, 0, 0}));  // no marker for the empty glyph
  // The glyph scan finds one box per visible glyph, spanning its rows.
  std::vector<GlyphBox> boxes;
  ScanGlyphBoxes(sheet, boxes);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[1], (GlyphBox{3, top, 11, top + 12}));
}

TEST_F(Exports, TwentyFourBitFontsGiveBmpSheetsAndShortTablesAreRefused) {
  Font font;
  font.texture = testing::MakeTextureImage(64, 64, 24);
  Save("f.dds", font.texture);
  ExportFontSheet(context, Save("f.tdt", font.table));
  EXPECT_EQ(Written().back(), "#Target BMP: " + JoinPath(context.TargetDir, "f.bmp"));
  const std::string shortTable = Save("s.tdt", Bytes(3135, 0));
  Save("s.dds", font.texture);
  try {
    ExportFontSheet(context, shortTable);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), shortTable + ": the font table is 3135 bytes long; it needs 224 records of 14 bytes (3136 bytes)");
  }
  EXPECT_THROW(ExportFontSheet(context, Save("lonely.tdt", font.table)), EFOpenError);  // no lonely.dds
}

}  // namespace
}  // namespace eit
