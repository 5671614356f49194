#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/main.h"
#include "formats/misc.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/edits.h"
#include "support/engine.h"
#include "support/textures.h"
#include "codecs/targa.h"
#include "codecs/bmp.h"

namespace eit {
namespace {

using testing::Bytes;

struct TQuietFrontEnd : TFrontEnd {
  std::vector<std::string> results;
  std::vector<int> totals;
  int progress = 0;
  std::function<void()> onMessages;
  void ShowProcessing(const std::string&) override {}
  std::vector<int> progresses;
  void SetProgress(int p) override {
    progress = p;
    progresses.push_back(p);
  }
  void SetTotal(int t) override { totals.push_back(t); }
  void SetExtracted(std::int64_t) override {}
  void AddResult(const TResultLine& line) override { results.push_back(EnglishLine(line)); }
  bool HasResults() override { return !results.empty(); }
  void JobStarting() override {}
  void JobEnded() override {}
  void ProcessMessages() override {
    if (onMessages) onMessages();
  }
};

Bytes Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

class Replay : public ::testing::Test {
 protected:
  Replay() : engine(frontEnd) {
    std::filesystem::create_directories(dir.File("src"));
    std::filesystem::create_directories(dir.File("new"));
  }
  std::string Save(const std::string& name, const Bytes& bytes) {
    const std::string path = dir.File(name);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  std::string Log(const std::vector<std::string>& lines) {
    const std::string path = dir.File("insert" + std::to_string(++logs) + ".log");
    SaveLines(path, lines);
    return path;
  }
  // Extracts the sources into out/, then replays out/result.log into new/.
  void Extract(const std::vector<std::string>& sources) {
    std::filesystem::create_directories(dir.File("out"));
    report = engine.Run(testing::Request(TJobKind::Texture, sources, dir.File("out")));
  }
  void Insert(const std::vector<std::string>& logPaths, const std::string& target = "") {
    report = engine.Run(testing::Request(TJobKind::ReplayLog, logPaths, target.empty() ? dir.File("new") : target));
  }
  // The sources' bytes, to prove nothing touched them.
  std::vector<Bytes> Snapshot() {
    std::vector<Bytes> all;
    for (const auto& e : std::filesystem::directory_iterator(dir.File("src"))) all.push_back(Read(e.path().string()));
    return all;
  }

  testing::TempDir dir;
  TQuietFrontEnd frontEnd;
  TBatchEngine engine;
  TRunReport report;
  int logs = 0;
};

TEST_F(Replay, UneditedRoundTripGivesTheSameTextures) {
  const Bytes raw = testing::MakeTextureImage(9, 7, 24, "DDS!", 6);  // bytes after the rows survive too
  const Bytes inner = testing::MakeTextureImage(8, 8, 32, "ELTE");
  const std::string a = Save("src/raw.dds", raw), b = Save("src/packed.dds", testing::MakePackedFile(inner));
  Extract({a, b});
  Insert({dir.File("out/result.log")});
  EXPECT_EQ(Read(dir.File("new/raw.dds")), raw);
  TMemoryStream file, image;
  file.LoadFromFile(dir.File("new/packed.dds"));
  EXPECT_EQ(LoadTextureImage(file, image, "packed.dds"), TTextureForm::Packed);
  EXPECT_EQ(testing::ContentOf(image), inner);
}

TEST_F(Replay, EditedPixelsLandExactlyWhereTheyWereMade) {
  const Bytes image = testing::MakeTextureImage(6, 5, 32);
  const std::string source = Save("src/t.dds", image);
  Extract({source});
  TBitmap edited;
  ReadTGA(dir.File("out/t.tga").c_str(), edited);
  std::uint8_t* p = edited.ScanLine(3) + 4 * 2;  // (2, 3) becomes B, G, R, A = 1, 2, 3, 4
  p[0] = 1, p[1] = 2, p[2] = 3, p[3] = 4;
  WriteTGA(dir.File("out/t.tga").c_str(), edited, 1);
  Insert({dir.File("out/result.log")});
  Bytes expected = image;
  const std::size_t at = 128 + (3 * 6 + 2) * 4;
  expected[at] = 3, expected[at + 1] = 2, expected[at + 2] = 1, expected[at + 3] = 4;  // R, G, B, A
  EXPECT_EQ(Read(dir.File("new/t.dds")), expected);
}

TEST_F(Replay, TwentyFourBitImageIntoThirtyTwoBitTextureBecomesOpaque) {
  const std::string source = Save("src/t.dds", testing::MakeTextureImage(3, 2, 32));
  TBitmap picture(TPixelFormat::pf24bit, 3, 2);
  picture.FillRect({0, 0, 3, 2}, TRgb(10, 20, 30));
  WriteBMP(dir.File("t.bmp"), picture);
  Insert({Log({"#Format: DDS", "#Source: " + source, "#Target BMP: " + dir.File("t.bmp")})});
  const Bytes out = Read(dir.File("new/t.dds"));
  EXPECT_EQ((Bytes(out.begin() + 128, out.begin() + 132)), (Bytes{10, 20, 30, 255}));
}

// Every form an editor saves a PNG in goes into 32 and 24-bit textures to the pixel, whatever the log's tag
// and the file's name say (here .tga and BMP). 16-bit channels: within one of ImageMagick's rounding.
TEST_F(Replay, PngEditsOfEveryFormLandToThePixel) {
  const std::string forms = EIT_TEST_DATA "/imagemagick/png/";
  const Bytes image32 = testing::MakeTextureImage(23, 17, 32), image24 = testing::MakeTextureImage(23, 17, 24);
  const std::string t32 = Save("src/t32.dds", image32), t24 = Save("src/t24.dds", image24);
  for (const char* name : {"rgb8", "rgba8", "grey8", "grey_alpha8", "grey4", "grey1", "palette", "palette_trns",
                           "rgb16", "rgba16", "grey16", "rgba8_interlaced", "rgb16_interlaced"}) {
    const std::string edit = Save(std::string(name) + ".tga", Read(forms + name + ".png"));
    Insert({Log({"#Format: DDS", "#Source: " + t32, "#Target BMP: " + edit, "#Format: DDS", "#Source: " + t24,
                 "#Target TGA: " + edit})});
    ASSERT_TRUE(report.Failures.empty()) << name;
    const Bytes rgba = Read(forms + name + ".rgba"), out32 = Read(dir.File("new/t32.dds")),
                out24 = Read(dir.File("new/t24.dds"));
    ASSERT_EQ(out32.size(), image32.size()) << name;
    ASSERT_EQ(out24.size(), image24.size()) << name;
    EXPECT_TRUE(std::equal(out32.begin(), out32.begin() + 128, image32.begin())) << name << ": header kept";
    const int tolerance = std::string(name).find("16") != std::string::npos ? 1 : 0;
    for (std::size_t px = 0; px < 23 * 17; ++px)
      for (std::size_t c = 0; c < 4; ++c) {
        ASSERT_LE(std::abs(out32[128 + px * 4 + c] - rgba[px * 4 + c]), tolerance) << name << " pixel " << px;
        if (c < 3) {
          ASSERT_LE(std::abs(out24[128 + px * 3 + c] - rgba[px * 4 + c]), tolerance) << name << " pixel " << px;
        }
      }
  }
}

TEST_F(Replay, MissingImagesAreReportedAndTheNextRecordStillImports) {
  const std::string a = Save("src/a.dds", testing::MakeTextureImage(2, 2, 24));
  const std::string b = Save("src/b.dds", testing::MakeTextureImage(2, 2, 24));
  WriteBMP(dir.File("b.bmp"), TBitmap(TPixelFormat::pf24bit, 2, 2));
  Insert({Log({"#Format: DDS", "#Source: " + a, "#Target BMP: " + dir.File("gone.bmp"), "#Format: DDS",
               "#Source: " + b, "#Target BMP: " + dir.File("b.bmp")})});
  EXPECT_FALSE(std::filesystem::exists(dir.File("new/a.dds")));
  EXPECT_TRUE(std::filesystem::exists(dir.File("new/b.dds")));
  ASSERT_FALSE(frontEnd.results.empty());
  EXPECT_EQ(frontEnd.results[0], "a.dds: skipped: the edited image " + dir.File("gone.bmp") + " does not exist");
}

TEST_F(Replay, RecordsWithoutAFormatAreReadOverAndProgressFollowsTheLines) {
  const std::string a = Save("src/a.dds", testing::MakeTextureImage(2, 2, 24));
  WriteBMP(dir.File("a.bmp"), TBitmap(TPixelFormat::pf24bit, 2, 2));
  // Nothing to insert is said, not taken for success.
  const std::string none = Log({"#Source: " + a, "#Target BMP: " + dir.File("a.bmp"), "#Format: dds", "#Source: " + a,
                                "#Target BMP: " + dir.File("a.bmp")});
  try {
    Insert({none});
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), none + " holds no record: a record is a \"#Format: DDS\" or \"#Format: TDT\" line, then "
                                  "\"#Source:\" and \"#Target\" lines, as an extract writes them");
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.File("new")));
  // A log of one record: the run's bar at 0, full once the log is done, and 0 again; the log's bar within it.
  frontEnd.totals.clear();
  Insert({Log({"#Format: DDS", "#Source: " + a, "#Target BMP: " + dir.File("a.bmp")})});
  EXPECT_EQ(frontEnd.totals, (std::vector<int>{0, 100, 0}));  // run start, the log taken, reset
  for (const int p : frontEnd.progresses) EXPECT_TRUE(p >= 0 && p <= 100) << p;
  frontEnd.totals.clear();
  EXPECT_THROW(Insert({Log({"#Format: DDS", "#Source: " + a})}), Exception);  // no record, and no division by zero
}

