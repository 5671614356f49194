// A text's English filled from its form: each part once, in one pass, so that a file name holding "%1"
// or "%" comes out as it is.
#include <gtest/gtest.h>

#include "platform/texts.h"

namespace eit {
namespace {

TEST(Texts, FormsAreFilledOncePartByPart) {
  struct {
    const char* form;
    std::vector<std::string> parts;
    std::string english;
  } rows[] = {
      {"%1 is not a texture file", {"stone.dds"}, "stone.dds is not a texture file"},
      {"%1: %2", {"100%1.dds", "cut"}, "100%1.dds: cut"},  // a part's "%1" stays
      {"%1 is %2 text; save it as %2 again", {"a.log", "UTF-16"}, "a.log is UTF-16 text; save it as UTF-16 again"},
      {"%2 and %1", {"a", "b"}, "b and a"},
      {"100% of %1, %3", {"x"}, "100% of x, %3"},  // no part: left as written
      {"ends in %", {}, "ends in %"},
  };
  for (const auto& row : rows) EXPECT_EQ(FillForm(row.form, row.parts), row.english) << row.form;
}

TEST(Texts, ATextKeepsItsFormAndItsPartsWhichMayBeTextsOfTheirOwn) {
  const TText inner = Says(EIT_SAYS("%1 is not a file"), {"/game/a%2"});
  const TText outer = Says(EIT_SAYS("%1: line %2: %3"), {"list.lst", "7", inner});
  EXPECT_EQ(outer.English, "list.lst: line 7: /game/a%2 is not a file");
  ASSERT_EQ(outer.Parts.size(), 3u);
  EXPECT_STREQ(outer.Parts[2].Form, "%1 is not a file");
  EXPECT_EQ(outer.Parts[0].Form, nullptr);
  EXPECT_EQ(ListWithMore("A, B", 0).English, "A, B");
  EXPECT_EQ(ListWithMore("A, B", 3).English, "A, B and 3 more");
}

}  // namespace
}  // namespace eit
