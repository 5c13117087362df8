#include "cleaners/junk/junk_delete.h"

#include <windows.h>
#include <shellapi.h>

#include "base/files.h"

namespace {

bool ShellDelete(const std::wstring& Path, bool ToRecycleBin) {
  std::wstring source = Path;
  source.append(2, L'\0');  // the shell takes a list ended by an empty name
  SHFILEOPSTRUCTW operation = {};
  operation.hwnd = nullptr;
  operation.wFunc = FO_DELETE;
  operation.pFrom = source.c_str();
  operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
  if (ToRecycleBin) operation.fFlags |= FOF_ALLOWUNDO;
  return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

}  // namespace

bool DeleteJunkFile(const std::wstring& Path, bool ToRecycleBin) {
  const DWORD attributes = GetFileAttributesW(Path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  // Not every shell deletes a read-only file on its own: the flag goes first, and comes back when
  // the file stays.
  const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
  if (readOnly) SetFileAttributesW(Path.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
  const bool deleted = ShellDelete(Path, ToRecycleBin) && !FileExists(Path);
  if (!deleted && readOnly) SetFileAttributesW(Path.c_str(), attributes);
  return deleted;
}
