#include "cleaners/evidence/history_handlers.h"

#include <shlobj.h>

#include "base/message_pump.h"
#include "base/registry_key.h"
#include "cleaners/evidence/history_handler_kit.h"
#include "common/kept_items.h"

namespace {

std::function<bool(int, std::wstring&)>& FolderLookup() {
  static std::function<bool(int, std::wstring&)> lookup;
  return lookup;
}

std::function<bool(HWND)>& RecycleBinEmptier() {
  static std::function<bool(HWND)> emptier;
  return emptier;
}

const std::vector<const THistoryHandlerRow*>& Table() {
  static const std::vector<const THistoryHandlerRow*> table = [] {
    std::vector<const THistoryHandlerRow*> rows;
    for (const auto* family : {&SystemHistoryRows(), &BrowserHistoryRows(), &ApplicationHistoryRows()})
      for (const THistoryHandlerRow& row : *family) rows.push_back(&row);
    return rows;
  }();
  return table;
}

TRegistry& UserRegistry(TRegistry& reg) {
  reg.SetRootKey(HKEY_CURRENT_USER);
  return reg;
}

}  // namespace

void THistoryContext::Report(int state) {
  State.State = state;
  if (Sink.OnState) Sink.OnState(State);
}

void THistoryContext::ShowError(const std::wstring& text, const std::wstring& caption) const {
  if (Sink.ShowError)
    Sink.ShowError(text, caption);
  else
    MessageBoxW(Sink.Wnd, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

void THistoryHandler::operator()(const THistorySink& Sink, THistoryScanState& State) const {
  if (!row_) return;
  State.Name = row_->Label;
  State.Code = row_->Code;
  THistoryContext context(Sink, State);
  context.Report(kHisStateRunning);
  PumpMessages();
  const int final = row_->Work(context);
  if (final != kNoFinalReport) context.Report(final);
}

std::wstring THistoryHandler::Label() const { return row_ ? row_->Label : L""; }

THistoryTargets THistoryHandler::Targets(const THistorySink& Sink) const {
  return row_ && row_->Targets ? row_->Targets(Sink) : THistoryTargets();
}

namespace {
const TKeptItems*& KeptItemsOfScope() {
  static const TKeptItems* kept = nullptr;
  return kept;
}
}  // namespace

THistoryKeepScope::THistoryKeepScope(const TKeptItems* Kept) { KeptItemsOfScope() = Kept; }
THistoryKeepScope::~THistoryKeepScope() { KeptItemsOfScope() = nullptr; }
const TKeptItems* HistoryKeptItems() { return KeptItemsOfScope(); }

THistoryHandler HistoryHandlerForCode(int Code) {
  for (const THistoryHandlerRow* row : Table())
    if (row->Code == Code) return THistoryHandler(row);
  return THistoryHandler(nullptr);
}

void SetSpecialFolderLookupForTesting(std::function<bool(int, std::wstring&)> lookup) {
  FolderLookup() = std::move(lookup);
}

void SetRecycleBinEmptierForTesting(std::function<bool(HWND)> emptier) { RecycleBinEmptier() = std::move(emptier); }

namespace {

bool MayDeleteUserValue(const std::wstring& path, const std::wstring& name) {
  const TKeptItems* kept = HistoryKeptItems();
  return !kept || kept->MayDeleteValue(HKEY_CURRENT_USER, path, name);
}

// Path without the leading backslash, and a subkey's path.
std::wstring SubKeyPath(const std::wstring& path, const std::wstring& name) {
  return (!path.empty() && path[0] == L'\\' ? path.substr(1) : path) + L"\\" + name;
}

std::vector<std::wstring> UserSubKeys(const std::wstring& path) {
  std::vector<std::wstring> names;
  TRegistry reg(KEY_READ);
  if (UserRegistry(reg).OpenKeyReadOnly(path)) reg.GetKeyNames(names);
  return names;
}

}  // namespace

bool DeleteUserKey(const std::wstring& path) {
  const TKeptItems* kept = HistoryKeptItems();
  if (!kept || kept->MayDeleteKey(HKEY_CURRENT_USER, path)) {
    TRegistry reg;
    return UserRegistry(reg).DeleteKey(path);
  }
  // Something in it is kept: the rest of it goes, the key stays.
  DeleteUserKeyValues(path);
  DeleteUserSubKeys(path);
  return true;
}

bool UserKeyExists(const std::wstring& path) {
  TRegistry reg;
  return UserRegistry(reg).KeyExists(path);
}

void DeleteUserKeyValues(const std::wstring& path) {
  TRegistry reg;
  if (!UserRegistry(reg).OpenKey(path, false)) return;
  std::vector<std::wstring> names;
  reg.GetValueNames(names);
  for (const std::wstring& name : names)
    if (MayDeleteUserValue(path, name)) reg.DeleteValue(name);
}

void DeleteUserValues(const std::wstring& path, const std::vector<std::wstring>& names) {
  TRegistry reg;
  if (!UserRegistry(reg).OpenKey(path, false)) return;
  for (const std::wstring& name : names)
    if (reg.ValueExists(name) && MayDeleteUserValue(path, name)) reg.DeleteValue(name);
}

void DeleteUserSubKeys(const std::wstring& path) {
  const TKeptItems* kept = HistoryKeptItems();
  if (!kept || kept->MayDeleteKey(HKEY_CURRENT_USER, path)) {
    DeleteRegSubKeys(HKEY_CURRENT_USER, !path.empty() && path[0] == L'\\' ? path.substr(1) : path);
    return;
  }
  for (const std::wstring& name : UserSubKeys(path)) DeleteUserKey(SubKeyPath(path, name));
}

bool SpecialFolder(const THistorySink& sink, int csidl, std::wstring& path) {
  path.clear();
  if (FolderLookup()) {
    if (!FolderLookup()(csidl, path)) path.clear();
  } else {
    wchar_t buffer[MAX_PATH + 1] = {};
    if (SHGetSpecialFolderPathW(sink.Wnd, buffer, csidl, FALSE)) path = buffer;
  }
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  return !path.empty();
}

bool EmptyRecycleBin(HWND owner) {
  if (RecycleBinEmptier()) return RecycleBinEmptier()(owner);
  HMODULE shell = LoadLibraryW(L"Shell32.dll");
  if (!shell) return false;
  using TEmpty = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);
  if (auto empty = reinterpret_cast<TEmpty>(reinterpret_cast<void*>(GetProcAddress(shell, "SHEmptyRecycleBinA"))))
    empty(owner, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
  FreeLibrary(shell);
  return true;
}
