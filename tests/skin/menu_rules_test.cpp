// The menu bar's layout and arrow-key moves and the system menu's item looks, as tables.
#include "skin/menu_rules.h"

#include <gtest/gtest.h>

#include "skin/frame_rules.h"

namespace {

TEST(MenuRules, StartOffsetFollowsTheElementsMarginsAndFallsBackWhenItDoesNotFit) {
  struct Case {
    bool element;
    int left, right;
    bool rtl;
    int band, expected;
  } cases[] = {
      {false, 9, 9, false, 300, 6}, {false, 9, 9, true, 300, 6},    {true, 5, 7, false, 300, 9},
      {true, 5, 7, true, 300, 15},  {true, 400, 7, false, 300, 12}, {true, 5, 400, true, 300, 12},
      {true, 296, 0, false, 300, 300},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MenuBarStartOffset(c.element, c.left, c.right, c.rtl, c.band), c.expected)
        << c.element << " " << c.left << " " << c.right << " " << c.rtl;
}

TEST(MenuRules, ItemWidthIsTheCaptionPlusRoomAndNothingWithoutACaption) {
  EXPECT_EQ(MenuBarItemWidth(0), 0);
  EXPECT_EQ(MenuBarItemWidth(-3), 0);
  EXPECT_EQ(MenuBarItemWidth(25), 35);
}

TEST(MenuRules, ItemsFollowEachOtherAlongTheBandAndInvisibleOnesAreEmpty) {
  const RECT band{4, 30, 304, 50};
  const std::vector<RECT> ltr = LayoutMenuBarItems(band, 6, {30, 40, 20}, {true, false, true}, false);
  ASSERT_EQ(ltr.size(), 3u);
  EXPECT_EQ(ltr[0].left, 10);
  EXPECT_EQ(ltr[0].right, 40);
  EXPECT_TRUE(IsRectEmpty(&ltr[1]));
  EXPECT_EQ(ltr[2].left, 40);
  EXPECT_EQ(ltr[2].right, 60);
  for (const RECT& r : {ltr[0], ltr[2]}) {
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.bottom, 49);  // one pixel above the band's bottom
  }
  // Right to left: from the band's right end leftwards, in menu order.
  const std::vector<RECT> rtl = LayoutMenuBarItems(band, 6, {30, 40}, {true, true}, true);
  EXPECT_EQ(rtl[0].right, 298);
  EXPECT_EQ(rtl[0].left, 268);
  EXPECT_EQ(rtl[1].right, 268);
  EXPECT_EQ(rtl[1].left, 228);
}

TEST(MenuRules, ARightToLeftBarKeepsItsFirstItemFivePixelsLeftOfTheMdiChildButtons) {
  const RECT band{4, 30, 304, 50};
  struct Case {
    bool rightToLeft;
    int keepLeftOf;
    LONG firstRight;
  } cases[] = {
      {true, INT_MAX, 298},  // no buttons in the band
      {true, 250, 245},      // buttons where the bar would start: the bar moves left of them
      {true, 310, 298},      // buttons beyond the start: the usual start already keeps clear
      {true, 303, 298},      // exactly five pixels
      {false, 250, 40},      // a left-to-right bar starts at its left end whatever stands right
  };
  for (const Case& c : cases) {
    const std::vector<RECT> r = LayoutMenuBarItems(band, 6, {30, 40}, {true, true}, c.rightToLeft, c.keepLeftOf);
    EXPECT_EQ(c.rightToLeft ? r[0].right : r[0].left + 30, c.firstRight) << c.keepLeftOf;
    // The items stay side by side.
    if (c.rightToLeft) {
      EXPECT_EQ(r[1].right, r[0].left);
    }
  }
}

