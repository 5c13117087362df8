#include "tools/favorites/favorites_copy.h"

#include <windows.h>
#include <shellapi.h>

#include "base/files.h"
#include "base/message_pump.h"
#include "base/strings.h"

namespace {

std::wstring LastErrorText() { return SysErrorMessage(GetLastError()); }

// `root` is the whole copy's target: when it lies inside the source (a program folder kept among
// the favorites), copying it again would copy the copy without end.
void CopyInto(const std::wstring& source, const std::wstring& target, const std::wstring& root,
              TFavoritesCopyResult& result) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((source + L"\\*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) {
    result.Failures.push_back(L"The folder " + source + L" could not be read: " + LastErrorText());
    return;
  }
  if (!DirectoryExists(target) && !ForceDirectories(target)) {
    result.Failures.push_back(L"The folder " + target + L" could not be created: " + LastErrorText());
    FindClose(find);
    return;
  }
  do {
    PumpMessages();
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring from = source + L"\\" + name, to = target + L"\\" + name;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        result.Failures.push_back(from + L" is a link to another folder and was not copied");
      else if (!SameText(from, root))
        CopyInto(from, to, root, result);
    } else if (CopyFileW(from.c_str(), to.c_str(), TRUE)) {
      ++result.Copied;
    } else if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS) {
      ++result.Kept;
    } else {
      result.Failures.push_back(from + L" could not be copied: " + LastErrorText());
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

// A source that is missing fails the copy instead of copying nothing.
bool CheckSource(const std::wstring& folder, const wchar_t* what, TFavoritesCopyResult& result) {
  if (!folder.empty() && DirectoryExists(folder)) return true;
  result.Failures.push_back(folder.empty() ? std::wstring(what) + L" is not known."
                                           : std::wstring(what) + L" " + folder + L" does not exist.");
  return false;
}

}  // namespace

TFavoritesCopyResult CopyFolderTree(const std::wstring& Source, const std::wstring& Target) {
  TFavoritesCopyResult result;
  const std::wstring target = ExcludeTrailingBackslash(Target);
  CopyInto(ExcludeTrailingBackslash(Source), target, target, result);
  return result;
}

bool RecycleOldBackup(const std::wstring& Folder) {
  std::wstring from = ExcludeTrailingBackslash(Folder);
  from.push_back(L'\0');  // the list ends with a second zero
  SHFILEOPSTRUCTW op = {};
  op.hwnd = nullptr;
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT;
  return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted && !DirectoryExists(Folder);
}

TFavoritesCopyResult BackupFavorites(const std::wstring& Favorites, const std::wstring& Backup, bool ReplaceOld) {
  TFavoritesCopyResult result;
  if (!CheckSource(Favorites, L"The favorites folder", result)) return result;
  const std::wstring backup = ExcludeTrailingBackslash(Backup);
  if (!ReplaceOld || !DirectoryExists(backup)) return CopyFolderTree(Favorites, backup);

  // A staging folder left by an earlier backup that failed is ours to remove.
  const std::wstring staging = backup + L".new";
  if (GetFileAttributesW(staging.c_str()) != INVALID_FILE_ATTRIBUTES) DeleteFolderTree(staging);
  // What is still there is not ours (a link that could not be removed, a file held open): copying
  // into it would write into its target, and the move below would carry that folder away.
  if (GetFileAttributesW(staging.c_str()) != INVALID_FILE_ATTRIBUTES) {
    result.Failures.push_back(L"The folder " + staging + L" is in the way and could not be removed; the old backup was kept.");
    return result;
  }
  result = CopyFolderTree(Favorites, staging);
  if (!result.Succeeded()) {
    DeleteFolderTree(staging);
    result.Failures.push_back(L"The old backup was kept.");
    return result;
  }
  if (!RecycleOldBackup(backup)) {
    DeleteFolderTree(staging);
    result.Failures.push_back(L"The old backup " + backup + L" could not be moved to the Recycle Bin; it was kept.");
    return result;
  }
  if (!MoveFileW(staging.c_str(), backup.c_str()))
    result.Failures.push_back(L"The new backup could not be moved into place: it is in " + staging + L" (" +
                              LastErrorText() + L")");
  return result;
}

TFavoritesCopyResult RestoreFavorites(const std::wstring& Backup, const std::wstring& Favorites) {
  TFavoritesCopyResult result;
  if (!CheckSource(Backup, L"The backup folder", result)) return result;
  if (Favorites.empty()) {
    result.Failures.push_back(L"The favorites folder is not known.");
    return result;
  }
  return CopyFolderTree(Backup, Favorites);
}
