#include "tools/restore/restore_points.h"

#include <cwctype>

#include "base/strings.h"

namespace {

// The decimal number of `count` digits at `pos`; false unless they are all digits.
bool ReadDigits(const std::wstring& text, size_t pos, size_t count, int& value) {
  if (pos + count > text.size()) return false;
  value = 0;
  for (size_t i = pos; i < pos + count; ++i) {
    if (!std::iswdigit(text[i])) return false;
    value = value * 10 + (text[i] - L'0');
  }
  return true;
}

}  // namespace

bool WmiDateTimeToUtc(const std::wstring& text, TDateTime& utc) {
  int year, month, day, hour, minute, second;
  if (!ReadDigits(text, 0, 4, year) || !ReadDigits(text, 4, 2, month) || !ReadDigits(text, 6, 2, day) ||
      !ReadDigits(text, 8, 2, hour) || !ReadDigits(text, 10, 2, minute) || !ReadDigits(text, 12, 2, second))
    return false;
  TDateTime date, time;
  if (!TryEncodeDate(year, month, day, date) || !TryEncodeTime(hour, minute, second, 0, time)) return false;
  // yyyymmddHHMMSS.ffffff then a sign and three digits of minutes east of UTC.
  int offset = 0;
  if (text.size() >= 25 && (text[21] == L'+' || text[21] == L'-')) {
    if (!ReadDigits(text, 22, 3, offset)) return false;
    if (text[21] == L'-') offset = -offset;
  }
  utc = CombineDateTime(date, time) - offset / (24.0 * 60.0);
  return true;
}

std::wstring FormatCreationTime(const std::wstring& creationTime, const TIME_ZONE_INFORMATION* zone) {
  TDateTime utc;
  if (!WmiDateTimeToUtc(creationTime, utc)) return creationTime;
  // The zone's rules for that date, daylight saving included.
  SYSTEMTIME utcTime = DateTimeToSystemTime(utc), local;
  if (!SystemTimeToTzSpecificLocalTime(zone, &utcTime, &local)) return creationTime;
  return Format(L"%02u/%02u/%04u %02u:%02u:%02u", local.wMonth, local.wDay, local.wYear, local.wHour, local.wMinute,
                local.wSecond);
}
