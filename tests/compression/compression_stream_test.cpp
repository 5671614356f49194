#include <gtest/gtest.h>

#include "compression/dynazlib.h"
#include "support/test_data.h"

namespace eit {
namespace {

using testing::Bytes;

void WriteAll(TStream& s, const Bytes& data, std::size_t chunk) {
  for (std::size_t at = 0; at < data.size(); at += chunk) {
    const auto n = static_cast<std::int32_t>(std::min(chunk, data.size() - at));
    EXPECT_EQ(s.Write(data.data() + at, n), n);
  }
}

class CompressionLevels : public ::testing::TestWithParam<TCompressionLevel> {};

TEST_P(CompressionLevels, OutputDecompressesWithPlainZlib) {
  const Bytes data = testing::TextureLike(300000);
  TMemoryStream base;
  {
    TCompressionStream z(GetParam(), base);
    WriteAll(z, data, 7777);
    z.Finish();
  }
  EXPECT_EQ(testing::ZlibUncompress(base.Memory(), static_cast<std::size_t>(base.Size()), data.size()), data);
  if (GetParam() == cmlNo) {
    EXPECT_GT(base.Size(), 300000);  // stored, not compressed
  }
}

std::string LevelName(const ::testing::TestParamInfo<TCompressionLevel>& info) {
  static const char* const names[] = {"No", "Fast", "Default", "Best"};
  return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(All, CompressionLevels, ::testing::Values(cmlNo, cmlFast, cmlDef, cmlBest), LevelName);

TEST(CompressionStream, FastLevelMatchesZlibLevelOne) {
  const Bytes data = testing::TextureLike(100000);
  TMemoryStream base;
  {
    TCompressionStream z(cmlFast, base);
    WriteAll(z, data, data.size());
  }
  EXPECT_EQ(testing::ContentOf(base), testing::ZlibCompress(data, 1));
}

TEST(CompressionStream, PositionCountsInputAndRateFollowsTotals) {
  TMemoryStream base;
  TCompressionStream z(cmlFast, base);
  EXPECT_EQ(z.Position(), 0);
  EXPECT_EQ(z.GetCompressionRate(), 0.0f);
  const Bytes data = testing::TextureLike(100000);
  WriteAll(z, data, 4096);
  EXPECT_EQ(z.Position(), 100000);
  // Nothing reached the base yet: the compressed form is below one block.
  EXPECT_EQ(base.Size(), 0);
  const float rate = z.GetCompressionRate();
  EXPECT_GT(rate, 0.0f);
  EXPECT_LT(rate, 100.0f);
  z.Finish();
  const float expected = (1.0f - static_cast<float>(base.Size()) / 100000.0f) * 100.0f;
  EXPECT_NEAR(z.GetCompressionRate(), expected, 0.01f);
}

TEST(CompressionStream, EmptyStreamStillWritesACompleteZlibStream) {
  TMemoryStream base;
  { TCompressionStream z(cmlDef, base); }
  EXPECT_GT(base.Size(), 0);
  EXPECT_EQ(testing::ZlibUncompress(base.Memory(), static_cast<std::size_t>(base.Size()), 0), Bytes{});
}

TEST(CompressionStream, BaseReceivesWholeBlocksWhileWritingAndProgressFollowsEach) {
  const Bytes noise = testing::RandomBytes(300000);
  TMemoryStream base;
  int progressCalls = 0;
  {
    TCompressionStream z(cmlFast, base);
    z.OnProgress = [&](TStream& sender) {
      EXPECT_EQ(&sender, &z);
      ++progressCalls;
    };
    for (std::size_t at = 0; at < noise.size(); at += 10000) {
      z.Write(noise.data() + at, 10000);
      EXPECT_EQ(base.Size() % 65536, 0);
      EXPECT_EQ(base.Size() / 65536, progressCalls);
    }
    EXPECT_EQ(progressCalls, 4);
    z.Finish();
    EXPECT_EQ(progressCalls, 4);  // the final flush reports no progress
  }
  EXPECT_GT(base.Size(), 300000);
  EXPECT_EQ(testing::ZlibUncompress(base.Memory(), static_cast<std::size_t>(base.Size()), noise.size()), noise);
}

TEST(CompressionStream, StartsAtTheBasePositionAndMovesTheBaseBackWhenOthersMoveIt) {
  TMemoryStream base;
  base.Write("HEAD", 4);
  const Bytes noise = testing::RandomBytes(70000);
  {
    TCompressionStream z(cmlNo, base);
    z.Write(noise.data(), 70000);  // one block out
    ASSERT_EQ(base.Size(), 4 + 65536);
    base.SetPosition(0);  // someone else moves the base
    EXPECT_EQ(z.Write(nullptr, 0), 0);
    EXPECT_EQ(base.Position(), 4 + 65536);
    base.SetPosition(2);
    z.Finish();
  }
  EXPECT_EQ(std::string(reinterpret_cast<char*>(base.Memory()), 4), "HEAD");
  EXPECT_EQ(testing::ZlibUncompress(base.Memory() + 4, static_cast<std::size_t>(base.Size() - 4), 70000), noise);
}

TEST(CompressionStream, UnsupportedOperationsRaiseInvalidStreamOperation) {
  TMemoryStream base;
  TCompressionStream z(cmlFast, base);
  char buf[4];
  auto expectInvalid = [](auto&& op) {
    try {
      op();
      FAIL() << "no exception";
    } catch (const ECompressionError& e) {
      EXPECT_STREQ(e.what(), "Invalid stream operation");
    }
  };
  expectInvalid([&] { z.Read(buf, 4); });
  expectInvalid([&] { z.SetPosition(0); });
  expectInvalid([&] { z.Seek(1, soFromCurrent); });
  expectInvalid([&] { (void)z.Size(); });
  z.Finish();
  expectInvalid([&] { z.Write("x", 1); });
}

TEST(CompressionStream, DestroyedDuringAnExceptionWritesNothingMore) {
  TMemoryStream base;
  try {
    TCompressionStream z(cmlFast, base);
    z.Write("abc", 3);
    throw std::runtime_error("job failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(base.Size(), 0);
}

}  // namespace
}  // namespace eit
