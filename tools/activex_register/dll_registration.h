// The DLLs of the system folder and their registration again with the system's registration
// tool (regsvr32), one file at a time, each waited for with a bound.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Runs a command line and waits for it while the program handles its messages, until it ends,
// the bound passes or Stopped answers true. True only when it ended; ExitCode is then its code.
using TRegistrationRun =
    std::function<bool(const std::wstring& CommandLine, DWORD& ExitCode, const std::function<bool()>& Stopped)>;

// Where the DLLs are listed and the registration tool is taken from, and how it runs.
struct TRegistrationTool {
  std::wstring SystemFolder;  // no trailing backslash
  TRegistrationRun Run;
};

// How long one registration may take.
constexpr DWORD kRegistrationTimeoutMs = 60 * 1000;

// The tool in use: the Windows folder + "\system32", run by RunChildProcessPumping with
// kRegistrationTimeoutMs, unless a test has put its own in place.
TRegistrationTool RegistrationTool();
// Tests point the tool at a folder of their own and record the runs; an empty Run puts the real
// tool back. Nothing else replaces it, so tests never register the real system folder.
void SetRegistrationToolForTesting(TRegistrationTool Tool);

// The full paths of the files (folders left out) that match "<Folder>\*.dll", in listing order.
std::vector<std::wstring> ListDlls(const std::wstring& Folder);

// "<SystemFolder>\regsvr32.exe" /s "<Dll>": the tool by its full path, silent.
std::wstring RegistrationCommandLine(const std::wstring& SystemFolder, const std::wstring& Dll);

enum class TRegistrationResult {
  Registered,   // the tool ended with exit code 0
  Failed,       // it ended with another exit code
  NotFinished,  // it could not be started or did not end within the bound
  Stopped,      // the wait was stopped before it ended
};

struct TRegistrationOutcome {
  TRegistrationResult Result = TRegistrationResult::NotFinished;
  DWORD ExitCode = 0;  // for Failed
};

// Registers Dll again with the tool in use and waits for it; Stopped is asked while waiting.
TRegistrationOutcome RegisterDll(const std::wstring& Dll, const std::function<bool()>& Stopped);

// The status text of a row after its registration.
std::wstring RegistrationStatusText(const TRegistrationOutcome& Outcome);
