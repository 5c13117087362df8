// Reading settings with a default never writes the default into the registry.
#include "registry/reg_read.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "tests/base/test_keys.h"

namespace {

void SetValue(const std::wstring& path, const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

bool KeyOrValueExists(const std::wstring& path, const wchar_t* name) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  bool exists = !name || RegQueryValueExW(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(key);
  return exists;
}

}  // namespace

TEST(RegReadTest, StringsOrTheDefaultWithoutWriting) {
  TestRegistryKey root(L"RegRead");
  const std::wstring key = root.Path() + L"\\Inner";
  SetValue(key, L"Text", REG_SZ, L"hello", 12);
  SetValue(key, L"Expand", REG_EXPAND_SZ, L"%TEMP%\\x", 18);
  DWORD number = 5;
  SetValue(key, L"Number", REG_DWORD, &number, sizeof(number));
  SetValue(key, L"", REG_SZ, L"unnamed", 16);

  EXPECT_EQ(ReadRegStringDefault(HKEY_CURRENT_USER, key, L"Text", L"d"), L"hello");
  EXPECT_EQ(ReadRegStringDefault(HKEY_CURRENT_USER, L"\\" + key, L"Text", L"d"), L"hello");
  EXPECT_EQ(ReadRegStringDefault(HKEY_CURRENT_USER, key, L"Expand", L"d"), L"%TEMP%\\x");
  EXPECT_EQ(ReadRegStringDefault(HKEY_CURRENT_USER, key, L"", L"d"), L"unnamed");
  EXPECT_EQ(ReadRegStringDefault(HKEY_CURRENT_USER, key, L"Number", L"d"), L"d");
  EXPECT_EQ(ReadRegStringDefault(HKEY_CURRENT_USER, key, L"Missing", L"Microsoft"), L"Microsoft");
  EXPECT_EQ(ReadRegStringDefault(HKEY_CURRENT_USER, key + L"\\NoKey", L"Missing", L""), L"");
  EXPECT_FALSE(KeyOrValueExists(key, L"Missing"));
  EXPECT_FALSE(KeyOrValueExists(key + L"\\NoKey", nullptr));
}

TEST(RegReadTest, SubkeyNamesAndAMissingKey) {
  TestRegistryKey root(L"RegRead");
  SetValue(root.Path() + L"\\0000", L"x", REG_SZ, L"", 2);
  SetValue(root.Path() + L"\\0001", L"x", REG_SZ, L"", 2);
  std::vector<std::wstring> names = ListRegSubKeys(HKEY_CURRENT_USER, root.Path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"0000", L"0001"}));
  EXPECT_TRUE(ListRegSubKeys(HKEY_CURRENT_USER, root.Path() + L"\\Missing").empty());
  EXPECT_FALSE(KeyOrValueExists(root.Path() + L"\\Missing", nullptr));
}
