// What the handler files share: the row of the handler table, the report helper and the
// registry and folder steps most handlers are made of. Private to the evidence library.
#pragma once

#include <climits>
#include <string>
#include <vector>

#include "cleaners/evidence/history_handlers.h"

// A work routine's result when the handler sends no final report.
constexpr int kNoFinalReport = INT_MIN;

class THistoryContext {
 public:
  THistoryContext(const THistorySink& sink, THistoryScanState& state) : Sink(sink), State(state) {}
  // State.State := state and one report.
  void Report(int state);
  void ShowError(const std::wstring& text, const std::wstring& caption) const;

  const THistorySink& Sink;
  THistoryScanState& State;
};

using THistoryWork = int (*)(THistoryContext& Context);
// What the handler clears, as far as it lies in user keys and folders.
using THistoryTargetList = THistoryTargets (*)(const THistorySink& Sink);

struct THistoryHandlerRow {
  int Code;
  const wchar_t* Label;
  THistoryWork Work;
  THistoryTargetList Targets = nullptr;  // none: its traces lie elsewhere (or nowhere another area reaches)
};

// The rows of each handler family, joined into the table in history_handlers.cpp.
const std::vector<THistoryHandlerRow>& SystemHistoryRows();
const std::vector<THistoryHandlerRow>& BrowserHistoryRows();
const std::vector<THistoryHandlerRow>& ApplicationHistoryRows();

// Paths with and without a leading backslash are both below HKEY_CURRENT_USER. While a
// THistoryKeepScope lives, each step leaves alone the keys, values and files it keeps.
// Deletes the key with its subkeys and values, never through a registry link; true when the key
// is gone, also when it was already absent (nothing was left to clear), and when it stays only
// for what is kept in it (everything else in it is deleted).
bool DeleteUserKey(const std::wstring& path);
bool UserKeyExists(const std::wstring& path);
// Deletes every value of the key (the key stays); nothing when it cannot be opened.
void DeleteUserKeyValues(const std::wstring& path);
// Deletes the named values of the key that exist.
void DeleteUserValues(const std::wstring& path, const std::vector<std::wstring>& names);
// Deletes every subkey of the key (the key stays); a key that is a registry link has none.
void DeleteUserSubKeys(const std::wstring& path);

// The special folder, without a trailing backslash; false when the platform has none, so the
// handler skips instead of working on a relative or root path.
bool SpecialFolder(const THistorySink& sink, int csidl, std::wstring& path);
// Empties the Recycle Bin of every drive without asking; false when the shell module cannot
// be loaded.
bool EmptyRecycleBin(HWND owner);
