#include "cleaners/junk/junk_scan.h"

#include <windows.h>

#include <vector>

#include "cleaners/junk/junk_pump.h"
#include "cleaners/junk/waste_filters.h"

namespace {

// Folder paths are kept in ASCII lower case, as the results show them.
std::wstring AsciiLowerCase(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'A' && c <= L'Z') c = wchar_t(c + (L'a' - L'A'));
  }
  return text;
}

bool StopRequested() {
  if (!WasteSearchState.Stop) return false;
  WasteSearchState.Searching = false;
  return true;
}

bool IsDotEntry(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

// A folder the scan goes down into: not "." or "..", not hidden and system at once (the Recycle
// Bin, volume information), and not a reparse point.
bool IsEnterableFolder(const WIN32_FIND_DATAW& entry) {
  const DWORD attributes = entry.dwFileAttributes;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  if ((attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
    return false;
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return false;
  return !IsDotEntry(entry.cFileName);
}

}  // namespace

void ScanJunkFolder(const std::wstring& Folder, const TWasteFileTypeList& Types, const TWasteFolderList& ExcludeFolders,
                    const TWasteFileTypeList& ExcludeFiles, const TWasteCleanOptions& Options, TWasteFileList& Results,
                    const TJunkProgressEvent& OnProgress) {
  if (StopRequested()) return;
  std::wstring folder = AsciiLowerCase(Folder);
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  WasteSearchState.CurrentFolder = folder;
  if (IsFolderExcluded(folder, ExcludeFolders)) return;

  // One listing serves both passes: the files now, the subfolders it names after them.
  std::vector<std::wstring> subfolders;
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileExW((folder + L"*.*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                 FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (StopRequested()) {
      FindClose(find);
      return;
    }
    OfferJunkPump();
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (IsEnterableFolder(entry)) subfolders.emplace_back(entry.cFileName);
      continue;
    }
    const std::wstring name(entry.cFileName);
    if (OnProgress) OnProgress(false, folder + name, 0);
    if (MatchesWasteType(name, ExcludeFiles) || !PassesAttributeFilter(entry.dwFileAttributes, Options)) continue;
    const int64_t size = (int64_t(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
    if (MatchesWasteType(name, Types) || (size == 0 && Options.ScanZero)) {
      auto file = std::make_unique<TWasteFile>();
      file->Path = folder + name;
      file->Size = size;
      Results.push_back(std::move(file));
      if (OnProgress) OnProgress(true, Results.back()->Path, size);
    }
  } while (FindNextFileW(find, &entry));
  FindClose(find);

  for (const std::wstring& name : subfolders) {
    if (StopRequested()) return;
    ScanJunkFolder(folder + name, Types, ExcludeFolders, ExcludeFiles, Options, Results, OnProgress);
  }
}
