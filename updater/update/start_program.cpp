#include "updater/update/start_program.h"

#include <windows.h>

#include <vector>

namespace {

std::wstring FullPath(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return std::wstring();
  std::vector<wchar_t> full(size);
  DWORD n = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (n == 0 || n >= size) return std::wstring();
  return std::wstring(full.data(), n);
}

}  // namespace

bool IsInsideFolder(const std::wstring& folder, const std::wstring& path) {
  std::wstring base = FullPath(folder), full = FullPath(path);
  if (base.empty() || full.empty()) return false;
  if (base.back() != L'\\') base += L'\\';
  return full.size() > base.size() &&
         CompareStringOrdinal(full.c_str(), static_cast<int>(base.size()), base.c_str(), static_cast<int>(base.size()),
                              TRUE) == CSTR_EQUAL;
}

bool StartProgramInFolder(const std::wstring& folder, const std::wstring& application, const std::wstring& commandLine) {
  if (!IsInsideFolder(folder, application)) return false;
  std::wstring command = commandLine;  // CreateProcessW may write into it
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(FullPath(application).c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}
