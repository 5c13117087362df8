// The painted scroll bars' and the up-down's decisions as tables.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/bar_rules.h"
#include "skin/scroll_rules.h"

namespace {

TEST(ScrollRules, APointIsOnOnePartOfTheBar) {
  // A bar 200 long with 17-pixel arrows and its thumb from 60 to 90.
  struct Case {
    int position, part;
  } cases[] = {
      {0, kScrollFirstArrow},   {16, kScrollFirstArrow}, {17, kScrollTrackBefore}, {59, kScrollTrackBefore},
      {60, kScrollThumb},       {89, kScrollThumb},      {90, kScrollTrackAfter},  {182, kScrollTrackAfter},
      {183, kScrollSecondArrow}, {199, kScrollSecondArrow}, {250, kScrollSecondArrow},
  };
  for (const Case& c : cases) EXPECT_EQ(ScrollHitTest(c.position, 17, 60, 90, 200), c.part) << c.position;
  // A thumb against the first arrow leaves no track before it.
  EXPECT_EQ(ScrollHitTest(17, 17, 17, 40, 200), kScrollThumb);
}

TEST(ScrollRules, ADraggedThumbFollowsTheCursorBetweenTheArrows) {
  struct Case {
    int startAtClick, moved, start;
  } cases[] = {
      {60, 0, 60},     // not moved
      {60, 25, 85},    // follows the cursor
      {60, -25, 35},   // either way
      {60, -100, 17},  // stops at the first arrow
      {60, 500, 153},  // and at the second: 200 - 17 - 30
      {153, 1, 153},   // already at the end
  };
  for (const Case& c : cases)
    EXPECT_EQ(DraggedThumbStart(c.startAtClick, c.moved, 17, 200, 30), c.start) << c.startAtClick << " " << c.moved;
  // A bar too short for arrows and thumb: the thumb ends at the second arrow.
  EXPECT_EQ(DraggedThumbStart(20, 5, 17, 50, 30), 3);
}

TEST(ScrollRules, ArrowsAndThickness) {
  EXPECT_EQ(ScrollArrowLength(17, 200), 17);
  EXPECT_EQ(ScrollArrowLength(17, 34), 17);
  EXPECT_EQ(ScrollArrowLength(17, 33), 16);  // shorter than two arrows: two halves
  EXPECT_EQ(ScrollArrowLength(17, 10), 5);
  EXPECT_EQ(ScrollThickness(17, 17), 17);
  EXPECT_EQ(ScrollThickness(19, 17), 19);  // within 2 pixels: the strip's own height
  EXPECT_EQ(ScrollThickness(15, 17), 15);
  EXPECT_EQ(ScrollThickness(20, 17), 17);  // a strip made for another size: the arrow size
  EXPECT_EQ(ScrollThickness(14, 17), 17);
}

TEST(ScrollRules, ThePartsLieAlongTheBar) {
  TScrollLayout v = ScrollBarLayout(RECT{0, 0, 17, 200}, true, 17);
  EXPECT_EQ(v.FirstArrow.top, 0);
  EXPECT_EQ(v.FirstArrow.bottom, 17);
  EXPECT_EQ(v.SecondArrow.top, 183);
  EXPECT_EQ(v.SecondArrow.bottom, 200);
  EXPECT_EQ(v.Track.top, 17);
  EXPECT_EQ(v.Track.bottom, 183);
  EXPECT_EQ(v.Track.right, 17);
  // A horizontal bar shorter than two arrows: two half-length arrows and no track.
  TScrollLayout h = ScrollBarLayout(RECT{0, 0, 30, 17}, false, 17);
  EXPECT_EQ(h.FirstArrow.right, 15);
  EXPECT_EQ(h.SecondArrow.left, 15);
  EXPECT_GE(h.Track.left, h.Track.right);
}

TEST(ScrollRules, EachPartShowsItsFrame) {
  struct Case {
    bool vertical, second;
    int hotPart;
    bool dragging;
    int frame;
  } arrows[] = {
      {false, false, kScrollNoPart, false, 1},      {false, true, kScrollNoPart, false, 5},
      {true, false, kScrollNoPart, false, 9},       {true, true, kScrollNoPart, false, 13},
      {true, true, kScrollSecondArrow, true, 14},   // held down: pressed
      {true, true, kScrollSecondArrow, false, 16},  // under the mouse: hot
      {true, false, kScrollSecondArrow, true, 9},   // the other arrow stays normal
      {false, false, kScrollFirstArrow, true, 2},   {false, false, kScrollFirstArrow, false, 4},
      {true, true, kScrollThumb, true, 13},         // a dragged thumb leaves the arrows alone
      {true, true, SB_ENDSCROLL, false, 13},
  };
  for (const Case& c : arrows)
    EXPECT_EQ(ScrollArrowFrame(c.vertical, c.second, c.hotPart, c.dragging), c.frame)
        << c.vertical << c.second << " " << c.hotPart << " " << c.dragging;
  EXPECT_EQ(ScrollThumbFrame(kScrollThumb, true), 2);
  EXPECT_EQ(ScrollThumbFrame(kScrollThumb, false), 3);
  EXPECT_EQ(ScrollThumbFrame(kScrollSecondArrow, true), 1);
  EXPECT_EQ(ScrollThumbFrame(kScrollNoPart, false), 1);
  EXPECT_EQ(ScrollGripFrame(false, 1), 17);
  EXPECT_EQ(ScrollGripFrame(false, 3), 19);
  EXPECT_EQ(ScrollGripFrame(true, 1), 20);
  EXPECT_EQ(ScrollGripFrame(true, 2), 21);
}

TEST(UpDownRules, EachButtonsStateAndFrame) {
  struct Case {
    bool disabled, onOther;
    unsigned mouse;
    int state;
  } states[] = {
      {true, false, 2, 3},   // disabled whatever the mouse does
      {true, true, 0, 3},
      {false, true, 2, 1},   // the cursor on the other button: normal, even while pressed
      {false, false, 2, 2},  // pressed
      {false, false, 3, 2},  // pressed wins over hot
      {false, false, 1, 4},  // hot
      {false, false, 0, 1},
  };
  for (const Case& c : states)
    EXPECT_EQ(UpDownButtonState(c.disabled, c.onOther, c.mouse), c.state) << c.disabled << c.onOther << c.mouse;
  struct Frame {
    int button, state, frame;
  } frames[] = {{0, 1, 1}, {0, 2, 2}, {0, 4, 4}, {1, 1, 5}, {1, 3, 7},
                {2, 1, 1}, {2, 4, 4}, {3, 1, 5}, {3, 4, 8}};  // left/right use 1-4 and 5-8 too
  for (const Frame& f : frames) EXPECT_EQ(UpDownFrame(f.button, f.state), f.frame) << f.button << " " << f.state;
}

}  // namespace
