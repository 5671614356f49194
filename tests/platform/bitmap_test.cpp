#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "platform/bitmap.h"

namespace eit {
namespace {

std::string Picture(const TBitmap& b) {
  std::string s;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) s += b.Pixel(x, y) == kBlack ? '.' : b.Pixel(x, y) == kWhite ? 'W' : 'o';
    s += '\n';
  }
  return s;
}

TEST(Bitmap, NewPicturesAreAllZeroAndSizesAreChecked) {
  TBitmap b(TPixelFormat::pf32bit, 3, 2);
  EXPECT_EQ(b.RowBytes(), 12u);
  for (int y = 0; y < 2; ++y)
    for (int i = 0; i < 12; ++i) EXPECT_EQ(b.ScanLine(y)[i], 0);
  EXPECT_THROW(b.SetSize(-1, 5), EInvalidGraphic);
  EXPECT_THROW(b.SetSize(70000, 1), EInvalidGraphic);
  EXPECT_THROW(b.SetSize(65535, 65535), EInvalidGraphic);  // above 1 GiB at 4 bytes
  b.SetSize(0, 0);
  EXPECT_EQ(b.Width(), 0);
}

TEST(Bitmap, FillRectClipsAndWritesAlpha) {
  TBitmap b(TPixelFormat::pf32bit, 5, 4);
  b.FillRect({-3, 2, 2, 100}, kWhite, 255);
  EXPECT_EQ(Picture(b), ".....\n.....\nWW...\nWW...\n");
  EXPECT_EQ(b.ScanLine(3)[3], 255);
  b.FillRect({4, 0, 2, 5}, kWhite);  // Right < Left: empty
  b.FillRect({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, kBlack);
  EXPECT_EQ(Picture(b), ".....\n.....\n.....\n.....\n");
}

TEST(Bitmap, LinesStopBeforeTheirEndPointAndStayInside) {
  TBitmap b(TPixelFormat::pf24bit, 4, 5);
  b.Line(0, 1, 0, 4, kWhite);  // rows 1..3
  b.Line(3, 4, 3, 2, kWhite);  // upwards: rows 4 and 3
  b.Line(1, 0, 1, 0, kWhite);  // empty
  b.Line(-10, 0, 100, 0, TRgb(1, 2, 3));
  b.Line(2, -5, 2, 2, kWhite);  // enters from above: rows 0 and 1
  EXPECT_EQ(Picture(b), "ooWo\nW.W.\nW...\nW..W\n...W\n");
  TBitmap d(TPixelFormat::pf24bit, 4, 4);
  d.Line(0, 0, 3, 3, kWhite);  // a diagonal, end excluded
  EXPECT_EQ(Picture(d), "W...\n.W..\n..W.\n....\n");
}

TEST(Bitmap, CopyRectMovesBytesUnchangedAndClipsBothSides) {
  TBitmap src(TPixelFormat::pf32bit, 4, 4), dst(TPixelFormat::pf32bit, 3, 3);
  for (int y = 0; y < 4; ++y)
    for (int i = 0; i < 16; ++i) src.ScanLine(y)[i] = static_cast<std::uint8_t>(y * 16 + i + 1);
  dst.CopyRect({1, 1, 4, 4}, src, {0, 0, 3, 3});  // only 2 x 2 fit
  EXPECT_EQ(0, std::memcmp(dst.ScanLine(1) + 4, src.ScanLine(0), 8));
  EXPECT_EQ(0, std::memcmp(dst.ScanLine(2) + 4, src.ScanLine(1), 8));
  EXPECT_EQ(dst.ScanLine(0)[4], 0);
  TBitmap d2(TPixelFormat::pf32bit, 3, 3);
  d2.CopyRect({0, 0, 3, 3}, src, {-1, 2, 2, 5});  // source starts left of and runs below the source
  EXPECT_EQ(0, std::memcmp(d2.ScanLine(0) + 4, src.ScanLine(2), 8));
  EXPECT_EQ(0, std::memcmp(d2.ScanLine(1) + 4, src.ScanLine(3), 8));
  EXPECT_EQ(d2.ScanLine(0)[0], 0);
  EXPECT_EQ(d2.ScanLine(2)[4], 0);
  d2.CopyRect({0, 0, 3, 3}, src, {3, 3, 1, 1});  // negative size: nothing
  TBitmap other(TPixelFormat::pf24bit, 3, 3);
  EXPECT_THROW(other.CopyRect({0, 0, 1, 1}, src, {0, 0, 1, 1}), Exception);
}

TEST(Bitmap, PixelReadsRedGreenBlueWithoutAlpha) {
  TBitmap b(TPixelFormat::pf32bit, 2, 1);
  b.ScanLine(0)[0] = 3, b.ScanLine(0)[1] = 2, b.ScanLine(0)[2] = 1, b.ScanLine(0)[3] = 99;
  EXPECT_EQ(b.Pixel(0, 0), TRgb(1, 2, 3));
  EXPECT_EQ(b.Pixel(5, 0), kBlack);
}

TEST(CheckedImageBytes, NeverOverflows) {
  EXPECT_EQ(CheckedImageBytes(4096, 4096, 4), 64 << 20);
  EXPECT_EQ(CheckedImageBytes(65536, 65536, 4), -1);
  EXPECT_EQ(CheckedImageBytes(INT64_MAX, INT64_MAX, INT64_MAX, INT64_MAX), -1);
  EXPECT_EQ(CheckedImageBytes(-1, 5, 3), -1);
  EXPECT_EQ(CheckedImageBytes(0, 1 << 30, 4), 0);
}

}  // namespace
}  // namespace eit
