// Category 12, "Startup Programs": Run entries of the machine and of the user whose program is
// not on disk, and empty subkeys of the Run keys.
#include <string>
#include <vector>

#include "base/files.h"
#include "base/registry_key.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_shared_tests.h"
#include "registry/scan/scan_walks.h"

namespace {

const std::vector<std::wstring> kStartupKeys = {
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
    L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
    L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx",
    L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer\\run",
};

}  // namespace

void ScanStartup(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  auto Add = [&](const TScanRoot& R, const std::wstring& K, const std::wstring& KeyPath, const std::wstring& ValueName,
                 const std::wstring& ValueData, const std::wstring& Name, uint8_t Action) {
    Engine.AddRegItem(MakeRegItem(R.Root, R.Name, K, KeyPath, ValueName, ValueData, L"Miss or Invalid Path ",
                                  L"The key " + Name + L"contains invalid path,It can be deleteed.", 12, Action),
                      OnProgress);
  };
  WalkKeyLists(
      Engine, OnProgress, {{HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE"}, {HKEY_CURRENT_USER, L"HKEY_CURRENT_USER"}},
      kStartupKeys,
      [&](const TScanRoot& R, const std::wstring& K, TRegistry& Reg, const std::wstring& N) {
        // A value that is not text ends the scan with the key object's error.
        const std::wstring D = Reg.ReadString(N);
        if (!FileExists(ExtractExePath(ExpandEnvironmentText(D)))) Add(R, K, K, N, D, N, 2);
      },
      [&](const TScanRoot& R, const std::wstring& K, TRegistry&, const std::wstring& S) {
        if (IsKeyTreeEmpty(R.Root, K + L"\\" + S)) Add(R, K, K + L"\\" + S, L"", L"", S, 1);
      });
}
