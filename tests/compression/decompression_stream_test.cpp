#include <gtest/gtest.h>

#include "compression/dynazlib.h"
#include "support/test_data.h"

namespace eit {
namespace {

using testing::Bytes;

Bytes ReadInChunks(TStream& s, std::size_t total, std::int32_t chunk) {
  Bytes out(total + 10);
  std::size_t got = 0;
  for (;;) {
    const std::int32_t n = s.Read(out.data() + got, chunk);
    got += static_cast<std::size_t>(n);
    if (n < chunk) break;
  }
  out.resize(got);
  return out;
}

class ZlibLevelsAndChunks : public ::testing::TestWithParam<std::tuple<int, std::int32_t>> {};

TEST_P(ZlibLevelsAndChunks, ReadsWhatPlainZlibWrote) {
  const auto [level, chunk] = GetParam();
  const Bytes data = testing::TextureLike(200000);
  TMemoryStream base;
  testing::Fill(base, testing::ZlibCompress(data, level));
  TDecompressionStream z(base);
  EXPECT_EQ(ReadInChunks(z, data.size(), chunk), data);
  EXPECT_EQ(z.Position(), 200000);
}

INSTANTIATE_TEST_SUITE_P(Levels, ZlibLevelsAndChunks,
                         ::testing::Combine(::testing::Values(1, 6, 9), ::testing::Values(1, 4096, 65536, 1 << 20)));

TEST(DecompressionStream, EndsAtTheEndOfTheZlibStreamWhateverFollows) {
  const Bytes data = testing::TextureLike(100000);
  Bytes packed = testing::ZlibCompress(data, 6);
  const Bytes trailer = testing::RandomBytes(150000, 3);
  packed.insert(packed.end(), trailer.begin(), trailer.end());
  TMemoryStream base;
  testing::Fill(base, packed);
  TDecompressionStream z(base);
  Bytes out(300000);
  EXPECT_EQ(z.Read(out.data(), 300000), 100000);
  out.resize(100000);
  EXPECT_EQ(out, data);
  EXPECT_EQ(z.Read(out.data(), 10), 0);
}

TEST(DecompressionStream, EmptyOrShortBaseGivesShortCounts) {
  TMemoryStream empty;
  TDecompressionStream z(empty);
  char buf[16];
  EXPECT_EQ(z.Read(buf, 16), 0);

  const Bytes data = testing::TextureLike(100000);
  const Bytes packed = testing::ZlibCompress(data, 6);
  TMemoryStream base;
  testing::Fill(base, Bytes(packed.begin(), packed.begin() + static_cast<long>(packed.size() / 2)));
  TDecompressionStream half(base);
  Bytes out(100000);
  const std::int32_t got = half.Read(out.data(), 100000);
  EXPECT_GT(got, 0);
  EXPECT_LT(got, 100000);
  EXPECT_TRUE(std::equal(out.begin(), out.begin() + got, data.begin()));
}

TEST(DecompressionStream, CorruptDataRaiseDataError) {
  Bytes packed = testing::ZlibCompress(testing::TextureLike(100000), 6);
  packed[0] = 0x00;
  TMemoryStream base;
  testing::Fill(base, packed);
  TDecompressionStream z(base);
  char buf[100];
  try {
    z.Read(buf, 100);
    FAIL();
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), "ZLIB Internal error -3");
  }
}

TEST(DecompressionStream, StreamNeedingADictionaryRaisesInsteadOfHanging) {
  TMemoryStream base;
  testing::Fill(base, testing::ZlibCompressWithDictionary(testing::TextureLike(1000)));
  TDecompressionStream z(base);
  char buf[100];
  EXPECT_THROW(z.Read(buf, 100), EDecompressionError);
}

