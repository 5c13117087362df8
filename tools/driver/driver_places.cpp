#include "tools/driver/driver_places.h"

#include "base/files.h"

TDriverPlaces SystemDriverPlaces() {
  TDriverPlaces places;
  wchar_t buffer[MAX_PATH];
  UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
  places.WindowsFolder = ExcludeTrailingBackslash(std::wstring(buffer, length < MAX_PATH ? length : 0));
  length = GetSystemDirectoryW(buffer, MAX_PATH);
  places.SystemFolder = ExcludeTrailingBackslash(std::wstring(buffer, length < MAX_PATH ? length : 0));
  return places;
}
