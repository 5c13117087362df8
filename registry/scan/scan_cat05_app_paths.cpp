// Category 5: application paths whose program file is missing.
#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_shared_tests.h"

void ScanAppPaths(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  const std::wstring key = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
  const std::wstring keyText = L"HKEY_LOCAL_MACHINE" + key;
  ReportScanProgress(OnProgress, 0, keyText);
  TRegistry reg;
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!reg.OpenKey(key, false)) return;
  std::vector<std::wstring> apps;
  reg.GetKeyNames(apps);
  reg.CloseKey();
  for (const std::wstring& app : apps) {
    const std::wstring appKey = key + L"\\" + app;
    if (!Engine.NextEntry(OnProgress, L"HKEY_LOCAL_MACHINE" + appKey)) return;
    std::wstring data = reg.OpenKey(appKey, false) ? reg.ReadString(L"") : std::wstring();
    reg.CloseKey();
    std::wstring file = ExtractExePath(ExpandEnvironmentText(data));
    if (Trim(file).empty() || FileExists(file)) continue;
    Engine.AddRegItem(MakeRegItem(HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", key, appKey, kDefaultValueLabel, keyText,
                                  L"Miss or Invalid Path", app + L" contains invalid path,It can be deleteed.", 5, 1),
                      OnProgress);
  }
}
