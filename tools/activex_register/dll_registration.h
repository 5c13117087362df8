// The DLLs of the system folder and their registration again with the system's registration
// tool (regsvr32), one file at a time, each waited for with a bound.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Where the DLLs are listed and the registration tool is taken from.
struct TRegistrationTool {
  std::wstring SystemFolder;  // no trailing backslash
};

// How long one registration may take.
constexpr DWORD kRegistrationTimeoutMs = 60 * 1000;

// The tool in use: the Windows folder + "\system32", unless a test has put a folder of its own in
// place. It runs by RunChildProcessPumping with kRegistrationTimeoutMs (tests record and play the
// runs through the child-process seam, base/child_process.h).
TRegistrationTool RegistrationTool();
// Tests point the tool at a folder of their own, so they never register the real system folder;
// an empty folder puts the real one back.
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
