#include "cleaners/evidence/evidence_task.h"

#include "base/message_pump.h"
#include "cleaners/evidence/history_handlers.h"
#include "common/last_run.h"

TTaskResult TEvidenceTask::Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  TTaskResult result;
  TTaskProgress progress;
  progress.Total = CategoryCount;
  for (int j = 1; j <= CategoryCount; ++j) {
    PumpMessages();
    if (Stop.Requested()) {
      result.Stopped = true;
      break;
    }
    for (int k = 1; k <= CategoryInfos[j].Count; ++k) result.Found += Covers(HisItems[j][k]) ? 1 : 0;
    progress.Done = j;
    progress.Count = result.Found;
    ReportTaskProgress(OnProgress, progress);
  }
  return result;
}

TTaskResult TEvidenceTask::Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  TTaskResult result;
  TTaskProgress progress;
  for (int j = 1; j <= CategoryCount; ++j)
    for (int k = 1; k <= CategoryInfos[j].Count; ++k) progress.Total += Covers(HisItems[j][k]) ? 1 : 0;
  THistoryRunEvents events = Events;
  events.OnItemStart = [&](int category, int item) {
    ++progress.Done;
    progress.Text = HisItems[category][item].Name;
    ReportTaskProgress(OnProgress, progress);
    if (Events.OnItemStart) Events.OnItemStart(category, item);
  };
  events.Stopped = [&] { return Stop.Requested(); };
  const THistoryKeepScope keep(Keep);
  if (!RunHistoryItems(Owner, events, scope_)) return result;
  result.Stopped = Stop.Requested();
  for (int j = 1; j <= CategoryCount; ++j)
    for (int k = 1; k <= CategoryInfos[j].Count; ++k) {
      const THisItem& item = HisItems[j][k];
      if (!Covers(item)) continue;
      ++result.Found;
      if (item.State == kHisStateDone) ++result.Cleaned;
    }
  return result;
}

TTaskLastRun TEvidenceTask::LastRun() const { return {LoadLastHisInfo(), 0, 0}; }
