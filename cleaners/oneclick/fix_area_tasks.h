#pragma once
// The three areas of one-click maintenance that have no cleaner page of their own, as
// maintenance tasks: harmful ActiveX controls (ActiveX.dat against the browser's kill bits),
// file associations and system settings (the fix definitions of the resource modules). Each
// scan fills its process-wide list; each clean repairs only the rows the user left ticked
// (Selected, one per row of the list, all ticked after a scan). None keeps a last-run record.
#include <functional>
#include <string>
#include <vector>

#include "common/maintenance_task.h"

class TFixAreaTask : public TMaintenanceTask {
 public:
  // One per row of the area's list.
  std::vector<bool> Selected;
  TTaskLastRun LastRun() const override { return {}; }

 protected:
  bool RowSelected(size_t row) const { return row < Selected.size() && Selected[row]; }
  // Pumps before each of Rows rows and stops at the token; Repair(row, text) is asked of each
  // ticked row: nothing to do (false), or it sets Repaired and names the row in Text.
  TTaskResult CleanRows(size_t Rows, const TTaskProgressEvent& OnProgress, const TStopToken& Stop,
                        const std::function<bool(size_t Row, std::wstring& Text, bool& Repaired)>& Repair);
};

// Rows: ActiveXItems. Found: the controls not blocked. Clean blocks the ticked ones of those.
class TActiveXTask : public TFixAreaTask {
 public:
  TTaskResult Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) override;
  TTaskResult Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) override;
};

// Rows: FileItems (only associations that differ). Clean restores the ticked ones.
class TFileFixTask : public TFixAreaTask {
 public:
  TTaskResult Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) override;
  TTaskResult Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) override;
};

// Rows: SysItems (every fix, needed or not). Clean applies the ticked ones that need it.
class TSysFixTask : public TFixAreaTask {
 public:
  TTaskResult Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) override;
  TTaskResult Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) override;
};
