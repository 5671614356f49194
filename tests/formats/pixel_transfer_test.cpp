#include <gtest/gtest.h>

#include "formats/misc.h"
#include "support/engine.h"
#include "support/textures.h"

namespace eit {
namespace {

using testing::Bytes;

TMemoryStream& Uninverted(TMemoryStream& image, const Bytes& bytes) {
  testing::Fill(image, bytes);
  InvertImageHeader(image);
  return image;
}

TEST(PixelTransfer, TwentyFourBitPixelsSwapRedAndBlueBothWays) {
  Bytes bytes = testing::MakeTextureImage(5, 2, 24);
  ASSERT_EQ(bytes.size(), 128u + 30);
  bytes[128] = 0x10, bytes[129] = 0x20, bytes[130] = 0x30;
  TMemoryStream image;
  TBitmap bitmap;
  ImageToBitmap(Uninverted(image, bytes), bitmap);
  EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(bitmap.ScanLine(0)[0], 0x30);
  EXPECT_EQ(bitmap.ScanLine(0)[1], 0x20);
  EXPECT_EQ(bitmap.ScanLine(0)[2], 0x10);
  TMemoryStream out;
  testing::Fill(out, bytes);
  std::memset(out.Memory() + 128, 0, 30);
  BitmapToImage(bitmap, out);
  EXPECT_EQ(testing::ContentOf(out), bytes);
}

TEST(PixelTransfer, ThirtyTwoBitPixelsKeepAlphaInPlace) {
  Bytes bytes = testing::MakeTextureImage(256, 128, 32);
  const std::size_t last = 128 + (127 * 256 + 255) * 4;
  bytes[last] = 0x10, bytes[last + 1] = 0x20, bytes[last + 2] = 0x30, bytes[last + 3] = 0x40;
  TMemoryStream image;
  TBitmap bitmap;
  ImageToBitmap(Uninverted(image, bytes), bitmap);
  ASSERT_EQ(bitmap.Width(), 256);
  ASSERT_EQ(bitmap.Height(), 128);
  const std::uint8_t* p = bitmap.ScanLine(127) + 255 * 4;
  EXPECT_EQ((std::array<int, 4>{p[0], p[1], p[2], p[3]}), (std::array<int, 4>{0x30, 0x20, 0x10, 0x40}));
  // The first pixel row of the image is the top row of the bitmap.
  EXPECT_EQ(bitmap.ScanLine(0)[0], bytes[130]);
  TMemoryStream out;
  testing::Fill(out, bytes);
  InvertImageHeader(out);
  std::memset(out.Memory() + 128, 0xEE, static_cast<std::size_t>(out.Size() - 128));
  BitmapToImage(bitmap, out);
  InvertImageHeader(out);
  EXPECT_EQ(testing::ContentOf(out), bytes);
}

TEST(PixelTransfer, ZeroSizesAndTrailingDataAreHandled) {
  TMemoryStream image;
  TBitmap bitmap;
  ImageToBitmap(Uninverted(image, testing::MakeTextureImage(7, 0, 32, "DDS!", 9)), bitmap);
  EXPECT_EQ(bitmap.Height(), 0);
  ImageToBitmap(Uninverted(image, testing::MakeTextureImage(0, 3, 24)), bitmap);
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_EQ(bitmap.Height(), 3);
  // Bytes after the last row are ignored one way and kept the other.
  const Bytes withTail = testing::MakeTextureImage(3, 2, 24, "DDS!", 11);
  ImageToBitmap(Uninverted(image, withTail), bitmap);
  BitmapToImage(bitmap, image);
  InvertImageHeader(image);
  EXPECT_EQ(testing::ContentOf(image), withTail);
}

TEST(PixelTransfer, SmallerBitmapKeepsTheRestLargerOneExtendsTheImage) {
  const Bytes bytes = testing::MakeTextureImage(4, 4, 32);
  TBitmap small(TPixelFormat::pf32bit, 4, 2);
  TMemoryStream image;
  testing::Fill(image, bytes);
  BitmapToImage(small, image);
  EXPECT_EQ(image.Size(), static_cast<std::int64_t>(bytes.size()));
  for (std::size_t i = 0; i < bytes.size(); ++i) EXPECT_EQ(image.Memory()[i], i < 128 + 32 && i >= 128 ? 0 : bytes[i]);
  TBitmap large(TPixelFormat::pf32bit, 4, 6);
  BitmapToImage(large, image);
  EXPECT_EQ(image.Size(), 128 + 4 * 6 * 4);
  EXPECT_EQ(0, std::memcmp(image.Memory(), bytes.data(), 128));  // the header still says 4 x 4
}

TEST(PixelTransfer, ShortPixelAreaIsRefused) {
  Bytes bytes = testing::MakeTextureImage(4, 4, 24);
  bytes.resize(bytes.size() - 3);
  TMemoryStream image;
  TBitmap bitmap;
  EXPECT_THROW(ImageToBitmap(Uninverted(image, bytes), bitmap), Exception);
}

TEST(ChannelSwaps, ExchangeFirstAndThirdBytesAndUndoThemselves) {
  Bytes b24 = {1, 2, 3, 4, 5, 6, 7};
  SwapRedBlue24(b24.data(), 6);
  EXPECT_EQ(b24, (Bytes{3, 2, 1, 6, 5, 4, 7}));
  Bytes b32 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  SwapRedBlue32(b32.data(), 10);  // two whole pixels; the tail is left
  EXPECT_EQ(b32, (Bytes{3, 2, 1, 4, 7, 6, 5, 8, 9, 10}));
  const Bytes noise = testing::RandomBytes(4096 + 12);
  Bytes twice = noise;
  SwapRedBlue32(twice.data(), twice.size());
  SwapRedBlue32(twice.data(), twice.size());
  SwapRedBlue24(twice.data(), 4095);
  SwapRedBlue24(twice.data(), 4095);
  EXPECT_EQ(twice, noise);
}

TEST(TextureRoundTrip, LoadToBitmapAndBackGivesTheSameFile) {
  for (const char* magic : {"DDS!", "ELTE"}) {
    for (std::uint32_t bits : {24u, 32u}) {
      const Bytes image = testing::MakeTextureImage(33, 17, bits, "DDS!", 3);
      const Bytes file = std::string(magic) == "ELTE" ? testing::MakePackedFile(image) : image;
      TMemoryStream source, loaded, stored;
      testing::Fill(source, file);
      const TTextureForm form = LoadTextureImage(source, loaded, "x.dds", TLoadExtent::Whole, testing::PackEngine());
      InvertImageHeader(loaded);
      TBitmap bitmap;
      ImageToBitmap(loaded, bitmap);
      BitmapToImage(bitmap, loaded);
      InvertImageHeader(loaded);
      StoreTextureImage(loaded, form, stored, testing::PackEngine());
      if (std::string(magic) == "DDS!" || !UsingLibdeflate(testing::PackEngine())) {
        EXPECT_EQ(testing::ContentOf(stored), std::string(magic) == "ELTE" ? testing::MakePackedFile(image, 1) : file)
            << magic << bits;
      } else {
        TMemoryStream again;
        stored.SetPosition(0);
        LoadTextureImage(stored, again, "x.dds");
        EXPECT_EQ(testing::ContentOf(again), image) << magic << bits;
      }
    }
  }
}

}  // namespace
}  // namespace eit
