#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <random>

#ifdef EIT_HAVE_QT
#include "support/qt_images.h"
#endif
#include "support/test_data.h"
#include "codecs/pictures.h"
#include "codecs/png.h"
#include "codecs/png_deflate.h"
#include "codecs/targa.h"

namespace eit {
namespace {

using testing::Bytes;

const std::string kForms = EIT_TEST_DATA "/imagemagick/png/";
const std::string kSuite = EIT_SHARED_TESTDATA "/pngsuite/png/";

TBitmap ReadFile(const std::string& path) {
  TBitmap bitmap;
  ReadPictureFile(path, bitmap);
  return bitmap;
}

// Empty when the bitmap holds these RGBA bytes (each within tolerance), else the first difference.
std::string CompareWithRgba(const TBitmap& bitmap, const Bytes& rgba, int tolerance) {
  if (static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height()) * 4 != rgba.size())
    return "size differs";
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const std::uint8_t* p = bitmap.ScanLine(y) + x * bitmap.BytesPerPixel();
      const std::uint8_t* q = rgba.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.Width()) + static_cast<std::size_t>(x)) * 4;
      const int alpha = bitmap.BytesPerPixel() == 4 ? p[3] : 255;
      const auto off = [tolerance](int a, int b) { return a - b > tolerance || b - a > tolerance; };
      if (off(p[2], q[0]) || off(p[1], q[1]) || off(p[0], q[2]) || off(alpha, q[3]))
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }
  return "";
}

Bytes FileBytes(const std::string& path) {
  TMemoryStream stream;
  stream.LoadFromFile(path);
  return testing::ContentOf(stream);
}

// The forms editors save, each read to the pixel ImageMagick reads from it (16-bit channels within one of
// its rounding: a value halfway between two 8-bit ones may go either way).
TEST(PngReader, EveryFormAnEditorSavesReadsToThePixel) {
  for (const char* name : {"rgb8", "rgba8", "grey8", "grey_alpha8", "grey4", "grey1", "palette", "palette_trns",
                           "rgb16", "rgba16", "grey16", "rgba8_interlaced", "rgb16_interlaced"}) {
    const TBitmap bitmap = ReadFile(kForms + name + ".png");
    EXPECT_EQ(bitmap.Width(), 23) << name;
    const int tolerance = std::string(name).find("16") != std::string::npos ? 1 : 0;
    EXPECT_EQ(CompareWithRgba(bitmap, FileBytes(kForms + name + ".rgba"), tolerance), "") << name;
  }
}

#ifdef EIT_HAVE_QT  // Qt as an independent decoder
TEST(PngReader, PngSuiteReadsAsQtReadsIt) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kSuite)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".png" || name[0] == 'x') continue;
    const TBitmap bitmap = ReadFile(entry.path().string());
    if (name == "tbbn2c16.png" || name == "tbgn2c16.png") {
      // Qt leaves a 16-bit file's transparent colour (white here) opaque; the file's first pixel is it.
      EXPECT_EQ(bitmap.ScanLine(0)[3], 0) << name;
      continue;
    }
    // 16-bit channels round to 8 bits in either of two ways; the colour of a transparent pixel is free.
    const int tolerance = name.find("16") != std::string::npos ? 1 : 0;
    EXPECT_EQ(testing::CompareWithQt(bitmap, testing::QtRead(entry.path().string()), false, tolerance), "") << name;
    ++files;
  }
  EXPECT_GE(files, 150);
}
#endif  // EIT_HAVE_QT

TEST(PngReader, PngSuiteCorruptFilesAreRefusedNamingThem) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kSuite)) {
    const std::string name = entry.path().filename().string();
    if (name[0] != 'x') continue;
    try {
      ReadFile(entry.path().string());
      ADD_FAILURE() << name << " was read";
    } catch (const EInvalidGraphic& e) {
      EXPECT_NE(std::string(e.what()).find(entry.path().string()), std::string::npos) << e.what();
    }
    ++files;
  }
  EXPECT_GE(files, 14);
}

