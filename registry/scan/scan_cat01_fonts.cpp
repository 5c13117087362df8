// Category 1: font registrations whose file is missing.
#include <shlobj.h>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_categories.h"
#include "registry/scan/scan_walks.h"

namespace {

std::wstring FontsFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  SHGetSpecialFolderPathW(nullptr, folder, CSIDL_FONTS, FALSE);
  return IncludeTrailingBackslash(folder);
}

}  // namespace

void ScanFonts(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  const std::wstring key = L"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
  ReportScanProgress(OnProgress, 0, L"HKEY_LOCAL_MACHINE" + key);
  const std::wstring fonts = FontsFolder();
  WalkValues(Engine, OnProgress, HKEY_LOCAL_MACHINE, key, L"", [&](TRegistry& reg, const std::wstring& name) {
    std::wstring data = reg.ReadString(name);
    std::wstring file = data.find(L'\\') == std::wstring::npos ? fonts + data : data;
    if (FileExists(Trim(file))) return;
    Engine.AddRegItem(
        MakeRegItem(HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", L"", key, name, data, L"Miss or Invalid Path",
                    L"Font File entry references a file that is missing or does not exist.", 1, 2),
        OnProgress);
  });
}
