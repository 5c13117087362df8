// The tests the scanners share: empty key tree, empty key, program path out of a command line,
// COM server file present.
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/strings.h"
#include "registry/scan/scan_shared_tests.h"
#include "scan_fixture.h"
#include "tests/base/saved_variable.h"

namespace {

std::wstring TestKey(const TScanFixture& Fixture) {
  return L"\\Software\\QuillsteadTest\\" + Fixture.Tag();
}

}  // namespace

TEST(IsKeyTreeEmpty, Cases) {
  TScanFixture fx;
  const std::wstring base = TestKey(fx);
  fx.CreateKey(HKEY_CURRENT_USER, base + L"\\Bare");
  fx.SetString(HKEY_CURRENT_USER, base + L"\\OneValue", L"v", L"x");
  fx.SetString(HKEY_CURRENT_USER, base + L"\\EmptyDefault", L"", L"");
  fx.CreateKey(HKEY_CURRENT_USER, base + L"\\EmptySubtree\\only\\a");
  fx.CreateKey(HKEY_CURRENT_USER, base + L"\\EmptySubtree\\only\\b\\c");
  fx.CreateKey(HKEY_CURRENT_USER, base + L"\\DeepValue\\a");
  fx.SetDword(HKEY_CURRENT_USER, base + L"\\DeepValue\\b\\c\\d", L"n", 0);
  fx.CreateKey(HKEY_CURRENT_USER, base + L"\\LastSubtreeValued\\a");
  fx.CreateKey(HKEY_CURRENT_USER, base + L"\\LastSubtreeValued\\b");
  fx.SetString(HKEY_CURRENT_USER, base + L"\\LastSubtreeValued\\z", L"v", L"");
  fx.CreateKey(HKEY_CURRENT_USER, base + L"\\BlankSubkey\\ ");
  fx.SetString(HKEY_CURRENT_USER, base + L"\\BlankValued\\ ", L"v", L"data");

  struct Case {
    std::wstring path;
    bool empty;
  } cases[] = {
      {base + L"\\Missing", true},
      {base + L"\\Missing\\Deeper", true},
      {base + L"\\Bare", true},
      {base + L"\\Bare\\", true},
      {(base + L"\\Bare").substr(1), true},  // below the root without the leading backslash
      {base + L"\\OneValue", false},
      {base + L"\\EmptyDefault", false},
      {base + L"\\EmptySubtree", true},
      {base + L"\\DeepValue", false},
      {base + L"\\LastSubtreeValued", false},
      // A blank-named subkey is never looked into: its tree is not known to be empty.
      {base + L"\\BlankSubkey", false},
      {base + L"\\BlankValued", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsKeyTreeEmpty(HKEY_CURRENT_USER, c.path), c.empty) << WideToUtf8(c.path);
  }
}

TEST(IsKeyEmpty, Cases) {
  TScanFixture fx;
  const std::wstring base = TestKey(fx);
  fx.CreateKey(HKEY_CURRENT_USER, base + L"\\Bare");
  fx.SetString(HKEY_CURRENT_USER, base + L"\\OneValue", L"v", L"x");
  fx.SetString(HKEY_CURRENT_USER, base + L"\\DefaultOnly", L"", L"");
  fx.CreateKey(HKEY_CURRENT_USER, base + L"\\EmptyChild\\child");
  struct Case {
    std::wstring path;
    bool empty;
  } cases[] = {
      {base + L"\\Missing", false},
      {base + L"\\Bare", true},
      {base + L"\\OneValue", false},
      {base + L"\\DefaultOnly", false},
      {base + L"\\EmptyChild", false},
      {base + L"\\EmptyChild\\child", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsKeyEmpty(HKEY_CURRENT_USER, c.path), c.empty) << WideToUtf8(c.path);
  }
}

