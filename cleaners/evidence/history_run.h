// One run over the evidence list: every item is reset, then the handler of each checked item (the
// evidence page) or of every item (one-click repair) runs in list order and its reports set the
// item's State and StatusText.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "cleaners/evidence/history_list.h"

struct THistoryRunEvents {
  // A checked item is about to run (1-based category and item), so the page can scroll to it.
  std::function<void(int Category, int Item)> OnItemStart;
  // An item's State or StatusText changed (the page repaints).
  std::function<void()> OnChanged;
  // A handler's error box, owned by the page; unassigned, the platform's box.
  std::function<void(const std::wstring& Text, const std::wstring& Caption)> ShowError;
  // Asked before each item, after the pump: true ends the run there.
  std::function<bool()> Stopped;
};

// The status column's text for a reported state: 0 "Cleaning...", 1 or 100 "Completed",
// -1 empty; any other state leaves `current` as it is.
std::wstring HistoryStatusText(int state, const std::wstring& current);

enum class THistoryRunScope { CheckedItems, AllItems };

// Runs the items with Wnd as the owner of the handlers' boxes and shell calls. A handler that
// raises an error marks its item failed (state 100) and the run goes on. Messages are pumped
// before each item (base/message_pump.h), so clicks and repaints reach the page. False, doing
// nothing, while a run is already going (a click on the page's button during a run).
bool RunHistoryItems(HWND Wnd, const THistoryRunEvents& Events,
                     THistoryRunScope Scope = THistoryRunScope::CheckedItems);
bool HistoryRunActive();
