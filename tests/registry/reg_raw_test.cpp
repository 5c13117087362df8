#include "registry/reg_raw.h"

#include <gtest/gtest.h>

#include "base/registry_key.h"
#include "base/strings.h"
#include "tests/base/test_keys.h"

namespace {

class RawRegTest : public ::testing::Test {
 protected:
  RawRegTest() : key_(L"RawReg") {}
  // Value path below HKEY_CURRENT_USER inside the test key.
  std::wstring P(const std::wstring& rest) const { return key_.Path() + L"\\" + rest; }

  void SetW(const std::wstring& keyRest, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, P(keyRest).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
  }
  std::vector<BYTE> Raw(const std::wstring& valuePath, DWORD type) {
    std::vector<BYTE> data{0xEE};
    EXPECT_TRUE(RawRegReadValue(HKEY_CURRENT_USER, valuePath, type, data)) << WideToUtf8(valuePath);
    return data;
  }

  TestRegistryKey key_;
};

std::vector<BYTE> Bytes(const char* s, size_t n) { return std::vector<BYTE>(s, s + n); }

}  // namespace

TEST_F(RawRegTest, EveryTypeRoundTripsWithItsStoredLength) {
  const HKEY cu = HKEY_CURRENT_USER;
  ASSERT_TRUE(RawRegSetSz(cu, P(L"K\\Sz"), L"abc"));
  ASSERT_TRUE(RawRegSetExpandSz(cu, P(L"K\\Exp"), L"%windir%\\x.dll"));
  ASSERT_TRUE(RawRegSetMultiSz(cu, P(L"K\\Multi"), std::wstring(L"a\0b", 3)));
  ASSERT_TRUE(RawRegSetDword(cu, P(L"K\\Dword"), 0xDEADBEEF));
  const BYTE bin[] = {1, 0, 2, 0xFF};
  ASSERT_TRUE(RawRegWriteValue(cu, P(L"K\\Bin"), REG_BINARY, bin, sizeof(bin)));

  EXPECT_EQ(Raw(P(L"K\\Sz"), REG_SZ), Bytes("abc\0", 4));
  EXPECT_EQ(Raw(P(L"K\\Exp"), REG_EXPAND_SZ), Bytes("%windir%\\x.dll\0", 15));
  EXPECT_EQ(Raw(P(L"K\\Multi"), REG_MULTI_SZ), Bytes("a\0b\0\0", 5));
  EXPECT_EQ(Raw(P(L"K\\Dword"), REG_DWORD), Bytes("\xEF\xBE\xAD\xDE", 4));
  EXPECT_EQ(Raw(P(L"K\\Bin"), REG_BINARY), std::vector<BYTE>(bin, bin + 4));

  std::wstring text = L"stale";
  EXPECT_TRUE(RawRegGetSz(cu, P(L"K\\Sz"), text));
  EXPECT_EQ(text, L"abc");
  EXPECT_TRUE(RawRegGetExpandSz(cu, P(L"K\\Exp"), text));
  EXPECT_EQ(text, L"%windir%\\x.dll");
  EXPECT_TRUE(RawRegGetMultiSz(cu, P(L"K\\Multi"), text));
  EXPECT_EQ(text, std::wstring(L"a\0b\0", 4));
  DWORD value = 1;
  EXPECT_TRUE(RawRegGetDword(cu, P(L"K\\Dword"), value));
  EXPECT_EQ(value, 0xDEADBEEFu);
  std::vector<BYTE> bytes;
  EXPECT_TRUE(RawRegGetBinary(cu, P(L"K\\Bin"), bytes));
  EXPECT_EQ(bytes, std::vector<BYTE>(bin, bin + 4));

  // The registry key object reads what these wrote.
  TRegistry reg;
  reg.SetRootKey(cu);
  ASSERT_TRUE(reg.OpenKeyReadOnly(L"\\" + P(L"K")));
  EXPECT_EQ(reg.ReadString(L"Sz"), L"abc");
  EXPECT_EQ(reg.ReadInteger(L"Dword"), static_cast<int>(0xDEADBEEF));
}

TEST_F(RawRegTest, RawStringDataIsSystemCodePageText) {
  const HKEY cu = HKEY_CURRENT_USER;
  ASSERT_TRUE(RawRegWriteValue(cu, P(L"K\\S"), REG_SZ, "xy\0", 3));
  TRegistry reg;
  reg.SetRootKey(cu);
  ASSERT_TRUE(reg.OpenKeyReadOnly(L"\\" + P(L"K")));
  EXPECT_EQ(reg.ReadString(L"S"), L"xy");
  EXPECT_EQ(reg.GetDataSize(L"S"), 6);  // stored as UTF-16 by the platform
  // Names are not narrowed.
  ASSERT_TRUE(RawRegSetSz(cu, P(L"K\\\u6ce8\u518c"), L"v"));
  std::wstring text;
  EXPECT_TRUE(RawRegGetSz(cu, P(L"K\\\u6ce8\u518c"), text));
  EXPECT_EQ(text, L"v");
}