TEST_F(Replay, TargetDirectoryOfTheSourcesFailsAndChangesNothing) {
  const std::string a = Save("src/a.dds", testing::MakeTextureImage(4, 4, 24));
  WriteBMP(dir.File("a.bmp"), TBitmap(TPixelFormat::pf24bit, 4, 4));
  const auto before = Snapshot();
  try {
    Insert({Log({"#Format: DDS", "#Source: " + a, "#Target BMP: " + dir.File("a.bmp")})}, dir.File("src"));
    FAIL();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file " + dir.File("src") + PathDelim + "a.dds: it is one of this run's sources");
  }
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(Replay, BadRecordsFailClearlyAndWriteNothing) {
  const std::string a = Save("src/a.dds", testing::MakeTextureImage(4, 4, 24));
  WriteBMP(dir.File("wide.bmp"), TBitmap(TPixelFormat::pf24bit, 5, 4));
  const auto before = Snapshot();
  try {
    Insert({Log({"#Format: DDS", "#Source: " + a, "#Target BMP: " + dir.File("wide.bmp")})});
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), dir.File("wide.bmp") + ": the edited image is 5 x 4 pixels, but the texture " + a +
                               " is 4 x 4; save the image at the texture's size");
  }
  const std::string missing = dir.File("src/none.dds");
  EXPECT_THROW(Insert({Log({"#Format: DDS", "#Source: " + missing, "#Target BMP: " + dir.File("wide.bmp")})}),
               EFOpenError);
  EXPECT_TRUE(std::filesystem::is_empty(dir.File("new")));
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(Replay, StopIsHonouredAfterEachLine) {
  // So many records that the stop, asked for at the first chance the front end gets, comes before the end.
  std::vector<std::string> lines;
  constexpr int kRecords = 300;
  for (int k = 0; k < kRecords; ++k) {
    const std::string name = "t" + std::to_string(k);
    const std::string source = Save("src/" + name + ".dds", testing::MakeTextureImage(2, 2, 24));
    WriteBMP(dir.File(name + ".bmp"), TBitmap(TPixelFormat::pf24bit, 2, 2));
    lines.insert(lines.end(), {"#Format: DDS", "#Source: " + source, "#Target BMP: " + dir.File(name + ".bmp")});
  }
  frontEnd.onMessages = [this] { engine.RequestStop(); };
  const TRunReport report = engine.Run(testing::Request(TJobKind::ReplayLog, {Log(lines)}, dir.File("new")));
  EXPECT_EQ(report.Outcome, TRunOutcome::Stopped);
  // What was rebuilt before the stop is there, whole, and said; nothing after it.
  const std::size_t written = testing::FilesUnder(dir.File("new")).size();
  EXPECT_LT(written, static_cast<std::size_t>(kRecords));
  EXPECT_EQ(report.Written.size(), written);
  for (std::size_t k = 0; k < written; ++k)
    EXPECT_TRUE(std::filesystem::exists(dir.File("new/t" + std::to_string(k) + ".dds"))) << k;
}

