#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/bitmap.h"
#include "support/qt_images.h"
#include "support/test_data.h"

namespace eit {
namespace {

const std::string kSuite = EIT_SHARED_TESTDATA "/bmpsuite/";

// Every "good" file of the BMP Suite, with the reference picture it must match.
struct GoodFile {
  const char* name;
  const char* reference;
};

class BmpSuiteGood : public ::testing::TestWithParam<GoodFile> {};

TEST_P(BmpSuiteGood, ReadsWithTheReferencePixels) {
  TBitmap bitmap;
  bitmap.LoadFromFile(kSuite + "g/" + GetParam().name + ".bmp");
  EXPECT_EQ(testing::CompareWithQt(bitmap, testing::QtRead(kSuite + "reference/" + GetParam().reference + ".png")), "");
}

INSTANTIATE_TEST_SUITE_P(
    Suite, BmpSuiteGood,
    ::testing::Values(GoodFile{"pal1", "pal1"}, GoodFile{"pal1bg", "pal1bg"}, GoodFile{"pal1wb", "pal1"},
                      GoodFile{"pal4", "pal4"}, GoodFile{"pal4gs", "pal4gs"}, GoodFile{"pal4rle", "pal4"},
                      GoodFile{"pal8-0", "pal8"}, GoodFile{"pal8", "pal8"}, GoodFile{"pal8gs", "pal8gs"},
                      GoodFile{"pal8nonsquare", "pal8nonsquare-e"}, GoodFile{"pal8os2", "pal8"},
                      GoodFile{"pal8rle", "pal8"}, GoodFile{"pal8topdown", "pal8"}, GoodFile{"pal8v4", "pal8"},
                      GoodFile{"pal8v5", "pal8"}, GoodFile{"pal8w124", "pal8w124"}, GoodFile{"pal8w125", "pal8w125"},
                      GoodFile{"pal8w126", "pal8w126"}, GoodFile{"rgb16-565", "rgb16-565"},
                      GoodFile{"rgb16-565pal", "rgb16-565"}, GoodFile{"rgb16", "rgb16"},
                      GoodFile{"rgb16bfdef", "rgb16"}, GoodFile{"rgb24", "rgb24"}, GoodFile{"rgb24pal", "rgb24"},
                      GoodFile{"rgb32", "rgb24"}, GoodFile{"rgb32bf", "rgb24"}, GoodFile{"rgb32bfdef", "rgb24"}),
    [](const auto& info) {
      std::string name = info.param.name;
      std::replace(name.begin(), name.end(), '-', '_');
      return name;
    });

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(kSuite + folder))
    if (entry.path().extension() == ".bmp") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Bad and questionable files: each is read whole or refused with the message, never half-read.
TEST(BmpSuiteBadAndQuestionable, EachIsReadOrRefusedCleanly) {
  for (const std::string folder : {"b/", "q/", "x/"}) {
    for (const std::string& name : FilesIn(folder)) {
      TBitmap bitmap;
      try {
        bitmap.LoadFromFile(kSuite + folder + name);
        // Read: then it must agree with Qt wherever Qt reads it too and has a reference.
        const std::string stem = name.substr(0, name.size() - 4);
        const std::string ref = kSuite + "reference/" + stem + ".png";
        if (std::filesystem::exists(ref)) {
          const std::string diff = testing::CompareWithQt(bitmap, testing::QtRead(ref), false);
          if (!diff.empty()) ADD_FAILURE() << folder << name << " read with wrong pixels: " << diff;
        }
      } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Bitmap image is not valid: " + kSuite + folder + name, 0), 0)
            << e.what();
      }
    }
  }
}

TEST(BmpSuiteBad, BrokenSizesAreAlwaysRefused) {
  for (const char* name : {"shortfile", "reallybig", "badbitcount", "badbitssize", "badheadersize", "badwidth",
                           "badrle", "badrle4", "pal8badindex", "rletopdown", "badplanes"}) {
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromFile(kSuite + "b/" + name + ".bmp"), EInvalidGraphic) << name;
  }
}

}  // namespace
}  // namespace eit