TEST_F(RawRegTest, StringWithoutTerminatorKeepsItsLastCharacter) {
  SetW(L"K", L"NoZero", REG_SZ, L"abc", 6);
  SetW(L"K", L"Empty", REG_SZ, L"", 0);
  std::wstring text;
  EXPECT_TRUE(RawRegGetSz(HKEY_CURRENT_USER, P(L"K\\NoZero"), text));
  EXPECT_EQ(text, L"abc");
  text = L"stale";
  EXPECT_TRUE(RawRegGetSz(HKEY_CURRENT_USER, P(L"K\\Empty"), text));
  EXPECT_EQ(text, L"");
}

TEST_F(RawRegTest, WrongStoredTypeIsRefused) {
  const HKEY cu = HKEY_CURRENT_USER;
  ASSERT_TRUE(RawRegSetExpandSz(cu, P(L"K\\Exp"), L"%windir%"));
  ASSERT_TRUE(RawRegSetSz(cu, P(L"K\\Sz"), L"12"));
  const DWORD two = 2;
  SetW(L"K", L"ShortDword", REG_DWORD, &two, 2);
  std::wstring text = L"stale";
  EXPECT_FALSE(RawRegGetSz(cu, P(L"K\\Exp"), text));
  EXPECT_EQ(text, L"");
  text = L"stale";
  EXPECT_FALSE(RawRegGetMultiSz(cu, P(L"K\\Sz"), text));
  EXPECT_EQ(text, L"");
  DWORD value = 9;
  EXPECT_FALSE(RawRegGetDword(cu, P(L"K\\Sz"), value));
  EXPECT_EQ(value, 0u);
  value = 9;
  EXPECT_FALSE(RawRegGetDword(cu, P(L"K\\ShortDword"), value));
  EXPECT_EQ(value, 0u);
  std::vector<BYTE> bytes{1};
  EXPECT_FALSE(RawRegGetBinary(cu, P(L"K\\Sz"), bytes));
  EXPECT_TRUE(bytes.empty());
  EXPECT_FALSE(RawRegReadValue(cu, P(L"K\\Sz"), REG_EXPAND_SZ, bytes));
  EXPECT_FALSE(RawRegGetSz(cu, P(L"K\\Absent"), text));
  EXPECT_FALSE(RawRegGetSz(cu, P(L"NoKey\\Absent"), text));
}

