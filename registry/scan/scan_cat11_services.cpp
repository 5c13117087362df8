// Category 11, "System Services": services whose ImagePath names a program or driver that is not
// on disk, and service keys that hold no value at all.
#include <string>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_shared_tests.h"
#include "registry/scan/scan_walks.h"

namespace {

// Whether the program of an ImagePath exists. Driver paths are often relative to the system root
// ("\SystemRoot\System32\drivers\x.sys", "system32\DRIVERS\x.sys") or a bare name without its
// extension: those are looked for in the drivers folder, trying the usual extensions.
bool ImageFileFound(const std::wstring& ImagePath) {
  std::wstring F = ExtractExePath(ExpandEnvironmentText(ImagePath));
  if (F.find(L":\\") == std::wstring::npos)
    F = ExpandEnvironmentText(L"%systemroot%\\system32\\drivers\\" + F);
  if (FileExists(F)) return true;
  if (F.find(L'.') != std::wstring::npos) return false;
  for (const wchar_t* Extension : {L".exe", L".sys", L".dll"})
    if (FileExists(ExtractExePath(F + Extension))) return true;
  return false;
}

}  // namespace

void ScanServices(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  const std::wstring K = L"\\SYSTEM\\CurrentControlSet\\Services";
  const std::wstring RN = L"HKEY_LOCAL_MACHINE";

  auto CheckEntry = [&](TRegistry& Reg, const std::wstring& S, const std::wstring& Path) {
    auto Add = [&](const std::wstring& ValueName, const std::wstring& Description, uint8_t Action) {
      Engine.AddRegItem(MakeRegItem(HKEY_LOCAL_MACHINE, RN, K, Path, ValueName, RN + Path, L"Miss or Invalid Path",
                                    Description, 11, Action),
                        OnProgress);
    };

    if (Reg.KeyExists(Path)) {
      // A key that does not open, and an ImagePath that is not text, count as no ImagePath.
      std::wstring ImagePath;
      if (Reg.OpenKeyReadOnly(Path)) ImagePath = ReadTextOrEmpty(Reg, L"ImagePath");
      if (!Trim(ImagePath).empty() && !ImageFileFound(ImagePath))
        Add(L"ImagePath", L"The key " + S + L"contains a bad path for the value.", 2);
    }
    if (IsKeyTreeEmpty(HKEY_LOCAL_MACHINE, Path))
      Add(L"", L"The key " + S + L"contains invalid key,It can be deleteed.", 1);
  };
  WalkSubKeys(Engine, OnProgress, HKEY_LOCAL_MACHINE, RN, K, CheckEntry);
}
