#include <gtest/gtest.h>

#ifdef EIT_HAVE_QT
#include <QTransform>
#endif
#include <cerrno>
#include <filesystem>

#ifdef EIT_HAVE_QT
#include "support/qt_images.h"
#endif
#include "platform/native.h"
#include "platform/system_words.h"
#include "support/test_data.h"
#include "codecs/targa.h"

namespace eit {
namespace {

using testing::Bytes;

const std::string kGimp = EIT_SHARED_TESTDATA "/tga-gimp/";
const std::string kMagick = EIT_TEST_DATA "/imagemagick/";

TBitmap Read(const std::string& path) {
  TBitmap bitmap;
  ReadTGA(path.c_str(), bitmap);
  EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf32bit);
  return bitmap;
}

#ifdef EIT_HAVE_QT  // Qt as an independent decoder
TEST(TgaReaderGimp, EveryFileReadsWithThePixelsOfItsPng) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kGimp)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".tga" || name == "id_field.tga") continue;
    const std::string stem = name.substr(0, name.find('_', name.find('_') + 1));  // e.g. 200x32_rgba
    const TBitmap bitmap = Read(entry.path().string());
    EXPECT_EQ(testing::CompareWithQt(bitmap, testing::QtRead(kGimp + stem + ".png"), false), "") << name;
    ++files;
  }
  EXPECT_EQ(files, 24);
}
#endif  // EIT_HAVE_QT

#ifdef EIT_HAVE_QT  // Qt as an independent decoder
TEST(TgaReaderGimp, ImageIdIsSkipped) {
  const TBitmap bitmap = Read(kGimp + "id_field.tga");
  EXPECT_GT(bitmap.Width(), 0);
  EXPECT_EQ(testing::CompareWithQt(bitmap, testing::QtRead(kMagick + "gimp_id_field.png")), "");
}
#endif  // EIT_HAVE_QT

// ImageMagick 6.9 stores rows top-first but flags them bottom-first: a correct reader sees them
// upside down relative to ImageMagick's own reading.
#ifdef EIT_HAVE_QT  // Qt as an independent decoder
TEST(TgaReaderImageMagick, RleDepthsAndPalettesRead) {
  for (const char* name : {"rgba32_raw", "rgba32_rle", "rgb24_raw", "rgb24_rle", "pal8_raw", "pal8_rle", "grey8_raw",
                           "grey8_rle"}) {
    const TBitmap bitmap = Read(kMagick + name + ".tga");
    const QImage expected = testing::QtRead(kMagick + name + ".png").mirrored(false, true);
    EXPECT_EQ(testing::CompareWithQt(bitmap, expected, false), "") << name;
  }
}
#endif  // EIT_HAVE_QT

TBitmap Sample32() {
  TBitmap bitmap(TPixelFormat::pf32bit, 37, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 37; ++x) {
      std::uint8_t* p = bitmap.ScanLine(y) + 4 * x;
      p[0] = static_cast<std::uint8_t>(x * 7), p[1] = static_cast<std::uint8_t>(y * 50),
      p[2] = static_cast<std::uint8_t>(x + y), p[3] = static_cast<std::uint8_t>(x * 6 + y);
    }
  return bitmap;
}

#ifdef EIT_HAVE_QT  // Qt as an independent decoder
TEST(TgaWriter, OutputOpensInQtWithEveryByteAlphaIncluded) {
  testing::TempDir dir;
  const std::string path = dir.File("out.tga");
  const TBitmap bitmap = Sample32();
  WriteTGA(path.c_str(), bitmap, 1);
  EXPECT_EQ(testing::CompareWithQt(bitmap, testing::QtRead(path)), "");
  // And reads back through our own reader, byte for byte.
  const TBitmap back = Read(path);
  for (int y = 0; y < 5; ++y) EXPECT_EQ(0, std::memcmp(back.ScanLine(y), bitmap.ScanLine(y), 37 * 4));
}
#endif  // EIT_HAVE_QT

