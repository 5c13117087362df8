#include "base/recycle_bin.h"

#include <windows.h>
#include <shellapi.h>

bool RecycleFiles(const std::vector<std::wstring>& Files) {
  if (Files.empty()) return true;
  // The shell takes a list of names, each ended by a zero, and the list by an empty name.
  std::wstring sources;
  for (const std::wstring& file : Files) {
    sources += file;
    sources.push_back(L'\0');
  }
  sources.push_back(L'\0');
  SHFILEOPSTRUCTW operation = {};
  operation.hwnd = nullptr;
  operation.wFunc = FO_DELETE;
  operation.pFrom = sources.c_str();
  operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_ALLOWUNDO | FOF_FILESONLY;
  return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}
