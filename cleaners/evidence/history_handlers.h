// The item handlers of the evidence list: each code clears one kind of trace of use and reports
// its progress through the sink the caller installs (the evidence page turns the reports into
// its WM_HISTORY_STATE handling). After its first report a handler pumps messages once
// (base/message_pump.h), so the caller's window repaints.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "cleaners/evidence/history_list.h"

struct THistorySink {
  // Owner of the boxes and of the shell calls a handler makes.
  HWND Wnd = nullptr;
  // Called (synchronously) where a window would get WM_HISTORY_STATE; the state is the one the
  // handler fills.
  std::function<void(const THistoryScanState& State)> OnState;
  // An error box owned by Wnd; unassigned, the platform's message box is shown.
  std::function<void(const std::wstring& Text, const std::wstring& Caption)> ShowError;
};

// What an item clears that other areas may list too: keys below HKEY_CURRENT_USER (each with
// everything below it) and folders whose files it removes.
struct THistoryTargets {
  std::vector<std::wstring> UserKeys;
  std::vector<std::wstring> Folders;
};

struct THistoryHandlerRow;

// One handler of the table, or the handler of an unknown code, which does nothing at all.
class THistoryHandler {
 public:
  explicit THistoryHandler(const THistoryHandlerRow* row) : row_(row) {}
  // Reports state 0, does the work, reports the final state (some handlers report more, one
  // may report nothing after its first report). Errors of the browser history object propagate.
  void operator()(const THistorySink& Sink, THistoryScanState& State) const;
  bool Known() const { return row_ != nullptr; }
  // The handler's own label ("" for an unknown code).
  std::wstring Label() const;
  // What it clears in user keys and folders (empty for an unknown code, and for handlers whose
  // traces lie in the browser's own stores, the clipboard or the Recycle Bin).
  THistoryTargets Targets(const THistorySink& Sink) const;

 private:
  const THistoryHandlerRow* row_;
};

THistoryHandler HistoryHandlerForCode(int Code);

class TKeptItems;
// While it lives, the handlers leave alone what Kept holds: what the user left unticked in the
// other areas of the same run. Scopes do not nest.
class THistoryKeepScope {
 public:
  explicit THistoryKeepScope(const TKeptItems* Kept);
  ~THistoryKeepScope();
  THistoryKeepScope(const THistoryKeepScope&) = delete;
  THistoryKeepScope& operator=(const THistoryKeepScope&) = delete;
};
// The kept items of the scope that lives, or nullptr.
const TKeptItems* HistoryKeptItems();

// Seams for tests: where the special folders lie (the platform's lookup: SHGetSpecialFolderPath,
// no creation), and emptying the Recycle Bin (true when the shell module could be loaded).
// nullptr restores the real call.
void SetSpecialFolderLookupForTesting(std::function<bool(int Csidl, std::wstring& Path)> lookup);
void SetRecycleBinEmptierForTesting(std::function<bool(HWND Owner)> emptier);
