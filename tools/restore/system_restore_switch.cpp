#include "tools/restore/system_restore_switch.h"

#include <shlobj.h>

#include "base/child_process.h"
#include "base/registry_key.h"
#include "base/system_programs.h"

namespace {
const wchar_t kServiceName[] = L"srservice";
}

bool SystemRestoreSwitchedOff(const TSystemRestoreSettingsKey& Key) {
  HKEY key;
  if (RegOpenKeyExW(Key.Root, Key.Path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return true;
  DWORD type;
  std::vector<BYTE> bytes;
  bool off = ReadRegValue(key, L"DisableSR", type, bytes) && !bytes.empty() && bytes[0] == 1;
  RegCloseKey(key);
  return off;
}

bool WriteSystemRestoreSwitchedOn(const TSystemRestoreSettingsKey& Key) {
  HKEY key;
  if (RegCreateKeyExW(Key.Root, Key.Path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  DWORD zero = 0;
  bool ok = RegSetValueExW(key, L"DisableSR", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero) ==
            ERROR_SUCCESS;
  RegCloseKey(key);
  return ok;
}

int ServiceState(const std::wstring& Name) {
  // Reading the state needs no more rights than these; asking for all would fail for a user who
  // is no administrator and hide a stopped service.
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
  if (!manager) return -1;
  int state = -1;
  if (SC_HANDLE service = OpenServiceW(manager, Name.c_str(), SERVICE_QUERY_STATUS)) {
    SERVICE_STATUS status;
    if (QueryServiceStatus(service, &status)) state = static_cast<int>(status.dwCurrentState);
    CloseServiceHandle(service);
  }
  CloseServiceHandle(manager);
  return state;
}

DWORD RunHiddenAndWait(const std::wstring& Command) {
  DWORD exitCode = 0;
  if (!RunChildProcess(Command, exitCode, kServiceCommandTimeoutMs)) return 0;
  return exitCode;
}

bool SystemRestoreNeedsEnabling(const TSystemRestorePlatform& Platform) {
  return SystemRestoreSwitchedOff(Platform.SettingsKey) ||
         Platform.QueryServiceState(kServiceName) == static_cast<int>(SERVICE_STOPPED);
}

bool EnableSystemRestore(const TSystemRestorePlatform& Platform) {
  WriteSystemRestoreSwitchedOn(Platform.SettingsKey);
  // Tells the shell that system settings changed, so its views of them are read again.
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
  Platform.RunCommand(SystemProgramCommand(L"sc.exe", L"config srservice start= demand"));
  Platform.RunCommand(SystemProgramCommand(L"net.exe", L"start srservice"));
  return Platform.QueryServiceState(kServiceName) != static_cast<int>(SERVICE_STOPPED);
}
