#include "registry/scan/scan_shared_tests.h"

#include <vector>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_file_answers.h"
#include "registry/scan/scan_paths.h"
#include "registry/reg_raw.h"

bool IsKeyTreeEmpty(HKEY Root, const std::wstring& KeyPath) {
  std::vector<std::wstring> subKeys;
  {
    TRegistry reg(KEY_READ);
    reg.SetRootKey(Root);
    if (!reg.KeyExists(KeyPath)) return true;
    if (!reg.OpenKeyReadOnly(KeyPath)) return false;
    TRegKeyInfo info;
    if (!reg.GetKeyInfo(info)) return false;
    if (info.NumSubKeys == 0) return info.NumValues == 0;
    if (info.NumValues != 0) return false;
    reg.GetKeyNames(subKeys);
  }
  for (const std::wstring& name : subKeys) {
    // A subkey whose name is blank is never looked into, so nothing is known about its content:
    // the tree does not count as empty (it would otherwise be offered for deletion unseen).
    if (Trim(name).empty()) return false;
    if (!IsKeyTreeEmpty(Root, JoinKeyPath(KeyPath, name))) return false;
  }
  return true;
}

bool IsKeyEmpty(HKEY Root, const std::wstring& KeyPath) {
  TRegistry reg(KEY_READ);
  reg.SetRootKey(Root);
  if (!reg.OpenKeyReadOnly(KeyPath)) return false;
  TRegKeyInfo info;
  return reg.GetKeyInfo(info) && info.NumSubKeys == 0 && info.NumValues == 0;
}

namespace {

// The first folder of PATH that holds FileName, with its trailing backslash, or the empty text.
std::wstring FindInSearchPath(const std::wstring& FileName) {
  if (FileName.empty()) return std::wstring();
  const std::wstring path = EnvironmentVariable(L"PATH");
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(L';', start);
    if (end == std::wstring::npos) end = path.size();
    std::wstring folder = path.substr(start, end - start);
    if (!folder.empty()) {
      folder = IncludeTrailingBackslash(folder);
      if (FileExists(folder + FileName)) return folder;
    }
    start = end + 1;
  }
  return std::wstring();
}

template <typename TFindInSearchPath>
std::wstring ExtractExePathWith(const std::wstring& Text, TFindInSearchPath&& Find) {
  std::wstring taken = Text;
  std::wstring folder;
  size_t drive = Text.find(L":\\");
  if (drive != std::wstring::npos) {
    taken = Text.substr(drive == 0 ? 0 : drive - 1);
    size_t cut = taken.find(L'"');
    if (cut == std::wstring::npos) cut = taken.find(L',');
    if (cut == std::wstring::npos) cut = taken.find(L'/');
    if (cut != std::wstring::npos) taken.resize(cut);
    // A second drive path starts another argument: no file or folder name holds a colon.
    size_t second = taken.find(L":\\", 2);
    if (second != std::wstring::npos) taken.resize(second - 1);
    size_t lastSlash = taken.rfind(L'\\');
    folder = taken.substr(0, lastSlash + 1);
  }
  size_t lastSlash = taken.rfind(L'\\');
  std::wstring name = lastSlash == std::wstring::npos ? taken : taken.substr(lastSlash + 1);
  static const wchar_t kNameEnd[] = L" \"%,-/";
  size_t dot = name.find(L'.');
  size_t end = name.find_first_of(kNameEnd, dot == std::wstring::npos ? 0 : dot + 1);
  if (end != std::wstring::npos) name.resize(end);
  if (Trim(folder).empty()) folder = Find(name);
  return folder + name;
}

template <typename TFileExists>
bool ComServerFileExistsWith(const std::wstring& Text, TFileExists&& Exists) {
  std::wstring path = UpperCase(Text);
  if (Exists(path)) return true;
  std::wstring unquoted;
  for (wchar_t c : path) {
    if (c != L'"') unquoted += c;
  }
  path = unquoted;
  if (path.find(L'\\') == std::wstring::npos || path.compare(0, 1, L"\\") == 0 ||
      path.find(L"RUNDLL32") != std::wstring::npos || path.compare(0, 8, L"SYSTEM32") == 0 ||
      path.find(L"SYSTEM32\\SVCHOST") != std::wstring::npos) {
    return true;
  }
  size_t exe = path.find(L".EXE");
  if (exe != std::wstring::npos) path.resize(exe + 4);
  std::wstring expanded = path;
  ExpandFirstEnvVar(path, expanded);
  return Exists(expanded);
}

}  // namespace

std::wstring ExtractExePath(const std::wstring& Text) { return ExtractExePathWith(Text, FindInSearchPath); }

std::wstring ExtractExePath(const std::wstring& Text, TScanFileAnswers& Files) {
  return ExtractExePathWith(Text, [&Files](const std::wstring& Name) { return Files.FindInSearchPath(Name); });
}

bool ComServerFileExists(const std::wstring& Text) {
  return ComServerFileExistsWith(Text, [](const std::wstring& Path) { return FileExists(Path); });
}

bool ComServerFileExists(const std::wstring& Text, TScanFileAnswers& Files) {
  return ComServerFileExistsWith(Text, [&Files](const std::wstring& Path) { return Files.FileExists(Path); });
}
