// The progress and track-bar skinners' decisions as tables.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "skin/bar_rules.h"

namespace {

TEST(BarRules, ProgressFillsItsShareOfTheRange) {
  struct Case {
    int length, position, lower, upper, filled;
  } cases[] = {
      {200, 100, 50, 150, 100},  // half of the range, whatever the lower limit
      {200, 50, 50, 150, 0},     // at the lower limit: nothing
      {200, 0, 0, 100, 0},       // position 0 of 0..100
      {200, 150, 50, 150, 200},  // full
      {200, 500, 0, 100, 200},   // past the top: full, never wider
      {200, -5, 0, 100, 0},      // below the bottom: nothing
      {200, 0, -100, 100, 100},  // a range through zero
      {200, 7, 0, 0, 0},         // an empty range
      {200, 7, 10, 0, 0},        // an upside-down range
      {0, 50, 0, 100, 0},        // no room
      {90, 1, 0, 3, 30},
      {1000, 2000000000, -2000000000, 2100000000, 975},  // no overflow
  };
  for (const Case& c : cases)
    EXPECT_EQ(ProgressFillLength(c.length, c.position, c.lower, c.upper), c.filled)
        << c.length << " " << c.position << " " << c.lower << ".." << c.upper;
}

TEST(BarRules, TheChannelsShapeDecidesHowAVerticalChannelIsRead) {
  struct Case {
    RECT reported;
    bool vertical;
    RECT used;
  } cases[] = {
      {{8, 10, 12, 190}, true, {8, 10, 12, 190}},    // reported as it lies
      {{10, 8, 190, 12}, true, {8, 10, 12, 190}},    // reported lying down: exchanged
      {{10, 8, 190, 12}, false, {10, 8, 190, 12}},   // a horizontal one as reported
      {{8, 10, 12, 190}, false, {8, 10, 12, 190}},   // even when it is upright
      {{5, 5, 9, 9}, true, {5, 5, 9, 9}},            // square: taken as it is
  };
  for (const Case& c : cases) {
    RECT r = TrackChannelRect(c.reported, c.vertical);
    EXPECT_TRUE(EqualRect(&r, &c.used)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

TEST(BarRules, EveryCustomDrawStageHasAnAnswer) {
  struct Case {
    DWORD stage;
    DWORD_PTR item;
    TTrackDrawStep step;
    LRESULT answer;
  } cases[] = {
      {CDDS_PREPAINT, 0, TTrackDrawStep::NotifyItems, CDRF_NOTIFYITEMDRAW},
      {CDDS_ITEMPREPAINT, TBCD_TICS, TTrackDrawStep::Default, CDRF_DODEFAULT},
      {CDDS_ITEMPREPAINT, TBCD_THUMB, TTrackDrawStep::Thumb, CDRF_SKIPDEFAULT},
      {CDDS_ITEMPREPAINT, TBCD_CHANNEL, TTrackDrawStep::Channel, CDRF_SKIPDEFAULT},
      // Stages and items the skinner has no part in get the default answer.
      {CDDS_ITEMPREPAINT, 9, TTrackDrawStep::Default, CDRF_DODEFAULT},
      {CDDS_POSTPAINT, 0, TTrackDrawStep::Default, CDRF_DODEFAULT},
      {CDDS_PREERASE, 0, TTrackDrawStep::Default, CDRF_DODEFAULT},
      {CDDS_ITEMPOSTPAINT, TBCD_THUMB, TTrackDrawStep::Default, CDRF_DODEFAULT},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrackDrawStep(c.stage, c.item), c.step) << c.stage << " " << c.item;
    EXPECT_EQ(TrackDrawAnswer(TrackDrawStep(c.stage, c.item)), c.answer) << c.stage << " " << c.item;
  }
}

}  // namespace