// --- fonts ----------------------------------------------------------------------------------

// A raw 32-bit font texture 256 x 128 with 224 records for the codes 0x20 to 0xFF: small 4 x 6 glyphs
// in a grid 40 to a row, each filled with its own colour; code 0x7E sits at (100, 40), 8 x 12, and no
// other kept glyph reaches below row 51.
struct FontFixture {
  TBitmap texture{TPixelFormat::pf32bit, 256, 128};
  Bytes table = Bytes(kFontTableSize + 10, 0xAB);  // ten bytes after the records stay as they are
  FontFixture() {
    for (int k = 0; k < kFontRecords; ++k) {
      const int code = 0x20 + k;
      GlyphRecord r{static_cast<std::uint16_t>((k % 40) * 5), static_cast<std::uint16_t>((k / 40) * 7), 0, 0, 4, 6,
                    static_cast<std::uint16_t>(1000 + k)};
      if (code == 0x7E) r.Left = 100, r.Top = 40, r.Width = 8, r.Height = 12;
      if (code == 0x90) r.Width = 64;  // never cleared
      r.Right = static_cast<std::uint16_t>(r.Left + r.Width), r.Bottom = static_cast<std::uint16_t>(r.Top + r.Height);
      texture.FillRect({r.Left, r.Top, r.Left + std::min<int>(r.Width, 4), r.Bottom}, TRgb(code, 1, 2), 255);
      WriteGlyphRecord(&table[static_cast<std::size_t>(k) * kGlyphRecordSize], r);
    }
  }
  GlyphRecord Record(const Bytes& t, int code) const {
    return ReadGlyphRecord(&t[static_cast<std::size_t>(code - 0x20) * kGlyphRecordSize]);
  }
};

