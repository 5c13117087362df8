// Category 5: application paths whose program file is missing.
#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_shared_tests.h"
#include "registry/scan/scan_walks.h"

void ScanAppPaths(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  const std::wstring key = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
  const std::wstring keyText = L"HKEY_LOCAL_MACHINE" + key;
  auto checkApp = [&](TRegistry& reg, const std::wstring& app, const std::wstring& appKey) {
    std::wstring data = reg.OpenKey(appKey, false) ? reg.ReadString(L"") : std::wstring();
    std::wstring file = ExtractExePath(ExpandEnvironmentText(data));
    if (Trim(file).empty() || FileExists(file)) return;
    Engine.AddRegItem(MakeRegItem(HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", key, appKey, kDefaultValueLabel, keyText,
                                  L"Miss or Invalid Path", app + L" contains invalid path,It can be deleteed.", 5, 1),
                      OnProgress);
  };
  WalkSubKeys(Engine, OnProgress, HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", key, checkApp);
}
