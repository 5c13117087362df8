#include "registry/scan/scan_walks.h"

void WalkSubKeys(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress, HKEY Root, const std::wstring& RootName,
                 const std::wstring& Key, const TSubKeyVisit& OnEntry) {
  ReportScanProgress(OnProgress, 0, RootName + Key);
  TRegistry Reg(KEY_READ);
  Reg.SetRootKey(Root);
  if (!Reg.OpenKeyReadOnly(Key)) return;
  std::vector<std::wstring> Names;
  Reg.GetKeyNames(Names);
  for (const std::wstring& Name : Names) {
    const std::wstring Path = Key + L"\\" + Name;
    if (!Engine.NextEntry(OnProgress, RootName + Path)) return;
    OnEntry(Reg, Name, Path);
  }
}

bool WalkValues(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress, HKEY Root, const std::wstring& Key,
                const std::wstring& OpenedReport, const TValueVisit& OnValue) {
  TRegistry Reg(KEY_READ);
  Reg.SetRootKey(Root);
  if (!Reg.OpenKeyReadOnly(Key)) return true;
  if (!OpenedReport.empty()) ReportScanProgress(OnProgress, 0, OpenedReport);
  std::vector<std::wstring> Names;
  Reg.GetValueNames(Names);
  for (const std::wstring& Name : Names) {
    if (!Engine.NextEntry()) return false;
    OnValue(Reg, Name);
  }
  return true;
}

void WalkKeyLists(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress, const std::vector<TScanRoot>& Roots,
                  const std::vector<std::wstring>& Keys, const TKeyListVisit& OnValue, const TKeyListVisit& OnSubKey) {
  for (const TScanRoot& R : Roots) {
    const std::wstring RN = R.Name;
    TRegistry Reg(KEY_READ);
    Reg.SetRootKey(R.Root);
    for (const std::wstring& K : Keys) {
      if (!Reg.OpenKeyReadOnly(K)) continue;
      std::vector<std::wstring> Values, SubKeys;
      Reg.GetValueNames(Values);
      Reg.GetKeyNames(SubKeys);
      for (const std::wstring& N : Values) {
        if (!Engine.NextEntry(OnProgress, RN + K + L"\\" + N)) return;
        OnValue(R, K, Reg, N);
      }
      for (const std::wstring& S : SubKeys) {
        if (!Engine.NextEntry(OnProgress, RN + K + L"\\" + S)) return;
        OnSubKey(R, K, Reg, S);
      }
    }
  }
}