TEST(MenuRules, AdjacentItemsWrapAtBothEnds) {
  struct Case {
    int index, count;
    bool forward;
    int expected;
  } cases[] = {{0, 3, true, 1}, {2, 3, true, 0}, {0, 3, false, 2}, {1, 3, false, 0}, {0, 1, true, 0}, {0, 0, true, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(AdjacentMenuBarItem(c.index, c.count, c.forward), c.expected) << c.index << " " << c.forward;
}

TEST(MenuRules, ArrowKeysMoveAlongTheBarUnlessASubmenuTakesThem) {
  const TMenuSelection none{};
  const TMenuSelection plainInPopup{true, true, false};
  const TMenuSelection submenuItemInPopup{true, true, true};
  const TMenuSelection plainInSubmenu{true, false, false};
  const TMenuSelection submenuItemInSubmenu{true, false, true};
  struct Case {
    WPARAM key;
    TMenuSelection selection;
    TBarMove expected;
  } cases[] = {
      {VK_LEFT, none, TBarMove::Previous},
      {VK_RIGHT, none, TBarMove::Next},
      {VK_LEFT, plainInPopup, TBarMove::Previous},
      {VK_RIGHT, plainInPopup, TBarMove::Next},
      {VK_LEFT, submenuItemInPopup, TBarMove::Previous},
      {VK_RIGHT, submenuItemInPopup, TBarMove::None},  // the menu opens the submenu
      {VK_LEFT, plainInSubmenu, TBarMove::None},        // the menu closes the submenu
      {VK_RIGHT, plainInSubmenu, TBarMove::Next},
      {VK_RIGHT, submenuItemInSubmenu, TBarMove::None},
      {VK_DOWN, none, TBarMove::None},
      {VK_RETURN, plainInPopup, TBarMove::None},
  };
  for (const Case& c : cases) EXPECT_EQ(ArrowKeyMove(c.key, c.selection), c.expected) << c.key;
}

TEST(MenuRules, RightToLeftMenusExchangeLeftAndRightOnly) {
  EXPECT_EQ(MirroredArrowKey(VK_LEFT, true), static_cast<WPARAM>(VK_RIGHT));
  EXPECT_EQ(MirroredArrowKey(VK_RIGHT, true), static_cast<WPARAM>(VK_LEFT));
  EXPECT_EQ(MirroredArrowKey(VK_UP, true), static_cast<WPARAM>(VK_UP));
  EXPECT_EQ(MirroredArrowKey(VK_LEFT, false), static_cast<WPARAM>(VK_LEFT));
}

TEST(MenuRules, SystemMenuItemsTakeTheirGlyphAndStateFromTheWindow) {
  const uint8_t both = kCapMinimize | kCapMaximize;
  struct Case {
    UINT command;
    uint8_t show, caps;
    int image;
    bool enabled;
  } cases[] = {
      {SC_RESTORE, kShowNormal, both, 0, false},     {SC_RESTORE, kShowMaximized, both, 0, true},
      {SC_RESTORE, kShowMinimized, both, 0, true},   {SC_MAXIMIZE, kShowNormal, both, 1, true},
      {SC_MAXIMIZE, kShowMaximized, both, 1, false}, {SC_MAXIMIZE, kShowNormal, kCapMinimize, 1, false},
      {SC_MINIMIZE, kShowNormal, both, 2, true},     {SC_MINIMIZE, kShowMinimized, both, 2, false},
      {SC_MINIMIZE, kShowNormal, kCapMaximize, 2, false},
      {SC_CLOSE, kShowMaximized, 0, 3, true},        {SC_MOVE, kShowNormal, both, -1, true},
      {SC_MOVE, kShowMaximized, both, -1, false},    {SC_SIZE, kShowMaximized, both, -1, false},
      {SC_SIZE, kShowMinimized, both, -1, true},     {0xF1A0, kShowMaximized, 0, -1, true},
  };
  for (const Case& c : cases) {
    const TSysMenuItemLook look = SystemMenuItemLook(c.command, c.show, c.caps);
    EXPECT_EQ(look.ImageIndex, c.image) << std::hex << c.command << " " << int(c.show);
    EXPECT_EQ(look.Enabled, c.enabled) << std::hex << c.command << " " << int(c.show);
  }
}

}  // namespace