TEST_F(RawRegTest, PathsWithoutBackslashAndDefaultValues) {
  const HKEY cu = HKEY_CURRENT_USER;
  // No backslash: nothing is written anywhere, not even below the root.
  EXPECT_FALSE(RawRegSetSz(cu, L"QuillsteadNoBackslash", L"x"));
  EXPECT_FALSE(RawRegSetDword(cu, L"QuillsteadNoBackslash", 1));
  HKEY probe;
  EXPECT_NE(RegOpenKeyExW(cu, L"QuillsteadNoBackslash", 0, KEY_READ, &probe), ERROR_SUCCESS);
  EXPECT_NE(RegQueryValueExW(cu, L"QuillsteadNoBackslash", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  std::wstring text = L"stale";
  EXPECT_FALSE(RawRegGetSz(cu, L"QuillsteadNoBackslash", text));
  EXPECT_EQ(text, L"");

  // A trailing backslash addresses the key's default value.
  ASSERT_TRUE(RawRegSetSz(cu, P(L"Def\\"), L"default text"));
  TRegistry reg;
  reg.SetRootKey(cu);
  ASSERT_TRUE(reg.OpenKeyReadOnly(L"\\" + P(L"Def")));
  EXPECT_EQ(reg.ReadString(L""), L"default text");
  std::vector<std::wstring> names;
  reg.GetValueNames(names);
  EXPECT_EQ(names, std::vector<std::wstring>({L""}));
  EXPECT_TRUE(RawRegGetSz(cu, P(L"Def\\"), text));
  EXPECT_EQ(text, L"default text");
}

TEST_F(RawRegTest, KeyExistenceAndDeletion) {
  const HKEY cu = HKEY_CURRENT_USER;
  ASSERT_TRUE(RawRegSetDword(cu, P(L"Foo\\Bar\\v"), 1));
  ASSERT_TRUE(RawRegSetDword(cu, P(L"Foo\\Other\\v"), 1));
  EXPECT_TRUE(RawRegKeyExists(cu, P(L"Foo\\Bar")));
  EXPECT_TRUE(RawRegKeyExists(cu, P(L"Foo")));
  EXPECT_FALSE(RawRegKeyExists(cu, P(L"Foo\\Missing")));
  EXPECT_TRUE(RawRegDeleteKey(cu, P(L"Foo\\Bar")));
  EXPECT_FALSE(RawRegKeyExists(cu, P(L"Foo\\Bar")));
  EXPECT_TRUE(RawRegKeyExists(cu, P(L"Foo\\Other")));
  EXPECT_FALSE(RawRegDeleteKey(cu, P(L"Foo\\Bar")));
  EXPECT_FALSE(RawRegDeleteKey(cu, P(L"Missing\\Bar")));
}

// A key that is a registry link goes itself; the key it points to, with its values, stays.
TEST_F(RawRegTest, DeletingALinkKeyDeletesTheLinkOnly) {
  const HKEY cu = HKEY_CURRENT_USER;
  ASSERT_TRUE(RawRegSetDword(cu, P(L"Target\\v"), 1));
  ASSERT_TRUE(MakeTestRegistryLink(P(L"Link"), P(L"Target")));
  EXPECT_TRUE(RawRegDeleteKey(cu, P(L"Link")));
  EXPECT_FALSE(TestLinkKeyExists(P(L"Link")));
  EXPECT_TRUE(TestValueExists(P(L"Target"), L"v"));
}

// A key path without a backslash names a key right below the root.
TEST(RawRegDeleteKeyBelowRoot, DeletesAKeyRightBelowTheRoot) {
  const HKEY cu = HKEY_CURRENT_USER;
  const std::wstring name = L"QuillsteadRawRegRoot_" + std::to_wstring(GetCurrentProcessId());
  struct Cleanup {
    const std::wstring& name;
    ~Cleanup() {
      RegDeleteTreeW(HKEY_CURRENT_USER, name.c_str());
      RegDeleteKeyW(HKEY_CURRENT_USER, name.c_str());
    }
  } cleanup{name};
  ASSERT_TRUE(RawRegSetDword(cu, name + L"\\v", 1));
  EXPECT_TRUE(RawRegDeleteKey(cu, name));
  EXPECT_FALSE(RawRegKeyExists(cu, name));
  EXPECT_FALSE(RawRegDeleteKey(cu, name));
  // A leading backslash names the same key.
  ASSERT_TRUE(RawRegSetDword(cu, name + L"\\v", 1));
  EXPECT_TRUE(RawRegDeleteKey(cu, L"\\" + name));
  EXPECT_FALSE(RawRegKeyExists(cu, name));
}

TEST(RawRegDeleteKeyBelowRoot, APathNamingNoKeyDeletesNothing) {
  for (const wchar_t* path : {L"", L"\\", L"\\\\"}) EXPECT_FALSE(RawRegDeleteKey(HKEY_CURRENT_USER, path)) << path;
}

TEST(RegText, LastCharPos) {
  EXPECT_EQ(LastCharPos(L'\\', L"Software\\Foo\\Bar"), 13);
  EXPECT_EQ(LastCharPos(L'\\', L"a\\"), 2);
  EXPECT_EQ(LastCharPos(L'\\', L"\\"), 1);
  EXPECT_EQ(LastCharPos(L'\\', L"plain"), 0);
  EXPECT_EQ(LastCharPos(L'\\', L""), 0);
}

TEST(RegText, ExpandFirstEnvVar) {
  SetEnvironmentVariableW(L"QS_A", L"first");
  SetEnvironmentVariableW(L"QS_B", L"second");
  SetEnvironmentVariableW(L"QS_UNSET_VAR", nullptr);
  wchar_t windir[MAX_PATH];
  ASSERT_GT(GetEnvironmentVariableW(L"windir", windir, MAX_PATH), 0u);
  struct Case {
    const wchar_t* path;
    bool ok;
    std::wstring expected;
  } cases[] = {
      {L"%windir%\\x.dll", true, std::wstring(windir) + L"\\x.dll"},
      {L"%QS_A%%QS_B%", true, L"first%QS_B%"},
      {L"pre%QS_A%post %QS_B%", true, L"prefirstpost %QS_B%"},
      {L"%QS_UNSET_VAR%\\x", true, L"\\x"},
      {L"%%x", true, L"x"},
      {L"100%", false, L"untouched"},
      {L"plain", false, L"untouched"},
  };
  for (const Case& c : cases) {
    std::wstring expanded = L"untouched";
    EXPECT_EQ(ExpandFirstEnvVar(c.path, expanded), c.ok) << WideToUtf8(c.path);
    EXPECT_EQ(expanded, c.expected) << WideToUtf8(c.path);
  }
}
