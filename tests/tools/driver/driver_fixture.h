// Device class keys of the test's own (below HKEY_CURRENT_USER) and a Windows folder of its own
// with inf, help and system32\drivers below it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/base/test_keys.h"
#include "tools/driver/driver_places.h"

class DriverFixture {
 public:
  DriverFixture() {
    places.Root = HKEY_CURRENT_USER;
    places.ClassKey = key_.Path();
    places.WindowsFolder = folder_.Path() + L"Windows";
    places.SystemFolder = places.WindowsFolder + L"\\system32";
    for (const wchar_t* sub : {L"", L"\\inf", L"\\help", L"\\system32", L"\\system32\\drivers"})
      ForceDirectories(places.WindowsFolder + sub);
  }

  // Sets a string value of Class\Sub (Sub empty: the class key itself).
  void SetString(const std::wstring& classKey, const std::wstring& sub, const std::wstring& name,
                 const std::wstring& value) {
    HKEY key = Create(classKey, sub);
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
  // One driver instance; a null provider leaves "ProviderName" out.
  void AddDriver(const std::wstring& classKey, const std::wstring& instance, const std::wstring& description,
                 const wchar_t* provider, const std::wstring& inf = L"") {
    SetString(classKey, instance, L"DriverDesc", description);
    if (provider) SetString(classKey, instance, L"ProviderName", provider);
    if (!inf.empty()) SetString(classKey, instance, L"InfPath", inf);
  }
  bool ValueExists(const std::wstring& classKey, const std::wstring& sub, const std::wstring& name) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, (key_.Path() + L"\\" + classKey + L"\\" + sub).c_str(), 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
      return false;
    bool exists = RegQueryValueExW(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return exists;
  }
  HKEY Create(const std::wstring& classKey, const std::wstring& sub) {
    std::wstring path = key_.Path() + L"\\" + classKey + (sub.empty() ? L"" : L"\\" + sub);
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return key;
  }
  // A file below the fixture's Windows folder.
  std::wstring WriteWindowsFile(const std::wstring& relative, const std::string& bytes) {
    std::wstring path = places.WindowsFolder + L"\\" + relative;
    WriteBytes(path, bytes);
    return path;
  }

  TDriverPlaces places;

 private:
  TestRegistryKey key_{L"DriverClass"};
  TestFolder folder_{L"qs_driver_"};
};

// Makes a folder of the test's own the current directory while it lives.
class CurrentDirectoryInTestFolder {
 public:
  CurrentDirectoryInTestFolder() {
    wchar_t buffer[MAX_PATH];
    previous_.assign(buffer, GetCurrentDirectoryW(MAX_PATH, buffer));
    SetCurrentDirectoryW(folder_.Path().c_str());
  }
  ~CurrentDirectoryInTestFolder() { SetCurrentDirectoryW(previous_.c_str()); }
  const std::wstring& Path() const { return folder_.Path(); }

 private:
  TestFolder folder_{L"qs_cwd_"};
  std::wstring previous_;
};
