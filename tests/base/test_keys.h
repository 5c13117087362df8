// A registry key of the test's own under HKCU\Software\QuillsteadTest, removed afterwards.
#pragma once

#include <windows.h>

#include <string>

#include "base/registry_key.h"

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
    // Not RegDeleteTree: it would follow a link a test left behind.
    DeleteRegKey(HKEY_CURRENT_USER, path_, true);
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

extern "C" LONG NTAPI NtQueryKey(HANDLE Key, int InformationClass, void* Information, ULONG Length,
                                 ULONG* ResultLength);

// The key's name as the registry itself knows it (\REGISTRY\USER\<sid>\...), which a link holds.
inline std::wstring KernelKeyName(HKEY root, const std::wstring& path) {
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return L"";
  ULONG buffer[1024] = {};  // KEY_NAME_INFORMATION: the length in bytes, then the name
  ULONG length = 0;
  const int kKeyNameInformation = 3;
  const bool ok = NtQueryKey(key, kKeyNameInformation, buffer, sizeof(buffer), &length) >= 0;
  RegCloseKey(key);
  return ok ? std::wstring(reinterpret_cast<const wchar_t*>(buffer + 1), buffer[0] / sizeof(wchar_t)) : L"";
}

// Makes the key HKCU\linkPath a registry link (REG_LINK) to the kernel name `target`
// (\REGISTRY\...), which may name a key through other links or no key at all.
inline bool MakeTestRegistryLinkToName(const std::wstring& linkPath, const std::wstring& target) {
  HKEY link;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, linkPath.c_str(), 0, nullptr, REG_OPTION_CREATE_LINK, KEY_ALL_ACCESS,
                      nullptr, &link, nullptr) != ERROR_SUCCESS)
    return false;
  const bool ok = RegSetValueExW(link, L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(target.data()),
                                 static_cast<DWORD>(target.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
  RegCloseKey(link);
  return ok;
}

// Makes the key HKCU\linkPath a registry link (REG_LINK) to the existing key HKCU\targetPath.
inline bool MakeTestRegistryLink(const std::wstring& linkPath, const std::wstring& targetPath) {
  const std::wstring target = KernelKeyName(HKEY_CURRENT_USER, targetPath);
  return !target.empty() && MakeTestRegistryLinkToName(linkPath, target);
}

// Whether a key exists below HKEY_CURRENT_USER, followed as the platform follows links.
inline bool TestKeyExists(const std::wstring& path) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// Whether the key itself exists below HKEY_CURRENT_USER, a link key as the link.
inline bool TestLinkKeyExists(const std::wstring& path) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), REG_OPTION_OPEN_LINK, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}
