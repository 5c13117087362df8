#include "cleaners/evidence/shell_delete.h"

#include <windows.h>
#include <shlwapi.h>

#include <vector>

#include "base/exact_file.h"
#include "base/files.h"
#include "base/recycle_bin.h"
#include "cleaners/evidence/history_handlers.h"
#include "common/kept_items.h"

bool RecycleFilesIn(const std::wstring& Folder, const std::wstring& Pattern) {
  const std::wstring folder = IncludeTrailingBackslash(Folder);
  WIN32_FIND_DATAW data;
  // Every entry, matched by its long name: a listing by the pattern would also match short names.
  HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  std::vector<std::wstring> files;
  do {
    if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) continue;
    if (!PathMatchSpecW(data.cFileName, Pattern.c_str())) continue;
    const std::wstring file = folder + data.cFileName;
    if (HistoryKeptItems() && !HistoryKeptItems()->MayDeleteFile(file)) continue;
    TExactFile exact(file, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (exact.Opened()) files.push_back(file);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return RecycleFiles(files);
}