// A PNG made by hand: chunks with their CRCs as zlib computes them.
struct TPngMaker {
  Bytes bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  void Chunk(const char* type, const Bytes& body) {
    for (int s = 24; s >= 0; s -= 8) bytes.push_back(static_cast<std::uint8_t>(body.size() >> s));
    const std::size_t at = bytes.size();
    bytes.insert(bytes.end(), type, type + 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    const uLong crc = crc32(0, bytes.data() + at, static_cast<uInt>(bytes.size() - at));
    for (int s = 24; s >= 0; s -= 8) bytes.push_back(static_cast<std::uint8_t>(crc >> s));
  }
  void Header(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t colour) {
    Bytes body;
    for (const std::uint32_t v : {width, height})
      for (int s = 24; s >= 0; s -= 8) body.push_back(static_cast<std::uint8_t>(v >> s));
    body.insert(body.end(), {depth, colour, 0, 0, 0});
    Chunk("IHDR", body);
  }
};

std::string Refusal(const Bytes& file) {
  try {
    TBitmap bitmap;
    ReadPngFromMemory(file.data(), file.size(), bitmap, "hostile.png");
    return "read, " + std::to_string(bitmap.Width()) + " x " + std::to_string(bitmap.Height());
  } catch (const EInvalidGraphic& e) {
    return e.what();
  }
}

TEST(PngReader, HostileFilesAreRefusedBeforeTheirPictureIsAllocated) {
  const auto image = [](std::uint32_t width, std::uint32_t height, const Bytes& raw, int level = 9) {
    TPngMaker png;
    png.Header(width, height, 8, 6);
    png.Chunk("IDAT", testing::ZlibCompress(raw, level));
    png.Chunk("IEND", {});
    return png.bytes;
  };
  const Bytes good = image(4, 3, Bytes(3 * 17, 0));
  EXPECT_EQ(Refusal(good), "read, 4 x 3");
  // Cut anywhere, the last checksum's bytes too: refused, never read as a picture.
  for (std::size_t cut = 0; cut < good.size(); ++cut)
    EXPECT_EQ(Refusal(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut))).rfind("PNG image is not valid: hostile.png (", 0), 0u) << cut;
  Bytes badCrc = good;
  badCrc[good.size() - 20] ^= 0x40;  // inside IDAT
  EXPECT_NE(Refusal(badCrc).find("PNG image is not valid: hostile.png ("), std::string::npos);
  // Huge pictures claimed by a few bytes.
  EXPECT_EQ(Refusal(image(65535, 65535, Bytes(100, 0))),
            "PNG image is not valid: hostile.png (65535 x 65535 pixels is larger than this program takes)");
  EXPECT_EQ(Refusal(image(16000, 16000, Bytes(100, 0))), "PNG image is not valid: hostile.png (the image data are cut short)");
  EXPECT_EQ(Refusal(Bytes{'G', 'I', 'F'}), "PNG image is not valid: hostile.png (no PNG signature)");
  // The size from the header alone, for a check before anything is decoded.
  const Bytes huge = image(16383, 16383, Bytes(100, 0));
  EXPECT_EQ(PngSize(huge.data(), 24), std::make_pair(std::uint32_t{16383}, std::uint32_t{16383}));
  EXPECT_EQ(PngSize(huge.data(), 23), std::nullopt);
  // A bomb: a small picture whose data inflate to far more than it holds. Read within its own size or
  // refused, and never more than the picture.
  const std::string bomb = Refusal(image(16, 16, Bytes(std::size_t{64} << 20, 0), 9));
  EXPECT_TRUE(bomb == "read, 16 x 16" || bomb.rfind("PNG image is not valid", 0) == 0) << bomb;
}

TBitmap Copy(const TBitmap& source, TPixelFormat format) {
  TBitmap copy(source.PixelFormat(), source.Width(), source.Height());
  copy.CopyRect({0, 0, source.Width(), source.Height()}, source, {0, 0, source.Width(), source.Height()});
  copy.ConvertTo(format);
  return copy;
}

TBitmap Pattern(TPixelFormat format, int width, int height, int kind, std::uint32_t seed) {
  TBitmap bitmap(format, width, height);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y)
    for (std::size_t i = 0; i < bitmap.RowBytes(); ++i) {
      std::uint8_t& b = bitmap.ScanLine(y)[i];
      b = kind == 0   ? static_cast<std::uint8_t>(random())                                  // noise
          : kind == 1 ? static_cast<std::uint8_t>((i / 64) % 2 ? 0 : 200)                    // long runs
                      : static_cast<std::uint8_t>(i * 3 + static_cast<std::size_t>(y) * 7);  // gradients
    }
  return bitmap;
}

