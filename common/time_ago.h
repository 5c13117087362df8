// How a stored last-run date is shown, and how long ago it was.
#pragma once

#include <string>

#include "base/date_time.h"

// The long form beside the relative age (registry, junk, evidence, one-click and memory pages).
constexpr wchar_t kLastRunLongFormat[] = L"dddd mmmm d, yyyy - hh:nn AM/PM";
// The home page.
constexpr wchar_t kLastRunHomeFormat[] = L"mmm d, yyyy - hh:nn AM/PM";
// The results page, after "Last scanned: ".
constexpr wchar_t kLastRunResultsFormat[] = L"ddd mmm d, yyyy - hh:nn AM/PM";
constexpr wchar_t kNotScanned[] = L"Not Scanned";
constexpr wchar_t kNotOptimized[] = L"Not Optimized";

// A date whose whole-day part is 0 means "never".
bool IsNeverRun(TDateTime dateTime);
// `neverText` for a never-run date, else the date in `pattern`.
std::wstring FormatLastRunDate(const wchar_t* pattern, TDateTime dateTime, const wchar_t* neverText);

// The age of `dateTime` relative to Now(): "<n> - Days Ago" for two or more calendar days,
// "Yesterday" for one, else "<m> - Minutes Ago" under an hour (at least 1; also for a date
// in the future) or "<h> - Hours Ago". Counts round to the nearest, halves to even.
std::wstring FormatTimeAgo(TDateTime dateTime);
// The one-click page's texts: "<n> Days Ago", " Yesterday", "<h> Hours Ago", "<m> Minutes Ago".
std::wstring FormatTimeAgoOneClick(TDateTime dateTime);
