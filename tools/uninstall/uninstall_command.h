// The command line that runs an installed program's uninstaller.
#pragma once

#include <string>

struct TUninstallCommand {
  std::wstring Program;      // the program the command names, as found (or as written; "" when
                             // an unquoted command has no part ending in a program extension)
  std::wstring CommandLine;  // "" when Program is no existing file given by a full path
};

// The program the uninstall command names, in double quotes, then the command's arguments. A
// quoted command names the quoted text; an unquoted one the shortest part that ends in a program
// extension and exists as written. A bare name is taken from the system folders; a program given
// relative to the current folder is not run. A missing uninstaller is never replaced by a shorter
// program: "C:\My App\gone.exe /S" or "C:\My App\unins /S" never run a "C:\My.exe", and give
// no command line.
TUninstallCommand UninstallCommandLine(const std::wstring& UninstallString);
