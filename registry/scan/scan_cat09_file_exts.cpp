// Category 9, "File Extensions": the user's per-extension Explorer settings that are empty, and
// "Open with" entries naming programs that are neither on disk nor registered as an App Path.
#include <string>
#include <utility>
#include <vector>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_shared_tests.h"

void ScanFileExts(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  const std::wstring K = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
  const std::wstring RN = L"HKEY_CURRENT_USER";
  const std::wstring AppPaths = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
  ReportScanProgress(OnProgress, 0, RN + K);

  TRegistry Reg(KEY_READ);
  Reg.SetRootKey(HKEY_CURRENT_USER);
  TRegistry Machine(KEY_READ);
  Machine.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!Reg.OpenKeyReadOnly(K)) return;
  std::vector<std::wstring> Extensions;
  Reg.GetKeyNames(Extensions);

  for (const std::wstring& X : Extensions) {
    const std::wstring Path = K + L"\\" + X;
    if (!Engine.NextEntry(OnProgress, RN + Path)) return;

    auto Add = [&](const std::wstring& KeyPath, const std::wstring& ValueName, uint8_t Action) {
      TRegItem Item;
      Item.RootKey = HKEY_CURRENT_USER;
      Item.RootName = RN;
      Item.BaseKey = Path;
      Item.KeyPath = KeyPath;
      Item.ValueName = ValueName;
      Item.ValueData = RN + KeyPath;
      Item.ProblemType = L"Miss or Invalid Path";
      Item.Description = L"The key " + X + L" contains a bad path for the value.";
      Item.Category = 9;
      Item.Action = Action;
      Engine.AddRegItem(std::move(Item), OnProgress);
    };

    if (IsKeyTreeEmpty(HKEY_CURRENT_USER, Path)) {
      Add(Path, L"", 1);
      continue;
    }
    const std::wstring OpenWith = Path + L"\\OpenWithList";
    if (!Reg.OpenKeyReadOnly(OpenWith)) continue;
    std::vector<std::wstring> Names;
    Reg.GetValueNames(Names);
    for (const std::wstring& N : Names) {
      if (LowerCase(Trim(N)) == L"mrulist") continue;
      // A value that is not text ends the scan with the key object's error.
      const std::wstring F = ExtractExePath(Reg.ReadString(N));
      if (!FileExists(F) && !Machine.KeyExists(AppPaths + F)) Add(OpenWith, N, 2);
    }
  }
}
