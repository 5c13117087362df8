// Category 12, "Startup Programs": Run entries of the machine and of the user whose program is
// not on disk, and empty subkeys of the Run keys.
#include <string>
#include <utility>
#include <vector>

#include "base/files.h"
#include "base/registry_key.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_shared_tests.h"

namespace {

const wchar_t* const kStartupKeys[] = {
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
    L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
    L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx",
    L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer\\run",
};

struct TStartupRoot {
  HKEY Root;
  const wchar_t* Name;
};

}  // namespace

void ScanStartup(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  const TStartupRoot Roots[] = {{HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE"}, {HKEY_CURRENT_USER, L"HKEY_CURRENT_USER"}};

  for (const TStartupRoot& R : Roots) {
    const std::wstring RN = R.Name;
    TRegistry Reg(KEY_READ);
    Reg.SetRootKey(R.Root);
    for (const wchar_t* KeyText : kStartupKeys) {
      const std::wstring K = KeyText;
      if (!Reg.OpenKeyReadOnly(K)) continue;
      std::vector<std::wstring> Values, SubKeys;
      Reg.GetValueNames(Values);
      Reg.GetKeyNames(SubKeys);

      auto Add = [&](const std::wstring& KeyPath, const std::wstring& ValueName, const std::wstring& ValueData,
                     const std::wstring& Name, uint8_t Action) {
        TRegItem Item;
        Item.RootKey = R.Root;
        Item.RootName = RN;
        Item.BaseKey = K;
        Item.KeyPath = KeyPath;
        Item.ValueName = ValueName;
        Item.ValueData = ValueData;
        Item.ProblemType = L"Miss or Invalid Path ";
        Item.Description = L"The key " + Name + L"contains invalid path,It can be deleteed.";
        Item.Category = 12;
        Item.Action = Action;
        Engine.AddRegItem(std::move(Item), OnProgress);
      };

      for (const std::wstring& N : Values) {
        if (!Engine.NextEntry(OnProgress, RN + K + L"\\" + N)) return;
        // A value that is not text ends the scan with the key object's error.
        const std::wstring D = Reg.ReadString(N);
        if (!FileExists(ExtractExePath(ExpandEnvironmentText(D)))) Add(K, N, D, N, 2);
      }
      for (const std::wstring& S : SubKeys) {
        if (!Engine.NextEntry(OnProgress, RN + K + L"\\" + S)) return;
        if (IsKeyTreeEmpty(R.Root, K + L"\\" + S)) Add(K + L"\\" + S, L"", L"", S, 1);
      }
    }
  }
}