TEST(DecompressionStream, SeekingSkipsForwardRestartsAtZeroAndRefusesTheRest) {
  const Bytes data = testing::TextureLike(50000);
  TMemoryStream base;
  testing::Fill(base, testing::ZlibCompress(data, 6));
  TDecompressionStream z(base);
  std::uint8_t b = 0;
  EXPECT_EQ(z.Seek(10000, soFromCurrent), 10000);
  z.ReadBuffer(&b, 1);
  EXPECT_EQ(b, data[10000]);
  z.SetPosition(20001);  // forward from the beginning: 9,000 bytes skipped
  z.ReadBuffer(&b, 1);
  EXPECT_EQ(b, data[20001]);
  z.SetPosition(20002);  // its current value: nothing read, nothing raised
  EXPECT_EQ(z.Position(), 20002);
  EXPECT_THROW(z.SetPosition(5), EDecompressionError);
  EXPECT_THROW(z.Seek(-1, soFromCurrent), EDecompressionError);
  EXPECT_THROW(z.Seek(0, soFromEnd), EDecompressionError);
  try {
    (void)z.Size();
    FAIL();
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), "Invalid stream operation");
  }
  z.SetPosition(0);
  EXPECT_EQ(z.Position(), 0);
  z.ReadBuffer(&b, 1);
  EXPECT_EQ(b, data[0]);
  try {
    z.Seek(50000, soFromCurrent);  // past the end
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
}

TEST(DecompressionStream, RestartGoesToPositionZeroOfTheBaseNotWhereItBegan) {
  const Bytes first = testing::TextureLike(3000, 1), second = testing::TextureLike(3000, 2);
  Bytes packed = testing::ZlibCompress(first, 6);
  const std::size_t secondAt = packed.size();
  const Bytes packedSecond = testing::ZlibCompress(second, 6);
  packed.insert(packed.end(), packedSecond.begin(), packedSecond.end());
  TMemoryStream base;
  testing::Fill(base, packed);
  base.SetPosition(static_cast<std::int64_t>(secondAt));
  TDecompressionStream z(base);
  Bytes out(3000);
  z.ReadBuffer(out.data(), 100);
  EXPECT_TRUE(std::equal(out.begin(), out.begin() + 100, second.begin()));
  z.SetPosition(0);
  z.ReadBuffer(out.data(), 3000);
  EXPECT_EQ(out, first);
}

TEST(DecompressionStream, MovesTheBaseBackAndReportsEachBlockRead) {
  const Bytes noise = testing::RandomBytes(200000);
  TMemoryStream base;
  testing::Fill(base, testing::ZlibCompress(noise, 1));
  TDecompressionStream z(base);
  int blocks = 0;
  z.OnProgress = [&](TStream& sender) {
    EXPECT_EQ(&sender, &z);
    ++blocks;
  };
  Bytes out(200000);
  z.ReadBuffer(out.data(), 1000);
  EXPECT_EQ(blocks, 1);
  const std::int64_t where = base.Position();
  base.SetPosition(3);  // someone else moves the base
  z.ReadBuffer(out.data() + 1000, 199000);
  EXPECT_EQ(out, noise);
  EXPECT_EQ(blocks, static_cast<int>((base.Size() + 65535) / 65536));
  EXPECT_GE(base.Position(), where);
}

TEST(DecompressionStream, OutputZlibHoldsAfterTheInputRanOutStillComes) {
  // Found by fuzzing: all 25 input bytes go in with the first read of 128, which leaves 256 bytes of
  // output inside zlib; a second read must still get them.
  const Bytes data = {0x78, 0x01, 0x73, 0x71, 0x09, 0x56, 0xfc, 0x0f, 0x05, 0xdf, 0x80, 0x34, 0x08,
                      0x53, 0x03, 0x3d, 0x27, 0x88, 0xef, 0x15, 0x76, 0x3e, 0x19, 0x65, 0x00};
  TMemoryStream base;
  testing::Fill(base, data);
  TDecompressionStream z(base);
  Bytes out(384);
  EXPECT_EQ(z.Read(out.data(), 128), 128);
  EXPECT_EQ(z.Read(out.data() + 128, 256), 256);
}

TEST(DecompressionStream, UnsupportedOperationsRaiseOfTheirClass) {
  TMemoryStream base, dest;
  testing::Fill(base, testing::ZlibCompress(testing::TextureLike(100), 6));
  TDecompressionStream z(base);
  EXPECT_THROW(z.Write("x", 1), EDecompressionError);
  // Copying everything needs the size, which a decompression stream cannot tell.
  EXPECT_THROW(dest.CopyFrom(z, 0), EDecompressionError);
  dest.CopyFrom(z, 100);
  EXPECT_EQ(testing::ContentOf(dest), testing::TextureLike(100));
}

}  // namespace
}  // namespace eit
