#include "common/time_ago.h"

#include <gtest/gtest.h>

#include "base/strings.h"

namespace {

class TimeAgoTest : public ::testing::Test {
 protected:
  void TearDown() override { SetClockForTesting(nullptr); }
  static void SetNow(TDateTime now) {
    SetClockForTesting([now] { return now; });
  }
  static TDateTime At(int y, int mo, int d, int h, int mi, int s) { return EncodeDate(y, mo, d) + EncodeTime(h, mi, s, 0); }
};

}  // namespace

TEST_F(TimeAgoTest, EdgeCases) {
  struct Case {
    TDateTime stored;
    TDateTime now;
    const wchar_t* page;
    const wchar_t* oneClick;
  } cases[] = {
      // Written at 23:58, shown at 00:03 the next day: a calendar day, not minutes.
      {At(2010, 12, 31, 23, 58, 0), At(2011, 1, 1, 0, 3, 0), L"Yesterday", L" Yesterday"},
      // 59 minutes 40 seconds.
      {At(2010, 12, 31, 10, 0, 0), At(2010, 12, 31, 10, 59, 40), L"60 - Minutes Ago", L"60 Minutes Ago"},
      {At(2010, 12, 31, 10, 0, 0), At(2010, 12, 31, 11, 0, 0), L"1 - Hours Ago", L"1 Hours Ago"},
      {At(2010, 12, 31, 10, 0, 0), At(2010, 12, 31, 10, 0, 20), L"1 - Minutes Ago", L"1 Minutes Ago"},
      {At(2010, 12, 31, 10, 0, 0), At(2010, 12, 31, 10, 0, 0), L"1 - Minutes Ago", L"1 Minutes Ago"},
      // Clock set back: a date later than now.
      {At(2010, 12, 31, 10, 30, 0), At(2010, 12, 31, 10, 0, 0), L"1 - Minutes Ago", L"1 Minutes Ago"},
      {At(2011, 1, 5, 10, 0, 0), At(2010, 12, 31, 10, 0, 0), L"1 - Minutes Ago", L"1 Minutes Ago"},
      {At(2010, 12, 31, 0, 0, 10), At(2010, 12, 31, 23, 59, 59), L"24 - Hours Ago", L"24 Hours Ago"},
      {At(2010, 12, 29, 23, 59, 0), At(2010, 12, 31, 0, 1, 0), L"2 - Days Ago", L"2 Days Ago"},
      {At(2009, 12, 31, 12, 0, 0), At(2010, 12, 31, 12, 0, 0), L"365 - Days Ago", L"365 Days Ago"},
      // Halves go to the even neighbour.
      {At(2010, 12, 31, 10, 0, 0), At(2010, 12, 31, 10, 1, 30), L"2 - Minutes Ago", L"2 Minutes Ago"},
      {At(2010, 12, 31, 10, 0, 0), At(2010, 12, 31, 10, 2, 30), L"2 - Minutes Ago", L"2 Minutes Ago"},
      {At(2010, 12, 31, 10, 0, 0), At(2010, 12, 31, 12, 30, 0), L"2 - Hours Ago", L"2 Hours Ago"},
      {At(2010, 12, 31, 10, 0, 0), At(2010, 12, 31, 13, 30, 0), L"4 - Hours Ago", L"4 Hours Ago"},
  };
  for (const Case& c : cases) {
    SetNow(c.now);
    EXPECT_EQ(FormatTimeAgo(c.stored), c.page) << WideToUtf8(DateTimeToStr(c.stored)) << " at "
                                               << WideToUtf8(DateTimeToStr(c.now));
    EXPECT_EQ(FormatTimeAgoOneClick(c.stored), c.oneClick);
  }
}

// The hour threshold holds at every minute of a day, whatever the day numbers' rounding.
TEST_F(TimeAgoTest, HourThresholdIsExactAllDay) {
  const TDateTime day = EncodeDate(2010, 12, 31);
  for (int minute = 0; minute + 60 < 24 * 60; ++minute) {
    const TDateTime stored = day + EncodeTime(minute / 60, minute % 60, 0, 0);
    SetNow(day + EncodeTime((minute + 60) / 60, (minute + 60) % 60, 0, 0));
    ASSERT_EQ(FormatTimeAgo(stored), L"1 - Hours Ago") << minute;
    SetNow(day + EncodeTime((minute + 59) / 60, (minute + 59) % 60, 59, 999));
    ASSERT_EQ(FormatTimeAgo(stored), L"60 - Minutes Ago") << minute;
  }
}

TEST_F(TimeAgoTest, DisplayForms) {
  const TDateTime stored = At(2010, 12, 31, 14, 5, 9);
  TFormatSettings saved = FormatSettings();
  FormatSettings().LongDayNames[5] = L"Friday";
  FormatSettings().ShortDayNames[5] = L"Fri";
  FormatSettings().LongMonthNames[11] = L"December";
  FormatSettings().ShortMonthNames[11] = L"Dec";
  EXPECT_EQ(FormatLastRunDate(kLastRunLongFormat, stored, kNotScanned), L"Friday December 31, 2010 - 02:05 PM");
  EXPECT_EQ(FormatLastRunDate(kLastRunHomeFormat, stored, kNotScanned), L"Dec 31, 2010 - 02:05 PM");
  EXPECT_EQ(FormatLastRunDate(kLastRunResultsFormat, stored, kNotScanned), L"Fri Dec 31, 2010 - 02:05 PM");
  FormatSettings() = saved;
  // Only the whole-day part decides "never".
  EXPECT_EQ(FormatLastRunDate(kLastRunHomeFormat, 0.75, kNotOptimized), L"Not Optimized");
  EXPECT_EQ(FormatLastRunDate(kLastRunHomeFormat, 0, kNotScanned), L"Not Scanned");
  EXPECT_TRUE(IsNeverRun(0.999));
  EXPECT_TRUE(IsNeverRun(-0.5));
  EXPECT_FALSE(IsNeverRun(1.0));
  EXPECT_FALSE(IsNeverRun(-1.0));
}
