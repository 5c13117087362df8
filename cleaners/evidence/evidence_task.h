#pragma once
// The evidence cleaner as a maintenance task over the evidence list: the scan counts the items a
// run covers (the ticked ones, or all of them for one-click maintenance), the clean runs their
// handlers, and the record is [LastInfo_His] (a date only).
#include <windows.h>

#include "cleaners/evidence/history_run.h"
#include "common/kept_items.h"
#include "common/maintenance_task.h"

class TEvidenceTask : public TMaintenanceTask {
 public:
  explicit TEvidenceTask(THistoryRunScope Scope = THistoryRunScope::CheckedItems) : scope_(Scope) {}

  // The owner of the handlers' boxes and shell calls.
  HWND Owner = nullptr;
  // The run's item and change reports and its error box (Stopped is the task's own).
  THistoryRunEvents Events;
  // What the handlers leave alone while cleaning (THistoryKeepScope); nullptr: nothing.
  const TKeptItems* Keep = nullptr;

  TTaskResult Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) override;
  // Runs the items' handlers in list order; Cleaned counts the items whose handler finished.
  // Nothing happens (a result of 0) while another run is going.
  TTaskResult Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) override;
  TTaskLastRun LastRun() const override;

 private:
  bool Covers(const THisItem& item) const { return scope_ == THistoryRunScope::AllItems || item.Checked; }
  THistoryRunScope scope_;
};
