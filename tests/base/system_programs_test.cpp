// Helper programs by their full paths: the commands built for the system's own programs, and the
// commands of a data file turned into full-path ones (or refused).
#include "base/system_programs.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/strings.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

TEST(SystemPrograms, FoldersAndCommandsAreFullQuotedPaths) {
  ASSERT_FALSE(WindowsFolder().empty());
  EXPECT_TRUE(FileExists(WindowsFolder() + L"\\regedit.exe"));
  EXPECT_TRUE(FileExists(SystemFolder() + L"\\sc.exe"));
  EXPECT_EQ(WindowsProgramCommand(L"regedit.exe", L"/s \"a b.reg\""),
            L"\"" + WindowsFolder() + L"\\regedit.exe\" /s \"a b.reg\"");
  EXPECT_EQ(SystemProgramCommand(L"sc.exe", L""), L"\"" + SystemFolder() + L"\\sc.exe\"");
}

// A data file's command names a program of the system folders by its bare name or by a full
// path; anything that could be found relative to the current folder, or that lies in any other
// folder, is refused.
TEST(SystemPrograms, DataFileCommandsRunOnlyProgramsOfTheSystemFolders) {
  TestFolder folder;
  const std::wstring elsewhere = folder.Path() + L"program.exe";
  WriteBytes(elsewhere, "MZ");
  const std::wstring system = L"\"" + SystemFolder() + L"\\";
  const std::wstring windows = L"\"" + WindowsFolder() + L"\\";
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"ipconfig /flushdns", system + L"ipconfig.exe\" /flushdns"},
      {L"  CMD.EXE\t/c exit 0 ", system + L"CMD.EXE\" /c exit 0"},
      {L"regedit /s x.reg", windows + L"regedit.exe\" /s x.reg"},
      {L"\"cmd\" /c x", system + L"cmd.exe\" /c x"},
      {L"\"" + SystemFolder() + L"\\cmd.exe\" /c x", system + L"cmd.exe\" /c x"},
      {SystemFolder() + L"\\cmd.exe", system + L"cmd.exe\""},
      {L".\\cmd /c x", L""},
      {L"sub\\cmd.exe", L""},
      {L"..\\system32\\cmd.exe", L""},
      {L"C:cmd.exe", L""},
      {L"\\\\server\\share\\x.exe", L""},
      {L"qs_no_such_program /x", L""},
      {L"C:\\qs_no_such_folder\\x.exe", L""},
      // A full path outside the system folders, however it is spelt.
      {L"\"" + elsewhere + L"\" /c x", L""},
      {SystemFolder() + L"\\..\\..\\" + elsewhere.substr(3), L""},
      {SystemFolder() + L"\\drivers\\..\\cmd.exe /c x", system + L"cmd.exe\" /c x"},
      {SystemFolder() + L"\\drivers\\etc\\hosts", L""},
      {L"", L""}};
  for (const auto& c : cases) EXPECT_EQ(FullPathCommand(c.first), c.second) << c.first;
}

TEST(SystemPrograms, CommandLinesSplitIntoProgramAndArguments) {
  const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
      {L"sc config x start= auto", L"sc", L"config x start= auto"},
      {L" \"C:\\a b\\p.exe\"  -x ", L"C:\\a b\\p.exe", L"-x"},
      {L"sc\tquery", L"sc", L"query"},
      {L"\"unclosed x", L"unclosed x", L""},
      {L"", L"", L""}};
  for (const auto& c : cases) {
    std::wstring program, arguments;
    SplitCommandLine(std::get<0>(c), program, arguments);
    EXPECT_EQ(program, std::get<1>(c)) << std::get<0>(c);
    EXPECT_EQ(arguments, std::get<2>(c)) << std::get<0>(c);
  }
}
