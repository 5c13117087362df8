// The answers about files that one scanner run remembers: the same answers as asking the system
// each time, kept until they are forgotten.
#include "registry/scan/scan_file_answers.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/strings.h"
#include "registry/scan/scan_shared_tests.h"
#include "scan_fixture.h"
#include "tests/base/saved_variable.h"

namespace {

// Every bare name finds the folder a look-up in each PATH folder finds, however the folders are
// made up: names in other letter cases, short names, a folder named like the program, a folder
// of PATH that is missing, and names the folder listing cannot answer for.
TEST(ScanFileAnswers, FindInSearchPathAgreesWithALookUp) {
  TScanFixture fx;
  const std::wstring first = fx.AddFolder(L"first");
  const std::wstring second = fx.AddFolder(L"second");
  const std::wstring last = fx.AddFolder(L"last");
  fx.AddFolder(L"first\\sub.exe");
  fx.AddFile(L"second\\Both.EXE");
  fx.AddFile(L"second\\sub.exe");
  fx.AddFile(L"last\\both.exe");
  fx.AddFile(L"last\\onlylast.exe");
  fx.AddFile(L"last\\tool");
  fx.AddFile(L"last\\\u00C4rger.exe");
  const std::wstring longName = fx.AddFile(L"last\\a rather long program name.exe");
  wchar_t shortPath[MAX_PATH] = {};
  GetShortPathNameW(longName.c_str(), shortPath, MAX_PATH);
  const std::wstring shortName = ExtractFileName(shortPath);
  SavedVariable path(L"PATH", first + L";;" + second + L"\\;" + fx.Folder() + L"missing;" + last);

  struct Case {
    std::wstring name;
    std::wstring folder;  // where it is found; "?" leaves it to the look-up alone
  } cases[] = {
      {L"onlylast.exe", last + L"\\"},
      {L"ONLYLAST.EXE", last + L"\\"},
      {L"both.exe", second + L"\\"},
      {L"sub.exe", second + L"\\"},  // the folder of that name in the first folder is no program
      {L"nowhere.exe", L""},
      {L"tool", last + L"\\"},
      {L"\u00E4rger.exe", L"?"},
      {shortName, L"?"},
      {L"a rather long program name.exe", last + L"\\"},
      {L"onlylast.exe.", L"?"},
      {L"onlylast.exe ", L"?"},
      {L"only*.exe", L"?"},
      {L"nul", L"?"},
      {L"nul.exe", L"?"},
      {L"com1.exe", L"?"},
      {L"", L""},
  };
  TScanFileAnswers answers;
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.name));
    const std::wstring found = answers.FindInSearchPath(c.name);
    std::wstring lookedUp;
    for (const std::wstring& folder : {first + L"\\", second + L"\\", fx.Folder() + L"missing\\", last + L"\\"}) {
      if (!c.name.empty() && FileExists(folder + c.name)) {
        lookedUp = folder;
        break;
      }
    }
    EXPECT_EQ(found, lookedUp);
    if (c.folder != L"?") {
      EXPECT_EQ(found, c.folder);
    }
  }
  // The short name is a name of the file too.
  if (!shortName.empty() && shortName != L"a rather long program name.exe") {
    EXPECT_EQ(answers.FindInSearchPath(shortName), last + L"\\");
  }
}

TEST(ScanFileAnswers, ListingAnswersForPlainNamesOnly) {
  const std::wstring folder = L"C:\\dir\\";
  struct Case {
    std::wstring name;
    bool answers;
  } cases[] = {
      {L"app.exe", true},
      {L"My App 2.exe", true},
      {L"tool", true},
      {L"", false},
      {L"app.exe.", false},
      {L"app.exe ", false},
      {L"a*.exe", false},
      {L"a?.exe", false},
      {L"sub\\app.exe", false},
      {L"sub/app.exe", false},
      {L"app.exe:stream", false},
      {L"\"app.exe\"", false},
      {L"\u00E4pp.exe", false},
      {L"CON", false},
      {L"nul.txt", false},
      {L"Aux .dll", false},
      {L"com7", false},
      {L"lpt1.exe", false},
      {L"conin$", false},
      {L"console.exe", true},
      {L"com10.exe", true},
      {std::wstring(MAX_PATH - folder.size() - 1, L'a'), true},
      {std::wstring(MAX_PATH - folder.size(), L'a'), false},
  };
  for (const Case& c : cases) EXPECT_EQ(ListingAnswersFor(folder, c.name), c.answers) << WideToUtf8(c.name);
}

// An answer holds for the rest of the run, also when the file comes or goes meanwhile; after
// Clear each question is asked again.
TEST(ScanFileAnswers, RemembersAnswersUntilCleared) {
  TScanFixture fx;
  const std::wstring folder = fx.AddFolder(L"bin");
  SavedVariable path(L"PATH", folder);
  const std::wstring file = folder + L"\\later.exe";
  TScanFileAnswers answers;
  EXPECT_FALSE(answers.FileExists(file));
  EXPECT_EQ(answers.FindInSearchPath(L"later.exe"), L"");
  fx.AddFile(L"bin\\later.exe");
  EXPECT_FALSE(answers.FileExists(file));
  EXPECT_EQ(answers.FindInSearchPath(L"later.exe"), L"");
  answers.Clear();
  EXPECT_TRUE(answers.FileExists(file));
  EXPECT_EQ(answers.FindInSearchPath(L"later.exe"), folder + L"\\");
  EXPECT_FALSE(answers.FileExists(folder));
}

// The shared tests give the same results with a run's answers as without.
TEST(ScanFileAnswers, SharedTestsAgreeWithAndWithoutAnswers) {
  TScanFixture fx;
  const std::wstring bin = fx.AddFolder(L"bin");
  const std::wstring dll = fx.AddFile(L"bin\\server.dll");
  fx.AddFile(L"bin\\tool.exe");
  SavedVariable path(L"PATH", bin + L";" + EnvironmentVariable(L"PATH"));
  SavedVariable dir(L"QSSCANDIR", bin);
  TScanFileAnswers answers;
  for (const std::wstring& text :
       {dll, LowerCase(dll), L"\"" + dll + L"\" /x", std::wstring(L"%QSSCANDIR%\\server.dll"),
        std::wstring(L"%QSSCANDIR%\\absent.dll"), std::wstring(L"%SystemRoot%\\system32\\kernel32.dll"),
        std::wstring(L"tool.exe /s"), std::wstring(L"TOOL.EXE"), std::wstring(L"notepad.exe %1"),
        std::wstring(L"absent.exe"), std::wstring(L"C:\\Missing\\x.dll"), std::wstring(L"")}) {
    SCOPED_TRACE(WideToUtf8(text));
    for (int round = 0; round < 2; ++round) {
      EXPECT_EQ(ExtractExePath(text, answers), ExtractExePath(text));
      EXPECT_EQ(ComServerFileExists(text, answers), ComServerFileExists(text));
    }
  }
}

}  // namespace
