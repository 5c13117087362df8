// Whether System Restore is switched on, and switching it on: its registry setting, its service
// "srservice", the commands that start that service, and the restart that a rollback needs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "base/system_restart.h"
#include "tools/restore/restore_point_wmi.h"

// Where System Restore keeps its DisableSR value.
struct TSystemRestoreSettingsKey {
  HKEY Root = HKEY_LOCAL_MACHINE;
  std::wstring Path = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
};

// Switched off when the key cannot be opened or the lowest byte of DisableSR is 1. A key without
// the value is switched on, as System Restore itself treats it.
bool SystemRestoreSwitchedOff(const TSystemRestoreSettingsKey& Key);
// DisableSR := 0, creating the key when missing.
bool WriteSystemRestoreSwitchedOn(const TSystemRestoreSettingsKey& Key);

// The service's current state (SERVICE_STOPPED is 1), or -1 when the service control manager or
// the service cannot be opened or queried.
int ServiceState(const std::wstring& Name);

// Runs Command with its window hidden and waits for it (at most kServiceCommandTimeoutMs); its exit
// code, or 0 when it did not start or could not be waited for.
DWORD RunHiddenAndWait(const std::wstring& Command);
constexpr DWORD kServiceCommandTimeoutMs = 60000;

// Everything the restore-point page asks of the system, one replaceable function each, so tests
// answer with fixtures and never touch the machine's restore points or restart it.
struct TSystemRestorePlatform {
  TSystemRestoreSettingsKey SettingsKey;
  std::function<bool(std::vector<TSystemRestoreItem>&)> ListPoints = QueryRestorePoints;
  std::function<TWmiCallResult(const std::wstring&)> CreatePoint = CreateSystemRestorePoint;
  std::function<TWmiCallResult(int)> RestoreToPoint = RestoreSystemToPoint;
  std::function<int(const std::wstring&)> QueryServiceState = ServiceState;
  std::function<DWORD(const std::wstring&)> RunCommand = RunHiddenAndWait;
  std::function<bool()> Restart = RestartComputer;
};

// Whether System Restore or its service is off, so that creating a point should offer to enable
// them. A service that cannot be queried counts as running.
bool SystemRestoreNeedsEnabling(const TSystemRestorePlatform& Platform);

// Switches System Restore on and starts its service; true when the service is no longer stopped.
bool EnableSystemRestore(const TSystemRestorePlatform& Platform);
