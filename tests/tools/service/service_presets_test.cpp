#include "tools/service/service_presets.h"

#include <gtest/gtest.h>

#include "base/exception.h"
#include "tests/base/test_program_folder.h"

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

// A preset file of marker commands: each appends its marker to one file, so the file shows which
// ran and in which order; one command fails, the others still run after it.
TEST(ServicePresets, MarkerCommandsRunInOrderAndAFailureIsCounted) {
  TestProgramFolder program;
  std::wstring logFile = program.Path() + L"markers.txt";
  std::string logA(logFile.begin(), logFile.end());
  program.WriteFile(L"markers.txt", "");
  program.WriteFile(L"preset.bat",
                    "@echo off\r\n"
                    "rem the markers\r\n"
                    "cmd.exe /c echo one>>\"" + logA + "\"\r\n"
                    "\r\n"
                    "   cmd.exe /c echo two>>\"" + logA + "\"  \r\n"
                    "cmd.exe /c exit 5\r\n"
                    "qs_no_such_program.exe\r\n"
                    ":: last one\r\n"
                    "cmd.exe /c echo three>>\"" + logA + "\"\r\n");
  std::vector<std::wstring> lines = LoadPresetLines(program.Path() + L"preset.bat");
  ASSERT_EQ(lines.size(), 9u);
  int steps = 0;
  TPresetRunResult result = RunPresetLines(lines, HiddenCommandRunner(kPresetCommandTimeoutMs), [&] { ++steps; });
  EXPECT_EQ(steps, 9);
  EXPECT_EQ(result.Commands, 5);
  EXPECT_EQ(result.FailedLines, (std::vector<std::wstring>{L"cmd.exe /c exit 5", L"qs_no_such_program.exe"}));
  EXPECT_EQ(ReadBytes(logFile), "one\r\ntwo\r\nthree\r\n");
}

TEST(ServicePresets, LinesGoThroughTheRunnerSeamTrimmed) {
  std::vector<std::wstring> seen;
  TCommandRunner record = [&](const std::wstring& line) {
    seen.push_back(line);
    return line != L"b";
  };
  TPresetRunResult result = RunPresetLines({L" a", L"REM x", L"b\t", L"@ECHO OFF", L"echo on", L"c"}, record, {});
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"a", L"b", L"c"}));
  EXPECT_EQ(result.Commands, 3);
  EXPECT_EQ(result.FailedLines, std::vector<std::wstring>{L"b"});
  EXPECT_EQ(RunPresetLines({}, record, {}).Commands, 0);
}

TEST(ServicePresets, AMissingFileRaisesTheOpenError) {
  TestProgramFolder program;
  EXPECT_THROW(LoadPresetLines(program.Path() + L"none.bat"), EFOpenError);
}
