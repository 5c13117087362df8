#include "registry/scan/reg_clean.h"

#include <windows.h>

#include "base/date_time.h"
#include "base/files.h"
#include "base/ini_file.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/reg_log_html.h"
#include "base/message_pump.h"

const wchar_t* const kRegCleanedStatus = L"清理成功";
const wchar_t* const kRegFailedStatus = L"清理失败";

namespace {

// Empty-key records name their keys with a trailing backslash, which the platform does not take.
std::wstring KeyToDelete(const std::wstring& Path) {
  std::wstring path = Path;
  while (path.size() > 1 && path.back() == L'\\') path.pop_back();
  return path;
}

bool DeleteRegItem(const TRegItem& Item) {
  if (Item.Action == 0 || Item.Action == 1) {
    const std::wstring path = KeyToDelete(Item.Action == 0 ? Item.BaseKey : Item.KeyPath);
    // Scanning reads only; a key this account may not change is a failure, whatever the
    // platform's delete call would let through.
    TRegistry reg(KEY_WRITE | DELETE);
    reg.SetRootKey(Item.RootKey);
    if (!reg.OpenKey(path, false)) return false;
    reg.CloseKey();
    // Deleting takes the whole subtree, subkeys first; an empty path would name the root.
    return reg.DeleteKey(path);
  }
  TRegistry reg(KEY_SET_VALUE);
  reg.SetRootKey(Item.RootKey);
  if (!reg.OpenKey(KeyToDelete(Item.KeyPath), false)) return false;
  return reg.DeleteValue(Item.ValueName == kDefaultValueLabel ? std::wstring() : Item.ValueName);
}

}  // namespace

bool IsRegItemExcluded(const TRegExcludeList& ExcludeList, const TRegItem& Item) {
  const std::wstring baseKey = LowerCase(Trim(Item.BaseKey));
  const std::wstring keyPath = LowerCase(Trim(Item.KeyPath));
  for (const auto& entry : ExcludeList) {
    if (entry->RootKey != Item.RootKey) continue;
    const std::wstring path = LowerCase(Trim(entry->Path));
    // A line whose key is no longer than its root name gives an empty path; it would match
    // every record that has no base key.
    if (path.empty()) continue;
    if (path == baseKey || path == keyPath) return true;
  }
  return false;
}

void ApplyRegExcludeList(TRegScanEngine& Engine) {
  for (const auto& item : Engine.Items) item->Excluded = IsRegItemExcluded(Engine.ExcludeItems, *item) ? 1 : 0;
}

TRegCleanResult CleanRegItems(TRegScanEngine& Engine, TRegCleanReport Report, const TScanProgressEvent& OnProgress) {
  TRegCleanResult result;
  ApplyRegExcludeList(Engine);
  for (const auto& item : Engine.Items) {
    if (item->Selected)
      ReportScanProgress(OnProgress, 0,
                         Report == TRegCleanReport::Category ? IntToStr(item->Category) : item->ValueData);
    if (item->Excluded) continue;
    PumpMessages();
    if (Engine.CleanState == kRegStateStop) return result;
    if (!item->Selected) continue;
    if (DeleteRegItem(*item)) {
      item->Status = kRegCleanedStatus;
      ++result.Cleaned;
      if (item->Category >= 1 && item->Category <= kRegCategoryCount) ++result.CleanedInCategory[item->Category];
    } else {
      item->Status = kRegFailedStatus;
      ++result.Failed;
    }
  }
  std::wstring folder = IncludeTrailingBackslash(ProgramFolder()) + L"LOG\\";
  if (!DirectoryExists(folder)) CreateDirectoryW(folder.c_str(), nullptr);
  result.LogFile = folder + FormatDateTime(L"yyyymmddhhnnss", Now()) + L".html";
  WriteRegLogHtml(Engine.Items, result.LogFile);
  AddRegLogRecord(result.LogFile);
  return result;
}

TRegCleanResult CleanRegItems(const TScanProgressEvent& OnProgress) {
  return CleanRegItems(RegScanEngine, TRegCleanReport::Category, OnProgress);
}

TRegCleanResult CleanRegItems(int& FailCount, const TScanProgressEvent& OnProgress) {
  FailCount = 0;
  TRegCleanResult result = CleanRegItems(OneClickRegScanEngine, TRegCleanReport::ValueData, OnProgress);
  FailCount = result.Failed;
  return result;
}

void AddRegLogRecord(const std::wstring& LogPath) {
  TIniFile(ProgramFolder() + L"Cleaner.ini").WriteString(L"RegLogFiles", FormatDateTime(L"yyyy-mm-dd-hh-nn-ss", Now()),
                                                        LogPath);
}
