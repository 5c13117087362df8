// Category 8, "Uninstall Sections": uninstall entries of the machine that are empty, name no
// program, or point at install folders that are gone.
#include <string>
#include <utility>
#include <vector>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_cat08_15_reading.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_shared_tests.h"

void ScanUninstall(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  const std::wstring K = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
  const std::wstring RN = L"HKEY_LOCAL_MACHINE";
  ReportScanProgress(OnProgress, 0, RN + K);

  TRegistry Reg(KEY_READ);
  Reg.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!Reg.OpenKeyReadOnly(K)) return;
  std::vector<std::wstring> Entries;
  Reg.GetKeyNames(Entries);

  for (const std::wstring& U : Entries) {
    const std::wstring Path = K + L"\\" + U;
    if (!Engine.NextEntry(OnProgress, RN + Path)) return;

    auto Add = [&](const std::wstring& ValueName, const std::wstring& ValueData, const std::wstring& Description,
                   uint8_t Action) {
      TRegItem Item;
      Item.RootKey = HKEY_LOCAL_MACHINE;
      Item.RootName = RN;
      Item.BaseKey = K;
      Item.KeyPath = Path;
      Item.ValueName = ValueName;
      Item.ValueData = ValueData;
      Item.ProblemType = L"Invalid Uninstaller entry:" + U;
      Item.Description = Description;
      Item.Category = 8;
      Item.Action = Action;
      Engine.AddRegItem(std::move(Item), OnProgress);
    };

    if (IsKeyTreeEmpty(HKEY_LOCAL_MACHINE, Path)) {
      Add(U, RN + Path, L"This entry's " + U + L" is empty,It can be deleteed.", 1);
      continue;
    }
    if (!Reg.KeyExists(Path)) continue;

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
  }
}
