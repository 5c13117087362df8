#include "base/date_time.h"

#include <cmath>
#include <mutex>

#include "base/exception.h"

namespace {

// 1899-12-30 counted from 1970-01-01.
constexpr long long kUnixEpochOffset = 25569;
// 0001-01-01 and 9999-12-31 as day numbers.
constexpr double kMinDateTime = -693593.0;
constexpr double kMaxDateTime = 2958466.0;

const wchar_t* const kEnglishLongMonths[12] = {L"January", L"February", L"March",     L"April",
                                               L"May",     L"June",     L"July",      L"August",
                                               L"September", L"October", L"November", L"December"};
const wchar_t* const kEnglishLongDays[7] = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                            L"Thursday", L"Friday", L"Saturday"};

std::wstring LocaleText(LCTYPE type, const std::wstring& fallback) {
  wchar_t buffer[128];
  int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128);
  if (n <= 1) return fallback;
  return std::wstring(buffer, n - 1);
}

TFormatSettings InitialSettings() {
  TFormatSettings s;
  for (int i = 0; i < 12; ++i) {
    std::wstring longName = kEnglishLongMonths[i];
    s.LongMonthNames[i] = LocaleText(LOCALE_SMONTHNAME1 + i, longName);
    s.ShortMonthNames[i] = LocaleText(LOCALE_SABBREVMONTHNAME1 + i, longName.substr(0, 3));
  }
  // The locale lists Monday first; the settings list Sunday first.
  for (int i = 0; i < 7; ++i) {
    std::wstring longName = kEnglishLongDays[i];
    int localeIndex = (i + 6) % 7;
    s.LongDayNames[i] = LocaleText(LOCALE_SDAYNAME1 + localeIndex, longName);
    s.ShortDayNames[i] = LocaleText(LOCALE_SABBREVDAYNAME1 + localeIndex, longName.substr(0, 3));
  }
  s.TimeAMString = LocaleText(LOCALE_S1159, L"AM");
  s.TimePMString = LocaleText(LOCALE_S2359, L"PM");
  s.TwoDigitYearCenturyWindow = 50;
  return s;
}

std::mutex& ClockLock() {
  static std::mutex lock;
  return lock;
}

std::function<TDateTime()>& TestClock() {
  static std::function<TDateTime()> clock;
  return clock;
}

// Days since 1970-01-01 for a civil date, and back (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(y + (month <= 2));
}

// Whole days and milliseconds of the day, rounded to the millisecond.
void SplitDateTime(TDateTime value, long long& days, long long& msecOfDay) {
  if (!(value >= kMinDateTime && value < kMaxDateTime)) value = 0;
  long long total = std::llround(value * kMSecsPerDay);
  days = total / kMSecsPerDay;
  msecOfDay = (total < 0 ? -total : total) % kMSecsPerDay;
}

struct Parser {
  const std::wstring& s;
  size_t pos = 0;

