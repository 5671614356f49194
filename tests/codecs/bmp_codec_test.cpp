#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/bitmap.h"
#ifdef EIT_HAVE_QT
#include "support/qt_images.h"
#endif
#include "support/test_data.h"
#include "codecs/bmp.h"

namespace eit {
namespace {

const std::string kSuite = EIT_SHARED_TESTDATA "/bmpsuite/";

// Every "good" file of the BMP Suite, with the reference picture it must match.
struct GoodFile {
  const char* name;
  const char* reference;
};

#ifdef EIT_HAVE_QT  // Qt as an independent decoder
class BmpSuiteGood : public ::testing::TestWithParam<GoodFile> {};

TEST_P(BmpSuiteGood, ReadsWithTheReferencePixels) {
  TBitmap bitmap;
  ReadBMP(kSuite + "g/" + GetParam().name + ".bmp", bitmap);
  EXPECT_EQ(testing::CompareWithQt(bitmap, testing::QtRead(kSuite + "reference/" + GetParam().reference + ".png")), "");
}

INSTANTIATE_TEST_SUITE_P(
    Suite, BmpSuiteGood,
    ::testing::Values(GoodFile{"pal1", "pal1"}, GoodFile{"pal1bg", "pal1bg"}, GoodFile{"pal1wb", "pal1"},
                      GoodFile{"pal4", "pal4"}, GoodFile{"pal4gs", "pal4gs"}, GoodFile{"pal4rle", "pal4"},
                      GoodFile{"pal8-0", "pal8"}, GoodFile{"pal8", "pal8"}, GoodFile{"pal8gs", "pal8gs"},
                      GoodFile{"pal8nonsquare", "pal8nonsquare-e"}, GoodFile{"pal8os2", "pal8"},
                      GoodFile{"pal8rle", "pal8"}, GoodFile{"pal8topdown", "pal8"}, GoodFile{"pal8v4", "pal8"},
                      GoodFile{"pal8v5", "pal8"}, GoodFile{"pal8w124", "pal8w124"}, GoodFile{"pal8w125", "pal8w125"},
                      GoodFile{"pal8w126", "pal8w126"}, GoodFile{"rgb16-565", "rgb16-565"},
                      GoodFile{"rgb16-565pal", "rgb16-565"}, GoodFile{"rgb16", "rgb16"},
                      GoodFile{"rgb16bfdef", "rgb16"}, GoodFile{"rgb24", "rgb24"}, GoodFile{"rgb24pal", "rgb24"},
                      GoodFile{"rgb32", "rgb24"}, GoodFile{"rgb32bf", "rgb24"}, GoodFile{"rgb32bfdef", "rgb24"}),
    [](const auto& info) {
      std::string name = info.param.name;
      std::replace(name.begin(), name.end(), '-', '_');
      return name;
    });
#endif  // EIT_HAVE_QT

[[maybe_unused]] std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(kSuite + folder))
    if (entry.path().extension() == ".bmp") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Bad and questionable files: each is read whole or refused with the message, never half-read.
#ifdef EIT_HAVE_QT  // Qt as an independent decoder
TEST(BmpSuiteBadAndQuestionable, EachIsReadOrRefusedCleanly) {
  for (const std::string folder : {"b/", "q/", "x/"}) {
    for (const std::string& name : FilesIn(folder)) {
      TBitmap bitmap;
      try {
        ReadBMP(kSuite + folder + name, bitmap);
        // Read: then it must agree with Qt wherever Qt reads it too and has a reference.
        const std::string stem = name.substr(0, name.size() - 4);
        const std::string ref = kSuite + "reference/" + stem + ".png";
        if (std::filesystem::exists(ref)) {
          const std::string diff = testing::CompareWithQt(bitmap, testing::QtRead(ref), false);
          if (!diff.empty()) ADD_FAILURE() << folder << name << " read with wrong pixels: " << diff;
        }
      } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Bitmap image is not valid: " + kSuite + folder + name, 0), 0)
            << e.what();
      }
    }
  }
}
#endif  // EIT_HAVE_QT

TEST(BmpSuiteBad, BrokenSizesAreAlwaysRefused) {
  for (const char* name : {"shortfile", "reallybig", "badbitcount", "badbitssize", "badheadersize", "badwidth",
                           "badrle", "badrle4", "pal8badindex", "rletopdown", "badplanes"}) {
    TBitmap bitmap;
    EXPECT_THROW(ReadBMP(kSuite + "b/" + name + ".bmp", bitmap), EInvalidGraphic) << name;
  }
}

}  // namespace
}  // namespace eit

