// Category 10, "Histoty/MRU Lists": every entry of the Explorer's recently-used lists, under the
// user's and the machine's keys, is offered for removal.
#include <string>
#include <vector>

#include "base/registry_key.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_walks.h"

namespace {

const std::vector<std::wstring> kMruKeys = {
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU",
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU",
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs",
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU",
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StreamMRU",
};

}  // namespace

void ScanMruLists(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  ReportScanProgress(OnProgress, 0,
                     L"HKEY_CURRENT_UESER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32");

  auto Add = [&](const TScanRoot& R, const std::wstring& K, const std::wstring& KeyPath, const std::wstring& ValueName,
                 uint8_t Action) {
    const std::wstring RN = R.Name;
    Engine.AddRegItem(MakeRegItem(R.Root, RN, K, KeyPath, ValueName, RN + K, L"Redundant or Invalid Registry Key",
                                  L"The key is redundant or invalid registry key,iIt can be deleteed", 10, Action),
                      OnProgress);
  };
  WalkKeyLists(
      Engine, OnProgress, {{HKEY_CURRENT_USER, L"HKEY_CURRENT_USER"}, {HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE"}},
      kMruKeys,
      [&](const TScanRoot& R, const std::wstring& K, TRegistry&, const std::wstring& N) { Add(R, K, K, N, 2); },
      [&](const TScanRoot& R, const std::wstring& K, TRegistry&, const std::wstring& S) {
        Add(R, K, K + L"\\" + S, L"", 1);
      });
}
