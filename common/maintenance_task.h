#pragma once
// One cleaner as the cleaner pages and one-click maintenance drive it, without windows: a scan
// that finds what cleaning would remove (the preview), the cleaning of what was found and left
// selected, and the last-run record the home page shows. Both runs pump messages between their
// steps (base/message_pump.h), report through their progress event and end at the next step once
// their stop token is set, keeping what was done.
#include <functional>
#include <memory>
#include <string>

#include "base/date_time.h"

// Shared by a run and whoever may stop it (a Stop button, a page being freed): copies share one
// request.
class TStopToken {
  struct TState {
    bool requested = false;
    std::function<void()> onRequest;
  };

 public:
  TStopToken() : state_(std::make_shared<TState>()) {}
  void Request() const {
    state_->requested = true;
    if (state_->onRequest) state_->onRequest();
  }
  bool Requested() const { return state_->requested; }

  // While a run lasts, passes the request on to an engine's own stop at the moment it is made
  // (at once when it was made already).
  class TForward {
   public:
    TForward(const TStopToken& token, std::function<void()> action) : state_(token.state_) {
      state_->onRequest = std::move(action);
      if (state_->requested) state_->onRequest();
    }
    ~TForward() { state_->onRequest = nullptr; }
    TForward(const TForward&) = delete;
    TForward& operator=(const TForward&) = delete;

   private:
    std::shared_ptr<TState> state_;
  };

 private:
  std::shared_ptr<TState> state_;
};

struct TTaskProgress {
  long long Done = 0;   // steps done: categories or folders scanned, records or files handled
  long long Total = 0;  // steps of the run
  long long Count = 0;  // found so far (scan), removed so far (clean)
  std::wstring Text;    // what is being looked at or removed now
};
using TTaskProgressEvent = std::function<void(const TTaskProgress& Progress)>;

struct TTaskResult {
  long long Found = 0;    // what the scan found, or what the clean was given
  long long Cleaned = 0;  // really removed
  bool Stopped = false;   // ended by the stop token (or the engine's own stop)
};

// What the home page shows of a cleaner's last run.
struct TTaskLastRun {
  TDateTime When = 0;  // 0: never
  long long Found = 0;
  long long Cleaned = 0;
};

class TMaintenanceTask {
 public:
  virtual ~TMaintenanceTask() = default;
  virtual TTaskResult Scan(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) = 0;
  virtual TTaskResult Clean(const TTaskProgressEvent& OnProgress, const TStopToken& Stop) = 0;
  virtual TTaskLastRun LastRun() const = 0;
};

// Reports Progress when OnProgress is assigned.
inline void ReportTaskProgress(const TTaskProgressEvent& OnProgress, const TTaskProgress& Progress) {
  if (OnProgress) OnProgress(Progress);
}