// A sheet of boxes of the given sizes, each glyph a solid colour n + 1.
TBitmap Sheet(const std::vector<std::pair<int, int>>& sizes) {
  int height = 0;
  for (const auto& s : sizes) height += s.second + 20;
  TBitmap sheet(TPixelFormat::pf32bit, 100, std::max(height, 1));
  int y = 0, n = 0;
  for (const auto& [w, h] : sizes) {
    sheet.Line(0, y, 0, y + h, kWhite, 255);
    sheet.FillRect({3, y, 3 + w, y + h}, TRgb(static_cast<std::uint8_t>(++n), 9, 9), 255);
    y += h + 20;
  }
  return sheet;
}

class FontReplay : public Replay {
 protected:
  std::string table, texture;
  FontFixture font;
  void SetUpFont(const FontFixture& f) {
    TMemoryStream image;
    image.WriteBuffer(testing::MakeTextureImage(256, 128, 32).data(), 128);
    BitmapToImage(f.texture, image);
    image.SetPosition(0);
    texture = Save("src/font.dds", testing::ContentOf(image));
    table = Save("src/font.tdt", f.table);
  }
  void InsertFont(const TBitmap& sheet, const std::string& first = "0x20", const std::string& last = "0x100") {
    WriteTGA(dir.File("sheet.tga").c_str(), sheet, 1);
    Insert({Log({"#Format: TDT", "#Source: " + table, "#Target TGA: " + dir.File("sheet.tga"), "#First: " + first,
                 "#Last: " + last})});
  }
  TBitmap NewTexture() {
    TMemoryStream image;
    image.LoadFromFile(dir.File("new/font.dds"));
    InvertImageHeader(image);
    TBitmap b;
    ImageToBitmap(image, b);
    return b;
  }
};

TEST_F(FontReplay, NewGlyphsFollowTheKeptOnesAndOldAreasAreCleared) {
  SetUpFont(font);
  std::vector<std::pair<int, int>> sizes(64, {10, 14});
  InsertFont(Sheet(sizes));
  const Bytes out = Read(dir.File("new/font.tdt"));
  ASSERT_EQ(out.size(), font.table.size());
  const GlyphRecord c0 = font.Record(out, 0xC0), c1 = font.Record(out, 0xC1);
  EXPECT_EQ((std::array<int, 7>{c0.Left, c0.Top, c0.Right, c0.Bottom, c0.Width, c0.Height, c0.Extra}),
            (std::array<int, 7>{108, 40, 118, 54, 10, 14, 1000 + 0xC0 - 0x20}));
  EXPECT_EQ(c1.Left, 119);
  // 108 + 13 glyphs of 11 = 251: the 14th (0xCD) would end at 261 and wraps to LineBottom 54.
  EXPECT_EQ(font.Record(out, 0xCC).Left, 240);
  EXPECT_EQ(font.Record(out, 0xCD).Left, 0);
  EXPECT_EQ(font.Record(out, 0xCD).Top, 54);
  // Kept records and the bytes after the records are untouched; 0x7F..0xBF keep their records.
  EXPECT_TRUE(std::equal(out.begin(), out.begin() + (0x7F - 0x20) * 14, font.table.begin()));
  EXPECT_TRUE(std::equal(out.end() - 10, out.end(), font.table.end() - 10));
  EXPECT_EQ(font.Record(out, 0xA0).Left, font.Record(font.table, 0xA0).Left);
  const TBitmap t = NewTexture();
  const GlyphRecord a0 = font.Record(font.table, 0xA0), k41 = font.Record(font.table, 0x41),
                    w64 = font.Record(font.table, 0x90);
  EXPECT_EQ(t.Pixel(a0.Left, a0.Top), kBlack);                     // cleared
  EXPECT_EQ(t.Pixel(k41.Left, k41.Top), TRgb(0x41, 1, 2));           // kept
  EXPECT_EQ(t.Pixel(w64.Left, w64.Top), TRgb(0x90, 1, 2));           // 64 wide: not cleared
  EXPECT_EQ(t.Pixel(108, 40), TRgb(1, 9, 9));                        // the first new glyph
  EXPECT_EQ(t.Pixel(119, 53), TRgb(2, 9, 9));
  EXPECT_EQ(t.Pixel(118, 40), kBlack);                             // the empty column between
}

