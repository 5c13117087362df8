// Dates and times as the programs store and show them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Days since 1899-12-30; the fraction is the time of day. Before that day the whole part
// counts back and the fraction still counts forward from midnight (-1.25 is 1899-12-29 06:00).
using TDateTime = double;

constexpr long long kMSecsPerDay = 86400000;

struct TFormatSettings {
  std::wstring ShortDateFormat;
  std::wstring LongDateFormat;
  std::wstring ShortTimeFormat;
  std::wstring LongTimeFormat;
  wchar_t DateSeparator;
  wchar_t TimeSeparator;
  wchar_t DecimalSeparator;
  std::wstring TimeAMString;  // printed by "ampm"
  std::wstring TimePMString;
  // Index 0 is January / Sunday.
  std::wstring ShortMonthNames[12];
  std::wstring LongMonthNames[12];
  std::wstring ShortDayNames[7];
  std::wstring LongDayNames[7];
  int TwoDigitYearCenturyWindow;
};

// The process-wide settings. Names come from the user's locale (English where it gives
// none); the formats start as SetProgramDateFormats leaves them.
TFormatSettings& FormatSettings();
// The formats every record is written and read with: "yyyy-mm-dd", "hh:nn:ss", '-', ':', '.'.
void SetProgramDateFormats();

// The clock. Tests replace it; nullptr restores the system's local time.
TDateTime Now();
TDateTime Date();
TDateTime Time();
void SetClockForTesting(std::function<TDateTime()> clock);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
TDateTime EncodeDate(int year, int month, int day);  // EConvertError when invalid
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& time);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
// Values outside 0001-01-01 .. 9999-12-31 (and NaN) decode as 1899-12-30 00:00.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec);
int DayOfWeek(TDateTime value);  // 1 = Sunday .. 7 = Saturday
// Date plus time of day, honouring the sign convention above.
TDateTime CombineDateTime(TDateTime date, TDateTime time);

TDateTime SystemTimeToDateTime(const SYSTEMTIME& st);
SYSTEMTIME DateTimeToSystemTime(TDateTime value);
// The FILETIME's own clock; convert with FileTimeToLocalFileTime first for local time.
TDateTime FileTimeToDateTime(const FILETIME& ft);

// Pattern letters (case-insensitive): y yy yyyy, m mm mmm mmmm (minutes right after h),
// d dd ddd dddd ddddd dddddd, h hh (12-hour clock when an am/pm marker follows), n nn, s ss,
// z zzz, t tt, c, am/pm a/p ampm, / and : (the separators), quoted text '...' or "...".
std::wstring FormatDateTime(const std::wstring& pattern, TDateTime value);
// The short date, then a blank and the long time unless the time is exactly midnight.
std::wstring DateTimeToStr(TDateTime value);

// Parsing under the process-wide formats: the date in the order of ShortDateFormat with
// DateSeparator, optionally followed by a time. The whole text must be consumed.
bool TryStrToDateTime(const std::wstring& text, TDateTime& value);
TDateTime StrToDateTime(const std::wstring& text);  // EConvertError when rejected
bool TryStrToTime(const std::wstring& text, TDateTime& value);
TDateTime StrToTime(const std::wstring& text);
