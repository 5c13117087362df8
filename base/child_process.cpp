#include "base/child_process.h"

#include <algorithm>
#include <vector>

#include "base/message_pump.h"

namespace {

// How long one wait lasts between two pumps: short enough for a click to feel answered.
constexpr DWORD kPumpSliceMs = 30;

bool Start(const std::wstring& CommandLine, WORD ShowCommand, PROCESS_INFORMATION& process) {
  // CreateProcessW may write into the command line, so it gets a copy of its own of any length.
  std::vector<wchar_t> commandLine(CommandLine.begin(), CommandLine.end());
  commandLine.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = ShowCommand;
  return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &process) != 0;
}

// True when the process ended and its exit code was read; the handles are closed in any case.
bool FinishWith(PROCESS_INFORMATION& process, bool ended, DWORD& ExitCode) {
  bool known = ended && GetExitCodeProcess(process.hProcess, &ExitCode) != 0;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return known;
}

}  // namespace

bool RunChildProcess(const std::wstring& CommandLine, DWORD& ExitCode, DWORD TimeoutMs, WORD ShowCommand) {
  PROCESS_INFORMATION process = {};
  if (!Start(CommandLine, ShowCommand, process)) return false;
  return FinishWith(process, WaitForSingleObject(process.hProcess, TimeoutMs) == WAIT_OBJECT_0, ExitCode);
}

bool RunChildProcessPumping(const std::wstring& CommandLine, DWORD& ExitCode, DWORD TimeoutMs,
                            const std::function<bool()>& Stopped) {
  PROCESS_INFORMATION process = {};
  if (!Start(CommandLine, SW_HIDE, process)) return false;
  const ULONGLONG start = GetTickCount64();
  bool ended = false;
  for (;;) {
    const ULONGLONG elapsed = GetTickCount64() - start;
    if (TimeoutMs != INFINITE && elapsed >= TimeoutMs) break;
    DWORD slice = TimeoutMs == INFINITE ? kPumpSliceMs : std::min<DWORD>(kPumpSliceMs, TimeoutMs - static_cast<DWORD>(elapsed));
    DWORD waited = WaitForSingleObject(process.hProcess, slice);
    if (waited == WAIT_OBJECT_0) {
      ended = true;
      break;
    }
    if (waited != WAIT_TIMEOUT) break;
    PumpMessages();
    if (Stopped && Stopped()) break;
  }
  return FinishWith(process, ended, ExitCode);
}