TEST_F(FontReplay, ExactFitStaysOnTheLine) {
  // 0x7E ends at column 246: a 10-wide glyph still fits (246 + 10 = 256).
  GlyphRecord r = font.Record(font.table, 0x7E);
  r.Left = 238;
  r.Right = 246;
  WriteGlyphRecord(&font.table[(0x7E - 0x20) * 14], r);
  SetUpFont(font);
  InsertFont(Sheet({{10, 5}, {10, 5}}), "0x20", "0xC2");
  const Bytes out = Read(dir.File("new/font.tdt"));
  EXPECT_EQ(font.Record(out, 0xC0).Left, 246);
  EXPECT_EQ(font.Record(out, 0xC1).Left, 0);
  EXPECT_EQ(font.Record(out, 0xC1).Top, 52);  // LineBottom: 0x7E's 40 + 12
}


TEST_F(FontReplay, BadRecordsFailWithWhatToFixAndWriteNothing) {
  SetUpFont(font);
  const auto before = Snapshot();
  auto expectError = [&](const std::function<void()>& run, const std::string& fragment) {
    try {
      run();
      ADD_FAILURE() << "no error for " << fragment;
    } catch (const Exception& e) {
      EXPECT_NE(e.Message().find(fragment), std::string::npos) << e.Message();
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("new"))) << fragment;
  };
  expectError([&] { InsertFont(Sheet({{5, 5}}), "0x20", "0x100"); }, "the sheet holds 1 glyphs, but the codes 0xC0 to 0xFF need 64");
  expectError([&] { InsertFont(Sheet({{5, 5}}), "0x20", "0x200"); }, "covers 480 codes, but the font table holds 224 records");
  // An empty or reversed range would lay nothing and call it done.
  expectError([&] { InsertFont(Sheet({{3, 3}}), "0x50", "0x50"); },
              ": line 5: \"#Last: 0x50\" is the code of \"#First: 0x50\" (line 4), so the range holds no code");
  expectError([&] { InsertFont(Sheet({{3, 3}}), "0x100", "0xC0"); },
              ": line 5: \"#Last: 0xC0\" is before the code of \"#First: 0x100\" (line 4), so the range holds no code");
  expectError([&] { InsertFont(Sheet({{5, 200}}), "0xC0", "0xC1"); }, "the new glyph for 0xC0 (5 x 200) does not fit");
  expectError([&] { InsertFont(Sheet({{5, 5}}), "20", "0xC1"); }, "line 4: a font record needs \"#First: 0x<hex code>\" here, not \"#First: 20\"");
  TBitmap grey(TPixelFormat::pf24bit, 10, 10);
  WriteBMP(dir.File("grey.bmp"), grey);
  expectError([&] {
    Insert({Log({"#Format: TDT", "#Source: " + table, "#Target BMP: " + dir.File("grey.bmp"), "#First: 0xC0",
                 "#Last: 0xC1"})});
  }, "the glyph sheet is 24-bit");
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(FontReplay, TwentyFourBitFontTextureIsRefused) {
  table = Save("src/font.tdt", font.table);
  texture = Save("src/font.dds", testing::MakeTextureImage(256, 128, 24));
  const auto before = Snapshot();
  try {
    InsertFont(Sheet({{5, 5}}), "0xC0", "0xC1");
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), texture + ": the font texture is 24-bit, without alpha; new glyphs go only into 32-bit font "
                               "textures, whose alpha marks them: choose another of the game's fonts (the viewer and "
                               "eitool-cli info show each texture's bit depth)");
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.File("new")));
  EXPECT_EQ(Snapshot(), before);
}

}  // namespace
}  // namespace eit
