// The header skinner's decisions as tables.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/header_rules.h"

namespace {

TEST(HeaderRules, TheHotItemChangesOnlyInsideAnItemsZone) {
  // Two items of 100 pixels: zones 3..97 and 103..197.
  const std::vector<RECT> zones = {HeaderItemZone(RECT{0, 0, 100, 20}), HeaderItemZone(RECT{100, 0, 200, 20})};
  struct Case {
    POINT at;
    int current, hot;
  } cases[] = {
      {{50, 10}, -1, 0},
      {{98, 10}, 0, 0},    // over the divider: item 1 stays hot
      {{101, 10}, 0, 0},   // still the divider, on item 2's side
      {{103, 10}, 0, 1},   // item 2's zone entered
      {{99, 10}, -1, -1},  // a divider with nothing hot
      {{250, 10}, 1, 1},   // the empty rest keeps what was hot
      {{150, 25}, 1, 1},   // below the header
  };
  for (const Case& c : cases)
    EXPECT_EQ(HeaderHotItem(zones, c.at, c.current), c.hot) << c.at.x << "," << c.at.y << " from " << c.current;
}

TEST(HeaderRules, FramesAlignmentAndImages) {
  EXPECT_EQ(HeaderItemFrame(2, 2), 2);
  EXPECT_EQ(HeaderItemFrame(1, 2), 1);
  EXPECT_EQ(HeaderItemFrame(0, -1), 1);
  EXPECT_EQ(HeaderAlignment(HDF_LEFT | HDF_STRING), 0);
  EXPECT_EQ(HeaderAlignment(HDF_CENTER), 1);
  EXPECT_EQ(HeaderAlignment(HDF_RIGHT), 2);
  EXPECT_EQ(HeaderImageIndex(HDF_STRING, 4), -1);
  EXPECT_EQ(HeaderImageIndex(HDF_STRING | HDF_IMAGE, 4), 4);
  EXPECT_EQ(HeaderImageIndex(HDF_OWNERDRAW, 4), 4);
}

TEST(HeaderRules, WhereTheImageAndTextGo) {
  struct Case {
    const char* what;
    SIZE item, image, text;
    int alignment;
    POINT imageAt, textAt;
  } cases[] = {
      {"left", {100, 24}, {0, 0}, {30, 14}, 0, {3, 12}, {3, 5}},
      {"left with an image", {100, 24}, {16, 16}, {30, 14}, 0, {3, 4}, {19, 5}},
      {"centred", {100, 24}, {16, 16}, {30, 14}, 1, {27, 4}, {43, 5}},
      // Flush right: the text ends 2 pixels from the edge, the image just before it.
      {"right with an image", {100, 24}, {16, 16}, {30, 14}, 2, {52, 4}, {68, 5}},
      // A wide image that is not square: centred by its height, not its width.
      {"a wide image", {100, 24}, {24, 8}, {30, 14}, 0, {3, 8}, {27, 5}},
      {"too narrow: at 1", {40, 24}, {16, 16}, {30, 14}, 2, {1, 4}, {17, 5}},
  };
  for (const Case& c : cases) {
    const THeaderContent place = HeaderContentPlace(c.item, c.image, c.text, c.alignment);
    EXPECT_EQ(place.Image.x, c.imageAt.x) << c.what;
    EXPECT_EQ(place.Image.y, c.imageAt.y) << c.what;
    EXPECT_EQ(place.Text.x, c.textAt.x) << c.what;
    EXPECT_EQ(place.Text.y, c.textAt.y) << c.what;
  }
}

}  // namespace
