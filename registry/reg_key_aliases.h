// One key, several names: HKEY_CLASSES_ROOT shows the machine's and the user's classes, the
// current user's key is also HKEY_USERS\<SID>, HKEY_CURRENT_CONFIG is the current hardware profile
// of the current control set. Comparing keys by their text alone takes such names for other keys.
#pragma once

#include <windows.h>

#include <string>

// What the other names of a key depend on, on this machine.
struct TRegKeyAliases {
  std::wstring UserSid;     // the current user's SID text (S-1-5-21-...); empty: none known
  int ControlSet = 0;       // the number of the current control set (ControlSet001 is 1); 0: none known
  int HardwareProfile = 0;  // the number of the current hardware profile (0001 is 1); 0: none known
};

// This machine's aliases: the SID of HKEY_CURRENT_USER, HKLM\SYSTEM\Select "Current" and the
// control set's IDConfigDB "CurrentConfig". Read once.
const TRegKeyAliases& ThisMachineRegKeyAliases();

// A key path as it compares: lower case, without blanks or backslashes around it, without doubled
// backslashes.
std::wstring ComparableRegKeyPath(const std::wstring& path);

// The one name of the key `path` below `root` that every name of it shares: the root's short name,
// then the comparable path. Every
// class view (HKEY_CLASSES_ROOT, HKLM\Software\Classes, HKCU\Software\Classes,
// HKEY_USERS\<SID>_Classes) becomes "hkcr", since HKEY_CLASSES_ROOT shows both the machine's and
// the user's classes under one name; HKEY_USERS\<own SID> becomes "hkcu"; HKEY_CURRENT_CONFIG and
// the current control set and profile by number become "hklm\system\currentcontrolset\hardware
// profiles\current". A root this does not know gives "?" and its value.
std::wstring CanonicalRegKeyName(HKEY root, const std::wstring& path, const TRegKeyAliases& aliases);
