// Category 3: shared DLL counters that are 0 or name a missing file.
#include "base/exception.h"
#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_walks.h"

void ScanSharedDlls(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  const std::wstring key = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
  const std::wstring keyText = L"HKEY_LOCAL_MACHINE" + key;
  ReportScanProgress(OnProgress, 0, keyText);
  WalkValues(Engine, OnProgress, HKEY_LOCAL_MACHINE, key, L"", [&](TRegistry& reg, const std::wstring& name) {
    ReportScanProgress(OnProgress, 0, Trim(name));
    int count = 0;
    try {
      count = reg.ReadInteger(name);
    } catch (const ERegistryException&) {
      count = 0;  // a counter that is not a 4-byte integer counts as 0
    }
    if (count != 0 && FileExists(Trim(name))) return;
    const std::wstring description =
        count == 0 ? L"Share DLL:" + name + L"is invalid,it can be deleteed." : L"Share DLL:" + name + L"is not exist.";
    Engine.AddRegItem(MakeRegItem(HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", key, key, name, keyText, L"Share DLL",
                                  description, 3, 2),
                      OnProgress);
  });
}
