#include "registry/scan/registry_task.h"

#include "common/last_run.h"

TTaskResult TRegistryTask::Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  engine_.ClearRegItems();
  engine_.ScanState = kRegStateRunning;
  found_.fill(0);
  TTaskProgress progress;
  for (int n = 1; n <= kRegCategoryCount; ++n) progress.Total += Categories[n] ? 1 : 0;
  // The engine stops through its state byte.
  const TStopToken::TForward forward(Stop, [this] { engine_.ScanState = kRegStateStop; });
  for (int n = 1; n <= kRegCategoryCount; ++n) {
    if (!Categories[n]) continue;
    if (engine_.ScanState == kRegStateStop) break;
    if (OnCategoryStart) OnCategoryStart(n);
    if (TScanProc scan = engine_.GetScanProc(n)) {
      scan([&](uint8_t kind, const std::wstring& text) {
        if (kind == 1) {
          ++found_[n];
          ++progress.Count;
        } else {
          progress.Text = text;
        }
        ReportScanProgress(OnEngineProgress, kind, text);
        ReportTaskProgress(OnProgress, progress);
      });
    }
    ++progress.Done;
    ReportTaskProgress(OnProgress, progress);
    if (OnCategoryEnd) OnCategoryEnd(n, found_[n]);
  }
  TTaskResult result;
  result.Stopped = engine_.ScanState == kRegStateStop;
  if (engine_.ScanState == kRegStateRunning) engine_.ScanState = kRegStateFinished;
  result.Found = static_cast<long long>(engine_.Items.size());
  return result;
}

TTaskResult TRegistryTask::Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  engine_.CleanState = kRegStateRunning;
  lastClean_ = TRegCleanResult();
  TTaskProgress progress;
  for (const auto& item : engine_.Items) progress.Total += item->Selected ? 1 : 0;
  const TStopToken::TForward forward(Stop, [this] { engine_.CleanState = kRegStateStop; });
  try {
    lastClean_ = CleanRegItems(engine_, report_, [&](uint8_t kind, const std::wstring& text) {
      progress.Text = text;
      ReportScanProgress(OnEngineProgress, kind, text);
      ReportTaskProgress(OnProgress, progress);
      ++progress.Done;
    });
  } catch (...) {
    if (engine_.CleanState == kRegStateRunning) engine_.CleanState = kRegStateFinished;
    throw;
  }
  TTaskResult result;
  result.Stopped = engine_.CleanState == kRegStateStop;
  if (engine_.CleanState == kRegStateRunning) engine_.CleanState = kRegStateFinished;
  result.Found = static_cast<long long>(engine_.Items.size());
  result.Cleaned = lastClean_.Cleaned;
  return result;
}

TTaskLastRun TRegistryTask::LastRun() const {
  TTaskLastRun last;
  int found = 0, cleaned = 0;
  LoadLastRegInfo(last.When, found, cleaned);
  last.Found = found;
  last.Cleaned = cleaned;
  return last;
}
