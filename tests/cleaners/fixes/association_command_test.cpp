// When an association's current value counts as its restore value: same program, same arguments,
// however the command is quoted, cased or written with variables.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "base/strings.h"
#include "cleaners/fixes/association_command.h"

namespace {

// Only %SystemRoot% and %ProgramFiles% are known; anything else stays as written.
std::wstring ExpandForTest(const std::wstring& text) {
  std::wstring out = text;
  for (const auto& [name, value] : {std::pair<std::wstring, std::wstring>{L"%SystemRoot%", L"C:\\windows"},
                                    {L"%ProgramFiles%", L"C:\\Program Files"}}) {
    for (size_t at = LowerCase(out).find(LowerCase(name)); at != std::wstring::npos;
         at = LowerCase(out).find(LowerCase(name)))
      out.replace(at, name.size(), value);
  }
  return out;
}

TEST(AssociationCommand, SameProgramAndArgumentsAgree) {
  struct Case {
    const wchar_t* current;
    const wchar_t* restore;
    bool same;
  } cases[] = {
      // The value a working system holds against the table's.
      {L"\"C:\\windows\\system32\\notepad.exe\" \"%1\"", L"%SystemRoot%\\system32\\NOTEPAD.EXE %1", true},
      {L"C:\\windows\\system32\\notepad.exe %1", L"%SystemRoot%\\system32\\notepad.exe \"%1\"", true},
      {L"  %SystemRoot%\\system32\\notepad.exe   %1 ", L"%SystemRoot%\\system32\\notepad.exe %1", true},
      // A program path with blanks, quoted or not.
      {L"\"C:\\Program Files\\Viewer\\view.exe\" /open \"%1\"", L"%ProgramFiles%\\Viewer\\view.exe /OPEN %1", true},
      // Values that are no commands compare word by word.
      {L"Same Value", L"same value", true},
      {L"txtfile", L"txtfile", true},
      {L"", L"", true},
      // Another program, other or missing arguments.
      {L"\"C:\\windows\\system32\\write.exe\" \"%1\"", L"%SystemRoot%\\system32\\notepad.exe %1", false},
      {L"C:\\windows\\system32\\notepad.exe", L"%SystemRoot%\\system32\\notepad.exe %1", false},
      {L"C:\\windows\\system32\\notepad.exe /p %1", L"%SystemRoot%\\system32\\notepad.exe %1", false},
      {L"C:\\windows\\system32\\notepad.exe %1 %2", L"%SystemRoot%\\system32\\notepad.exe %1", false},
      {L"hijack.exe", L"fixture.exe \"%1\"", false},
      {L"changed b", L"restored b", false},
      {L"", L"txtfile", false},
      // An argument's quotes group its words: one argument is not two.
      {L"view.exe \"a b\"", L"view.exe a b", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SameAssociationCommand(c.current, c.restore, ExpandForTest), c.same)
        << WideToUtf8(c.current) << " | " << WideToUtf8(c.restore);
}

TEST(AssociationCommand, SplitsProgramFromArguments) {
  struct Case {
    const wchar_t* text;
    std::wstring program;
    std::vector<std::wstring> arguments;
  } cases[] = {
      {L"\"C:\\a b\\x.exe\" \"%1\" /s", L"C:\\a b\\x.exe", {L"%1", L"/s"}},
      {L"C:\\a b\\x.exe %1", L"C:\\a b\\x.exe", {L"%1"}},
      {L"C:\\tools\\x.exe.bak\\y.cmd -v", L"C:\\tools\\x.exe.bak\\y.cmd", {L"-v"}},
      {L"rundll32 shell32.dll,Open \"%1\"", L"rundll32", {L"shell32.dll,Open", L"%1"}},
      {L"\"unclosed path", L"unclosed path", {}},
      {L"x.exe \"\"", L"x.exe", {L""}},
  };
  for (const Case& c : cases) {
    const TAssociationCommand split = SplitAssociationCommand(c.text);
    EXPECT_EQ(split.Program, c.program) << WideToUtf8(c.text);
    EXPECT_EQ(split.Arguments, c.arguments) << WideToUtf8(c.text);
  }
}

// The process's own variables stand for the program's folder.
TEST(AssociationCommand, ExpandsThisProcessesVariables) {
  wchar_t root[MAX_PATH] = {};
  ASSERT_GT(GetEnvironmentVariableW(L"SystemRoot", root, MAX_PATH), 0u);
  EXPECT_TRUE(SameAssociationCommand(L"\"" + std::wstring(root) + L"\\system32\\notepad.exe\" \"%1\"",
                                     L"%SystemRoot%\\system32\\NOTEPAD.EXE %1"));
}

}  // namespace
