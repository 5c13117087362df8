#include "registry/scan/scan_software_keys.h"

#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_shared_tests.h"
#include "registry/scan/scan_walks.h"

void ScanSoftwareKeys(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress, HKEY Root,
                      const wchar_t* RootName, int32_t Category) {
  const std::wstring key = L"\\SoftWare";
  auto checkProgram = [&](TRegistry&, const std::wstring& program, const std::wstring& programKey) {
    std::wstring plain = LowerCase(Trim(program));
    if (plain == L"microsoft" || plain == L"classes") return;
    if (!IsKeyTreeEmpty(Root, programKey)) return;
    Engine.AddRegItem(
        MakeRegItem(Root, RootName, key, programKey, L"", RootName + programKey, L"Redundant or Invalid Registry Key",
                    program + L" contains redundant or invalid registry key,It can be deleteed.", Category, 1),
        OnProgress);
  };
  WalkSubKeys(Engine, OnProgress, Root, RootName, key, checkProgram);
}
