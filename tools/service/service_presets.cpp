#include "tools/service/service_presets.h"

#include "base/child_process.h"
#include "base/files.h"
#include "base/string_list.h"
#include "base/strings.h"
#include "base/system_programs.h"

namespace {

bool IsCommand(const std::wstring& line) {
  std::wstring lower = LowerCase(Trim(line));
  if (lower.empty() || lower.compare(0, 2, L"::") == 0) return false;
  if (lower == L"rem" || lower.compare(0, 4, L"rem ") == 0) return false;
  if (!lower.empty() && lower[0] == L'@') lower.erase(0, 1);
  return lower != L"echo off" && lower != L"echo on";
}

}  // namespace

std::wstring PresetBatchFile(TServicePreset Preset) {
  static const wchar_t* const names[] = {L"default", L"campus", L"internet", L"notebook", L"office", L"home"};
  return ProgramFolder() + L"Data\\service\\" + names[static_cast<int>(Preset)] + L"_model.bat";
}

std::vector<std::wstring> LoadPresetLines(const std::wstring& FileName) {
  TStringList list;
  list.LoadFromFile(FileName);
  return list.Strings();
}

namespace {
bool RunPresetCommand(const std::wstring& CommandLine) {
  DWORD exitCode = 1;
  // The page waits inside its busy run: the window keeps painting while sc works.
  return RunChildProcessPumping(CommandLine, exitCode, kPresetCommandTimeoutMs) && exitCode == 0;
}
}  // namespace

TPresetRunResult RunPresetLines(const std::vector<std::wstring>& Lines, const std::function<void()>& Step) {
  TPresetRunResult result;
  for (const std::wstring& line : Lines) {
    if (IsCommand(line)) {
      const std::wstring command = Trim(line);
      std::wstring program, arguments;
      SplitCommandLine(command, program, arguments);
      // A preset sets services up and nothing else: only the system's own sc runs.
      if (SameText(program, L"sc") || SameText(program, L"sc.exe")) {
        ++result.Commands;
        if (!RunPresetCommand(SystemProgramCommand(L"sc.exe", arguments))) result.FailedLines.push_back(command);
      } else {
        result.RefusedLines.push_back(command);
      }
    }
    if (Step) Step();
  }
  return result;
}
