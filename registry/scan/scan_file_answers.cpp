#include "registry/scan/scan_file_answers.h"

#include <windows.h>

#include "base/files.h"

namespace {

bool IsAscii(const std::wstring& Text) {
  for (wchar_t c : Text)
    if (c > 0x7E) return false;
  return true;
}

// Upper case of a name whose letters are ASCII (others are left as they are).
std::wstring AsciiUpper(std::wstring Text) {
  for (wchar_t& c : Text)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return Text;
}

// The names the system takes for devices in any folder, with or without an extension.
bool IsDeviceName(const std::wstring& Name) {
  std::wstring base = AsciiUpper(Name.substr(0, Name.find(L'.')));
  while (!base.empty() && base.back() == L' ') base.pop_back();
  if (base == L"CON" || base == L"PRN" || base == L"AUX" || base == L"NUL" || base == L"CONIN$" || base == L"CONOUT$")
    return true;
  return base.size() == 4 && (base.compare(0, 3, L"COM") == 0 || base.compare(0, 3, L"LPT") == 0) &&
         base[3] >= L'0' && base[3] <= L'9';
}

}  // namespace

bool ListingAnswersFor(const std::wstring& FullPath, const std::wstring& Name) {
  if (Name.empty() || Name.back() == L'.' || Name.back() == L' ') return false;
  if (FullPath.size() + Name.size() >= MAX_PATH) return false;
  for (wchar_t c : Name) {
    if (c < 0x20 || c > 0x7E) return false;
    if (wcschr(L"\\/:*?\"<>|", c)) return false;
  }
  return !IsDeviceName(Name);
}

bool TScanFileAnswers::FileExists(const std::wstring& Path) {
  // A bare name lies in the current folder.
  if (!Path.empty() && Path.find_first_of(L"\\/:") == std::wstring::npos) {
    if (!currentFolderListed_) {
      currentFolderListed_ = true;
      ListFolder(currentFolder_);
    }
    return InFolder(currentFolder_, Path);
  }
  return LookUp(Path);
}

std::wstring TScanFileAnswers::FindInSearchPath(const std::wstring& FileName) {
  if (FileName.empty()) return std::wstring();
  if (!searchPathRead_) {
    searchPathRead_ = true;
    const std::wstring path = EnvironmentVariable(L"PATH");
    size_t start = 0;
    while (start <= path.size()) {
      size_t end = path.find(L';', start);
      if (end == std::wstring::npos) end = path.size();
      if (end > start) {
        TFolder folder;
        folder.Path = IncludeTrailingBackslash(path.substr(start, end - start));
        ListFolder(folder);
        searchPath_.push_back(std::move(folder));
      }
      start = end + 1;
    }
  }
  for (const TFolder& folder : searchPath_)
    if (InFolder(folder, FileName)) return folder.Path;
  return std::wstring();
}

void TScanFileAnswers::Clear() {
  exists_.clear();
  searchPath_.clear();
  searchPathRead_ = false;
  currentFolder_ = TFolder();
  currentFolderListed_ = false;
}

bool TScanFileAnswers::LookUp(const std::wstring& Path) {
  auto known = exists_.find(Path);
  if (known != exists_.end()) return known->second;
  const bool exists = ::FileExists(Path);
  exists_.emplace(Path, exists);
  return exists;
}

bool TScanFileAnswers::InFolder(const TFolder& Folder, const std::wstring& Name) {
  if (!Folder.Listed || !ListingAnswersFor(Folder.FullPath, Name)) return LookUp(Folder.Path + Name);
  if (Folder.Files.count(AsciiUpper(Name))) return true;
  // A name beyond ASCII in the folder might equal this one by the file system's own letter-case
  // rules: only the system can tell then.
  return Folder.Foreign && LookUp(Folder.Path + Name);
}

void TScanFileAnswers::ListFolder(TFolder& Folder) {
  // A name in the folder is measured by the folder's full path (the current folder's for "").
  const std::wstring asked = Folder.Path.empty() ? L".\\" : Folder.Path;
  const DWORD size = GetFullPathNameW(asked.c_str(), 0, nullptr, nullptr);
  if (size == 0) return;
  Folder.FullPath.resize(size);
  Folder.FullPath.resize(GetFullPathNameW(asked.c_str(), size, &Folder.FullPath[0], nullptr));
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileExW((Folder.Path + L"*").c_str(), FindExInfoStandard, &data, FindExSearchNameMatch,
                                 nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) {
    // A folder that is not there holds no file; one that cannot be read is asked name by name.
    const DWORD error = GetLastError();
    Folder.Listed = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return;
  }
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    for (const wchar_t* name : {data.cFileName, data.cAlternateFileName}) {
      if (!*name) continue;
      const std::wstring text = name;
      if (!IsAscii(text)) Folder.Foreign = true;
      Folder.Files.insert(AsciiUpper(text));
    }
  } while (FindNextFileW(find, &data));
  Folder.Listed = GetLastError() == ERROR_NO_MORE_FILES;
  FindClose(find);
  if (!Folder.Listed) Folder.Files.clear();
}
