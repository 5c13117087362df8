#include "registry/reg_backup.h"

#include "base/files.h"
#include "base/ini_file.h"
#include "base/safe_names.h"
#include "base/string_list.h"
#include "base/strings.h"
#include "base/system_programs.h"
#include "registry/reg_editor.h"

namespace {

const wchar_t kSection[] = L"RegBackupFiles";

bool NonEmptyFile(const std::wstring& FileName) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(FileName.c_str(), GetFileExInfoStandard, &data)) return false;
  return !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && (data.nFileSizeHigh != 0 || data.nFileSizeLow != 0);
}

// Whether the file begins as the registry editor's files do (ANSI or UTF-16 with its byte order
// mark). The editor ends successfully even when it rejects a file, so this is checked first.
bool LooksLikeRegFile(const std::wstring& FileName) {
  HANDLE file = CreateFileW(FileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char bytes[96];
  DWORD read = 0;
  bool ok = ReadFile(file, bytes, sizeof(bytes), &read, nullptr) != 0;
  CloseHandle(file);
  if (!ok) return false;
  std::string head(bytes, read);
  std::wstring text;
  if (head.compare(0, 2, "\xFF\xFE") == 0)
    text.assign(reinterpret_cast<const wchar_t*>(head.data() + 2), (head.size() - 2) / sizeof(wchar_t));
  else
    text = AnsiToWide(head.compare(0, 3, "\xEF\xBB\xBF") == 0 ? head.substr(3) : head);
  return text.rfind(L"REGEDIT4", 0) == 0 || text.rfind(L"Windows Registry Editor Version 5.00", 0) == 0;
}

TIniFile RegistryIni() { return TIniFile(ProgramFolder() + L"Registry.ini"); }

}  // namespace

std::wstring RegBackupFolder() { return ProgramFolder() + L"Backup\\Registry\\"; }

std::wstring RegBackupStamp(TDateTime Time) {
  int year, month, day, hour, minute, second, msec;
  DecodeDate(Time, year, month, day);
  DecodeTime(Time, hour, minute, second, msec);
  return Format(L"%d%02d%02d%02d%02d%02d", year, month, day, hour, minute, second);
}

bool ExportRegistry(const std::wstring& FileName) {
  if (FileExists(FileName)) DeleteFileW(FileName.c_str());
  // The editor may start and still write nothing (no room, no access): only a file counts.
  return RunRegistryEditor(L"/e " + QuotedPath(FileName)) && NonEmptyFile(FileName);
}

bool ImportRegistry(const std::wstring& FileName) {
  if (!IsSafeFileName(FileName)) return false;
  std::wstring path = RegBackupFolder() + FileName;
  // Handed a missing or foreign file the editor imports nothing, which is no restore.
  if (!FileExists(path) || !LooksLikeRegFile(path)) return false;
  return RunRegistryEditor(L"/s " + QuotedPath(path));
}

void AddRegBackupRecord(const std::wstring& FileName, TDateTime Time) {
  RegistryIni().WriteString(kSection, RegBackupStamp(Time), FileName);
}

bool TakeRegistryBackup(TDateTime Time, std::wstring& FileName) {
  FileName = RegBackupStamp(Time) + L".reg";
  if (!ForceDirectories(RegBackupFolder())) return false;
  if (!ExportRegistry(RegBackupFolder() + FileName)) return false;
  AddRegBackupRecord(FileName, Time);
  return true;
}

std::vector<TRegBackupEntry> LoadRegBackupList() {
  TIniFile ini = RegistryIni();
  TStringList keys;
  ini.ReadSection(kSection, keys);
  std::vector<TRegBackupEntry> entries;
  for (const std::wstring& key : keys.Strings()) entries.push_back({key, Trim(ini.ReadString(kSection, key, L""))});
  return entries;
}

bool RemoveRegBackup(const TRegBackupEntry& Entry) {
  bool removed = true;
  // The name comes from an editable file: only a plain name inside the backup folder is deleted.
  if (IsSafeFileName(Entry.FileName)) {
    std::wstring path = RegBackupFolder() + Entry.FileName;
    if (FileExists(path)) removed = DeleteFileW(path.c_str()) != 0;
  }
  RegistryIni().DeleteKey(kSection, Entry.Key);
  return removed;
}

std::wstring FormatBackupName(const std::wstring& Name) {
  static const wchar_t* const kDays[] = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                         L"Thursday", L"Friday", L"Saturday"};
  static const wchar_t* const kMonths[] = {L"January", L"February", L"March",     L"April",   L"May",      L"June",
                                           L"July",    L"August",   L"September", L"October", L"November", L"December"};
  std::wstring stamp = Name.substr(0, Name.find(L'.'));
  if (stamp.size() < 12) return Name;
  for (size_t i = 0; i < 12; ++i)
    if (stamp[i] < L'0' || stamp[i] > L'9') return Name;
  auto number = [&](size_t at, size_t count) { return std::stoi(stamp.substr(at, count)); };
  TDateTime date;
  if (!TryEncodeDate(number(0, 4), number(4, 2), number(6, 2), date) || number(8, 2) > 23 || number(10, 2) > 59)
    return Name;
  return std::wstring(kDays[DayOfWeek(date) - 1]) + L"," + kMonths[number(4, 2) - 1] + L" " + stamp.substr(6, 2) +
         L"," + stamp.substr(0, 4) + L"-" + stamp.substr(8, 2) + L":" + stamp.substr(10, 2);
}
