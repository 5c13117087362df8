// Raw reads and writes of fixture values, and a class key of the test's own below
// HKEY_CLASSES_ROOT, for the fix-definition tests.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

struct RawValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;
  bool operator==(const RawValue& o) const { return type == o.type && bytes == o.bytes; }
};

inline void PrintTo(const RawValue& value, std::ostream* os) {
  *os << "type " << value.type << " bytes";
  for (BYTE b : value.bytes) *os << ' ' << std::hex << static_cast<int>(b) << std::dec;
}

inline RawValue Wide(DWORD type, const std::wstring& text) {
  const BYTE* p = reinterpret_cast<const BYTE*>(text.data());
  return {type, std::vector<BYTE>(p, p + text.size() * sizeof(wchar_t))};
}

inline RawValue Dword(DWORD value) {
  const BYTE* p = reinterpret_cast<const BYTE*>(&value);
  return {REG_DWORD, std::vector<BYTE>(p, p + sizeof(value))};
}

inline void PutValue(HKEY root, const std::wstring& key, const std::wstring& name, const RawValue& value) {
  HKEY h;
  ASSERT_EQ(RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr), ERROR_SUCCESS);
  RegSetValueExW(h, name.empty() ? nullptr : name.c_str(), 0, value.type, value.bytes.data(),
                 static_cast<DWORD>(value.bytes.size()));
  RegCloseKey(h);
}

// REG_NONE with no bytes when the value (or key) is missing.
inline RawValue GetValue(HKEY root, const std::wstring& key, const std::wstring& name) {
  RawValue value;
  HKEY h;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return value;
  DWORD size = 0;
  const wchar_t* n = name.empty() ? nullptr : name.c_str();
  if (RegQueryValueExW(h, n, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    value.bytes.resize(size);
    RegQueryValueExW(h, n, nullptr, &value.type, value.bytes.data(), &size);
    value.bytes.resize(size);
  }
  RegCloseKey(h);
  return value;
}

inline bool KeyExists(HKEY root, const std::wstring& key) {
  HKEY h;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}

// HKEY_CLASSES_ROOT\<name>, removed with everything below it.
class TestClassKey {
 public:
  explicit TestClassKey(const std::wstring& purpose)
      : path_(L"QuillsteadTest." + purpose + L"_" + std::to_wstring(GetCurrentProcessId())) {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, path_.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, path_.c_str());
  }
  ~TestClassKey() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, path_.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, path_.c_str());
  }
  TestClassKey(const TestClassKey&) = delete;
  TestClassKey& operator=(const TestClassKey&) = delete;

  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};
