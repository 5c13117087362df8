// The command line that runs an installed program's uninstaller.
#pragma once

#include <string>

struct TUninstallCommand {
  std::wstring Program;      // the program the command names, as found (or as written)
  std::wstring CommandLine;  // "" when Program is no existing file given by a full path
};

// The program the uninstall command names (CommandNamedProgram, startup/startup_exe.h; a bare
// name is taken from the system folders) in double quotes, then the command's arguments. An
// unquoted "C:\My App\unins.exe /S" runs unins.exe, never a "C:\My.exe" beside "My App"; a
// program given relative to the current folder is not run.
TUninstallCommand UninstallCommandLine(const std::wstring& UninstallString);
