#include <gtest/gtest.h>

#include "compression/dynazlib.h"
#include "compression/dynazlib_testing.h"
#include "support/test_data.h"

namespace eit {
namespace {

// Every test leaves the binding pointed at the real library.
class ZlibLoading : public ::testing::Test {
 protected:
  void TearDown() override { zlib_testing::ReloadFrom(zlib_testing::DefaultLibraryName()); }
};

void ExpectLibraryAbsent() {
  void* out = nullptr;
  std::int32_t length = 0;
  try {
    CompressBuf("x", 1, out, length);
    FAIL() << "no exception";
  } catch (const ECompressionError&) {
    FAIL() << "wrong class";
  } catch (const EZlibError& e) {
    EXPECT_STREQ(e.what(), "zlib32.dll not found");
  }
}

TEST_F(ZlibLoading, AbsentLibraryIsReportedAndTheNextUseTriesAgain) {
  zlib_testing::ReloadFrom("libeitool-no-such-zlib.so.1");
  ExpectLibraryAbsent();
  EXPECT_FALSE(zlib_testing::IsLoaded());
  TMemoryStream base;
  EXPECT_THROW(TDecompressionStream{base}, EZlibError);
  EXPECT_THROW((TCompressionStream{cmlFast, base}), EZlibError);
  EXPECT_EQ(base.Size(), 0);

  zlib_testing::ReloadFrom(zlib_testing::DefaultLibraryName());
  void* out = nullptr;
  std::int32_t length = 0;
  CompressBuf("hello", 5, out, length);
  EXPECT_TRUE(zlib_testing::IsLoaded());
  EXPECT_EQ(testing::ZlibUncompress(static_cast<std::uint8_t*>(out), length, 5),
            (testing::Bytes{'h', 'e', 'l', 'l', 'o'}));
  std::free(out);
}

TEST_F(ZlibLoading, LibraryLackingAnEntryPointIsNotUsed) {
  zlib_testing::ReloadFrom(EIT_PARTIAL_ZLIB_PATH);
  ExpectLibraryAbsent();
  ExpectLibraryAbsent();  // tried again, refused again
  EXPECT_FALSE(zlib_testing::IsLoaded());
}

TEST(ZlibChecks, OnlyNegativeResultsRaiseWithTheirClassAndCode) {
  for (int code : {0, 1, 2}) {
    EXPECT_EQ(CompressCheck(code), code);
    EXPECT_EQ(DecompressCheck(code), code);
  }
  try {
    CompressCheck(-3);
    FAIL();
  } catch (const ECompressionError& e) {
    EXPECT_STREQ(e.what(), "ZLIB Internal error -3");
  }
  try {
    DecompressCheck(-6);
    FAIL();
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), "ZLIB Internal error -6");
  }
  // Both are zlib errors, and zlib errors are the program's errors.
  EXPECT_THROW(CompressCheck(-1), EZlibError);
  EXPECT_THROW(DecompressCheck(-5), Exception);
}

TEST(ZlibMessages, ResultCodeTakesItsPlace) {
  EXPECT_STREQ(SInvalidStreamOp, "Invalid stream operation");
  EXPECT_EQ(ZlibErrorText(-4).English, "ZLIB Internal error -4");
}

TEST(ZlibAllocation, ZeroBytesGiveNullAndNullIsFreed) {
  EXPECT_EQ(ZlibAlloc(nullptr, 0, 16), nullptr);
  EXPECT_EQ(ZlibAlloc(nullptr, 16, 0), nullptr);
  // More than a 32-bit signed product can describe is refused, not wrapped.
  EXPECT_EQ(ZlibAlloc(nullptr, 65536, 65536), nullptr);
  void* block = ZlibAlloc(nullptr, 3, 5);
  ASSERT_NE(block, nullptr);
  ZlibFree(nullptr, block);
  ZlibFree(nullptr, nullptr);
}

}  // namespace
}  // namespace eit
