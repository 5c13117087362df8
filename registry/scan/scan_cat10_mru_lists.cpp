// Category 10, "Histoty/MRU Lists": every entry of the Explorer's recently-used lists, under the
// user's and the machine's keys, is offered for removal.
#include <string>
#include <utility>
#include <vector>

#include "base/registry_key.h"
#include "registry/scan/scan_categories.h"

namespace {

const wchar_t* const kMruKeys[] = {
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU",
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU",
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs",
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU",
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StreamMRU",
};

struct TMruRoot {
  HKEY Root;
  const wchar_t* Name;
};

}  // namespace

void ScanMruLists(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  ReportScanProgress(OnProgress, 0,
                     L"HKEY_CURRENT_UESER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32");
  const TMruRoot Roots[] = {{HKEY_CURRENT_USER, L"HKEY_CURRENT_USER"}, {HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE"}};

  for (const TMruRoot& R : Roots) {
    const std::wstring RN = R.Name;
    TRegistry Reg(KEY_READ);
    Reg.SetRootKey(R.Root);
    for (const wchar_t* KeyText : kMruKeys) {
      const std::wstring K = KeyText;
      if (!Reg.OpenKeyReadOnly(K)) continue;
      std::vector<std::wstring> Values, SubKeys;
      Reg.GetValueNames(Values);
      Reg.GetKeyNames(SubKeys);

      auto Add = [&](const std::wstring& KeyPath, const std::wstring& ValueName, uint8_t Action) {
        TRegItem Item;
        Item.RootKey = R.Root;
        Item.RootName = RN;
        Item.BaseKey = K;
        Item.KeyPath = KeyPath;
        Item.ValueName = ValueName;
        Item.ValueData = RN + K;
        Item.ProblemType = L"Redundant or Invalid Registry Key";
        Item.Description = L"The key is redundant or invalid registry key,iIt can be deleteed";
        Item.Category = 10;
        Item.Action = Action;
        Engine.AddRegItem(std::move(Item), OnProgress);
      };

      for (const std::wstring& N : Values) {
        if (!Engine.NextEntry(OnProgress, RN + K + L"\\" + N)) return;
        Add(K, N, 2);
      }
      for (const std::wstring& S : SubKeys) {
        if (!Engine.NextEntry(OnProgress, RN + K + L"\\" + S)) return;
        Add(K + L"\\" + S, L"", 1);
      }
    }
  }
}
