// A registry key of the test's own under HKCU\Software\QuillsteadTest, removed afterwards.
#pragma once

#include <windows.h>

#include <string>

class TestRegistryKey {
 public:
  explicit TestRegistryKey(const std::wstring& purpose)
      : path_(L"Software\\QuillsteadTest\\" + purpose + L"_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
              std::to_wstring(GetTickCount())) {
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
        ERROR_SUCCESS)
      RegCloseKey(key);
  }
  ~TestRegistryKey() {
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, path_.c_str());
    // The shared parent goes too once no other test uses it.
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\QuillsteadTest");
  }
  TestRegistryKey(const TestRegistryKey&) = delete;
  TestRegistryKey& operator=(const TestRegistryKey&) = delete;

  // Path below HKEY_CURRENT_USER, without leading or trailing backslash.
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};
