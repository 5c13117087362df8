#include "registry/scan/scan_software_keys.h"

#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_shared_tests.h"

void ScanSoftwareKeys(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress, HKEY Root,
                      const wchar_t* RootName, int32_t Category) {
  const std::wstring key = L"\\SoftWare";
  ReportScanProgress(OnProgress, 0, RootName + key);
  TRegistry reg;
  reg.SetRootKey(Root);
  if (!reg.OpenKey(key, false)) return;
  std::vector<std::wstring> programs;
  reg.GetKeyNames(programs);
  reg.CloseKey();
  for (const std::wstring& program : programs) {
    const std::wstring programKey = key + L"\\" + program;
    const std::wstring programText = RootName + programKey;
    if (!Engine.NextEntry(OnProgress, programText)) return;
    std::wstring plain = LowerCase(Trim(program));
    if (plain == L"microsoft" || plain == L"classes") continue;
    if (!IsKeyTreeEmpty(Root, programKey)) continue;
    Engine.AddRegItem(
        MakeRegItem(Root, RootName, key, programKey, L"", programText, L"Redundant or Invalid Registry Key",
                    program + L" contains redundant or invalid registry key,It can be deleteed.", Category, 1),
        OnProgress);
  }
}
