#include "base/date_time.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/exception.h"
#include "base/strings.h"

namespace {

const wchar_t* const kMonths[12] = {L"January", L"February", L"March",     L"April",   L"May",      L"June",
                                    L"July",    L"August",   L"September", L"October", L"November", L"December"};
const wchar_t* const kDays[7] = {L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"};

// English names and the program's formats for the duration of each test.
class DateTimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = FormatSettings();
    TFormatSettings& s = FormatSettings();
    for (int i = 0; i < 12; ++i) {
      s.LongMonthNames[i] = kMonths[i];
      s.ShortMonthNames[i] = std::wstring(kMonths[i]).substr(0, 3);
    }
    for (int i = 0; i < 7; ++i) {
      s.LongDayNames[i] = kDays[i];
      s.ShortDayNames[i] = std::wstring(kDays[i]).substr(0, 3);
    }
    SetProgramDateFormats();
  }
  void TearDown() override {
    FormatSettings() = saved_;
    SetClockForTesting(nullptr);
  }
  static TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return EncodeDate(y, mo, d) + EncodeTime(h, mi, s, ms);
  }
  TFormatSettings saved_;
};

}  // namespace

TEST_F(DateTimeTest, EncodeAndDecode) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(2010, 12, 31), 40543.0);
  EXPECT_EQ(EncodeDate(1900, 3, 1), 61.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
  EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  EXPECT_THROW(EncodeDate(2010, 2, 29), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  TDateTime unused;
  EXPECT_TRUE(TryEncodeDate(2012, 2, 29, unused));
  EXPECT_FALSE(TryEncodeDate(1900, 2, 29, unused));
  EXPECT_TRUE(TryEncodeDate(2000, 2, 29, unused));

  int y, m, d, h, n, s, ms;
  DecodeDate(At(2010, 12, 31, 23, 59, 59, 999), y, m, d);
  DecodeTime(At(2010, 12, 31, 23, 59, 59, 999), h, n, s, ms);
  EXPECT_EQ(std::vector<int>({y, m, d, h, n, s, ms}), std::vector<int>({2010, 12, 31, 23, 59, 59, 999}));
  // Before 1899-12-30 the fraction still counts forward from midnight.
  DecodeDate(-1.25, y, m, d);
  DecodeTime(-1.25, h, n, s, ms);
  EXPECT_EQ(std::vector<int>({y, m, d, h, n}), std::vector<int>({1899, 12, 29, 6, 0}));
  EXPECT_DOUBLE_EQ(CombineDateTime(-1, 0.25), -1.25);
  // Nonsense values decode quietly.
  DecodeDate(NAN, y, m, d);
  EXPECT_EQ(std::vector<int>({y, m, d}), std::vector<int>({1899, 12, 30}));
  DecodeDate(1e300, y, m, d);
  EXPECT_EQ(y, 1899);
  EXPECT_EQ(DayOfWeek(EncodeDate(2010, 12, 31)), 6);  // Friday
  EXPECT_EQ(DayOfWeek(0), 7);                        // Saturday
  EXPECT_EQ(DayOfWeek(-1), 6);
}

TEST_F(DateTimeTest, FormatDateTimePatterns) {
  const TDateTime afternoon = At(2010, 12, 31, 14, 5, 9, 300);
  const TDateTime morning = At(2011, 1, 3, 0, 7, 0);
  const TDateTime noon = At(2011, 1, 3, 12, 0, 0);
  struct Case {
    const wchar_t* pattern;
    TDateTime value;
    const wchar_t* expected;
  } cases[] = {
      {L"yyyy-mm-dd", afternoon, L"2010-12-31"},
      {L"hh:nn:ss", afternoon, L"14:05:09"},
      {L"hh", afternoon, L"14"},
      {L"dddd mmmm d, yyyy - hh:nn AM/PM", afternoon, L"Friday December 31, 2010 - 02:05 PM"},
      {L"mmm d, yyyy - hh:nn AM/PM", afternoon, L"Dec 31, 2010 - 02:05 PM"},
      {L"ddd mmm d, yyyy - hh:nn AM/PM", afternoon, L"Fri Dec 31, 2010 - 02:05 PM"},
      {L"yyyymmddhhnnss", afternoon, L"20101231140509"},
      {L"yyyy-mm-dd-hh-nn-ss", afternoon, L"2010-12-31-14-05-09"},
      {L"dddd mmmm d, yyyy - hh:nn AM/PM", morning, L"Monday January 3, 2011 - 12:07 AM"},
      {L"mmm d, yyyy - hh:nn AM/PM", noon, L"Jan 3, 2011 - 12:00 PM"},
      {L"h:nn am/pm", afternoon, L"2:05 pm"},
      {L"h:nn a/p", morning, L"12:07 a"},
      {L"hh:mm", afternoon, L"14:05"},  // m right after h is the minute
      {L"m/d/yy", afternoon, L"12-31-10"},
      {L"'hh' \"at\" hh", afternoon, L"hh at 14"},
      {L"hh:nn:ss.zzz", afternoon, L"14:05:09.300"},
      {L"c", afternoon, L"2010-12-31 14:05:09"},
      {L"ddddd tt", afternoon, L"2010-12-31 14:05:09"},
      {L"YYYY-MM-DD", afternoon, L"2010-12-31"},
      {L"aaaa", afternoon, L"Friday"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatDateTime(c.pattern, c.value), c.expected) << WideToUtf8(c.pattern);
}

TEST_F(DateTimeTest, FormatSurvivesSelfReferencingFormats) {
  FormatSettings().ShortDateFormat = L"ddddd";
  EXPECT_EQ(FormatDateTime(L"ddddd", 40543.0), L"");
}

TEST_F(DateTimeTest, DateTimeToStrWritesMidnightAsDateAlone) {
  EXPECT_EQ(DateTimeToStr(At(2010, 12, 31, 14, 5, 9)), L"2010-12-31 14:05:09");
  EXPECT_EQ(DateTimeToStr(At(2010, 12, 31)), L"2010-12-31");
  EXPECT_EQ(DateTimeToStr(At(2010, 12, 31, 0, 0, 1)), L"2010-12-31 00:00:01");
}

TEST_F(DateTimeTest, StrToDateTimeAcceptsTheProgramFormat) {
  struct Case {
    const wchar_t* text;
    TDateTime expected;
  } cases[] = {
      {L"2010-12-31 14:05:09", At(2010, 12, 31, 14, 5, 9)},
      {L"2010-12-31", At(2010, 12, 31)},
      {L"  2010-1-2  3:4:5 ", At(2010, 1, 2, 3, 4, 5)},
      {L"2010-12-31 2:05 PM", At(2010, 12, 31, 14, 5)},
      {L"2010-12-31 14:05:09.250", At(2010, 12, 31, 14, 5, 9, 250)},
      {L"14:05", EncodeTime(14, 5, 0, 0)},
      {L"1899-12-30", 0},
  };
  for (const Case& c : cases) {
    TDateTime value = -1;
    EXPECT_TRUE(TryStrToDateTime(c.text, value)) << WideToUtf8(c.text);
    EXPECT_NEAR(value, c.expected, 1e-9) << WideToUtf8(c.text);
  }
}

TEST_F(DateTimeTest, StrToDateTimeRejectsOtherText) {
  const wchar_t* rejected[] = {L"31-12-2010",          L"",           L"abc",
                               L"2010-13-01",          L"2010-02-30", L"2010/12/31",
                               L"2010-12-31 25:00:00", L"2010-12-31 14:05:09 x", L"2010-12-31 13:00 PM"};
  for (const wchar_t* text : rejected) {
    TDateTime value = 42;
    EXPECT_FALSE(TryStrToDateTime(text, value)) << WideToUtf8(text);
    EXPECT_EQ(value, 42);
  }
  try {
    StrToDateTime(L"31-12-2010");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'31-12-2010' is not a valid date and time");
  }
}

TEST_F(DateTimeTest, TwoDigitYearsFollowTheCenturyWindow) {
  SetClockForTesting([] { return EncodeDate(2026, 6, 1); });
  TDateTime value;
  ASSERT_TRUE(TryStrToDateTime(L"10-12-31", value));
  EXPECT_EQ(value, EncodeDate(2010, 12, 31));
  ASSERT_TRUE(TryStrToDateTime(L"80-01-02", value));
  EXPECT_EQ(value, EncodeDate(1980, 1, 2));
  // Month and day alone take the current year.
  ASSERT_TRUE(TryStrToDateTime(L"3-4", value));
  EXPECT_EQ(value, EncodeDate(2026, 3, 4));
}

TEST_F(DateTimeTest, DateTimeTextRoundTrips) {
  for (TDateTime v : {At(2010, 12, 31, 14, 5, 9), At(2000, 2, 29), At(1999, 1, 1, 23, 59, 59), At(2038, 1, 19, 3, 14, 8)}) {
    EXPECT_NEAR(StrToDateTime(DateTimeToStr(v)), v, 1e-9) << WideToUtf8(DateTimeToStr(v));
  }
}

TEST_F(DateTimeTest, StrToTime) {
  EXPECT_NEAR(StrToTime(L"14:05:09"), EncodeTime(14, 5, 9, 0), 1e-12);
  EXPECT_NEAR(StrToTime(L"2:05 PM"), EncodeTime(14, 5, 0, 0), 1e-12);
  EXPECT_NEAR(StrToTime(L"AM 12:30"), EncodeTime(0, 30, 0, 0), 1e-12);
  EXPECT_NEAR(StrToTime(L"7"), EncodeTime(7, 0, 0, 0), 1e-12);
  EXPECT_THROW(StrToTime(L"13 PM"), EConvertError);
  EXPECT_THROW(StrToTime(L"14:60"), EConvertError);
  EXPECT_THROW(StrToTime(L"2010-12-31"), EConvertError);
  EXPECT_THROW(StrToTime(L"14:"), EConvertError);
}

TEST_F(DateTimeTest, ParsingFollowsTheProcessWideFormats) {
  FormatSettings().ShortDateFormat = L"dd/mm/yyyy";
  FormatSettings().DateSeparator = L'/';
  TDateTime value;
  ASSERT_TRUE(TryStrToDateTime(L"31/12/2010", value));
  EXPECT_EQ(value, EncodeDate(2010, 12, 31));
  EXPECT_FALSE(TryStrToDateTime(L"2010-12-31", value));
  EXPECT_EQ(DateTimeToStr(value), L"31/12/2010");
}

TEST_F(DateTimeTest, SettableClock) {
  const TDateTime fixed = At(2010, 12, 31, 18, 0, 0);
  SetClockForTesting([fixed] { return fixed; });
  EXPECT_EQ(Now(), fixed);
  EXPECT_EQ(Date(), EncodeDate(2010, 12, 31));
  EXPECT_DOUBLE_EQ(Time(), 0.75);
  SetClockForTesting(nullptr);
  SYSTEMTIME st;
  GetLocalTime(&st);
  EXPECT_NEAR(Now(), SystemTimeToDateTime(st), 2.0 / 86400);
}

TEST_F(DateTimeTest, SystemAndFileTimes) {
  SYSTEMTIME st = {};
  st.wYear = 2010; st.wMonth = 12; st.wDay = 31; st.wHour = 14; st.wMinute = 5; st.wSecond = 9; st.wMilliseconds = 500;
  const TDateTime v = SystemTimeToDateTime(st);
  EXPECT_NEAR(v, At(2010, 12, 31, 14, 5, 9, 500), 1e-10);
  SYSTEMTIME back = DateTimeToSystemTime(v);
  EXPECT_EQ(back.wYear, 2010);
  EXPECT_EQ(back.wDay, 31);
  EXPECT_EQ(back.wSecond, 9);
  EXPECT_EQ(back.wMilliseconds, 500);
  EXPECT_EQ(back.wDayOfWeek, 5);  // Friday
  FILETIME ft;
  ASSERT_TRUE(SystemTimeToFileTime(&st, &ft));
  EXPECT_NEAR(FileTimeToDateTime(ft), v, 1e-10);
}

TEST(DateNames, ComeFromTheUserLocale) {
  wchar_t sunday[80], january[80], jan[80];
  ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDAYNAME7, sunday, 80), 1);
  ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SMONTHNAME1, january, 80), 1);
  ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SABBREVMONTHNAME1, jan, 80), 1);
  EXPECT_EQ(FormatSettings().LongDayNames[0], sunday);
  EXPECT_EQ(FormatSettings().LongMonthNames[0], january);
  EXPECT_EQ(FormatSettings().ShortMonthNames[0], jan);
  EXPECT_EQ(FormatSettings().ShortDateFormat, L"yyyy-mm-dd");
  EXPECT_EQ(FormatSettings().LongTimeFormat, L"hh:nn:ss");
}
