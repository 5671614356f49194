#include <gtest/gtest.h>

#include "compression/dynazlib_testing.h"
#include "platform/dynlib.h"

namespace eit {
namespace {

TEST(DynamicLibrary, LoadsLooksUpAndReleases) {
  TDynamicLibrary zlib = TDynamicLibrary::Load(zlib_testing::DefaultLibraryName());
  ASSERT_TRUE(zlib.IsLoaded());
  EXPECT_NE(zlib.Symbol("inflate"), nullptr);
  EXPECT_EQ(zlib.Symbol("NoSuchExport"), nullptr);
  TDynamicLibrary moved = std::move(zlib);
  EXPECT_TRUE(moved.IsLoaded());
  moved.Release();
  EXPECT_FALSE(moved.IsLoaded());
  EXPECT_EQ(moved.Symbol("inflate"), nullptr);
}

TEST(DynamicLibrary, MissingLibraryGivesAnEmptyObject) {
  TDynamicLibrary none = TDynamicLibrary::Load("libeitool-no-such-library.so.9");
  EXPECT_FALSE(none.IsLoaded());
  EXPECT_EQ(none.Symbol("inflate"), nullptr);
}

}  // namespace
}  // namespace eit
