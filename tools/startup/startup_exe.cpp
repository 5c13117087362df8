#include "tools/startup/startup_exe.h"

#include <windows.h>

#include <vector>

#include "base/files.h"
#include "base/strings.h"

namespace {

bool HasFolder(const std::wstring& path) { return path.find_first_of(L"\\/:") != std::wstring::npos; }

// The existing file a candidate names, as CreateProcess would find it; "" when none.
std::wstring ExistingProgram(const std::wstring& candidate) {
  const std::wstring name = Trim(candidate);
  if (name.empty()) return L"";
  for (const std::wstring& tried : {name, name + L".exe"}) {
    if (HasFolder(tried)) {
      if (FileExists(tried)) return tried;
    } else if (!FindOnPath(tried).empty()) {
      return tried;
    }
  }
  return L"";
}

}  // namespace

bool EndsWithProgramExtension(const std::wstring& text) {
  static const wchar_t* const kExtensions[] = {L".exe", L".com", L".bat", L".cmd", L".pif", L".scr", L".lnk"};
  for (const wchar_t* extension : kExtensions)
    if (SameText(ExtractFileExt(text), extension)) return true;
  return false;
}

std::wstring FindOnPath(const std::wstring& FileName) {
  if (FileName.empty()) return L"";
  const std::wstring path = EnvironmentVariable(L"PATH");
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(L';', start);
    if (end == std::wstring::npos) end = path.size();
    const std::wstring folder = Trim(path.substr(start, end - start));
    if (!folder.empty()) {
      const std::wstring candidate = IncludeTrailingBackslash(folder) + FileName;
      if (FileExists(candidate)) return candidate;
    }
    start = end + 1;
  }
  return L"";
}

namespace {

// The program's name in an expanded, trimmed command.
std::wstring CutCommand(const std::wstring& text) {
  if (text.empty()) return L"";
  if (text[0] == L'"') {
    const size_t close = text.find(L'"', 1);
    return Trim(text.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
  }
  // Every place the platform could end the program's name: each blank, then the end.
  std::vector<size_t> ends;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == L' ' || text[i] == L'\t') ends.push_back(i);
  ends.push_back(text.size());
  for (size_t end : ends) {
    const std::wstring found = ExistingProgram(text.substr(0, end));
    if (!found.empty()) return found;
  }
  for (size_t end : ends)
    if (EndsWithProgramExtension(text.substr(0, end))) return text.substr(0, end);
  return text.substr(0, ends.front());
}

}  // namespace

std::wstring CommandExePath(const std::wstring& Command) { return CutCommand(Trim(ExpandEnvironmentText(Command))); }

std::wstring ResolveStartupExe(const std::wstring& Command) {
  const std::wstring exe = CommandExePath(Command);
  if (exe.empty() || HasFolder(exe)) return exe;
  for (const std::wstring& tried : {exe, exe + L".exe"}) {
    const std::wstring found = FindOnPath(tried);
    if (!found.empty()) return found;
  }
  return exe;
}
