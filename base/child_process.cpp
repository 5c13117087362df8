#include "base/child_process.h"

#include <algorithm>
#include <vector>

#include "base/message_pump.h"

namespace {

// How long one wait lasts between two pumps: short enough for a click to feel answered.
constexpr DWORD kPumpSliceMs = 30;

// A started child with, when its wait can end before the child does (a bound, a stop request),
// the job that holds it and every process it starts in turn.
struct TChild {
  PROCESS_INFORMATION process = {};
  HANDLE job = nullptr;
};

// A child in a job starts suspended and is put into the job before it runs a single instruction,
// so nothing it starts can slip out of the job first.
bool Start(const std::wstring& CommandLine, WORD ShowCommand, bool InJob, TChild& child) {
  // CreateProcessW may write into the command line, so it gets a copy of its own of any length.
  std::vector<wchar_t> commandLine(CommandLine.begin(), CommandLine.end());
  commandLine.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = ShowCommand;
  const DWORD flags = NORMAL_PRIORITY_CLASS | (InJob ? CREATE_SUSPENDED : 0);
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup,
                      &child.process))
    return false;
  if (!InJob) return true;
  child.job = CreateJobObjectW(nullptr, nullptr);
  if (child.job && !AssignProcessToJobObject(child.job, child.process.hProcess)) {
    CloseHandle(child.job);
    child.job = nullptr;
  }
  ResumeThread(child.process.hThread);
  return true;
}

// True when the process ended and its exit code was read. A child still running when its wait
// ended early (its bound expired, its caller stopped it) is ended with everything it started. The
// handles are closed in any case.
bool FinishWith(TChild& child, bool ended, bool endedEarly, DWORD& ExitCode) {
  if (!ended && endedEarly) {
    if (child.job)
      TerminateJobObject(child.job, ERROR_TIMEOUT);
    else
      TerminateProcess(child.process.hProcess, ERROR_TIMEOUT);
  }
  bool known = ended && GetExitCodeProcess(child.process.hProcess, &ExitCode) != 0;
  if (child.job) CloseHandle(child.job);
  CloseHandle(child.process.hThread);
  CloseHandle(child.process.hProcess);
  return known;
}

TChildProcessRunner& Replacement() {
  static TChildProcessRunner runner;
  return runner;
}

}  // namespace

void SetChildProcessRunnerForTesting(TChildProcessRunner Runner) { Replacement() = std::move(Runner); }

bool RunChildProcess(const std::wstring& CommandLine, DWORD& ExitCode, DWORD TimeoutMs, WORD ShowCommand) {
  if (Replacement()) return Replacement()({CommandLine, TimeoutMs, ShowCommand, false, {}}, ExitCode);
  TChild child;
  if (!Start(CommandLine, ShowCommand, TimeoutMs != INFINITE, child)) return false;
  const DWORD waited = WaitForSingleObject(child.process.hProcess, TimeoutMs);
  return FinishWith(child, waited == WAIT_OBJECT_0, waited == WAIT_TIMEOUT, ExitCode);
}

bool RunChildProcessPumping(const std::wstring& CommandLine, DWORD& ExitCode, DWORD TimeoutMs,
                            const std::function<bool()>& Stopped, WORD ShowCommand) {
  if (Replacement()) return Replacement()({CommandLine, TimeoutMs, ShowCommand, true, Stopped}, ExitCode);
  TChild child;
  if (!Start(CommandLine, ShowCommand, TimeoutMs != INFINITE || Stopped, child)) return false;
  const ULONGLONG start = GetTickCount64();
  bool ended = false;
  bool expired = false;
  bool stopped = false;
  for (;;) {
    const ULONGLONG elapsed = GetTickCount64() - start;
    if (TimeoutMs != INFINITE && elapsed >= TimeoutMs) {
      expired = true;
      break;
    }
    DWORD slice = TimeoutMs == INFINITE ? kPumpSliceMs : std::min<DWORD>(kPumpSliceMs, TimeoutMs - static_cast<DWORD>(elapsed));
    DWORD waited = WaitForSingleObject(child.process.hProcess, slice);
    if (waited == WAIT_OBJECT_0) {
      ended = true;
      break;
    }
    if (waited != WAIT_TIMEOUT) break;
    PumpMessages();
    if (Stopped && Stopped()) {
      stopped = true;
      break;
    }
  }
  return FinishWith(child, ended, expired || stopped, ExitCode);
}
