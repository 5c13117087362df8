// Category 8, "Uninstall Sections": uninstall entries of the machine that are empty, name no
// program, or point at install folders that are gone.
#include <string>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_shared_tests.h"
#include "registry/scan/scan_walks.h"

void ScanUninstall(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  const std::wstring K = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
  const std::wstring RN = L"HKEY_LOCAL_MACHINE";

  auto CheckEntry = [&](TRegistry& Reg, const std::wstring& U, const std::wstring& Path) {
    auto Add = [&](const std::wstring& ValueName, const std::wstring& ValueData, const std::wstring& Description,
                   uint8_t Action) {
      Engine.AddRegItem(MakeRegItem(HKEY_LOCAL_MACHINE, RN, K, Path, ValueName, ValueData,
                                    L"Invalid Uninstaller entry:" + U, Description, 8, Action),
                        OnProgress);
    };

    if (IsKeyTreeEmpty(HKEY_LOCAL_MACHINE, Path)) {
      Add(U, RN + Path, L"This entry's " + U + L" is empty,It can be deleteed.", 1);
      return;
    }
    if (!Reg.KeyExists(Path)) return;

    // An entry that does not open is judged on empty texts. Each value is read on its own: one
    // value of an unexpected type must not make the whole entry look like it names no program.
    Reg.OpenKeyReadOnly(Path);
    const std::wstring DisplayName = ReadTextOrEmpty(Reg, L"DisplayName");
    const std::wstring UninstallString = ReadTextOrEmpty(Reg, L"UninstallString");
    const std::wstring InstallSource = ReadTextOrEmpty(Reg, L"InstallSource");
    const std::wstring InstallLocation = ReadTextOrEmpty(Reg, L"InstallLocation");
    const std::wstring Missing = L"This entry's " + U + L" referens a program that is missing or does not exist.";

    if (Trim(DisplayName).empty() && Trim(UninstallString).empty()) Add(U, RN + Path, Missing, 1);
    if (Reg.ValueExists(L"InstallLocation") && !DirectoryExists(Trim(InstallLocation)))
      Add(L"InstallLocation", RN + Path, Missing, 2);
    if (Reg.ValueExists(L"InstallSource") && !DirectoryExists(Trim(InstallSource)))
      Add(L"InstallSource", InstallSource, Missing, 2);
  };
  WalkSubKeys(Engine, OnProgress, HKEY_LOCAL_MACHINE, RN, K, CheckEntry);
}
