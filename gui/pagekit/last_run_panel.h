#pragma once
// The last-run labels of a page: the date of the last run, how long ago that was ("Not Scanned"
// when there was none, the date label then empty) and, where the page shows them, the counts
// found and cleaned.
#include <string>

#include "base/date_time.h"
#include "common/maintenance_task.h"
#include "common/time_ago.h"
#include "gui/std_ctrls.h"

struct TLastRunPanel {
  TLabel* When = nullptr;
  TLabel* Ago = nullptr;
  TLabel* Found = nullptr;    // optional
  TLabel* Cleaned = nullptr;  // optional
  // How the age is worded (one-click maintenance has its own texts).
  std::wstring (*AgoText)(TDateTime) = FormatTimeAgo;
  // The age shown when there was no run (the memory optimizer says "Not Optimized").
  const wchar_t* NeverText = kNotScanned;

  void Show(TDateTime when) const;
  void Show(TDateTime when, long long found, long long cleaned) const;
  void Show(const TTaskLastRun& last) const { Show(last.When, last.Found, last.Cleaned); }
};