  void ScanBlanks() {
    while (pos < s.size() && s[pos] == L' ') ++pos;
  }
  bool ScanNumber(int& number, int& length) {
    ScanBlanks();
    size_t i = pos;
    int n = 0;
    while (i < s.size() && s[i] >= L'0' && s[i] <= L'9' && n < 1000) {
      n = n * 10 + (s[i] - L'0');
      ++i;
    }
    if (i == pos) return false;
    length = static_cast<int>(i - pos);
    number = n;
    pos = i;
    return true;
  }
  bool ScanChar(wchar_t c) {
    ScanBlanks();
    if (pos < s.size() && s[pos] == c) {
      ++pos;
      return true;
    }
    return false;
  }
  bool ScanString(const std::wstring& symbol) {
    if (symbol.empty()) return false;
    ScanBlanks();
    if (s.size() - pos < symbol.size()) return false;
    if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, s.c_str() + pos, static_cast<int>(symbol.size()),
                       symbol.c_str(), static_cast<int>(symbol.size())) != CSTR_EQUAL)
      return false;
    pos += symbol.size();
    return true;
  }
  bool AtEnd() {
    ScanBlanks();
    return pos >= s.size();
  }

  bool ScanDate(TDateTime& date) {
    const TFormatSettings& fs = FormatSettings();
    enum { kMDY, kDMY, kYMD } order = kMDY;
    for (wchar_t c : fs.ShortDateFormat) {
      wchar_t u = towupper(c);
      if (u == L'Y') { order = kYMD; break; }
      if (u == L'M') { order = kMDY; break; }
      if (u == L'D') { order = kDMY; break; }
    }
    int n1, n2, n3, l1, l2, l3;
    if (!(ScanNumber(n1, l1) && ScanChar(fs.DateSeparator) && ScanNumber(n2, l2))) return false;
    int y, m, d;
    if (ScanChar(fs.DateSeparator)) {
      if (!ScanNumber(n3, l3)) return false;
      int yearLength;
      switch (order) {
        case kMDY: y = n3; yearLength = l3; m = n1; d = n2; break;
        case kDMY: y = n3; yearLength = l3; m = n2; d = n1; break;
        default:   y = n1; yearLength = l1; m = n2; d = n3; break;
      }
      if (yearLength <= 2) {
        int currentYear, cm, cd;
        DecodeDate(Now(), currentYear, cm, cd);
        int centuryBase = currentYear - fs.TwoDigitYearCenturyWindow;
        y += centuryBase / 100 * 100;
        if (fs.TwoDigitYearCenturyWindow > 0 && y < centuryBase) y += 100;
      }
    } else {
      int cm, cd;
      DecodeDate(Now(), y, cm, cd);
      if (order == kDMY) { d = n1; m = n2; } else { m = n1; d = n2; }
    }
    ScanChar(fs.DateSeparator);
    ScanBlanks();
    return TryEncodeDate(y, m, d, date);
  }

  bool ScanTime(TDateTime& time) {
    const TFormatSettings& fs = FormatSettings();
    int baseHour = -1;
    if (ScanString(fs.TimeAMString) || ScanString(L"AM")) baseHour = 0;
    else if (ScanString(fs.TimePMString) || ScanString(L"PM")) baseHour = 12;
    int hour, minute = 0, second = 0, msec = 0, length;
    if (!ScanNumber(hour, length)) return false;
    if (ScanChar(fs.TimeSeparator)) {
      if (!ScanNumber(minute, length)) return false;
      if (ScanChar(fs.TimeSeparator)) {
        if (!ScanNumber(second, length)) return false;
        if (ScanChar(fs.DecimalSeparator) && !ScanNumber(msec, length)) return false;
      }
    }
    if (baseHour < 0) {
      if (ScanString(fs.TimeAMString) || ScanString(L"AM")) baseHour = 0;
      else if (ScanString(fs.TimePMString) || ScanString(L"PM")) baseHour = 12;
    }
    if (baseHour >= 0) {
      if (hour == 0 || hour > 12) return false;
      if (hour == 12) hour = 0;
      hour += baseHour;
    }
    ScanBlanks();
    return TryEncodeTime(hour, minute, second, msec, time);
  }
};

class Formatter {
 public:
  Formatter(TDateTime value, std::wstring& out) : value_(value), out_(out) {
    long long days, msec;
    SplitDateTime(value, days, msec);
    CivilFromDays(days - kUnixEpochOffset, year_, month_, day_);
    hour_ = static_cast<int>(msec / 3600000);
    minute_ = static_cast<int>(msec / 60000 % 60);
    second_ = static_cast<int>(msec / 1000 % 60);
    msec_ = static_cast<int>(msec % 1000);
  }

