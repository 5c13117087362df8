#include "tools/uninstall/uninstall_command.h"

#include <vector>

#include "base/files.h"
#include "base/strings.h"
#include "base/system_programs.h"
#include "tools/startup/startup_exe.h"

namespace {

// The file a program part names as written: a full path that exists, or a bare name of the
// system's own programs; "" otherwise (a path relative to the current folder included).
std::wstring ExistingAsWritten(const std::wstring& program) {
  if (IsFromDriveRoot(program)) return FileExists(program) ? program : L"";
  return SystemProgramPath(program);
}

}  // namespace

TUninstallCommand UninstallCommandLine(const std::wstring& UninstallString) {
  const std::wstring text = Trim(ExpandEnvironmentText(UninstallString));
  TUninstallCommand command;
  if (text.empty()) return command;
  std::wstring arguments;
  if (text[0] == L'"') {
    const size_t close = text.find(L'"', 1);
    command.Program = Trim(text.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
    arguments = close == std::wstring::npos ? L"" : Trim(text.substr(close + 1));
  } else {
    // Unquoted, the program ends at a blank after a program extension. A missing uninstaller is
    // never replaced by a shorter part that exists ("C:\My.exe" for "C:\My App\gone.exe"), nor
    // by a name with ".exe" added.
    std::vector<size_t> ends;
    for (size_t i = 0; i < text.size(); ++i)
      if (text[i] == L' ' || text[i] == L'\t') ends.push_back(i);
    ends.push_back(text.size());
    for (size_t end : ends) {
      const std::wstring part = text.substr(0, end);
      if (!EndsWithProgramExtension(part)) continue;
      if (command.Program.empty()) command.Program = part;  // named in the box when none exists
      if (!ExistingAsWritten(part).empty()) {
        command.Program = part;
        arguments = Trim(text.substr(end));
        break;
      }
    }
  }
  const std::wstring program = ExistingAsWritten(command.Program);
  if (program.empty()) return command;
  command.Program = program;
  command.CommandLine = ProgramCommand(program, arguments);
  return command;
}
