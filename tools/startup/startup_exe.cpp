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

bool EndsWithProgramExtension(const std::wstring& text) {
  static const wchar_t* const kExtensions[] = {L".exe", L".com", L".bat", L".cmd", L".pif", L".scr", L".lnk"};
  for (const wchar_t* extension : kExtensions)
    if (SameText(ExtractFileExt(text), extension)) return true;
  return false;
}

}  // namespace

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

// Where the program's name ends in an expanded, trimmed command: End is the index just after it
// (after the closing quote of a quoted one). NamedFirst prefers the shortest part that itself
// ends in a program extension and exists over a shorter one that exists only with ".exe" added.
TCommandProgram CutCommand(const std::wstring& text, bool NamedFirst) {
  if (text.empty()) return {};
  if (text[0] == L'"') {
    const size_t close = text.find(L'"', 1);
    if (close == std::wstring::npos) return {Trim(text.substr(1)), L""};
    return {Trim(text.substr(1, close - 1)), Trim(text.substr(close + 1))};
  }
  // Every place the platform could end the program's name: each blank, then the end.
  std::vector<size_t> ends;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == L' ' || text[i] == L'\t') ends.push_back(i);
  ends.push_back(text.size());
  auto cut = [&](const std::wstring& program, size_t end) {
    return TCommandProgram{program, Trim(text.substr(end))};
  };
  if (NamedFirst)
    for (size_t end : ends) {
      const std::wstring part = text.substr(0, end);
      if (EndsWithProgramExtension(part) && !ExistingProgram(part).empty()) return cut(part, end);
    }
  for (size_t end : ends) {
    const std::wstring found = ExistingProgram(text.substr(0, end));
    if (!found.empty()) return cut(found, end);
  }
  for (size_t end : ends)
    if (EndsWithProgramExtension(text.substr(0, end))) return cut(text.substr(0, end), end);
  return cut(text.substr(0, ends.front()), ends.front());
}

}  // namespace

std::wstring CommandExePath(const std::wstring& Command) {
  return CutCommand(Trim(ExpandEnvironmentText(Command)), false).Program;
}

TCommandProgram CommandNamedProgram(const std::wstring& Command) {
  return CutCommand(Trim(ExpandEnvironmentText(Command)), true);
}

std::wstring ResolveStartupExe(const std::wstring& Command) {
  const std::wstring exe = CommandExePath(Command);
  if (exe.empty() || HasFolder(exe)) return exe;
  for (const std::wstring& tried : {exe, exe + L".exe"}) {
    const std::wstring found = FindOnPath(tried);
    if (!found.empty()) return found;
  }
  return exe;
}
