// Creation times of restore points: WMI date-time text read as UTC, shown in a given zone.
#include "tools/restore/restore_points.h"

#include <gtest/gtest.h>

namespace {

// A zone of fixed offset, without daylight saving: Bias is minutes west of UTC.
TIME_ZONE_INFORMATION FixedZone(int minutesEastOfUtc) {
  TIME_ZONE_INFORMATION zone = {};
  zone.Bias = -minutesEastOfUtc;
  return zone;
}

std::wstring Utc(const std::wstring& text) {
  TDateTime value;
  if (!WmiDateTimeToUtc(text, value)) return L"(rejected)";
  return FormatDateTime(L"yyyy-mm-dd hh:nn:ss", value);
}

}  // namespace

TEST(RestorePointTimes, TheOffsetIsTakenOffToReachUtc) {
  struct Case {
    const wchar_t* text;
    const wchar_t* utc;
  } cases[] = {
      {L"20070315103005.000000-000", L"2007-03-15 10:30:05"},
      {L"20070315103005.000000+000", L"2007-03-15 10:30:05"},
      {L"20070315183005.000000+480", L"2007-03-15 10:30:05"},  // 8 hours east
      {L"20070315053005.000000-300", L"2007-03-15 10:30:05"},  // 5 hours west
      {L"20070101013000.000000+120", L"2006-12-31 23:30:00"},  // back over the new year
      {L"20070315103005", L"2007-03-15 10:30:05"},             // no offset: UTC
      {L"20080229235959.123456+000", L"2008-02-29 23:59:59"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utc(c.text), c.utc) << c.text;
}

TEST(RestorePointTimes, TextThatIsNoDateIsRejected) {
  for (const wchar_t* text : {L"", L"2007031510300", L"2007x315103005.000000-000", L"20070230103005.000000-000",
                              L"20071315103005.000000-000", L"20070315243005.000000-000",
                              L"20070315103005.000000+4x0"})
    EXPECT_EQ(Utc(text), L"(rejected)") << text;
}

TEST(RestorePointTimes, ShownInTheZoneOnTheTwentyFourHourClock) {
  TIME_ZONE_INFORMATION east8 = FixedZone(8 * 60), utc = FixedZone(0), west5 = FixedZone(-5 * 60);
  EXPECT_EQ(FormatCreationTime(L"20070315103005.000000-000", &east8), L"03/15/2007 18:30:05");
  EXPECT_EQ(FormatCreationTime(L"20070315103005.000000-000", &utc), L"03/15/2007 10:30:05");
  EXPECT_EQ(FormatCreationTime(L"20070315103005.000000-000", &west5), L"03/15/2007 05:30:05");
  // a time already given in the zone's own offset stays as it is
  EXPECT_EQ(FormatCreationTime(L"20070315183005.000000+480", &east8), L"03/15/2007 18:30:05");
  EXPECT_EQ(FormatCreationTime(L"20071231200000.000000+000", &east8), L"01/01/2008 04:00:00");
}

TEST(RestorePointTimes, DaylightSavingOfTheDateCounts) {
  // Central Europe: UTC+1, UTC+2 from the last Sunday of March to the last Sunday of October.
  TIME_ZONE_INFORMATION cet = FixedZone(60);
  cet.DaylightBias = -60;
  cet.StandardDate.wMonth = 10;
  cet.StandardDate.wDayOfWeek = 0;
  cet.StandardDate.wDay = 5;
  cet.StandardDate.wHour = 3;
  cet.DaylightDate.wMonth = 3;
  cet.DaylightDate.wDayOfWeek = 0;
  cet.DaylightDate.wDay = 5;
  cet.DaylightDate.wHour = 2;
  EXPECT_EQ(FormatCreationTime(L"20070115120000.000000+000", &cet), L"01/15/2007 13:00:00");
  EXPECT_EQ(FormatCreationTime(L"20070715120000.000000+000", &cet), L"07/15/2007 14:00:00");
}

TEST(RestorePointTimes, TextThatIsNoDateIsShownAsItStands) {
  TIME_ZONE_INFORMATION utc = FixedZone(0);
  EXPECT_EQ(FormatCreationTime(L"not a time", &utc), L"not a time");
  EXPECT_EQ(FormatCreationTime(L"", &utc), L"");
}