  void Append(const std::wstring& pattern, int depth) {
    // Nested formats (ddddd, c, t) may not nest without end.
    if (depth > 2) return;
    const TFormatSettings& fs = FormatSettings();
    wchar_t lastToken = L' ';
    size_t p = 0;
    const size_t n = pattern.size();
    while (p < n) {
      const wchar_t starter = pattern[p];
      wchar_t token = starter;
      if (token >= L'a' && token <= L'z') token -= 32;
      if (token >= L'A' && token <= L'Z') {
        if (token == L'M' && lastToken == L'H') token = L'N';
        lastToken = token;
      }
      ++p;
      auto count = [&]() {
        int c = 1;
        while (p < n && pattern[p] == starter) { ++p; ++c; }
        return c;
      };
      switch (token) {
        case L'Y': {
          int c = count();
          if (c <= 2) Number(year_ % 100, 2); else Number(year_, 4);
          break;
        }
        case L'M': {
          int c = count();
          if (c <= 2) Number(month_, c);
          else if (c == 3) out_ += fs.ShortMonthNames[month_ - 1];
          else out_ += fs.LongMonthNames[month_ - 1];
          break;
        }
        case L'D': {
          int c = count();
          if (c <= 2) Number(day_, c);
          else if (c == 3) out_ += fs.ShortDayNames[DayOfWeek(value_) - 1];
          else if (c == 4) out_ += fs.LongDayNames[DayOfWeek(value_) - 1];
          else if (c == 5) Append(fs.ShortDateFormat, depth + 1);
          else Append(fs.LongDateFormat, depth + 1);
          break;
        }
        case L'H': {
          int c = count();
          int h = hour_;
          if (TwelveHourClockFollows(pattern, p)) {
            if (h == 0) h = 12;
            else if (h > 12) h -= 12;
          }
          Number(h, c > 2 ? 2 : c);
          break;
        }
        case L'N': {
          int c = count();
          Number(minute_, c > 2 ? 2 : c);
          break;
        }
        case L'S': {
          int c = count();
          Number(second_, c > 2 ? 2 : c);
          break;
        }
        case L'Z': {
          int c = count();
          Number(msec_, c > 3 ? 3 : c);
          break;
        }
        case L'T': {
          int c = count();
          Append(c == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, depth + 1);
          break;
        }
        case L'C': {
          count();
          Append(fs.ShortDateFormat, depth + 1);
          if (hour_ != 0 || minute_ != 0 || second_ != 0) {
            out_ += L' ';
            Append(fs.LongTimeFormat, depth + 1);
          }
          break;
        }
        case L'A': {
          size_t start = p - 1;
          bool pm = hour_ >= 12;
          if (Matches(pattern, start, L"AM/PM")) {
            out_ += pattern.substr(start + (pm ? 3 : 0), 2);
            p = start + 5;
          } else if (Matches(pattern, start, L"A/P")) {
            out_ += pattern.substr(start + (pm ? 2 : 0), 1);
            p = start + 3;
          } else if (Matches(pattern, start, L"AMPM")) {
            out_ += pm ? fs.TimePMString : fs.TimeAMString;
            p = start + 4;
          } else if (Matches(pattern, start, L"AAAA")) {
            out_ += fs.LongDayNames[DayOfWeek(value_) - 1];
            p = start + 4;
          } else if (Matches(pattern, start, L"AAA")) {
            out_ += fs.ShortDayNames[DayOfWeek(value_) - 1];
            p = start + 3;
          } else {
            out_ += starter;
          }
          break;
        }
        case L'/':
          if (fs.DateSeparator != 0) out_ += fs.DateSeparator;
          break;
        case L':':
          if (fs.TimeSeparator != 0) out_ += fs.TimeSeparator;
          break;
        case L'\'':
        case L'"': {
          size_t start = p;
          while (p < n && pattern[p] != starter) ++p;
          out_ += pattern.substr(start, p - start);
          if (p < n) ++p;
          break;
        }
        default:
          out_ += starter;
      }
    }
  }

 private:
  static bool Matches(const std::wstring& pattern, size_t at, const wchar_t* word) {
    for (size_t i = 0; word[i]; ++i) {
      if (at + i >= pattern.size() || towupper(pattern[at + i]) != word[i]) return false;
    }
    return true;
  }

  // "h" means the 12-hour clock when the next letter A outside quotes, before any other h,
  // starts an am/pm marker.
  static bool TwelveHourClockFollows(const std::wstring& pattern, size_t p) {
    bool quoted = false;
    for (; p < pattern.size(); ++p) {
      wchar_t c = pattern[p];
      if ((c == L'A' || c == L'a') && !quoted)
        return Matches(pattern, p, L"AM/PM") || Matches(pattern, p, L"A/P") || Matches(pattern, p, L"AMPM");
      if (c == L'H' || c == L'h') return false;
      if (c == L'\'' || c == L'"') quoted = !quoted;
    }
    return false;
  }

  void Number(int value, int digits) {
    std::wstring text = std::to_wstring(value);
    if (static_cast<int>(text.size()) < digits) out_.append(digits - text.size(), L'0');
    out_ += text;
  }

  TDateTime value_;
  std::wstring& out_;
  int year_, month_, day_, hour_, minute_, second_, msec_;
};

void ApplyProgramDateFormats(TFormatSettings& s) {
  s.ShortDateFormat = s.LongDateFormat = L"yyyy-mm-dd";
  s.ShortTimeFormat = s.LongTimeFormat = L"hh:nn:ss";
  s.DateSeparator = L'-';
  s.TimeSeparator = L':';
  s.DecimalSeparator = L'.';
}

}  // namespace

TFormatSettings& FormatSettings() {
  static TFormatSettings settings = [] {
    TFormatSettings s = InitialSettings();
    ApplyProgramDateFormats(s);
    return s;
  }();
  return settings;
}

void SetProgramDateFormats() { ApplyProgramDateFormats(FormatSettings()); }

