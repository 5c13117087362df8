// The command line that runs an uninstaller: the program its command names, by its full path in
// quotes, with the command's arguments; nothing for a program that is not there.
#include "tools/uninstall/uninstall_command.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "base/strings.h"
#include "base/system_programs.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

TEST(UninstallCommand, TheProgramTheCommandNamesRunsByItsFullPath) {
  TestFolder folder;
  const std::wstring root = folder.Path();
  CreateDirectoryW((root + L"My App").c_str(), nullptr);
  CreateDirectoryW((root + L"My App\\sub dir").c_str(), nullptr);
  WriteBytes(root + L"My App\\unins.exe", "uninstaller");
  WriteBytes(root + L"My.exe", "planted beside the folder");
  WriteBytes(root + L"My App\\sub.exe", "planted beside the subfolder");
  const std::wstring unins = L"\"" + root + L"My App\\unins.exe\"";
  const std::wstring system = SystemFolder();
  struct Case {
    std::wstring command, program, commandLine;
  };
  const Case cases[] = {
      // Unquoted with a blank in the folder: never the planted My.exe.
      {root + L"My App\\unins.exe /S", root + L"My App\\unins.exe", unins + L" /S"},
      {L"\"" + root + L"My App\\unins.exe\"  /S /x=\"a b\"", root + L"My App\\unins.exe", unins + L" /S /x=\"a b\""},
      {root + L"My App\\unins.exe", root + L"My App\\unins.exe", unins},
      {root + L"My App\\unins.exe\t\t-a -b", root + L"My App\\unins.exe", unins + L" -a -b"},
      // Bare names are the system's own programs.
      {L"MsiExec.exe /X{1234}", system + L"\\msiexec.exe", L"\"" + system + L"\\msiexec.exe\" /X{1234}"},
      {L"%SystemRoot%\\system32\\cmd.exe /c x", system + L"\\cmd.exe", L"\"" + system + L"\\cmd.exe\" /c x"},
      // A missing uninstaller is not replaced by a shorter program that exists.
      {root + L"My App\\gone.exe /S", root + L"My App\\gone.exe", L""},
      {root + L"My App\\unins /S", L"", L""},
      {root + L"My App\\sub dir\\gone.exe /S", root + L"My App\\sub dir\\gone.exe", L""},
      {L"\"" + root + L"My App\\gone.exe\" /S", root + L"My App\\gone.exe", L""},
      {root + L"Gone\\unins.exe /S", root + L"Gone\\unins.exe", L""},
      // Relative to whatever the current folder is: not run.
      {L"My App\\unins.exe /S", L"My App\\unins.exe", L""},
      {L"qs_no_such_uninstaller.exe /S", L"qs_no_such_uninstaller.exe", L""},
      {L"qs_no_such_uninstaller /S", L"", L""},
      {L"", L"", L""}};
  for (const Case& c : cases) {
    const TUninstallCommand command = UninstallCommandLine(c.command);
    EXPECT_TRUE(SameText(command.Program, c.program)) << c.command << " -> " << command.Program;
    EXPECT_TRUE(SameText(command.CommandLine, c.commandLine)) << c.command << " -> " << command.CommandLine;
  }
}
