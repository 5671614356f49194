#include <gtest/gtest.h>

#include <cstdlib>

#include "compression/dynazlib.h"
#include "support/test_data.h"

namespace eit {
namespace {

using testing::Bytes;

struct Result {
  Bytes bytes;
  bool null = false;
};

Result Compress(const Bytes& in) {
  void* out = reinterpret_cast<void*>(1);
  std::int32_t length = -1;
  CompressBuf(in.data(), static_cast<std::int32_t>(in.size()), out, length);
  Result r{Bytes(static_cast<std::uint8_t*>(out), static_cast<std::uint8_t*>(out) + length), out == nullptr};
  std::free(out);
  return r;
}

Result Decompress(const Bytes& in, std::int32_t expected) {
  void* out = reinterpret_cast<void*>(1);
  std::int32_t length = -1;
  DecompressBuf(in.data(), static_cast<std::int32_t>(in.size()), expected, out, length);
  Result r{Bytes(static_cast<std::uint8_t*>(out), static_cast<std::uint8_t*>(out) + length), out == nullptr};
  std::free(out);
  return r;
}

TEST(CompressBuf, OutputIsAZlibStreamAtBestCompression) {
  for (std::size_t n : {0u, 1u, 1000u, 300000u}) {
    const Bytes data = testing::TextureLike(n);
    const Result packed = Compress(data);
    ASSERT_FALSE(packed.null);
    EXPECT_EQ(testing::ZlibUncompress(packed.bytes.data(), packed.bytes.size(), n), data) << n;
    EXPECT_EQ(packed.bytes, testing::ZlibCompress(data, 9)) << n;  // same settings as plain level 9
  }
}

TEST(CompressBuf, IncompressibleInputStillFits) {
  const Bytes data = testing::RandomBytes(200000);
  const Result packed = Compress(data);
  EXPECT_GT(packed.bytes.size(), data.size());
  EXPECT_EQ(testing::ZlibUncompress(packed.bytes.data(), packed.bytes.size(), data.size()), data);
}

TEST(CompressBuf, LengthsOutOfRangeRaiseInsteadOfOverflowing) {
  void* out = nullptr;
  std::int32_t length = 0;
  EXPECT_THROW(CompressBuf("", -1, out, length), ECompressionError);
  // 2,000,000,000 bytes plus a tenth does not fit 32 bits; refused before anything is read.
  try {
    CompressBuf("", 2000000000, out, length);
    FAIL();
  } catch (const ECompressionError& e) {
    EXPECT_NE(std::string(e.what()).find("2000000000"), std::string::npos);
  }
}

class DecompressBufLevels : public ::testing::TestWithParam<int> {};

TEST_P(DecompressBufLevels, ReadsPlainZlibWithOrWithoutAnEstimate) {
  const Bytes data = testing::TextureLike(250000);
  const Bytes packed = testing::ZlibCompress(data, GetParam());
  // No estimate (grows by the rounded input size), an exact one, and one far too small.
  for (std::int32_t expected : {0, 250000, 10}) EXPECT_EQ(Decompress(packed, expected).bytes, data) << expected;
}

INSTANTIATE_TEST_SUITE_P(Levels, DecompressBufLevels, ::testing::Values(1, 6, 9));

TEST(DecompressBuf, DataThatDecodeToNothingGiveNull) {
  const Result r = Decompress(testing::ZlibCompress({}, 6), 0);
  EXPECT_TRUE(r.null);
  EXPECT_TRUE(r.bytes.empty());
}

TEST(DecompressBuf, TrailingBytesAfterTheStreamAreIgnored) {
  const Bytes data = testing::TextureLike(5000);
  Bytes packed = testing::ZlibCompress(data, 6);
  packed.insert(packed.end(), {1, 2, 3, 4, 5});
  EXPECT_EQ(Decompress(packed, 0).bytes, data);
}

void ExpectDecompressError(const Bytes& input, const char* message) {
  try {
    Decompress(input, 0);
    FAIL() << "no exception";
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), message);
  }
}

TEST(DecompressBuf, BadDataRaiseWithZlibsCode) {
  Bytes packed = testing::ZlibCompress(testing::TextureLike(5000), 6);
  Bytes corrupt = packed;
  corrupt[0] = 0x00;  // not a zlib header
  ExpectDecompressError(corrupt, "ZLIB Internal error -3");
  Bytes truncated(packed.begin(), packed.begin() + static_cast<long>(packed.size() / 2));
  ExpectDecompressError(truncated, "ZLIB Internal error -5");
  ExpectDecompressError({}, "ZLIB Internal error -5");
  // A stream that asks for a preset dictionary cannot be decoded here: it fails rather than growing forever.
  ExpectDecompressError(testing::ZlibCompressWithDictionary(testing::TextureLike(100)), "ZLIB Internal error 2");
}

}  // namespace
}  // namespace eit