TEST(TgaWriter, HeaderAndFooterFollowTheFormat) {
  TMemoryStream out;
  WriteTgaToStream(out, Sample32());
  const std::uint8_t* d = out.Memory();
  EXPECT_EQ(d[2], 2);         // uncompressed true-colour
  EXPECT_EQ(d[16], 32);       // bits per pixel
  EXPECT_EQ(d[17], 0x28);     // 8 alpha bits, top-left origin
  EXPECT_EQ(d[12] | d[13] << 8, 37);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(d + out.Size() - 18)), "TRUEVISION-XFILE.");
  const std::uint32_t extension = d[out.Size() - 26] | d[out.Size() - 25] << 8;
  EXPECT_EQ(extension, 18u + 37 * 5 * 4);
  EXPECT_EQ(d[extension + 494], 3);  // straight alpha
}

TEST(TgaWriter, UnwritablePathRaisesCreateError) {
  testing::TempDir dir;
  const std::string path = dir.File("missing/out.tga");
  try {
    WriteTGA(path.c_str(), Sample32(), 1);
    FAIL();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file " + path + ": " + SystemReason(ENOENT));
  }
}

// A hand-made TGA: header fields, optional ID and map, then the pixel bytes.
Bytes MakeTga(std::uint8_t type, std::uint8_t bits, std::uint8_t descriptor, std::uint16_t w, std::uint16_t h,
              const Bytes& pixels, const Bytes& map = {}, std::uint16_t mapFirst = 0, std::uint8_t mapBits = 0,
              const std::string& id = "") {
  Bytes t;
  t.reserve(18 + id.size() + map.size() + pixels.size());
  t.resize(18);
  t[0] = static_cast<std::uint8_t>(id.size());
  t[1] = map.empty() ? 0 : 1;
  t[2] = type;
  t[3] = mapFirst & 0xFF, t[4] = mapFirst >> 8;
  const std::size_t entries = map.empty() ? 0 : map.size() / ((mapBits + 7) / 8);
  t[5] = entries & 0xFF, t[6] = static_cast<std::uint8_t>(entries >> 8);
  t[7] = mapBits;
  t[12] = w & 0xFF, t[13] = w >> 8, t[14] = h & 0xFF, t[15] = h >> 8;
  t[16] = bits, t[17] = descriptor;
  t.insert(t.end(), id.begin(), id.end());
  t.insert(t.end(), map.begin(), map.end());
  t.insert(t.end(), pixels.begin(), pixels.end());
  return t;
}

TBitmap Decode(const Bytes& bytes) {
  TBitmap bitmap;
  ReadTgaFromMemory(bytes.data(), bytes.size(), bitmap);
  return bitmap;
}

std::array<int, 4> At(const TBitmap& b, int x, int y) {
  const std::uint8_t* p = b.ScanLine(y) + 4 * x;
  return {p[0], p[1], p[2], p[3]};
}

TEST(TgaReader, SixteenAndFifteenBitColoursScaleToEightBits) {
  // 0x7C00 red, 0x83E0 green with the attribute bit, 0x001F blue; 2 x 2, top-left origin.
  const Bytes px = {0x00, 0x7C, 0xE0, 0x83, 0x1F, 0x00, 0x10, 0x42};
  const TBitmap with = Decode(MakeTga(2, 16, 0x21, 2, 2, px));
  EXPECT_EQ(At(with, 0, 0), (std::array<int, 4>{0, 0, 255, 0}));
  EXPECT_EQ(At(with, 1, 0), (std::array<int, 4>{0, 255, 0, 255}));
  EXPECT_EQ(At(with, 0, 1), (std::array<int, 4>{255, 0, 0, 0}));
  EXPECT_EQ(At(with, 1, 1), (std::array<int, 4>{132, 132, 132, 0}));
  // Without alpha bits in the descriptor every pixel is opaque.
  const TBitmap without = Decode(MakeTga(2, 15, 0x20, 2, 2, px));
  EXPECT_EQ(At(without, 0, 0), (std::array<int, 4>{0, 0, 255, 255}));
}

