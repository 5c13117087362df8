#include "base/system_programs.h"

#include <windows.h>

#include "base/files.h"
#include "base/strings.h"

namespace {

std::wstring Folder(UINT(WINAPI* get)(LPWSTR, UINT)) {
  std::wstring folder(MAX_PATH, L'\0');
  UINT length = get(&folder[0], static_cast<UINT>(folder.size()));
  if (length >= folder.size()) {
    folder.resize(length);
    length = get(&folder[0], static_cast<UINT>(folder.size()));
  }
  folder.resize(length < folder.size() ? length : 0);
  return ExcludeTrailingBackslash(folder);
}

}  // namespace

bool IsFromDriveRoot(const std::wstring& Path) {
  return Path.size() > 3 && iswalpha(Path[0]) && Path[1] == L':' && Path[2] == L'\\';
}

std::wstring WindowsFolder() { return Folder(GetWindowsDirectoryW); }
std::wstring SystemFolder() { return Folder(GetSystemDirectoryW); }

std::wstring QuotedPath(const std::wstring& Path) { return L"\"" + Path + L"\""; }

std::wstring ProgramCommand(const std::wstring& Program, const std::wstring& Arguments) {
  return Arguments.empty() ? QuotedPath(Program) : QuotedPath(Program) + L" " + Arguments;
}

std::wstring WindowsProgramCommand(const std::wstring& File, const std::wstring& Arguments) {
  return ProgramCommand(WindowsFolder() + L"\\" + File, Arguments);
}

std::wstring SystemProgramCommand(const std::wstring& File, const std::wstring& Arguments) {
  return ProgramCommand(SystemFolder() + L"\\" + File, Arguments);
}

void SplitCommandLine(const std::wstring& CommandLine, std::wstring& Program, std::wstring& Arguments) {
  const std::wstring text = Trim(CommandLine);
  size_t end;
  if (!text.empty() && text[0] == L'"') {
    const size_t close = text.find(L'"', 1);
    Program = text.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
    end = close == std::wstring::npos ? text.size() : close + 1;
  } else {
    end = text.find_first_of(L" \t");
    if (end == std::wstring::npos) end = text.size();
    Program = text.substr(0, end);
  }
  Arguments = Trim(text.substr(end));
}

std::wstring FullPathCommand(const std::wstring& CommandLine) {
  std::wstring program, arguments;
  SplitCommandLine(CommandLine, program, arguments);
  if (program.empty()) return L"";
  if (IsFromDriveRoot(program)) {
    // Only a program of the system folders themselves, named by the system's own folder path:
    // "..", a subfolder or any other folder is refused.
    const std::wstring full = FullPathName(program);
    const std::wstring folder = ExcludeTrailingBackslash(ExtractFilePath(full));
    for (const std::wstring& own : {SystemFolder(), WindowsFolder()}) {
      const std::wstring path = own + L"\\" + ExtractFileName(full);
      if (!own.empty() && SameText(folder, own) && FileExists(path)) return ProgramCommand(path, arguments);
    }
    return L"";
  }
  const std::wstring path = SystemProgramPath(program);
  return path.empty() ? L"" : ProgramCommand(path, arguments);
}

std::wstring SystemProgramPath(const std::wstring& Name) {
  if (Name.empty() || Name.find_first_of(L"\\/:") != std::wstring::npos) return L"";
  const std::wstring file = ExtractFileExt(Name).empty() ? Name + L".exe" : Name;
  for (const std::wstring& folder : {SystemFolder(), WindowsFolder()})
    if (FileExists(folder + L"\\" + file)) return folder + L"\\" + file;
  return L"";
}
