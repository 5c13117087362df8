#include "base/child_process.h"

#include <vector>

bool RunChildProcess(const std::wstring& CommandLine, DWORD& ExitCode, DWORD TimeoutMs) {
  // CreateProcessW may write into the command line, so it gets a copy of its own of any length.
  std::vector<wchar_t> commandLine(CommandLine.begin(), CommandLine.end());
  commandLine.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                      &startup, &process))
    return false;
  bool known = WaitForSingleObject(process.hProcess, TimeoutMs) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(process.hProcess, &ExitCode) != 0;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return known;
}
