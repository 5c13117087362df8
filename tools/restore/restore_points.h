// Restore points as WMI reports them, and the text the page shows for their creation time.
#pragma once

#include <windows.h>

#include <string>

#include "base/date_time.h"

struct TSystemRestoreItem {
  std::wstring Description;
  int RestorePointType = 0;
  int EventType = 0;
  int SequenceNumber = 0;
  std::wstring CreationTime;  // WMI date-time text: yyyymmddHHMMSS.ffffff and the zone offset
};

// The type System Restore gives a point whose operation was cancelled; such points are not shown.
constexpr int kCancelledOperationPoint = 13;

// The moment a WMI date-time text names, in UTC: the text's own time less its offset in minutes
// ("+480" is 8 hours ahead of UTC). A missing offset counts as UTC. False for text that is not a
// valid date and time.
bool WmiDateTimeToUtc(const std::wstring& text, TDateTime& utc);

// The creation time in the given zone (nullptr: the machine's), as "MM/DD/YYYY HH:MM:SS" on the
// 24-hour clock; text that is no WMI date-time is shown as it stands.
std::wstring FormatCreationTime(const std::wstring& creationTime, const TIME_ZONE_INFORMATION* zone = nullptr);
