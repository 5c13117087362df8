// The edit, combo box and picker skinners' decisions as tables.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/entry_rules.h"

namespace {

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST(EntryRules, ABorderIsPaintedOnlyWhereTheWindowHasOne) {
  struct Case {
    SIZE window, client;
    bool painted, printed;
  } cases[] = {
      {{100, 22}, {96, 18}, true, true},     // the sunken edge: two pixels each side
      {{100, 22}, {100, 22}, false, false},  // no border
      {{100, 22}, {100, 18}, false, false},  // as wide as the window: nothing
      {{100, 22}, {96, 22}, false, false},   // as high as the window: nothing
      {{100, 22}, {98, 20}, true, false},    // a one-pixel border: painted, too thin to print
      {{100, 22}, {97, 19}, true, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HasPaintedBorder(c.window, c.client), c.painted) << c.client.cx << "x" << c.client.cy;
    EXPECT_EQ(HasPrintedBorder(c.window, c.client), c.printed) << c.client.cx << "x" << c.client.cy;
  }
}

TEST(EntryRules, TheComboFrameOfEachState) {
  struct Case {
    TComboLookState state;
    int frame, simpleFrame;
  } cases[] = {
      {{true, false, false, false}, kComboNormal, kComboNormal},
      {{true, true, false, false}, kComboPressed, kComboPressed},
      {{true, true, true, true}, kComboPressed, kComboPressed},  // pressed over hot and focused
      {{true, false, true, false}, kComboHot, kComboHot},       // focused without the mouse
      {{true, false, false, true}, kComboHot, kComboHot},
      {{false, false, false, false}, kComboDisabled, kComboDisabled},
      {{false, false, false, true}, kComboDisabled, kComboHot},   // the mouse over a disabled one
      {{false, false, true, false}, kComboDisabled, kComboHot},   // the simple look shows focus anyway
      {{false, true, false, false}, kComboDisabled, kComboPressed},
  };
  for (const Case& c : cases) {
    const TComboLookState& s = c.state;
    EXPECT_EQ(ComboFrame(s), c.frame) << s.Enabled << s.Pressed << s.Focused << s.Hot;
    EXPECT_EQ(ComboSimpleFrame(s), c.simpleFrame) << s.Enabled << s.Pressed << s.Focused << s.Hot;
  }
}

TEST(EntryRules, TheButtonSitsOnTheRightOrOnTheLeft) {
  const RECT r{0, 0, 120, 22};
  const TComboParts right = ComboParts(r, 17, false);
  EXPECT_TRUE(Same(right.Excluded, RECT{2, 2, 99, 20}));
  EXPECT_TRUE(Same(right.Button, RECT{101, 0, 120, 22}));
  EXPECT_TRUE(Same(right.Glyph, RECT{101, 0, 118, 22}));
  const TComboParts left = ComboParts(r, 17, true);
  EXPECT_TRUE(Same(left.Excluded, RECT{21, 2, 118, 20}));
  EXPECT_TRUE(Same(left.Button, RECT{0, 0, 19, 22}));
  EXPECT_TRUE(Same(left.Glyph, RECT{2, 0, 19, 22}));
  // Each button lies clear of the area left to the control.
  RECT overlap;
  EXPECT_FALSE(IntersectRect(&overlap, &right.Excluded, &right.Button));
  EXPECT_FALSE(IntersectRect(&overlap, &left.Excluded, &left.Button));
}

TEST(EntryRules, TheButtonGoesWhereTheControlHasItsOwn) {
  const RECT onRight{101, 2, 118, 20}, onLeft{2, 2, 19, 20}, none{0, 0, 0, 0};
  struct Case {
    bool rightToLeft;
    const RECT* native;
    bool left;
  } cases[] = {
      {true, &onRight, false},  // right-to-left, but the control keeps its button on the right
      {false, &onLeft, true},
      {true, &onLeft, true},
      {false, &onRight, false},
      {true, nullptr, true},  // the control tells nothing: the style decides
      {false, nullptr, false},
      {true, &none, true},  // no button (a simple combo box): the style decides
  };
  for (const Case& c : cases)
    EXPECT_EQ(ComboButtonOnLeft(c.rightToLeft, c.native, 120), c.left)
        << c.rightToLeft << " " << (c.native ? c.native->left : -1);
}

TEST(EntryRules, TheSimpleLooksButton) {
  const RECT inner{2, 2, 118, 20};
  struct Case {
    int fw, fh, g;
    bool left;
    RECT button;
  } cases[] = {
      {16, 21, 17, false, {102, 2, 118, 20}},  // an image taller than the thumb: the inner height
      {16, 12, 17, false, {102, 2, 118, 14}},  // a shorter one: its own height
      {16, 21, 17, true, {2, 2, 18, 20}},
      {16, 17, 17, false, {102, 2, 118, 20}},  // as tall as the thumb: the inner height
  };
  for (const Case& c : cases)
    EXPECT_TRUE(Same(ComboSimpleButton(inner, c.fw, c.fh, c.g, c.left), c.button)) << c.fh << " " << c.left;
}

TEST(EntryRules, TheMouseMakesTheButtonHotAndCold) {
  struct Case {
    bool hot, inside, enabled;
    THoverChange change;
  } cases[] = {
      {false, true, true, THoverChange::Enter},
      {false, false, true, THoverChange::None},
      {false, true, false, THoverChange::None},  // a disabled control never turns hot
      {true, false, true, THoverChange::Leave},
      {true, true, false, THoverChange::Leave},  // disabled while hot
      {true, true, true, THoverChange::None},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ComboHoverChange(c.hot, c.inside, c.enabled), c.change) << c.hot << c.inside << c.enabled;
}

TEST(EntryRules, ThePickersArrowCoversItsButton) {
  EXPECT_TRUE(Same(PickerArrowRect(SIZE{150, 22}, 17, false), RECT{129, 0, 146, 18}));
  EXPECT_TRUE(Same(PickerArrowRect(SIZE{150, 22}, 17, true), RECT{2, 0, 19, 18}));
}

TEST(EntryRules, TheThumbFollowsTheCursorWithinTheRange) {
  // A list of 100 items, 10 seen at once: track 160 pixels, thumb 16, started at the top.
  const TThumbTrack paged{0, 99, 10, 160, 16, 0};
  // No page: the thumb's start maps onto the whole range.
  const TThumbTrack unpaged{0, 100, 0, 200, 20, 0};
  struct Case {
    TThumbTrack track;
    int delta, position;
  } cases[] = {
      {paged, 0, 0},
      {paged, 72, 45},      // half the room: MulDiv(72, 89, 144), rounded
      {paged, 144, 89},     // the bottom: the last page
      {paged, 500, 90},     // past the bottom: the last page plus one, as the native bar allows
      {paged, -50, 0},      // above the top
      {unpaged, 90, 45},
      {unpaged, 180, 90},   // the thumb's end reaches the track's end
      {unpaged, 400, 90},   // kept inside the room
      {{5, 104, 10, 160, 16, 0}, 0, 5},                 // a range that starts above 0
      {{0, 99, 10, 160, 16, 40}, 0, 25},                // the press was lower down the thumb's path
      {{0, 99, 10, 100, 100, 0}, 30, 0},                // a thumb as long as its track: no room
  };
  for (const Case& c : cases)
    EXPECT_EQ(ThumbTrackPosition(c.track, c.delta), c.position) << c.delta;
}

// The four ways the tracking ends, and what keeps it going.
TEST(EntryRules, TheThumbTrackingEndsOnEachOfItsConditions) {
  using S = TThumbTrackStep;
  struct Case {
    const char* what;
    TThumbTrackState state;
    S step;
  } cases[] = {
      {"button up message", {true, true, true, WM_LBUTTONUP}, S::Finish},
      {"non-client button up", {true, true, true, WM_NCLBUTTONUP}, S::Finish},
      {"button up without a message", {true, true, false, 0}, S::Finish},
      {"capture lost", {true, false, true, 0}, S::Finish},
      {"capture lost during a move", {true, false, true, WM_MOUSEMOVE}, S::Finish},
      {"list destroyed", {false, true, true, 0}, S::Gone},
      {"list destroyed before the quit", {false, true, true, WM_QUIT}, S::Gone},
      {"quit", {true, true, true, WM_QUIT}, S::Quit},
      {"quit with the capture gone", {true, false, true, WM_QUIT}, S::Quit},
      {"a move", {true, true, true, WM_MOUSEMOVE}, S::Track},
      {"a non-client move", {true, true, true, WM_NCMOUSEMOVE}, S::Track},
      {"someone else's message", {true, true, true, WM_TIMER}, S::Dispatch},
      {"nothing came", {true, true, true, 0}, S::Wait},
  };
  for (const Case& c : cases) EXPECT_EQ(ThumbTrackStep(c.state), c.step) << c.what;
}

}  // namespace
