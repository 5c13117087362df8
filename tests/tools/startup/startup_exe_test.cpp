// Which program a startup command starts: quoted paths, arguments, bare names through PATH,
// unquoted paths with blanks and folders with dots.
#include "tools/startup/startup_exe.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/files.h"
#include "tests/base/saved_variable.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

namespace {

class StartupExeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const wchar_t* sub : {L"first", L"second", L"Program Files", L"Program Files\\X", L"a.b"})
      ForceDirectories(root_.Path() + sub);
  }
  std::wstring Root() const { return root_.Path(); }
  void Touch(const std::wstring& relative) { WriteBytes(Root() + relative, "x"); }

  TestFolder root_;
};

TEST_F(StartupExeTest, QuotedPathWithArgumentsGivesThePathInBothResolvers) {
  const std::wstring exe = Root() + L"Program Files\\X\\x.exe";
  const std::wstring command = L"\"" + exe + L"\" /a";
  EXPECT_EQ(CommandExePath(command), exe);
  EXPECT_EQ(ResolveStartupExe(command), exe);
}

TEST_F(StartupExeTest, BareNameResolvesThroughTheFirstPathFolderHoldingIt) {
  // Only the last folder holds it; an empty entry and a missing folder are passed over.
  SavedVariable path(L"PATH", Root() + L"first;;" + Root() + L"missing;" + Root() + L"second");
  Touch(L"second\\rundll32.exe");
  const std::wstring command = L"rundll32.exe shell32.dll,Control_RunDLL";
  EXPECT_EQ(CommandExePath(command), L"rundll32.exe");
  EXPECT_EQ(ResolveStartupExe(command), Root() + L"second\\rundll32.exe");
  Touch(L"first\\rundll32.exe");
  EXPECT_EQ(ResolveStartupExe(command), Root() + L"first\\rundll32.exe");
}

TEST_F(StartupExeTest, BareNameWithoutExtensionAndNowhereOnPath) {
  SavedVariable path(L"PATH", Root() + L"first");
  Touch(L"first\\tool.exe");
  EXPECT_EQ(ResolveStartupExe(L"tool -silent"), Root() + L"first\\tool.exe");
  EXPECT_EQ(ResolveStartupExe(L"nothere.exe -x"), L"nothere.exe");
}

TEST_F(StartupExeTest, UnquotedPathWithBlanksIsCutWhereAProgramExists) {
  Touch(L"Program Files\\X\\My App.exe");
  const std::wstring exe = Root() + L"Program Files\\X\\My App.exe";
  EXPECT_EQ(CommandExePath(exe + L" -min /log:C:\\t\\l.txt"), exe);
  EXPECT_EQ(ResolveStartupExe(exe + L" -min"), exe);
  // Without ".exe" written, as the platform adds it.
  EXPECT_EQ(CommandExePath(Root() + L"Program Files\\X\\My App -min"), exe);
}

TEST_F(StartupExeTest, MissingUnquotedProgramIsCutAfterItsExtensionNotAtTheFirstBlank) {
  const std::wstring exe = Root() + L"Program Files\\Gone\\old app.exe";
  EXPECT_EQ(CommandExePath(exe + L" /start C:\\x\\y"), exe);
  EXPECT_EQ(CommandExePath(Root() + L"nothing here"), Root() + L"nothing");
}

// A tab ends the program's name as a blank does, for a program that exists and for one that does
// not.
TEST_F(StartupExeTest, ATabBetweenAnUnquotedProgramAndItsArgumentsEndsTheProgram) {
  Touch(L"a.b\\x.exe");
  const std::wstring exe = Root() + L"a.b\\x.exe", gone = Root() + L"a.b\\gone.exe";
  const struct {
    std::wstring command, program;
  } rows[] = {
      {exe + L"\t/min", exe},
      {exe + L"\t\t-a -b", exe},
      {gone + L"\t/min", gone},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.command.begin(), row.command.end()));
    EXPECT_EQ(CommandExePath(row.command), row.program);
  }
}

TEST_F(StartupExeTest, DotsInFoldersAndLongArgumentsStayOutOfTheResult) {
  Touch(L"a.b\\x.exe");
  const std::wstring exe = Root() + L"a.b\\x.exe";
  EXPECT_EQ(CommandExePath(exe), exe);
  const std::wstring longArguments(5000, L'a');
  EXPECT_EQ(CommandExePath(L"\"" + exe + L"\" " + longArguments), exe);
  EXPECT_EQ(CommandExePath(exe + L" " + longArguments), exe);
}

TEST_F(StartupExeTest, EnvironmentReferencesAreExpanded) {
  SetEnvironmentVariableW(L"QS_STARTUP_ROOT", ExcludeTrailingBackslash(Root()).c_str());
  Touch(L"a.b\\x.exe");
  EXPECT_EQ(ResolveStartupExe(L"%QS_STARTUP_ROOT%\\a.b\\x.exe /q"), Root() + L"a.b\\x.exe");
  SetEnvironmentVariableW(L"QS_STARTUP_ROOT", nullptr);
}

TEST_F(StartupExeTest, EmptyAndBlankCommands) {
  EXPECT_EQ(CommandExePath(L""), L"");
  EXPECT_EQ(ResolveStartupExe(L"   "), L"");
  EXPECT_EQ(CommandExePath(L"\"unterminated path.exe"), L"unterminated path.exe");
}

}  // namespace
