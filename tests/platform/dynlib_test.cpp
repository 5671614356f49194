#include <gtest/gtest.h>

#include <filesystem>

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

#ifdef _WIN32
TEST(DynamicLibrary, BareNamesAreNotTakenFromTheCurrentDirectory) {
  // A DLL planted in the working directory is passed over; named by its path, it loads.
  const std::filesystem::path planted = std::filesystem::current_path() / "eitool_planted_test.dll";
  std::filesystem::copy_file(EIT_PARTIAL_ZLIB_PATH, planted, std::filesystem::copy_options::overwrite_existing);
  EXPECT_FALSE(TDynamicLibrary::Load("eitool_planted_test.dll").IsLoaded());
  EXPECT_TRUE(TDynamicLibrary::Load(planted.string()).IsLoaded());
  std::error_code ignored;
  std::filesystem::remove(planted, ignored);
}
#endif

}  // namespace
}  // namespace eit
