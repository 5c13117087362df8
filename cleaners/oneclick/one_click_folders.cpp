#include "cleaners/oneclick/one_click_folders.h"

#include <windows.h>

#include "base/files.h"
#include "base/registry_key.h"

std::wstring GetEnvFolder(const std::wstring& Name) { return EnvironmentVariable(Name) + L"\\"; }

std::wstring GetIECacheFolder() {
  try {
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (!reg.OpenKeyReadOnly(L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders")) return L"";
    return reg.ReadString(L"Cache");
  } catch (...) {
    return L"";
  }
}

namespace {

// Whether the text, as written, names a folder below a drive's root or a share.
bool IsBelowARoot(const std::wstring& Folder) {
  // Separators and blanks at either end say nothing about which folder is meant.
  size_t end = Folder.find_last_not_of(L"\\/ ");
  if (end == std::wstring::npos) return false;
  const std::wstring path = Folder.substr(0, end + 1);
  if (path.find(L'\\') == std::wstring::npos && path.find(L'/') == std::wstring::npos) {
    // "C:" or a bare relative name: the drive's root or the current folder.
    return false;
  }
  if (path.size() >= 2 && (path[0] == L'\\' || path[0] == L'/') && (path[1] == L'\\' || path[1] == L'/')) {
    // "\\server\share" is a share's root: it needs a folder below it.
    size_t separators = 0;
    for (size_t i = 2; i < path.size(); ++i) separators += path[i] == L'\\' || path[i] == L'/';
    return separators >= 2;
  }
  if (path[0] == L'\\' || path[0] == L'/') return path.size() > 1;  // "\Windows" on the current drive
  return !(path.size() == 2 && path[1] == L':');
}

}  // namespace

bool IsScannableJunkFolder(const std::wstring& Folder) {
  // "C:\." and "C:\Windows\.." are the drive's root once the platform has read them.
  return IsBelowARoot(Folder) && IsBelowARoot(FullPathName(Folder));
}

std::vector<std::wstring> OneClickJunkFolders() {
  std::vector<std::wstring> folders;
  for (const std::wstring& folder :
       {GetEnvFolder(L"SystemRoot") + L"Prefetch\\", GetIECacheFolder() + L"\\", GetEnvFolder(L"temp")}) {
    if (IsScannableJunkFolder(folder)) folders.push_back(folder);
  }
  return folders;
}
