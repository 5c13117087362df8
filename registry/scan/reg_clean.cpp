#include "registry/scan/reg_clean.h"

#include <windows.h>

#include "base/date_time.h"
#include "base/files.h"
#include "base/ini_file.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/reg_key_aliases.h"
#include "registry/reg_names.h"
#include "registry/scan/reg_log_html.h"
#include "base/message_pump.h"

const wchar_t* const kRegCleanedStatus = L"清理成功";
const wchar_t* const kRegFailedStatus = L"清理失败";

namespace {

// Empty-key records name their keys with a trailing backslash, which the platform does not take;
// a leading one means "below the root".
std::wstring KeyToDelete(const std::wstring& Path) {
  std::wstring path = Path;
  while (path.size() > 1 && path.back() == L'\\') path.pop_back();
  if (!path.empty() && path.front() == L'\\') path.erase(0, 1);
  return path;
}

// A key or value that is already gone when its turn comes (an earlier record of the run took it,
// with its key or a key above it) counts as cleaned: what the record asked for holds. The deleter
// keeps the parents of the last record open for the next, which usually shares them.
bool DeleteRegItem(TRegDeleter& Deleter, const TRegItem& Item) {
  if (Item.Action == 0 || Item.Action == 1) {
    // Deleting takes the whole subtree, never through a registry link; an empty path would name
    // the root and is refused.
    const std::wstring path = KeyToDelete(Item.Action == 0 ? Item.BaseKey : Item.KeyPath);
    return Deleter.DeleteKey(Item.RootKey, path, true) != TRegDeleteResult::Failed;
  }
  const std::wstring path = KeyToDelete(Item.KeyPath);
  if (path.empty()) return false;  // the root's own values are never cleaned
  const std::wstring name = Item.ValueName == kDefaultValueLabel ? std::wstring() : Item.ValueName;
  return Deleter.DeleteValue(Item.RootKey, path, name) != TRegDeleteResult::Failed;
}

}  // namespace

std::wstring RegItemName(const TRegItem& Item) {
  std::wstring name = Item.RootName + (Item.Action == 0 ? Item.BaseKey : Item.KeyPath);
  if (Item.Action != 0 && Item.Action != 1) {
    if (name.empty() || name.back() != L'\\') name += L'\\';
    name += Item.ValueName;
  }
  return name;
}

bool IsRegItemExcluded(const TRegExcludeList& ExcludeList, const TRegItem& Item) {
  if (ExcludeList.empty()) return false;
  const TRegKeyAliases& aliases = ThisMachineRegKeyAliases();
  // A record without a base key (or key path) is compared by the other only.
  auto name = [&](HKEY Root, const std::wstring& Path) {
    return ComparableRegKeyPath(Path).empty() ? std::wstring() : CanonicalRegKeyName(Root, Path, aliases);
  };
  const std::wstring baseKey = name(Item.RootKey, Item.BaseKey);
  const std::wstring keyPath = name(Item.RootKey, Item.KeyPath);
  // The key whose whole tree the record deletes, if it deletes one (the root itself for an empty path).
  const bool deletesKey = Item.Action == 0 || Item.Action == 1;
  const std::wstring deleted = CanonicalRegKeyName(Item.RootKey, Item.Action == 0 ? Item.BaseKey : Item.KeyPath, aliases);
  for (const auto& entry : ExcludeList) {
    if (!entry->RootKey) continue;
    // A line whose key is no longer than its root name gives an empty path; it would match
    // every record that has no base key.
    const std::wstring path = name(entry->RootKey, entry->Path);
    if (path.empty()) continue;
    if (path == baseKey || path == keyPath) return true;
    // Deleting a key takes everything below it, an excluded key too.
    if (deletesKey && path.compare(0, deleted.size() + 1, deleted + L'\\') == 0) return true;
  }
  return false;
}

void ApplyRegExcludeList(TRegScanEngine& Engine) {
  for (const auto& item : Engine.Items) item->Excluded = IsRegItemExcluded(Engine.ExcludeItems, *item) ? 1 : 0;
}

void SelectRegItems(TRegScanEngine& Engine, bool Selected) {
  for (const auto& item : Engine.Items) item->Selected = Selected && !item->Excluded ? 1 : 0;
}

TRegCleanResult CleanRegItems(TRegScanEngine& Engine, TRegCleanReport Report, const TScanProgressEvent& OnProgress) {
  TRegCleanResult result;
  ApplyRegExcludeList(Engine);
  TRegDeleter deleter;
  for (const auto& item : Engine.Items) {
    if (item->Selected && OnProgress)
      OnProgress(0, Report == TRegCleanReport::Category ? IntToStr(item->Category) : item->ValueData);
    if (item->Excluded) {
      ++result.Excluded;
      continue;
    }
    PumpMessages();
    if (Engine.CleanState == kRegStateStop) return result;
    if (!item->Selected) continue;
    if (DeleteRegItem(deleter, *item)) {
      item->Status = kRegCleanedStatus;
      ++result.Cleaned;
      if (item->Category >= 1 && item->Category <= kRegCategoryCount) ++result.CleanedInCategory[item->Category];
    } else {
      item->Status = kRegFailedStatus;
      ++result.Failed;
      result.FailedNames.push_back(RegItemName(*item));
    }
  }
  std::wstring folder = IncludeTrailingBackslash(ProgramFolder()) + L"LOG\\";
  if (!DirectoryExists(folder)) CreateDirectoryW(folder.c_str(), nullptr);
  result.LogFile = folder + FormatDateTime(L"yyyymmddhhnnss", Now()) + L".html";
  WriteRegLogHtml(Engine.Items, result.LogFile);
  AddRegLogRecord(result.LogFile);
  return result;
}

void AddRegLogRecord(const std::wstring& LogPath) {
  TIniFile(ProgramFolder() + L"Cleaner.ini").WriteString(L"RegLogFiles", FormatDateTime(L"yyyy-mm-dd-hh-nn-ss", Now()),
                                                        LogPath);
}
