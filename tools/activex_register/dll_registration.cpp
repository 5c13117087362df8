#include "tools/activex_register/dll_registration.h"

#include "base/child_process.h"
#include "base/system_programs.h"

namespace {

TRegistrationTool& TestTool() {
  static TRegistrationTool tool;
  return tool;
}

}  // namespace

TRegistrationTool RegistrationTool() {
  if (!TestTool().SystemFolder.empty()) return TestTool();
  return {WindowsFolder() + L"\\system32"};
}

void SetRegistrationToolForTesting(TRegistrationTool Tool) { TestTool() = std::move(Tool); }

std::vector<std::wstring> ListDlls(const std::wstring& Folder) {
  std::vector<std::wstring> dlls;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((Folder + L"\\*.dll").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return dlls;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) dlls.push_back(Folder + L"\\" + data.cFileName);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return dlls;
}

std::wstring RegistrationCommandLine(const std::wstring& SystemFolder, const std::wstring& Dll) {
  return L"\"" + SystemFolder + L"\\regsvr32.exe\" /s \"" + Dll + L"\"";
}

TRegistrationOutcome RegisterDll(const std::wstring& Dll, const std::function<bool()>& Stopped) {
  TRegistrationTool tool = RegistrationTool();
  DWORD exitCode = 0;
  TRegistrationOutcome outcome;
  if (!RunChildProcessPumping(RegistrationCommandLine(tool.SystemFolder, Dll), exitCode, kRegistrationTimeoutMs, Stopped)) {
    outcome.Result = Stopped && Stopped() ? TRegistrationResult::Stopped : TRegistrationResult::NotFinished;
    return outcome;
  }
  outcome.Result = exitCode == 0 ? TRegistrationResult::Registered : TRegistrationResult::Failed;
  outcome.ExitCode = exitCode;
  return outcome;
}

std::wstring RegistrationStatusText(const TRegistrationOutcome& Outcome) {
  switch (Outcome.Result) {
    case TRegistrationResult::Registered: return L"Re-Register successfully";
    case TRegistrationResult::Failed:
      return L"Re-Register failed (exit code " + std::to_wstring(Outcome.ExitCode) + L")";
    case TRegistrationResult::Stopped: return L"Stopped";
    case TRegistrationResult::NotFinished: break;
  }
  return L"Re-Register failed (regsvr32 did not finish)";
}
