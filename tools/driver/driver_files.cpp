#include "tools/driver/driver_files.h"

#include <windows.h>

#include "base/files.h"
#include "base/ini_file.h"
#include "base/message_pump.h"
#include "base/safe_names.h"
#include "base/strings.h"
#include "registry/reg_read.h"

namespace {

std::wstring LastErrorText() { return SysErrorMessage(GetLastError()); }

// Creates the folder when it is missing; false (with the reason) when it cannot be made.
bool MakeFolder(const std::wstring& folder, std::wstring& failure) {
  if (DirectoryExists(folder) || CreateDirectoryW(folder.c_str(), nullptr)) return true;
  failure = L"the folder " + folder + L" could not be created: " + LastErrorText();
  return false;
}

std::wstring CurrentDirectory() {
  DWORD length = GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(length, L'\0');
  folder.resize(GetCurrentDirectoryW(length, &folder[0]));
  return IncludeTrailingBackslash(folder);
}

}  // namespace

std::wstring DriverFileFolder(const std::wstring& FileName, const TDriverPlaces& Places) {
  const std::wstring extension = LowerCase(ExtractFileExt(FileName));
  if (extension == L".sys") return Places.SystemFolder + L"\\drivers";
  if (extension == L".hlp" || extension == L".chm") return Places.WindowsFolder + L"\\help";
  if (extension == L".icm") return Places.SystemFolder + L"\\spool\\drivers\\color";
  if (extension == L".inf") return Places.WindowsFolder + L"\\inf";
  if (extension == L".tvp") return Places.WindowsFolder + L"\\nview";
  return Places.SystemFolder;  // .exe, .dll and anything else
}

std::wstring FindDriverFile(const std::wstring& Folder, const std::wstring& Name) {
  const std::wstring folder = IncludeTrailingBackslash(Folder);
  // Only a plain name can name a file of the folder ("." and ".." name folders).
  if (!IsSafeFileName(Name)) return L"";
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return L"";
  std::wstring found;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && SameText(data.cFileName, Name)) {
      found = folder + data.cFileName;
      break;
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return found;
}

std::wstring DriverInfPath(const std::wstring& InstanceKey, const TDriverPlaces& Places) {
  const std::wstring infName = Trim(ReadRegStringDefault(Places.Root, InstanceKey, L"InfPath", L""));
  // The value names a file of Windows\inf; anything else (empty, a path) names no INF of ours.
  if (!IsSafeFileName(infName)) return L"";
  return Places.WindowsFolder + L"\\inf\\" + infName;
}

std::vector<std::wstring> CollectDriverFiles(const std::wstring& InstanceKey, const TDriverPlaces& Places) {
  std::vector<std::wstring> files;
  const std::wstring inf = DriverInfPath(InstanceKey, Places);
  if (inf.empty()) return files;
  TStringList names;
  if (FileExists(inf)) TIniFile(inf).ReadSection(L"SourceDisksFiles", names);
  for (const std::wstring& entry : names.Strings()) {
    const std::wstring name = Trim(entry);
    if (name.empty()) continue;
    std::wstring path = FindDriverFile(DriverFileFolder(name, Places), name);
    if (!path.empty()) files.push_back(std::move(path));
  }
  // Even when it is missing: its copy then fails and says so.
  files.push_back(inf);
  return files;
}

std::wstring DriverBackupName(const std::wstring& Description) {
  std::wstring name;
  for (wchar_t c : Description)
    if (std::wstring(L"/\\*:?\"<>|").find(c) == std::wstring::npos) name += c;
  // The platform drops trailing dots and blanks from folder names anyway.
  size_t end = name.find_last_not_of(L". \t");
  name = Trim(end == std::wstring::npos ? std::wstring() : name.substr(0, end + 1));
  return IsSafeFileName(name) ? name : L"";
}

TDriverBackupResult BackupDriverFiles(const std::wstring& Description, const std::vector<std::wstring>& Files) {
  TDriverBackupResult result;
  const std::wstring name = DriverBackupName(Description);
  if (name.empty()) {
    result.Failures.push_back(L"its name gives no folder name");
    return result;
  }
  const std::wstring backUp = CurrentDirectory() + L"BackUp";
  result.Folder = backUp + L"\\Drivers\\" + name;
  std::wstring failure;
  if (!MakeFolder(backUp, failure) || !MakeFolder(backUp + L"\\Drivers", failure) ||
      !MakeFolder(result.Folder, failure)) {
    result.Failures.push_back(failure);
    return result;
  }
  if (Files.empty()) result.Failures.push_back(L"no driver files were found");
  for (const std::wstring& file : Files) {
    PumpMessages();
    const std::wstring target = result.Folder + L"\\" + Trim(ExtractFileName(file));
    // An older copy stays until a complete new one can take its place.
    std::wstring why;
    if (!ReplaceWithCopy(file, target, why)) result.Failures.push_back(ExtractFileName(file) + L" could not be copied: " + why);
  }
  return result;
}
