#include "common/time_ago.h"

#include <cmath>

#include "base/strings.h"

namespace {

struct AgoTexts {
  const wchar_t* days;
  const wchar_t* yesterday;
  const wchar_t* hours;
  const wchar_t* minutes;
};

const AgoTexts kPageTexts = {L" - Days Ago", L"Yesterday", L" - Hours Ago", L" - Minutes Ago"};
const AgoTexts kOneClickTexts = {L" Days Ago", L" Yesterday", L" Hours Ago", L" Minutes Ago"};

// Day numbers far outside the calendar count as day 0 rather than overflow.
bool InRange(TDateTime value) { return value > -1e7 && value < 1e7; }

long long WholeDays(TDateTime value) { return InRange(value) ? static_cast<long long>(value) : 0; }

long long Milliseconds(TDateTime value) { return InRange(value) ? std::llround(value * kMSecsPerDay) : 0; }

// numerator / denominator rounded to the nearest integer, halves to the even one (numerator >= 0).
long long RoundHalfEven(long long numerator, long long denominator) {
  long long q = numerator / denominator, r = numerator % denominator;
  if (2 * r > denominator || (2 * r == denominator && (q & 1))) ++q;
  return q;
}

std::wstring TimeAgo(TDateTime dateTime, const AgoTexts& texts) {
  const TDateTime now = Now();
  const long long days = WholeDays(now) - WholeDays(dateTime);
  if (days > 1) return IntToStr(days) + texts.days;
  if (days == 1) return texts.yesterday;
  // The hour threshold is taken in whole milliseconds, so exactly one hour is always an hour
  // and anything shorter always minutes, however the two day numbers happen to round.
  const long long elapsed = Milliseconds(now) - Milliseconds(dateTime);
  const long long hourMs = 3600000;
  if (elapsed < hourMs) {
    long long minutes = elapsed > 0 ? RoundHalfEven(elapsed, 60000) : 0;
    return IntToStr(minutes < 1 ? 1 : minutes) + texts.minutes;
  }
  return IntToStr(RoundHalfEven(elapsed, hourMs)) + texts.hours;
}

}  // namespace

bool IsNeverRun(TDateTime dateTime) { return WholeDays(dateTime) == 0; }

std::wstring FormatLastRunDate(const wchar_t* pattern, TDateTime dateTime, const wchar_t* neverText) {
  return IsNeverRun(dateTime) ? std::wstring(neverText) : FormatDateTime(pattern, dateTime);
}

std::wstring FormatTimeAgo(TDateTime dateTime) { return TimeAgo(dateTime, kPageTexts); }

std::wstring FormatTimeAgoOneClick(TDateTime dateTime) { return TimeAgo(dateTime, kOneClickTexts); }
