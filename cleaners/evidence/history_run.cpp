#include "cleaners/evidence/history_run.h"

#include "base/message_pump.h"
#include "cleaners/evidence/history_handlers.h"

namespace {

bool running = false;

void Changed(const THistoryRunEvents& events) {
  if (events.OnChanged) events.OnChanged();
}

void SetItemState(THisItem& item, int state) {
  item.State = state;
  item.StatusText = HistoryStatusText(state, item.StatusText);
}

}  // namespace

std::wstring HistoryStatusText(int state, const std::wstring& current) {
  switch (state) {
    case kHisStateRunning:
      return L"Cleaning...";
    case kHisStateDone:
    case kHisStateFailed:
      return L"Completed";
    case kHisStateReset:
      return L"";
    default:
      return current;
  }
}

bool HistoryRunActive() { return running; }

bool RunHistoryItems(HWND Wnd, const THistoryRunEvents& Events, THistoryRunScope Scope) {
  if (running) return false;
  running = true;
  struct Done {
    ~Done() { running = false; }
  } done;

  for (int j = 1; j <= CategoryCount; ++j)
    for (int k = 1; k <= CategoryInfos[j].Count; ++k) {
      HisItems[j][k].State = kHisStateReset;
      HisItems[j][k].StatusText.clear();
    }
  Changed(Events);

  for (int j = 1; j <= CategoryCount; ++j)
    for (int k = 1; k <= CategoryInfos[j].Count; ++k) {
      PumpMessages();
      if (Events.Stopped && Events.Stopped()) return true;
      THisItem& item = HisItems[j][k];
      if (Scope == THistoryRunScope::CheckedItems && !item.Checked) continue;
      if (Events.OnItemStart) Events.OnItemStart(j, k);
      THistorySink sink;
      sink.Wnd = Wnd;
      sink.ShowError = Events.ShowError;
      sink.OnState = [&](const THistoryScanState& state) {
        SetItemState(item, state.State);
        Changed(Events);
      };
      THistoryScanState state;
      try {
        HistoryHandlerForCode(item.Code)(sink, state);
      } catch (...) {
        // One item that cannot be cleared must not stop the others.
        SetItemState(item, kHisStateFailed);
        Changed(Events);
      }
    }
  return true;
}
