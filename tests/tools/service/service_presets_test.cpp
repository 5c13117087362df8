#include "tools/service/service_presets.h"

#include <gtest/gtest.h>

#include "base/child_process.h"
#include "base/exception.h"
#include "base/system_programs.h"
#include "tests/base/test_program_folder.h"
#include "tests/support/planted_programs.h"

TEST(ServicePresets, BatchFilesAreInTheProgramFolder) {
  TestProgramFolder program;
  const std::pair<TServicePreset, const wchar_t*> cases[] = {
      {TServicePreset::Default, L"default"},  {TServicePreset::Campus, L"campus"},
      {TServicePreset::InternetCafe, L"internet"}, {TServicePreset::Notebook, L"notebook"},
      {TServicePreset::Office, L"office"},    {TServicePreset::Home, L"home"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PresetBatchFile(c.first), program.Path() + L"Data\\service\\" + c.second + L"_model.bat");
}

// Every sc line runs as the system folder's sc.exe by its full path, in order, a failure counted
// and the lines after it still run; a line of any other program is refused and listed.
TEST(ServicePresets, OnlyScLinesRunAsTheSystemsScAndOthersAreRefused) {
  TestProgramFolder program;
  program.WriteFile(L"preset.bat",
                    "@echo off\r\n"
                    "rem the services\r\n"
                    "sc config one start= auto\r\n"
                    "\r\n"
                    "   SC.EXE fail two  \r\n"
                    "cmd.exe /c del x\r\n"
                    "\"sc\"\tthree\r\n"
                    ".\\sc four\r\n"
                    ":: last one\r\n"
                    "net stop Spooler\r\n");
  std::vector<std::wstring> lines = LoadPresetLines(program.Path() + L"preset.bat");
  ASSERT_EQ(lines.size(), 10u);
  std::vector<std::wstring> seen;
  SetChildProcessRunnerForTesting([&](const TChildRun& run, DWORD& exitCode) {
    seen.push_back(run.CommandLine);
    EXPECT_EQ(run.TimeoutMs, kPresetCommandTimeoutMs);
    EXPECT_EQ(run.ShowCommand, SW_HIDE);
    // The page waits inside its busy run: the window keeps painting.
    EXPECT_TRUE(run.Pumping);
    exitCode = run.CommandLine.find(L"fail") == std::wstring::npos ? 0 : 1;
    return true;
  });
  int steps = 0;
  TPresetRunResult result = RunPresetLines(lines, [&] { ++steps; });
  EXPECT_EQ(steps, 10);
  const std::wstring sc = L"\"" + SystemFolder() + L"\\sc.exe\" ";
  EXPECT_EQ(seen, (std::vector<std::wstring>{sc + L"config one start= auto", sc + L"fail two", sc + L"three"}));
  EXPECT_EQ(result.Commands, 3);
  EXPECT_EQ(result.FailedLines, std::vector<std::wstring>{L"SC.EXE fail two"});
  EXPECT_EQ(result.RefusedLines,
            (std::vector<std::wstring>{L"cmd.exe /c del x", L".\\sc four", L"net stop Spooler"}));
  EXPECT_EQ(RunPresetLines({}, {}).Commands, 0);
  SetChildProcessRunnerForTesting(nullptr);
}

// With an sc.exe planted in the current folder, a bare "sc" would start it; a preset line starts
// the system's own, which answers for a real service.
TEST(ServicePresets, APlantedScInTheCurrentFolderNeverRuns) {
  PlantedPrograms planted({L"sc.exe"});
  DWORD exitCode = 1;
  ASSERT_TRUE(RunChildProcess(L"sc query Spooler", exitCode));
  ASSERT_TRUE(planted.Ran()) << "a bare name finds the planted program in this prefix";

  TPresetRunResult result =
      RunPresetLines({L"sc query Spooler", L"sc qs_no_such_command"}, {});
  EXPECT_FALSE(planted.Ran());
  EXPECT_EQ(result.Commands, 2);
  // The planted copy ends with 0 whatever it is asked; the real sc refuses the unknown command.
  EXPECT_EQ(result.FailedLines, std::vector<std::wstring>{L"sc qs_no_such_command"});
}

TEST(ServicePresets, AMissingFileRaisesTheOpenError) {
  TestProgramFolder program;
  EXPECT_THROW(LoadPresetLines(program.Path() + L"none.bat"), EFOpenError);
}
