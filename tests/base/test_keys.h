// A registry key of the test's own under HKCU\Software\QuillsteadTest, removed afterwards.
#pragma once

#include <windows.h>

#include <string>

// Writes a text value below HKEY_CURRENT_USER, making the key when it is missing.
inline bool WriteTestString(const std::wstring& key, const std::wstring& name, const std::wstring& value,
                            DWORD type = REG_SZ) {
  HKEY h;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const bool ok = RegSetValueExW(h, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  RegCloseKey(h);
  return ok;
}

// Whether a value of any type exists below HKEY_CURRENT_USER.
inline bool TestValueExists(const std::wstring& key, const std::wstring& name) {
  return RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_ANY, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

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
