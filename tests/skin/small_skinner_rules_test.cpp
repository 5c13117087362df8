// The small skinners' decisions as tables.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/small_skinner_rules.h"

namespace {

TEST(SmallSkinnerRules, EachVendorGlyphCellTakesItsSkinFrame) {
  struct Case {
    const char* what;
    int kind, checkFrames;
    std::vector<int> cells;
  } cases[] = {
      {"check box, four frames: the greyed cells stay empty", kObjImageCheck, 4, {0, 1, -1, 0, 1, -1, 2, 3, -1}},
      {"check box, five frames", kObjImageCheck, 5, {0, 1, 4, 0, 1, 4, 2, 3, 4}},
      {"radio button", kObjImageRadio, 4, {0, 1, 0, 1, 2, 3}},
      {"radio button whatever the check strip", kObjImageRadio, 5, {0, 1, 0, 1, 2, 3}},
      {"properties check box, four frames", kObjImagePropertiesCheck, 4, {0, 1, -1, 0, 1, -1}},
      {"properties check box, five frames", kObjImagePropertiesCheck, 5, {0, 1, 4, 0, 1, 4}},
      {"no kind", 0, 5, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ObjImageCells(c.kind, c.checkFrames), c.cells) << c.what;
}

TEST(SmallSkinnerRules, TheButtonTabRowEndsAboveTheDisplayArea) {
  const RECT row = TabButtonRow(RECT{0, 0, 200, 120}, RECT{4, 30, 196, 116});
  EXPECT_EQ(row.left, 0);
  EXPECT_EQ(row.top, 0);
  EXPECT_EQ(row.right, 200);
  EXPECT_EQ(row.bottom, 27);
  EXPECT_EQ(TabButtonFrame(1, 1), 2);
  EXPECT_EQ(TabButtonFrame(0, 1), 1);
  EXPECT_EQ(TabButtonFrame(0, -1), 1);
}

}  // namespace
