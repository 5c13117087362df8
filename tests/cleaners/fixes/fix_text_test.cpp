// The three definition formats read as text: index and table lines, fix-text lines, section
// key paths and value lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/strings.h"
#include "cleaners/fixes/fix_text.h"

namespace {

using Lines = std::vector<std::wstring>;

TEST(FixIndexLines, LineEndsCrAndEmptyLines) {
  struct Case {
    const wchar_t* text;
    Lines lines;
  } cases[] = {
      {L"a,1\nb,2\n", {L"a,1", L"b,2"}},
      {L"a,1\r\nb,2\r\n", {L"a,1", L"b,2"}},
      {L"a,1\r\n\r\n\nb,2\n", {L"a,1", L"b,2"}},
      {L"a,\r1\nb,2", {L"a,1", L"b,2"}},  // CR dropped wherever it stands; the last line is kept
      {L"\r\n\n", {}},
      {L"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitIndexLines(c.text), c.lines) << WideToUtf8(c.text);
}

TEST(FixTextLines, CrAndLfEachEndALine) {
  EXPECT_EQ(SplitFixTextLines(L"[A]\r\n\"x\"=\"1\"\r\"y\"=\"2\"\n\n\"z\"=\"3\""),
            (Lines{L"[A]", L"\"x\"=\"1\"", L"\"y\"=\"2\"", L"\"z\"=\"3\""}));
  EXPECT_EQ(SplitFixTextLines(L"\r\n\r\n"), Lines{});
}

TEST(FixIndexLines, SystemIndexLine) {
  struct Case {
    const wchar_t* line;
    bool valid;
    const wchar_t* name;
    const wchar_t* description;
  } cases[] = {
      {L"A,B,C", true, L"A", L"B"},
      {L"A,B", true, L"A", L"B"},
      {L"A", false, L"", L""},
      {L",B", false, L"", L""},
      {L"A,", false, L"", L""},
      {L"A,,C", false, L"", L""},
  };
  for (const Case& c : cases) {
    std::wstring name, description;
    const bool valid = ParseSysIndexLine(c.line, name, description);
    EXPECT_EQ(valid, c.valid) << WideToUtf8(c.line);
    if (!c.valid) continue;
    EXPECT_EQ(name, c.name);
    EXPECT_EQ(description, c.description);
  }
}

TEST(FixIndexLines, FileTableLine) {
  TFileFixLine line;
  ASSERT_TRUE(ParseFileFixLine(L"txt,Text,txtfile\\shell\\open\\command,notepad.exe \"%1\",extra", line));
  EXPECT_EQ(line.ExtName, L"txt");
  EXPECT_EQ(line.Description, L"Text");
  EXPECT_EQ(line.Key, L"txtfile\\shell\\open\\command");
  EXPECT_EQ(line.Value, L"notepad.exe \"%1\"");
  // Any empty field, the key included, makes the line unusable.
  for (const wchar_t* bad : {L"txt,Text,txtfile", L",Text,k,v", L"txt,,k,v", L"txt,Text,,v", L"txt,Text,k,", L"txt"})
    EXPECT_FALSE(ParseFileFixLine(bad, line)) << WideToUtf8(bad);
}

TEST(FixKeyPath, RootNames) {
  struct Case {
    const wchar_t* path;
    HKEY root;
    const wchar_t* subKey;
  } cases[] = {
      {L"HKEY_CLASSES_ROOT\\txtfile", HKEY_CLASSES_ROOT, L"txtfile"},
      {L"HKEY_CURRENT_USER\\Software\\X", HKEY_CURRENT_USER, L"Software\\X"},
      {L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Y", HKEY_LOCAL_MACHINE, L"SOFTWARE\\Y"},
      {L"HKEY_USERS\\.DEFAULT", HKEY_USERS, L".DEFAULT"},
      {L"HKEY_PERFORMANCE_DATA\\P", HKEY_PERFORMANCE_DATA, L"P"},
      {L"HKEY_CURRENT_CONFIG\\Software", HKEY_CURRENT_CONFIG, L"Software"},
      {L"HKEY_DYN_DATA\\D", HKEY_DYN_DATA, L"D"},
      {L"hkey_current_user\\Software\\Case Kept", HKEY_CURRENT_USER, L"Software\\Case Kept"},
      {L"-HKEY_CURRENT_USER\\Software\\X", HKEY_CURRENT_USER, L"Software\\X"},
      // Abbreviations, unknown names and paths without a backslash select no root.
      {L"HKCU\\Software\\X", nullptr, L""},
      {L"HKLM\\SOFTWARE\\Y", nullptr, L""},
      {L"HKCR\\txtfile", nullptr, L""},
      {L"HKEY_CURRENT_USER", nullptr, L""},
      {L"--HKEY_CURRENT_USER\\X", nullptr, L""},
  };
  for (const Case& c : cases) {
    const TFixKey key = ParseFixKeyPath(c.path);
    EXPECT_EQ(key.Root, c.root) << WideToUtf8(c.path);
    EXPECT_EQ(key.SubKey, c.subKey) << WideToUtf8(c.path);
  }
}

TEST(FixLine, Sections) {
  TFixLine line = ParseFixLine(L"[HKEY_CURRENT_USER\\Software\\X]");
  EXPECT_EQ(line.Kind, TFixLineKind::Section);
  EXPECT_EQ(line.KeyPath, L"HKEY_CURRENT_USER\\Software\\X");
  line = ParseFixLine(L"[-HKEY_CURRENT_USER\\Software\\X]");
  EXPECT_EQ(line.Kind, TFixLineKind::DeleteSection);
  EXPECT_EQ(line.KeyPath, L"-HKEY_CURRENT_USER\\Software\\X");
  EXPECT_EQ(ParseFixLine(L"[").KeyPath, L"");
}

TEST(FixLine, ValueKindsAndData) {
  struct Case {
    const wchar_t* line;
    const wchar_t* name;
    TFixValueKind kind;
    std::wstring text;
    DWORD number;
    std::vector<BYTE> bytes;
  } cases[] = {
      {L"\"Name\"=\"Value\"", L"Name", TFixValueKind::String, L"Value", 0, {}},
      {L"@=\"Default\"", L"", TFixValueKind::String, L"Default", 0, {}},
      {L"\"@\"=\"x\"", L"@", TFixValueKind::String, L"x", 0, {}},
      {L"\"a\"b\"=c\"d", L"ab", TFixValueKind::String, L"cd", 0, {}},
      {L"\"p\"=\"C:\\\\dir\"", L"p", TFixValueKind::String, L"C:\\\\dir", 0, {}},  // no escapes
      {L"\"k\"=\"a=b\"", L"k", TFixValueKind::String, L"a=b", 0, {}},
      {L"\"e\"=\"\"", L"e", TFixValueKind::String, L"", 0, {}},
      {L"\"n\"=dword:0000000a", L"n", TFixValueKind::Dword, L"", 10, {}},
      {L"\"n\"=DWORD:FFFFFFFF", L"n", TFixValueKind::Dword, L"", 0xFFFFFFFF, {}},
      {L"\"n\"=dword:12345678", L"n", TFixValueKind::Dword, L"", 0x12345678, {}},
      {L"\"b\"=hex:01,0a,FF", L"b", TFixValueKind::Binary, L"", 0, {0x01, 0x0A, 0xFF}},
      {L"\"b\"=HEX:", L"b", TFixValueKind::Binary, L"", 0, {}},
      {L"\"x\"=hex(2):41,00,00,00", L"x", TFixValueKind::ExpandString, std::wstring(L"A\0", 2), 0, {}},
      {L"\"x\"=hex(2):25,00,41,00,25,00", L"x", TFixValueKind::ExpandString, L"%A%", 0, {}},
      {L"\"m\"=hex(7):61,00,00,00,62,00,00,00,00,00", L"m", TFixValueKind::MultiString,
       std::wstring(L"a\0b\0\0", 5), 0, {}},
      {L"\"m\"=HEX(7):2d,4e", L"m", TFixValueKind::MultiString, L"\x4e2d", 0, {}},  // one UTF-16 unit
  };
  for (const Case& c : cases) {
    const TFixLine line = ParseFixLine(c.line);
    SCOPED_TRACE(WideToUtf8(c.line));
    ASSERT_EQ(line.Kind, TFixLineKind::Value);
    EXPECT_EQ(line.Name, c.name);
    EXPECT_EQ(line.ValueKind, c.kind);
    EXPECT_EQ(line.Text, c.text);
    EXPECT_EQ(line.Number, c.number);
    EXPECT_EQ(line.Bytes, c.bytes);
  }
}

TEST(FixLine, MalformedLinesAreSkipped) {
  for (const wchar_t* bad : {
           L"\"Name\"",                // no '=': must not become the default value
           L"=\"x\"",                  // no name at all
           L"\"n\"=dword:0a",          // fewer than eight digits
           L"\"n\"=dword:0000000g",    // not hexadecimal
           L"\"n\"=dword:000000001",   // more than eight
           L"\"b\"=hex:1,02",          // one digit
           L"\"b\"=hex:01,,02",        // empty byte
           L"\"b\"=hex:0102",          // no comma
           L"\"x\"=hex(2):",           // no byte
           L"\"x\"=hex(2):41,00,42",   // odd count
           L"\"m\"=hex(7):zz,00",      // not hexadecimal
       })
    EXPECT_EQ(ParseFixLine(bad).Kind, TFixLineKind::Malformed) << WideToUtf8(bad);
}

}  // namespace
