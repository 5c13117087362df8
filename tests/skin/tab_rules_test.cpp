// The tab skinners' decisions as tables.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/tab_rules.h"

namespace {

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST(TabRules, ThePositionComesFromTheStyle) {
  struct Case {
    DWORD style;
    uint8_t position;
  } cases[] = {{0, kTabsTop},
               {TCS_BOTTOM, kTabsBottom},
               {TCS_VERTICAL, kTabsLeft},
               {TCS_VERTICAL | TCS_RIGHT, kTabsRight},
               {TCS_VERTICAL | TCS_BOTTOM | TCS_MULTILINE, kTabsRight},
               {TCS_MULTILINE | TCS_BUTTONS, kTabsTop}};
  for (const Case& c : cases) EXPECT_EQ(TabPositionOf(c.style), c.position) << std::hex << c.style;
}

TEST(TabRules, PaneStripAndTheTabsPlaceInTheStrip) {
  // A 200 x 100 control; the display area it reports per side, a 20-pixel row of tabs, one tab in it.
  const RECT rect{0, 0, 200, 100};
  struct Case {
    uint8_t position;
    RECT display;
    RECT pane;
    RECT strip;
    SIZE size;
    RECT item;
    RECT inStrip;
  } cases[] = {
      {kTabsTop, {4, 24, 196, 96}, {0, 21, 200, 100}, {0, 0, 200, 21}, {200, 21}, {2, 2, 50, 22}, {2, 3, 50, 23}},
      {kTabsBottom, {4, 4, 196, 76}, {0, 0, 200, 79}, {0, 79, 200, 100}, {200, 21}, {2, 78, 50, 98}, {2, -2, 50, 18}},
      {kTabsLeft, {24, 4, 196, 96}, {21, 0, 200, 100}, {0, 0, 21, 100}, {100, 21}, {2, 2, 22, 50}, {50, 2, 98, 22}},
      {kTabsRight, {4, 4, 176, 96}, {0, 0, 179, 100}, {179, 0, 200, 100}, {100, 21}, {178, 2, 198, 50},
       {1, 2, 49, 22}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    const RECT pane = TabPaneRect(c.display, c.position);
    EXPECT_TRUE(Same(pane, c.pane)) << pane.left << "," << pane.top << "," << pane.right << "," << pane.bottom;
    const RECT strip = TabStripRect(rect, pane, c.position);
    EXPECT_TRUE(Same(strip, c.strip)) << strip.left << "," << strip.top << "," << strip.right << "," << strip.bottom;
    const SIZE size = TabStripSize(strip, c.position);
    EXPECT_EQ(size.cx, c.size.cx);
    EXPECT_EQ(size.cy, c.size.cy);
    const RECT in = TabItemInStrip(c.item, c.position, size.cx, rect, pane);
    EXPECT_TRUE(Same(in, c.inStrip)) << in.left << "," << in.top << "," << in.right << "," << in.bottom;
  }
}

TEST(TabRules, RoomToDraw) {
  EXPECT_TRUE(HasDrawingRoom(RECT{0, 0, 1, 1}));
  EXPECT_FALSE(HasDrawingRoom(RECT{0, 0, 10, 0}));  // a hidden tab row
  EXPECT_FALSE(HasDrawingRoom(RECT{0, 5, 10, 3}));
  EXPECT_FALSE(HasDrawingRoom(RECT{4, 0, 4, 10}));
}

TEST(TabRules, FramesCloseGlyphsAndClosability) {
  EXPECT_EQ(TabFrame(2, 2), kTabSelected);
  EXPECT_EQ(TabFrame(1, 2), kTabNormal);
  EXPECT_EQ(TabFrame(0, -1), kTabNormal);
  EXPECT_TRUE(Same(TabCloseRect(RECT{10, 3, 60, 23}), RECT{52, 5, 58, 11}));
  EXPECT_TRUE(TabsClosable(7777, true, true));
  EXPECT_FALSE(TabsClosable(7777, true, false));   // tabs not on top
  EXPECT_FALSE(TabsClosable(7777, false, true));   // a tab control has no pages to free
  EXPECT_FALSE(TabsClosable(0, true, true));
}

TEST(TabRules, ATabStandsForThePageOfItsShownTab) {
  const std::vector<bool> shown{true, false, true, true, false};
  struct Case {
    int tab, page;
  } cases[] = {{0, 0}, {1, 2}, {2, 3}, {3, -1}, {-1, -1}, {99, -1}};
  for (const Case& c : cases) EXPECT_EQ(PageOfTab(shown, c.tab), c.page) << c.tab;
  EXPECT_EQ(PageOfTab({}, 0), -1);
  EXPECT_EQ(PageOfTab({false, false}, 0), -1);
}

TEST(TabRules, ATabSetLeavesOutTheTabsThatDoNotFit) {
  using Layout = std::vector<std::pair<int, int>>;
  // Room 100 from margin 5: 20+9 and 20+9 fit, 60+9 does not, 10+9 still does.
  EXPECT_EQ(TabSetLayout({20, 20, 60, 10}, 0, 5, 100), (Layout{{5, 34}, {34, 63}, {-1, -1}, {63, 82}}));
  EXPECT_EQ(TabSetLayout({20, 20}, 1, 5, 100), (Layout{{-1, -1}, {5, 34}}));  // from the first index
  EXPECT_EQ(TabSetLayout({91}, 0, 0, 100), (Layout{{0, 100}}));                // ends exactly at the room
  EXPECT_EQ(TabSetLayout({92}, 0, 0, 100), (Layout{{-1, -1}}));
  EXPECT_EQ(TabSetLayout({}, 0, 5, 100), Layout{});
}

}  // namespace