namespace eit {
namespace {

struct BadFile {
  const char* name;
  const char* reason;
};

class BmpBadFiles : public ::testing::TestWithParam<BadFile> {};

TEST_P(BmpBadFiles, FailWithTheirReason) {
  const std::string path = EIT_TEST_DATA "/bmp/" + std::string(GetParam().name) + ".bmp";
  TBitmap bitmap;
  try {
    ReadBMP(path, bitmap);
    FAIL() << "no exception";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Bitmap image is not valid: " + path + " (" + GetParam().reason + ")");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Named, BmpBadFiles,
    ::testing::Values(BadFile{"truncated_header", "the header is cut short"},
                      BadFile{"truncated_pixels", "the pixel data are cut short"},
                      BadFile{"os2_v2_header", "unsupported header size 64"}, BadFile{"negative_width", "bad width or height"},
                      BadFile{"alpha_mask_past_header", "the pixel data are cut short"},
                      BadFile{"jpeg_compression", "unsupported compression 4"},
                      BadFile{"palette_index_outside", "a palette index lies outside the palette"},
                      BadFile{"rle8_run_past_last_row", "an RLE run leaves the picture"},
                      BadFile{"rle8_without_end", "the RLE data are cut short"},
                      BadFile{"rle8_undefined_pixels", "the RLE data leave pixels undefined"},
                      BadFile{"mask_not_contiguous", "a colour mask is not contiguous"},
                      BadFile{"offset_outside_file", "the pixel data offset is outside the file"},
                      BadFile{"huge_dimensions", "the picture is too large"}),
    [](const auto& info) { return std::string(info.param.name); });

#ifdef EIT_HAVE_QT  // Qt as an independent decoder
TEST(BmpImageMagick, VariantsReadWithImageMagicksPixels) {
  for (const char* name : {"bmp_rgb24", "bmp_rgba32", "bmp_pal8", "bmp_pal8_rle", "bmp_pal4", "bmp_pal4_rle",
                           "bmp_rgb565", "bmp_argb1555"}) {
    const std::string base = EIT_TEST_DATA "/imagemagick/" + std::string(name);
    TBitmap bitmap;
    ReadBMP(base + ".bmp", bitmap);
    const int tolerance = std::string(name).find("bmp_rgb565") == 0 || std::string(name) == "bmp_argb1555" ? 1 : 0;
    EXPECT_EQ(testing::CompareWithQt(bitmap, testing::QtRead(base + ".png"), false, tolerance), "") << name;
  }
}
#endif  // EIT_HAVE_QT

TBitmap Pattern(TPixelFormat format, int w, int h) {
  TBitmap b(format, w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w * b.BytesPerPixel(); ++x) b.ScanLine(y)[x] = static_cast<std::uint8_t>(x * 31 + y * 17);
  return b;
}

TEST(BmpWriter, TwentyFourBitFileIsTheStandardLayout) {
  TMemoryStream out;
  WriteBmpToStream(out, Pattern(TPixelFormat::pf24bit, 5, 3));
  const std::uint8_t* d = out.Memory();
  const int stride = 16;  // 15 bytes padded to 4
  EXPECT_EQ(out.Size(), 54 + stride * 3);
  EXPECT_EQ(d[0], 'B');
  EXPECT_EQ(d[10], 54);
  EXPECT_EQ(d[14], 40);
  EXPECT_EQ(d[28], 24);
  EXPECT_EQ(d[30], 0);
  // Bottom-up: the file's first row is the bitmap's last.
  const TBitmap b = Pattern(TPixelFormat::pf24bit, 5, 3);
  EXPECT_EQ(0, std::memcmp(d + 54, b.ScanLine(2), 15));
  EXPECT_EQ(d[54 + 15], 0);
}

#ifdef EIT_HAVE_QT  // Qt as an independent decoder
TEST(BmpWriter, FilesOpenInQtWithTheSamePixelsAlphaIncluded) {
  testing::TempDir dir;
  for (TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
    const TBitmap b = Pattern(format, 13, 7);
    const std::string path = dir.File("out.bmp");
    WriteBMP(path, b);
    EXPECT_EQ(testing::CompareWithQt(b, testing::QtRead(path)), "");
    TBitmap back;
    ReadBMP(path, back);
    ASSERT_EQ(back.PixelFormat(), format);
    for (int y = 0; y < 7; ++y) EXPECT_EQ(0, std::memcmp(back.ScanLine(y), b.ScanLine(y), b.RowBytes()));
  }
}
#endif  // EIT_HAVE_QT

TEST(BmpReader, ThirtyTwoBitWithAllAlphaZeroIsOpaque) {
  TBitmap b = Pattern(TPixelFormat::pf32bit, 4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) b.ScanLine(y)[4 * x + 3] = 0;
  TMemoryStream out;
  WriteBmpToStream(out, b);
  out.SetPosition(0);
  TBitmap back;
  ReadBmpFromStream(out, back);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(back.ScanLine(y)[4 * x + 3], 255);
}

}  // namespace
}  // namespace eit