TEST(ExtractExePath, CommandLines) {
  struct Case {
    const wchar_t* text;
    const wchar_t* path;
  } cases[] = {
      {L"\"C:\\Program Files\\App\\app.exe\" /min", L"C:\\Program Files\\App\\app.exe"},
      {L"C:\\WINDOWS\\system32\\rundll32.exe shell32.dll,Control_RunDLL", L"C:\\WINDOWS\\system32\\rundll32.exe"},
      {L"C:\\x.exe,1", L"C:\\x.exe"},
      {L"C:\\dir\\x.exe /s", L"C:\\dir\\x.exe"},
      {L"C:\\dir\\x.exe -s", L"C:\\dir\\x.exe"},
      {L"C:\\dir\\x.exe%1", L"C:\\dir\\x.exe"},
      {L"C:\\dir\\tool-x", L"C:\\dir\\tool"},
      {L"C:\\my-dir\\x.exe", L"C:\\my-dir\\x.exe"},
      {L"C:\\dir.d\\x", L"C:\\dir.d\\x"},
      {L"@C:\\dir\\x.dll,-101", L"C:\\dir\\x.dll"},
      // Two drive paths: the first is the program.
      {L"\"C:\\dir\\a.exe\" \"D:\\other\\b.exe\"", L"C:\\dir\\a.exe"},
      {L"C:\\dir\\a.exe D:\\other\\b.exe", L"C:\\dir\\a.exe"},
      {L"C:\\dir\\a.exe,D:\\other\\b.exe", L"C:\\dir\\a.exe"},
      {L":\\x.exe", L":\\x.exe"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractExePath(c.text), c.path) << WideToUtf8(c.text);
  }
}

TEST(ExtractExePath, BareNamesAreLookedUpInPath) {
  TScanFixture fx;
  std::wstring first = fx.AddFolder(L"first");
  std::wstring second = fx.AddFolder(L"second");
  std::wstring last = fx.AddFolder(L"last");
  fx.AddFile(L"second\\both.exe");
  fx.AddFile(L"last\\both.exe");
  fx.AddFile(L"last\\onlylast.exe");
  fx.AddFile(L"last\\tool");
  // Empty entries are skipped; the last entry counts although no ';' follows it.
  SavedVariable path(L"PATH", first + L";;" + second + L"\\;" + last);
  struct Case {
    std::wstring text;
    std::wstring path;
  } cases[] = {
      {L"onlylast.exe", last + L"\\onlylast.exe"},
      {L"both.exe", second + L"\\both.exe"},
      {L"onlylast.exe /x", last + L"\\onlylast.exe"},
      {L"tool-x", last + L"\\tool"},
      {L"nowhere.exe", L"nowhere.exe"},
      {L"\\SystemRoot\\onlylast.exe", last + L"\\onlylast.exe"},
      {L"", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractExePath(c.text), c.path) << WideToUtf8(c.text);
  }
}

TEST(ComServerFileExists, Cases) {
  TScanFixture fx;
  std::wstring dll = fx.AddFile(L"sub\\server.dll");
  std::wstring exe = fx.AddFile(L"sub\\server.exe");
  SavedVariable dir(L"QSSCANDIR", fx.Folder() + L"sub");
  struct Case {
    std::wstring text;
    bool present;
  } cases[] = {
      {dll, true},
      {LowerCase(dll), true},
      {L"\"" + dll + L"\"", true},
      {exe + L" /Automation", true},
      {L"\"" + exe + L"\" /Automation", true},
      {dll + L" /x", false},
      {L"%QSSCANDIR%\\server.dll", true},
      {L"%QSSCANDIR%\\absent.dll", false},
      {L"%SystemRoot%\\system32\\kernel32.dll", true},
      {L"%SystemRoot%\\system32\\qs-absent.dll", false},
      {L"mscoree.dll", true},
      {L"", true},
      {L"\\absent\\x.dll", true},
      {L"rundll32.exe C:\\Missing\\y.dll", true},
      {L"system32\\absent.dll", true},
      {L"C:\\Missing\\system32\\svchost.exe -k netsvcs", true},
      {L"C:\\Missing\\x.exe /Automation", false},
      {L"C:\\Missing\\x.dll", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComServerFileExists(c.text), c.present) << WideToUtf8(c.text);
  }
}
