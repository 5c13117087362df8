// Reading back what a file writes: each value is compared by name, type and data against the
// registry as a test key holds it, without the editor.
#include "registry/reg_import_check.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/strings.h"
#include "tests/base/test_keys.h"

namespace {

void Set(const std::wstring& path, const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY h;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(h, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(h);
}

}  // namespace

TEST(RegImportCheck, EachValueIsComparedByNameTypeAndData) {
  TestRegistryKey key(L"check");
  const std::wstring path = key.Path() + L"\\K";
  const std::string name = "HKEY_CURRENT_USER\\" + WideToUtf8(path);
  const wchar_t text[] = L"abc";
  const wchar_t multi[] = L"a\0b\0";  // the editor adds the list's closing NUL
  const DWORD number = 42;
  const BYTE bytes[] = {1, 2, 3};
  const BYTE otherBytes[] = {1, 2, 4};
  struct Case {
    const char* what;
    const char* line;  // the file's value line
    DWORD type;        // what the registry holds; REG_NONE with no data: no such value
    const void* data;
    DWORD size;
    bool right;
  };
  const Case cases[] = {
      {"same text", "\"V\"=\"abc\"", REG_SZ, text, sizeof text, true},
      {"text without its NUL", "\"V\"=\"abc\"", REG_SZ, text, sizeof text - 2, true},
      {"list with a NUL added", "\"V\"=hex(7):61,00,62,00", REG_MULTI_SZ, multi, sizeof multi, true},
      {"name in other case", "\"v\"=\"abc\"", REG_SZ, text, sizeof text, true},
      {"default value", "@=dword:0000002a", REG_DWORD, &number, sizeof number, true},
      {"same bytes", "\"V\"=hex:01,02,03", REG_BINARY, bytes, sizeof bytes, true},
      {"other type", "\"V\"=\"abc\"", REG_EXPAND_SZ, text, sizeof text, false},
      {"other text", "\"V\"=\"abd\"", REG_SZ, text, sizeof text, false},
      {"other bytes", "\"V\"=hex:01,02,03", REG_BINARY, otherBytes, sizeof otherBytes, false},
      {"bytes cut short", "\"V\"=hex:01,02,03", REG_BINARY, bytes, 2, false},
      {"other number", "\"V\"=dword:0000002b", REG_DWORD, &number, sizeof number, false},
      {"value missing", "\"Other\"=\"abc\"", REG_SZ, text, sizeof text, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    const bool isDefault = c.line[0] == '@';
    Set(path, isDefault ? L"" : L"V", c.type, c.data, c.size);
    TRegFile file;
    std::wstring problem;
    ASSERT_TRUE(ParseRegFile("REGEDIT4\r\n\r\n[" + name + "]\r\n" + c.line + "\r\n\r\n", file, problem)) << problem;
    TRegImportResult result;
    CheckImportedRegFile(file, result);
    EXPECT_EQ(result.Keys, 1u);
    EXPECT_EQ(result.Values, 1u);
    EXPECT_TRUE(result.MissingKeys.empty());
    EXPECT_EQ(result.WrongValues.empty(), c.right);
  }
  // A missing key is reported once, not with each of its values.
  TRegFile file;
  std::wstring problem;
  ASSERT_TRUE(ParseRegFile("REGEDIT4\r\n\r\n[" + name + "\\Gone]\r\n\"A\"=\"1\"\r\n\"B\"=\"2\"\r\n\r\n", file, problem));
  TRegImportResult result;
  CheckImportedRegFile(file, result);
  EXPECT_EQ(result.MissingKeys, std::vector<std::wstring>{Utf8ToWide(name) + L"\\Gone"});
  EXPECT_TRUE(result.WrongValues.empty());
  EXPECT_EQ(result.Values, 2u);
}
