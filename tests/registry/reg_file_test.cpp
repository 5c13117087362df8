// Registry editor files checked whole before an import: complete files in both formats with the
// keys an import leaves, and files cut off or broken anywhere, each refused with its line.
#include "registry/reg_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Utf16(const std::wstring& text) {
  return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

const char kComplete[] =
    "REGEDIT4\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\A]\r\n"
    "@=\"default\"\r\n"
    "\"Text\"=\"with \\\"quotes\\\" and \\\\ ]\"\r\n"
    "\"Gone\"=-\r\n"
    "\"Number\"=dword:0000002a\r\n"
    "\"Bytes\"=hex:01,02,\\\r\n"
    "  03,04\r\n"
    "\"Expand\"=hex(2):25,00,00,00\r\n"
    "; a comment\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\A\\B]\r\n"
    "\r\n"
    "[-HKEY_CURRENT_USER\\Software\\A\\B]\r\n"
    "\r\n"
    "[hkey_local_machine\\Software\\C]\r\n"
    "\"Empty\"=hex:\r\n"
    "\r\n";

}  // namespace

TEST(RegFile, ACompleteFileGivesTheKeysAnImportLeaves) {
  for (const std::string& bytes : {std::string(kComplete), Utf16(std::wstring(kComplete, kComplete + sizeof kComplete - 1))}) {
    TRegFile file;
    std::wstring problem;
    ASSERT_TRUE(ParseRegFile(bytes, file, problem)) << problem;
    EXPECT_EQ(file.Keys, (std::vector<std::wstring>{L"HKEY_CURRENT_USER\\Software\\A", L"hkey_local_machine\\Software\\C"}));
    EXPECT_EQ(file.Header, L"REGEDIT4");
    EXPECT_EQ(file.Body.substr(0, 4), L"\r\n[H");
  }
  TRegFile file;
  std::wstring problem;
  EXPECT_TRUE(ParseRegFile("Windows Registry Editor Version 5.00\r\n", file, problem)) << problem;
  EXPECT_TRUE(file.Keys.empty());
}

// Every way a file can be cut off or broken is refused, with where it happened.
TEST(RegFile, CutOffOrBrokenFilesAreRefused) {
  const std::string head = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n";
  const std::pair<std::string, const wchar_t*> cases[] = {
      {"", L"does not begin like"},
      {"a text file\r\n", L"does not begin like"},
      {"REGEDIT4", L"ends in the middle of line 1"},
      {head + "\"V\"=\"abc", L"ends in the middle of line 4"},
      {head + "\"V\"=\"abc\r\n\r\n", L"line 4: a text that is not closed"},
      {head + "\"V\"=hex:01,02,\\\r\n", L"ends inside a value's bytes"},
      {head + "\"V\"=hex:01,02,\r\n\r\n", L"line 4: bytes"},
      {head + "\"V\"=hex:01,0g\r\n\r\n", L"line 4: bytes"},
      {head + "\"V\"=hex:01,\\\r\n  123\r\n\r\n", L"line 5: bytes"},
      {head + "\"V\"=dword:1234567890\r\n\r\n", L"line 4: a dword"},
      {head + "\"V\"=str:\"x\"\r\n\r\n", L"line 4: data of no type"},
      {head + "\"V\"=\"a\" b\r\n\r\n", L"line 4: something after"},
      {head + "\"V\r\n\r\n", L"line 4: a value name that is not closed"},
      {head + "V=\"a\"\r\n\r\n", L"line 4: a line that is no key"},
      {head + "\"V\"\"a\"\r\n\r\n", L"line 4: a value without"},
      {head + "\"V\"=\"a\"\r\n", L"without the blank line"},
      {head + "\r\n[HKEY_CURRENT_USER\\Softw", L"ends in the middle of line 5"},
      {head + "\r\n[HKEY_CURRENT_USER\\Software\r\n\r\n", L"line 5: a key name that is not closed"},
      {head + "\r\n[HKCU\\Software\\B]\r\n\r\n", L"line 5: a key below no root"},
      {"REGEDIT4\r\n\"V\"=\"a\"\r\n\r\n", L"line 2: a line outside any key"},
      {"REGEDIT4\r\n[-HKEY_CURRENT_USER\\Software\\A]\r\n\"V\"=\"a\"\r\n\r\n", L"line 3: a line outside any key"},
      {"\xFF\xFE" "R\0E\0G\0", L"in the middle of a character"},
  };
  for (const auto& c : cases) {
    TRegFile file;
    std::wstring problem;
    EXPECT_FALSE(ParseRegFile(c.first, file, problem)) << c.first;
    EXPECT_NE(problem.find(c.second), std::wstring::npos) << c.first << " -> " << problem;
  }
}

TEST(RegFile, RootsTheEditorKnows) {
  HKEY root = nullptr;
  std::wstring path;
  ASSERT_TRUE(SplitRegFileKey(L"HKEY_USERS\\.Default\\x", root, path));
  EXPECT_EQ(root, HKEY_USERS);
  EXPECT_EQ(path, L".Default\\x");
  ASSERT_TRUE(SplitRegFileKey(L"hkey_classes_root", root, path));
  EXPECT_EQ(root, HKEY_CLASSES_ROOT);
  EXPECT_EQ(path, L"");
  EXPECT_FALSE(SplitRegFileKey(L"HKLM\\Software", root, path));
  EXPECT_FALSE(SplitRegFileKey(L"", root, path));
}
