// Category 14, "Sounds Sections": sound events of the user's schemes whose sound file is missing.
#include <string>
#include <vector>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_categories.h"

void ScanSounds(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  const std::wstring K = L"\\AppEvents\\Schemes\\Apps";
  const std::wstring RN = L"HKEY_CURRENT_USER";
  ReportScanProgress(OnProgress, 0, RN + K);

  TRegistry Reg(KEY_READ);
  Reg.SetRootKey(HKEY_CURRENT_USER);
  if (!Reg.OpenKeyReadOnly(K)) return;
  std::vector<std::wstring> Apps;
  Reg.GetKeyNames(Apps);

  for (const std::wstring& A : Apps) {
    std::vector<std::wstring> Events;
    if (Reg.OpenKeyReadOnly(K + L"\\" + A)) Reg.GetKeyNames(Events);
    for (const std::wstring& E : Events) {
      const std::wstring Event = K + L"\\" + A + L"\\" + E;
      if (!Engine.NextEntry(OnProgress, RN + Event)) return;
      for (const wchar_t* Scheme : {L".Current", L".Default"}) {
        const std::wstring KeyPath = Event + L"\\" + Scheme;
        if (!Reg.KeyExists(KeyPath)) continue;
        // A value that is not text counts as empty.
        std::wstring F;
        if (Reg.OpenKeyReadOnly(KeyPath)) F = ExpandEnvironmentText(ReadTextOrEmpty(Reg, L""));
        // A bare file name is taken as it stands, not looked up in the media folder.
        if (Trim(F).empty() || FileExists(F)) continue;
        Engine.AddRegItem(
            MakeRegItem(HKEY_CURRENT_USER, RN, Event, KeyPath, kDefaultValueLabel, F, L"Miss or Invalid Path",
                        L"The key " + F + L" is missing or invalid,It can be deleteed.", 14, 1),
            OnProgress);
      }
    }
  }
}
