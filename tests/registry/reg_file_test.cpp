// Registry editor files checked whole before an import: complete files in both formats with the
// keys an import leaves, and files cut off or broken anywhere, each refused with its line.
#include "registry/reg_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
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

std::vector<std::wstring> KeyNames(const TRegFile& file) {
  std::vector<std::wstring> names;
  for (const TRegFileKey& key : file.Keys) names.push_back(key.Name);
  return names;
}

}  // namespace

TEST(RegFile, ACompleteFileGivesTheKeysAnImportLeaves) {
  for (const std::string& bytes : {std::string(kComplete), Utf16(std::wstring(kComplete, kComplete + sizeof kComplete - 1))}) {
    TRegFile file;
    std::wstring problem;
    ASSERT_TRUE(ParseRegFile(bytes, file, problem)) << problem;
    EXPECT_EQ(KeyNames(file), (std::vector<std::wstring>{L"HKEY_CURRENT_USER\\Software\\A", L"hkey_local_machine\\Software\\C"}));
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

// Lines the editor would skip, cut short or read otherwise than this check does are refused
// before it sees them; a tab inside a text is data.
TEST(RegFile, LinesTheEditorWouldMisreadAreRefused) {
  const std::string head = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n";
  const std::string tail = "\"After\"=\"x\"\r\n\r\n";
  const std::pair<std::string, const wchar_t*> cases[] = {
      {head + std::string("\"V\"=\"nul\0inside\"\r\n", 18) + tail, L"line 4: a control character"},
      {head + "\"V\"=\"ctl\x01x\"\r\n" + tail, L"line 4: a control character"},
      {head + "\"V\"=\"del\x7fx\"\r\n" + tail, L"line 4: a control character"},
      {head + "\"V\x02\"=\"x\"\r\n" + tail, L"line 4: a control character"},
      {head + "\x01\r\n" + tail, L"line 4: a control character"},
      {head + "\"V\"=hex:01,\\\r\n  02\x03\r\n" + tail, L"line 5: a control character"},
      {head + "\"V\"=\"a\\0b\"\r\n" + tail, L"line 4: an escaped NUL"},
      {head + "\"V\"=hex:01,\\\r\n\r\n" + tail, L"line 5: a value's bytes continued onto an empty line"},
      {head + "\"V\"=hex:01,\\\r\n   \r\n" + tail, L"line 5: a value's bytes continued onto an empty line"},
      {head + "\"V\"=\"x\ry\"\r\n" + tail, L"line 4: a carriage return that ends no line"},
      {head + "; a comment\rwith a lone return\r\n" + tail, L"line 4: a carriage return that ends no line"},
      {"REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\r\n" + tail, L"line 3: a carriage return"},
      {"REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"V\"=\"x\"\r\"W\"=\"y\"\n\n", L"line 4: a carriage return"},
  };
  for (const auto& c : cases) {
    TRegFile file;
    std::wstring problem;
    EXPECT_FALSE(ParseRegFile(c.first, file, problem)) << c.first;
    EXPECT_NE(problem.find(c.second), std::wstring::npos) << c.first << " -> " << problem;
  }
  TRegFile file;
  std::wstring problem;
  EXPECT_TRUE(ParseRegFile(head + "\"V\"=\"a\tb\"\r\n; a comment with \x01 in it\r\n" + tail, file, problem)) << problem;
  EXPECT_TRUE(ParseRegFile("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"V\"=\"x\"\n\n", file, problem)) << problem;
}

namespace {

std::string Bytes(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

std::string Bytes(std::initializer_list<int> bytes) {
  std::string data;
  for (int b : bytes) data += static_cast<char>(b);
  return data;
}

std::string Hex(const std::string& data) {
  std::string text;
  char hex[4];
  for (unsigned char b : data) {
    snprintf(hex, sizeof hex, "%02x", b);
    text += hex;
  }
  return text;
}

// One line per value: "key|name|type|data as hex".
std::vector<std::string> Describe(const TRegFile& file) {
  std::vector<std::string> lines;
  for (const TRegFileKey& key : file.Keys) {
    if (key.Values.empty()) lines.push_back(std::string(key.Name.begin(), key.Name.end()));
    for (const TRegFileValue& value : key.Values) {
      lines.push_back(std::string(key.Name.begin(), key.Name.end()) + "|" +
                      std::string(value.Name.begin(), value.Name.end()) + "|" + std::to_string(value.Type) + "|" +
                      Hex(value.Data));
    }
  }
  return lines;
}

}  // namespace

// Every value a file writes, as the registry holds it afterwards: the editor's escapes, each
// kind of data, and the ANSI format's text kinds widened.
TEST(RegFile, ValuesAreReadAsTheEditorWritesThem) {
  struct Case {
    const char* header;
    const char* line;
    DWORD type;
    std::string data;
  };
  const Case cases[] = {
      {"REGEDIT4", "@=\"default\"", REG_SZ, Bytes(L"default")},
      {"REGEDIT4", "\"T\"=\"q\\\"uote \\\\ back\"", REG_SZ, Bytes(L"q\"uote \\ back")},
      {"REGEDIT4", "\"T\"=\"line\\nfeed\\rreturn\\tx\"", REG_SZ, Bytes(L"line\nfeed\rreturntx")},
      {"REGEDIT4", "\"T\"=\"tab\there\"", REG_SZ, Bytes(L"tab\there")},
      {"REGEDIT4", "\"T\"=dword:2A", REG_DWORD, Bytes({0x2a, 0, 0, 0})},
      {"REGEDIT4", "\"T\"=dword:fffffffe", REG_DWORD, Bytes({0xfe, 0xff, 0xff, 0xff})},
      {"REGEDIT4", "\"T\"=hex:01,ab,\\\r\n  7", REG_BINARY, Bytes({0x01, 0xab, 0x07})},
      {"REGEDIT4", "\"T\"=hex:", REG_BINARY, ""},
      {"REGEDIT4", "\"T\"=hex(b):01,02,03,04,05,06,07,08", 11, Bytes({1, 2, 3, 4, 5, 6, 7, 8})},
      {"REGEDIT4", "\"T\"=hex(2):41,42,00", REG_EXPAND_SZ, Bytes(L"AB")},
      {"REGEDIT4", "\"T\"=hex(7):41,00,42,00,00", REG_MULTI_SZ, Bytes(std::wstring(L"A\0B\0", 4))},
      {"REGEDIT4", "\"T\"=hex(0):", REG_NONE, ""},
      {"Windows Registry Editor Version 5.00", "\"T\"=hex(2):41,00,42,00,00,00", REG_EXPAND_SZ, Bytes(L"AB")},
      {"Windows Registry Editor Version 5.00", "\"T\"=hex(1):41,00", REG_SZ, Bytes({0x41, 0})},
      {"Windows Registry Editor Version 5.00", "\"T\"=\"\\u00e9\"", REG_SZ, Bytes(L"u00e9")},
  };
  for (const Case& c : cases) {
    const std::string text = std::string(c.header) + "\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n" + c.line + "\r\n\r\n";
    TRegFile file;
    std::wstring problem;
    ASSERT_TRUE(ParseRegFile(text, file, problem)) << c.line << " -> " << problem;
    ASSERT_EQ(file.Keys.size(), 1u) << c.line;
    ASSERT_EQ(file.Keys[0].Values.size(), 1u) << c.line;
    const TRegFileValue& value = file.Keys[0].Values[0];
    EXPECT_EQ(value.Name, c.line[0] == '@' ? L"" : L"T") << c.line;
    EXPECT_EQ(value.Type, c.type) << c.line;
    EXPECT_EQ(Hex(value.Data), Hex(c.data)) << c.line;
  }
}

// The sections of a file are applied in order: a "[-key]" section takes what earlier sections
// wrote at and below that key (a key with a similar name stays), a later section writes it again,
// a "-" line takes a value, and a value written twice is there as last written.
TEST(RegFile, SectionsApplyInOrder) {
  const char text[] =
      "REGEDIT4\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\A]\r\n\"Kept\"=\"1\"\r\n\"Gone\"=\"1\"\r\n\"Twice\"=\"1\"\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\A\\Sub]\r\n\"S\"=\"1\"\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\A\\Sub\\Deeper]\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\A!]\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\A\\Subway]\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\B]\r\n\"Old\"=\"1\"\r\n\r\n"
      "[-HKEY_CURRENT_USER\\Software\\a\\SUB]\r\n\r\n"
      "[-HKEY_CURRENT_USER\\Software\\B]\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\b]\r\n\"New\"=\"2\"\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\A]\r\n\"gone\"=-\r\n\"TWICE\"=dword:2\r\n\r\n"
      "[-HKEY_CURRENT_USER\\Software\\C]\r\n\r\n";
  TRegFile file;
  std::wstring problem;
  ASSERT_TRUE(ParseRegFile(text, file, problem)) << problem;
  EXPECT_EQ(Describe(file), (std::vector<std::string>{
                                "HKEY_CURRENT_USER\\Software\\A|Kept|1|31000000",
                                "HKEY_CURRENT_USER\\Software\\A|TWICE|4|02000000",
                                "HKEY_CURRENT_USER\\Software\\A!",
                                "HKEY_CURRENT_USER\\Software\\A\\Subway",
                                "HKEY_CURRENT_USER\\Software\\B|New|1|32000000",
                            }));
}
