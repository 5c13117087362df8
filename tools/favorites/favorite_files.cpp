#include "tools/favorites/favorite_files.h"

#include <windows.h>

#include "base/files.h"
#include "base/ini_file.h"
#include "base/message_pump.h"
#include "base/strings.h"
#include "registry/reg_read.h"

std::wstring ReadFavoritesFolder() {
  return ReadRegStringDefault(HKEY_CURRENT_USER, kShellFoldersKey, L"Favorites", L"");
}

void FindUrlFiles(const std::wstring& Folder, std::vector<std::wstring>& List) {
  const std::wstring folder = IncludeTrailingBackslash(Folder);
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    PumpMessages();
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      // A junction may lead back up the tree: its target is not part of this folder.
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) FindUrlFiles(folder + name, List);
    } else if (LowerCase(ExtractFileExt(name)) == L".url") {
      List.push_back(folder + name);
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

std::wstring ReadShortcutUrl(const std::wstring& File) {
  return TIniFile(File).ReadString(L"InternetShortcut", L"URL", kDefaultShortcutUrl);
}

std::vector<std::wstring> SplitPathParts(const std::wstring& Path) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  for (size_t slash = Path.find(L'\\'); slash != std::wstring::npos; slash = Path.find(L'\\', start)) {
    parts.push_back(Path.substr(start, slash - start));
    start = slash + 1;
  }
  return parts;
}

std::wstring RelativeFavoritePath(const std::wstring& Folder, const std::wstring& Name) {
  const std::wstring folder = IncludeTrailingBackslash(Folder);
  if (Name.size() > folder.size() && SameText(Name.substr(0, folder.size()), folder)) return Name.substr(folder.size());
  return Name;
}