TDateTime Now() {
  {
    std::lock_guard<std::mutex> guard(ClockLock());
    if (TestClock()) return TestClock()();
  }
  SYSTEMTIME st;
  GetLocalTime(&st);
  return SystemTimeToDateTime(st);
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
  TDateTime now = Now();
  return std::fabs(now - std::trunc(now));
}

void SetClockForTesting(std::function<TDateTime()> clock) {
  std::lock_guard<std::mutex> guard(ClockLock());
  TestClock() = std::move(clock);
}

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return false;
  date = static_cast<double>(DaysFromCivil(year, month, day) + kUnixEpochOffset);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime date;
  if (!TryEncodeDate(year, month, day, date)) throw EConvertError(L"Invalid argument to date encode");
  return date;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& time) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 ||
      msec > 999)
    return false;
  time = (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + msec) / kMSecsPerDay;
  return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
  TDateTime time;
  if (!TryEncodeTime(hour, minute, second, msec, time)) throw EConvertError(L"Invalid argument to time encode");
  return time;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
  long long days, msec;
  SplitDateTime(value, days, msec);
  CivilFromDays(days - kUnixEpochOffset, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec) {
  long long days, ms;
  SplitDateTime(value, days, ms);
  hour = static_cast<int>(ms / 3600000);
  minute = static_cast<int>(ms / 60000 % 60);
  second = static_cast<int>(ms / 1000 % 60);
  msec = static_cast<int>(ms % 1000);
}

int DayOfWeek(TDateTime value) {
  long long days, msec;
  SplitDateTime(value, days, msec);
  // Day 0 (1899-12-30) was a Saturday.
  long long r = ((days + 6) % 7 + 7) % 7;
  return static_cast<int>(r) + 1;
}

TDateTime CombineDateTime(TDateTime date, TDateTime time) { return date >= 0 ? date + time : date - time; }

TDateTime SystemTimeToDateTime(const SYSTEMTIME& st) {
  TDateTime date = 0, time = 0;
  TryEncodeDate(st.wYear, st.wMonth, st.wDay, date);
  TryEncodeTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds, time);
  return CombineDateTime(date, time);
}

SYSTEMTIME DateTimeToSystemTime(TDateTime value) {
  int y, m, d, h, n, s, ms;
  DecodeDate(value, y, m, d);
  DecodeTime(value, h, n, s, ms);
  SYSTEMTIME st = {};
  st.wYear = static_cast<WORD>(y);
  st.wMonth = static_cast<WORD>(m);
  st.wDay = static_cast<WORD>(d);
  st.wDayOfWeek = static_cast<WORD>(DayOfWeek(value) - 1);
  st.wHour = static_cast<WORD>(h);
  st.wMinute = static_cast<WORD>(n);
  st.wSecond = static_cast<WORD>(s);
  st.wMilliseconds = static_cast<WORD>(ms);
  return st;
}

TDateTime FileTimeToDateTime(const FILETIME& ft) {
  // 1601-01-01 lies 109205 days before 1899-12-30.
  unsigned long long ticks = (static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  unsigned long long msec = ticks / 10000;
  long long days = static_cast<long long>(msec / kMSecsPerDay) - 109205;
  return CombineDateTime(static_cast<double>(days), static_cast<double>(msec % kMSecsPerDay) / kMSecsPerDay);
}

std::wstring FormatDateTime(const std::wstring& pattern, TDateTime value) {
  std::wstring out;
  Formatter(value, out).Append(pattern.empty() ? L"c" : pattern, 0);
  return out;
}

std::wstring DateTimeToStr(TDateTime value) { return FormatDateTime(L"c", value); }

bool TryStrToDateTime(const std::wstring& text, TDateTime& value) {
  Parser parser{text};
  TDateTime date, time = 0;
  if (parser.ScanDate(date) && (parser.AtEnd() || (parser.ScanTime(time) && parser.AtEnd()))) {
    value = CombineDateTime(date, time);
    return true;
  }
  return TryStrToTime(text, value);
}

TDateTime StrToDateTime(const std::wstring& text) {
  TDateTime value;
  if (!TryStrToDateTime(text, value)) throw EConvertError(L"'" + text + L"' is not a valid date and time");
  return value;
}

bool TryStrToTime(const std::wstring& text, TDateTime& value) {
  Parser parser{text};
  TDateTime time;
  if (!parser.ScanTime(time) || !parser.AtEnd()) return false;
  value = time;
  return true;
}

TDateTime StrToTime(const std::wstring& text) {
  TDateTime value;
  if (!TryStrToTime(text, value)) throw EConvertError(L"'" + text + L"' is not a valid time");
  return value;
}
