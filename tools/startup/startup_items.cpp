#include "tools/startup/startup_items.h"

#include <shlobj.h>

#include <memory>

#include "base/exact_file.h"
#include "base/files.h"
#include "base/registry_key.h"
#include "tools/startup/startup_exe.h"

namespace {

std::unique_ptr<TStartupSources>& TestSources() {
  static std::unique_ptr<TStartupSources> sources;
  return sources;
}

std::wstring SpecialFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return L"";
  return ExcludeTrailingBackslash(path);
}

void AddKeyValues(const TRunKeyRow& row, const std::wstring& keyPath, bool active,
                  std::vector<TStartupItem>& items) {
  TRegistry reg(KEY_READ);
  reg.SetRootKey(row.Root);
  if (!reg.OpenKeyReadOnly(keyPath)) return;
  std::vector<std::wstring> names;
  reg.GetValueNames(names);
  for (const std::wstring& name : names) {
    const DWORD type = reg.GetDataType(name);
    if (type != REG_SZ && type != REG_EXPAND_SZ) continue;
    TStartupItem item;
    item.Name = item.ValueName = name;
    item.Command = reg.ReadString(name);
    item.ExeFile = ResolveStartupExe(item.Command);
    if (!item.ExeFile.empty()) ReadVersionInfo(item.ExeFile, item.VersionInfo);
    item.RootKey = row.Root;
    item.Active = active;
    item.Kind = kStartupRegistry;
    item.Location = row.KeyPath;
    item.DisabledLocation = row.KeyPath + kDisabledSuffix;
    items.push_back(std::move(item));
  }
}

// The visible files of a folder; `shownFolder` is where the rows say they start from.
void AddFolderFiles(const std::wstring& folder, const std::wstring& shownFolder, const std::wstring& disabledFolder,
                    bool active, std::vector<TStartupItem>& items) {
  if (folder.empty()) return;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN)) continue;
    TStartupItem item;
    item.Name = item.ValueName = data.cFileName;
    item.Command = shownFolder + L"\\" + item.Name;
    item.Active = active;
    item.Kind = kStartupFile;
    item.Location = shownFolder + L"\\";
    item.DisabledLocation = disabledFolder + L"\\";
    items.push_back(std::move(item));
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

}  // namespace

TStartupSources DefaultStartupSources() {
  const std::wstring run = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
  const std::wstring policies = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer\\Run";
  TStartupSources sources;
  sources.RunKeys = {{HKEY_LOCAL_MACHINE, run + L"Run"},   {HKEY_LOCAL_MACHINE, run + L"RunOnce"},
                     {HKEY_LOCAL_MACHINE, run + L"RunOnceEx"}, {HKEY_CURRENT_USER, run + L"Run"},
                     {HKEY_CURRENT_USER, run + L"RunOnce"},    {HKEY_CURRENT_USER, run + L"RunOnceEx"},
                     {HKEY_LOCAL_MACHINE, policies},           {HKEY_CURRENT_USER, policies}};
  sources.CommonStartupFolder = SpecialFolder(CSIDL_COMMON_STARTUP);
  sources.UserStartupFolder = SpecialFolder(CSIDL_STARTUP);
  sources.DisabledFolder = ProgramFolder() + L"startupdata";
  return sources;
}

TStartupSources CurrentStartupSources() { return TestSources() ? *TestSources() : DefaultStartupSources(); }

void SetStartupSourcesForTesting(const TStartupSources* sources) {
  TestSources() = sources ? std::make_unique<TStartupSources>(*sources) : nullptr;
}

std::vector<TStartupItem> ScanStartupItems(const TStartupSources& sources) {
  std::vector<TStartupItem> items;
  for (const TRunKeyRow& row : sources.RunKeys) {
    AddKeyValues(row, row.KeyPath, true, items);
    AddKeyValues(row, row.KeyPath + kDisabledSuffix, false, items);
  }
  AddFolderFiles(sources.CommonStartupFolder, sources.CommonStartupFolder, sources.DisabledFolder, true, items);
  AddFolderFiles(sources.UserStartupFolder, sources.UserStartupFolder, sources.DisabledFolder, true, items);
  AddFolderFiles(sources.DisabledFolder, sources.CommonStartupFolder, sources.DisabledFolder, false, items);
  return items;
}

bool RemoveStartupItem(const TStartupItem& item) {
  const std::wstring place = item.Active ? item.Location : item.DisabledLocation;
  if (item.Kind == kStartupFile) {
    const std::wstring file = place + item.ValueName;
    // Only the file listed there: a link's target is somebody else's.
    return !FileExists(file) || DeleteExactFile(file);
  }
  TRegistry reg(KEY_QUERY_VALUE | KEY_SET_VALUE);
  reg.SetRootKey(item.RootKey);
  if (!reg.OpenKey(place, false)) return !reg.KeyExists(place);
  return !reg.ValueExists(item.ValueName) || reg.DeleteValue(item.ValueName);
}