// What the writer makes is read back to the pixel, by the library and by zlib (which checks the stream's
// Adler-32) and, where Qt is, by Qt: noise, runs and gradients, sizes that make one piece or several.
TEST(PngWriter, EveryPictureReadsBackToThePixel) {
  struct TCase {
    int width, height;
  };
  for (const TCase size : {TCase{1, 1}, TCase{3, 2}, TCase{23, 17}, TCase{5000, 1}, TCase{1, 3000}, TCase{1100, 1000}})
    for (const TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit})
      for (int kind = 0; kind < 3; ++kind) {
        const std::string what = std::to_string(size.width) + "x" + std::to_string(size.height) + "/" +
                                 std::to_string(kind) + (format == TPixelFormat::pf32bit ? "/32" : "/24");
        const TBitmap picture = Pattern(format, size.width, size.height, kind, 11);
        TMemoryStream file;
        WritePngToStream(file, picture);
        TBitmap back;
        ReadPngFromMemory(file.Memory(), static_cast<std::size_t>(file.Size()), back, what);
        const TBitmap expected = Copy(picture, TPixelFormat::pf32bit);
        ASSERT_EQ(back.Width(), expected.Width()) << what;
        for (int y = 0; y < back.Height(); ++y)
          ASSERT_EQ(std::memcmp(back.ScanLine(y), expected.ScanLine(y), back.RowBytes()), 0) << what << " row " << y;
        // The IDAT stream alone, through zlib.
        Bytes idat;
        for (std::size_t at = 8; at + 12 <= static_cast<std::size_t>(file.Size());) {
          const std::uint8_t* p = file.Memory() + at;
          const std::size_t length = std::size_t{p[0]} << 24 | std::size_t{p[1]} << 16 | std::size_t{p[2]} << 8 | p[3];
          if (std::memcmp(p + 4, "IDAT", 4) == 0) idat.insert(idat.end(), p + 8, p + 8 + length);
          at += 12 + length;
        }
        const std::size_t raw = static_cast<std::size_t>(size.height) * (1 + picture.RowBytes());
        Bytes inflated(raw + 1);
        uLongf got = static_cast<uLongf>(inflated.size());
        EXPECT_EQ(uncompress(inflated.data(), &got, idat.data(), static_cast<uLong>(idat.size())), Z_OK) << what;
        EXPECT_EQ(got, raw) << what;
#ifdef EIT_HAVE_QT
        const QImage qt = QImage::fromData(file.Memory(), static_cast<int>(file.Size()), "PNG").convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(testing::CompareWithQt(picture, qt), "") << what;
#endif
      }
}

// Coded in one piece or several, with matches a pixel back of each size, and rows short or long, the stream
// inflates to the same bytes; a pattern of pixels codes smaller than its bytes.
TEST(PngWriter, PiecesJoinIntoOneStream) {
  Bytes texture = testing::TextureLike(3 << 20), pattern(3 << 20);
  for (std::size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<std::uint8_t>(i % 4 == 3 ? 255 : i % 4 * 40 + 7);
  for (const Bytes* data : {&texture, &pattern})
    for (const std::size_t stride : {std::size_t{4097}, std::size_t{3}, std::size_t{262145}})
      for (const std::size_t pixel : {1, 3, 4}) {
        png::TRows rows;
        rows.Stride = stride;
        rows.PixelBytes = pixel;
        rows.Count = data->size() / rows.Stride;
        rows.Fill = [&](std::size_t row, std::uint8_t* out) { std::memcpy(out, data->data() + row * stride, stride); };
        const std::size_t raw = rows.Count * rows.Stride;
        for (const int pieces : {1, 2, 3, 4}) {
          SCOPED_TRACE(std::to_string(stride) + " a row, " + std::to_string(pixel) + " a pixel, " +
                       std::to_string(pieces) + " pieces");
          std::vector<std::uint8_t> out;
          png::DeflateFast(rows, out, pieces);
          const Bytes back = testing::ZlibUncompress(out.data(), out.size(), raw);
          ASSERT_EQ(back.size(), raw);
          EXPECT_EQ(std::memcmp(back.data(), data->data(), raw), 0);
          if (data == &pattern && pixel == 4 && stride > 3) {
            EXPECT_LT(out.size(), raw / 20);
          }
        }
      }
}

TEST(PictureFiles, AreReadByTheirContentWhateverTheirName) {
  testing::TempDir dir;
  const TBitmap picture = Pattern(TPixelFormat::pf32bit, 7, 5, 2, 3);
  const auto save = [&](const std::string& name, TImageFiles files, const TBitmap& bitmap) {
    TMemoryStream stream;
    WritePicture(stream, bitmap, ExtractFormat(files, bitmap));
    stream.SaveToFile(dir.File(name));
    return dir.File(name);
  };
  const TBitmap opaque = Copy(picture, TPixelFormat::pf24bit);
  for (const std::string& path : {save("png.tga", TImageFiles::Png, picture), save("tga.png", TImageFiles::BmpTga, picture),
                                  save("bmp.png", TImageFiles::BmpTga, opaque), save("png.bmp", TImageFiles::Png, opaque)}) {
    TBitmap back = ReadFile(path);
    const TBitmap& expected = path.find("bmp") != std::string::npos ? opaque : picture;
    back.ConvertTo(expected.PixelFormat());
    for (int y = 0; y < back.Height(); ++y)
      EXPECT_EQ(std::memcmp(back.ScanLine(y), expected.ScanLine(y), back.RowBytes()), 0) << path;
  }
  TMemoryStream jpeg;
  jpeg.Write("\xFF\xD8\xFF\xE0", 4);
  jpeg.SaveToFile(dir.File("edit.png"));
  try {
    ReadFile(dir.File("edit.png"));
    FAIL();
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(std::string(e.what()),
              dir.File("edit.png") + ": a JPEG image, which the insert does not take; save it as PNG, TGA or BMP");
  }
}

}  // namespace
}  // namespace eit
