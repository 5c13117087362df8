#pragma once
// Where the drivers of this machine are described and kept: the device class keys, and the
// Windows and system folders their files are looked up in. Tests point these at their own.
#include <windows.h>

#include <string>

struct TDriverPlaces {
  HKEY Root = HKEY_LOCAL_MACHINE;
  std::wstring ClassKey = L"SYSTEM\\CurrentControlSet\\Control\\Class";
  std::wstring WindowsFolder;  // GetWindowsDirectory, no trailing backslash
  std::wstring SystemFolder;   // GetSystemDirectory, no trailing backslash
};

// The running system's places.
TDriverPlaces SystemDriverPlaces();