TEST(TgaReader, AllFourOriginsPlaceTheFirstPixelInTheirCorner) {
  const Bytes px = {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4};  // 2 x 2, 24-bit
  struct Case {
    std::uint8_t descriptor;
    int x, y;
  };
  for (const Case c : {Case{0x00, 0, 1}, Case{0x10, 1, 1}, Case{0x20, 0, 0}, Case{0x30, 1, 0}}) {
    const TBitmap b = Decode(MakeTga(2, 24, c.descriptor, 2, 2, px));
    EXPECT_EQ(At(b, c.x, c.y), (std::array<int, 4>{1, 1, 1, 255})) << int{c.descriptor};
  }
}

TEST(TgaReader, ColourMapWithFirstEntryIdAndSixteenBitIndices) {
  const Bytes map = {10, 20, 30, 40, 50, 60};  // two 24-bit entries, the first numbered 5
  const Bytes px = {5, 0, 6, 0};
  const TBitmap b = Decode(MakeTga(1, 16, 0x20, 2, 1, px, map, 5, 24, "an image id"));
  EXPECT_EQ(At(b, 0, 0), (std::array<int, 4>{10, 20, 30, 255}));
  EXPECT_EQ(At(b, 1, 0), (std::array<int, 4>{40, 50, 60, 255}));
}

TEST(TgaReader, RlePacketsMayCrossRows) {
  // 3 x 2 grey: a run of 4 then 2 raw pixels.
  const Bytes px = {0x83, 9, 0x01, 7, 8};
  const TBitmap b = Decode(MakeTga(11, 8, 0x20, 3, 2, px));
  EXPECT_EQ(At(b, 0, 1), (std::array<int, 4>{9, 9, 9, 255}));
  EXPECT_EQ(At(b, 2, 1), (std::array<int, 4>{8, 8, 8, 255}));
}

void ExpectInvalid(const Bytes& bytes, const std::string& reason) {
  try {
    Decode(bytes);
    FAIL() << "no exception for " << reason;
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(std::string(e.what()), "TGA image is not valid (" + reason + ")");
  }
}

TEST(TgaReader, BrokenFilesAreRefusedWithTheirReason) {
  const Bytes px(2 * 2 * 3, 0x55);
  const Bytes good = MakeTga(2, 24, 0, 2, 2, px);
  ExpectInvalid(Bytes(good.begin(), good.begin() + 10), "the header is cut short");
  ExpectInvalid(Bytes(good.begin(), good.end() - 1), "the pixel data are cut short");
  ExpectInvalid(MakeTga(32, 24, 0, 2, 2, px), "unsupported image type 32");
  ExpectInvalid(MakeTga(2, 12, 0, 2, 2, px), "unsupported bit depth 12");
  ExpectInvalid(MakeTga(1, 8, 0, 2, 1, {0, 3}, {1, 2, 3}, 0, 24), "a colour index lies outside the colour map");
  ExpectInvalid(MakeTga(1, 8, 0, 2, 1, {0, 0}), "a colour-mapped image needs a colour map and 8 or 16-bit indices");
  ExpectInvalid(MakeTga(10, 24, 0, 2, 2, {0x84, 1, 2, 3}), "an RLE packet runs past the last pixel");
  ExpectInvalid(MakeTga(10, 24, 0, 2, 2, {0x81, 1, 2, 3, 0x01, 1, 2}), "the RLE data are cut short");
  // Huge pictures claimed by a few bytes: refused before anything is allocated.
  ExpectInvalid(MakeTga(10, 32, 0, 16000, 16000, {0xFF, 1, 2, 3, 4}), "the pixel data are cut short");
  ExpectInvalid(MakeTga(10, 32, 0, 65535, 65535, {0xFF, 1, 2, 3, 4}), "the image is too large");
}

TEST(TgaReader, MissingAndBrokenFilesNameThePath) {
  testing::TempDir dir;
  const std::string missing = dir.File("gone.tga");
  EXPECT_THROW(Read(missing), EFOpenError);
  const std::string broken = dir.File("broken.tga");
  TMemoryStream bytes;
  bytes.Write("xx", 2);
  bytes.SaveToFile(broken);
  try {
    Read(broken);
    FAIL();
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(std::string(e.what()), "TGA image is not valid: " + broken + " (the header is cut short)");
  }
}

}  // namespace
}  // namespace eit
