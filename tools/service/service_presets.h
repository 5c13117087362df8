// Service presets: each names a batch file shipped beside the program, whose lines are service
// commands run one after another.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

enum class TServicePreset { Default, Campus, InternetCafe, Notebook, Office, Home };

// ProgramFolder() + "Data\service\<name>_model.bat".
std::wstring PresetBatchFile(TServicePreset Preset);

// The lines of a preset file; raises EFOpenError when it cannot be opened.
std::vector<std::wstring> LoadPresetLines(const std::wstring& FileName);

// How long one preset line may run.
constexpr DWORD kPresetCommandTimeoutMs = 30000;

struct TPresetRunResult {
  int Commands = 0;                        // sc lines that were run
  std::vector<std::wstring> FailedLines;   // the sc lines that failed, in order
  std::vector<std::wstring> RefusedLines;  // command lines of any other program, not run
};

// Runs the sc lines in order, each after the previous one has ended, as the system folder's
// sc.exe (by its full path) with the line's arguments, a hidden child process waited for at most
// kPresetCommandTimeoutMs that fails unless it ends with exit code 0; a line starting any other
// program is refused. Blank lines and batch comments or echo switches are no commands and are
// passed over. Step runs after every line.
TPresetRunResult RunPresetLines(const std::vector<std::wstring>& Lines, const std::function<void()>& Step);
