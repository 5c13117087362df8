#include "base/system_restart.h"

#include <windows.h>

namespace {

TRestartHandler& Replacement() {
  static TRestartHandler handler;
  return handler;
}

bool EnableShutdownPrivilege() {
  HANDLE token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  bool ok = LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid) &&
            AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
            GetLastError() == ERROR_SUCCESS;
  const DWORD error = GetLastError();
  CloseHandle(token);
  SetLastError(error);
  return ok;
}

}  // namespace

bool RestartComputer() {
  if (Replacement()) return Replacement()();
  if (!EnableShutdownPrivilege()) return false;
  // A planned restart for a change of the system's configuration.
  return ExitWindowsEx(EWX_REBOOT, SHTDN_REASON_MAJOR_OPERATINGSYSTEM | SHTDN_REASON_MINOR_RECONFIG |
                                       SHTDN_REASON_FLAG_PLANNED) != 0;
}

void SetRestartComputerForTesting(TRestartHandler handler) { Replacement() = std::move(handler); }
