// Category 2: help file registrations whose folder or file is missing.
#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_walks.h"

void ScanHelpFiles(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  for (const wchar_t* key : {L"\\Software\\Microsoft\\Windows\\Help", L"\\Software\\Microsoft\\Windows\\Html Help"}) {
    const std::wstring keyText = std::wstring(L"HKEY_LOCAL_MACHINE") + key;
    const bool walked = WalkValues(Engine, OnProgress, HKEY_LOCAL_MACHINE, key, keyText,
                                   [&](TRegistry& reg, const std::wstring& name) {
      std::wstring folder = Trim(reg.ReadString(name));
      bool folderExists = DirectoryExists(folder);
      if (folder.empty()) folder = L"\\";
      std::wstring file = IncludeTrailingBackslash(folder) + Trim(name);
      if (folderExists && FileExists(file)) return;
      Engine.AddRegItem(MakeRegItem(HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", L"", key, name, keyText, name,
                                    L"Help entry HTML Help references a file that is missing or does not exist.", 2, 2),
                        OnProgress);
    });
    if (!walked) return;
  }
}
