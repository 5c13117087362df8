#include "registry/scan/registry_task.h"

#include "common/last_run.h"

namespace {

// A run's state byte: running from the start, finished at the end unless a stop was asked for,
// also when the run ends by an error.
class TRunState {
 public:
  explicit TRunState(uint8_t& State) : state_(State) { state_ = kRegStateRunning; }
  ~TRunState() {
    if (state_ == kRegStateRunning) state_ = kRegStateFinished;
  }
  TRunState(const TRunState&) = delete;
  TRunState& operator=(const TRunState&) = delete;
  bool Stopped() const { return state_ == kRegStateStop; }

 private:
  uint8_t& state_;
};

}  // namespace

TTaskResult TRegistryTask::Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  engine_.ClearRegItems();
  const TRunState state(engine_.ScanState);
  found_.fill(0);
  TTaskProgress progress;
  for (int n = 1; n <= kRegCategoryCount; ++n) progress.Total += Categories[n] ? 1 : 0;
  // The engine stops through its state byte.
  const TStopToken::TForward forward(Stop, [this] { engine_.ScanState = kRegStateStop; });
  for (int n = 1; n <= kRegCategoryCount; ++n) {
    if (!Categories[n]) continue;
    if (state.Stopped()) break;
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
  result.Stopped = state.Stopped();
  result.Found = static_cast<long long>(engine_.Items.size());
  return result;
}

TTaskResult TRegistryTask::Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) {
  const TRunState state(engine_.CleanState);
  lastClean_ = TRegCleanResult();
  TTaskProgress progress;
  for (const auto& item : engine_.Items) progress.Total += item->Selected ? 1 : 0;
  const TStopToken::TForward forward(Stop, [this] { engine_.CleanState = kRegStateStop; });
  lastClean_ = CleanRegItems(engine_, report_, [&](uint8_t kind, const std::wstring& text) {
    progress.Text = text;
    ReportScanProgress(OnEngineProgress, kind, text);
    ReportTaskProgress(OnProgress, progress);
    ++progress.Done;
  });
  TTaskResult result;
  result.Stopped = state.Stopped();
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
