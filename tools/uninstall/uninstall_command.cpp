#include "tools/uninstall/uninstall_command.h"

#include "base/files.h"
#include "base/system_programs.h"
#include "tools/startup/startup_exe.h"

TUninstallCommand UninstallCommandLine(const std::wstring& UninstallString) {
  const TCommandProgram named = CommandNamedProgram(UninstallString);
  TUninstallCommand command;
  command.Program = named.Program;
  if (!IsFromDriveRoot(command.Program)) {
    const std::wstring found = SystemProgramPath(command.Program);
    if (!found.empty()) command.Program = found;
  }
  if (IsFromDriveRoot(command.Program) && FileExists(command.Program))
    command.CommandLine = ProgramCommand(command.Program, named.Arguments);
  return command;
}
