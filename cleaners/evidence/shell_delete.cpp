#include "cleaners/evidence/shell_delete.h"

#include <windows.h>
#include <shellapi.h>

#include "base/files.h"

bool ShellDeletePath(const std::wstring& Path, bool IncludeFolders, unsigned char ExtraFlags) {
  // The shell's list of sources ends with two zero characters.
  std::wstring source = Path;
  source.push_back(L'\0');
  source.push_back(L'\0');
  SHFILEOPSTRUCTW op = {};
  // No window of ours is needed: the flags keep the shell from showing anything.
  op.hwnd = nullptr;
  op.wFunc = FO_DELETE;
  op.pFrom = source.c_str();
  op.pTo = L"\0";
  op.fFlags = static_cast<FILEOP_FLAGS>(FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_ALLOWUNDO | ExtraFlags);
  if (!IncludeFolders) op.fFlags |= FOF_FILESONLY;
  const bool deleted = SHFileOperationW(&op) == 0;
  // A folder comes back empty; a pattern names no folder to re-create.
  if (Path.find_first_of(L"*?") == std::wstring::npos && !DirectoryExists(Path)) CreateDirectoryW(Path.c_str(), nullptr);
  return deleted;
}
