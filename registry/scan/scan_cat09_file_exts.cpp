// Category 9, "File Extensions": the user's per-extension Explorer settings that are empty, and
// "Open with" entries naming programs that are neither on disk nor registered as an App Path.
#include <string>
#include <vector>

#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_shared_tests.h"
#include "registry/scan/scan_walks.h"

void ScanFileExts(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  const std::wstring K = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
  const std::wstring RN = L"HKEY_CURRENT_USER";
  const std::wstring AppPaths = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
  TRegistry Machine(KEY_READ);
  Machine.SetRootKey(HKEY_LOCAL_MACHINE);
  TScanFileAnswers& Files = Engine.FileAnswers();

  auto CheckEntry = [&](TRegistry& Reg, const std::wstring& X, const std::wstring& Path) {
    auto Add = [&](const std::wstring& KeyPath, const std::wstring& ValueName, uint8_t Action) {
      Engine.AddRegItem(
          MakeRegItem(HKEY_CURRENT_USER, RN, Path, KeyPath, ValueName, RN + KeyPath, L"Miss or Invalid Path",
                      L"The key " + X + L" contains a bad path for the value.", 9, Action),
          OnProgress);
    };

    if (IsKeyTreeEmpty(HKEY_CURRENT_USER, Path)) {
      Add(Path, L"", 1);
      return;
    }
    const std::wstring OpenWith = Path + L"\\OpenWithList";
    if (!Reg.OpenKeyReadOnly(OpenWith)) return;
    std::vector<std::wstring> Names;
    Reg.GetValueNames(Names);
    for (const std::wstring& N : Names) {
      if (LowerCase(Trim(N)) == L"mrulist") continue;
      // A value that is not text ends the scan with the key object's error.
      const std::wstring F = ExtractExePath(Reg.ReadString(N), Files);
      if (!Files.FileExists(F) && !Machine.KeyExists(AppPaths + F)) Add(OpenWith, N, 2);
    }
  };
  WalkSubKeys(Engine, OnProgress, HKEY_CURRENT_USER, RN, K, CheckEntry);
}
