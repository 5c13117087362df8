#include "registry/reg_backup.h"

#include "base/exact_file.h"
#include "base/files.h"
#include "base/ini_file.h"
#include "base/safe_names.h"
#include "base/string_list.h"
#include "base/strings.h"
#include "base/system_programs.h"
#include "registry/reg_editor.h"

namespace {

const wchar_t kSection[] = L"RegBackupFiles";
// Size and digest of each backup the program wrote, by file name: "<size>,<sha256>". Entries of
// older versions have none and are checked by their parse alone.
const wchar_t kSealSection[] = L"RegBackupChecks";

TIniFile RegistryIni() { return TIniFile(ProgramFolder() + L"Registry.ini"); }

}  // namespace

std::wstring RegBackupFolder() { return ProgramFolder() + L"Backup\\Registry\\"; }

std::wstring RegBackupStamp(TDateTime Time) {
  int year, month, day, hour, minute, second, msec;
  DecodeDate(Time, year, month, day);
  DecodeTime(Time, hour, minute, second, msec);
  return Format(L"%d%02d%02d%02d%02d%02d", year, month, day, hour, minute, second);
}

bool ExportRegistry(const std::wstring& FileName, TRegFileSeal* Seal) {
  return ExportRegKey(FileName, L"", kRegistryEditorTimeoutMs, Seal);
}

std::wstring FormatRegBackupSeal(const TRegFileSeal& Seal) {
  return IntToStr(static_cast<long long>(Seal.Size)) + L"," + Seal.Sha256;
}

bool ParseRegBackupSeal(const std::wstring& Text, TRegFileSeal& Seal) {
  const size_t comma = Text.find(L',');
  if (comma == std::wstring::npos || comma == 0 || comma > 19) return false;
  Seal = TRegFileSeal();
  for (size_t i = 0; i < comma; ++i) {
    if (Text[i] < L'0' || Text[i] > L'9') return false;
    Seal.Size = Seal.Size * 10 + (Text[i] - L'0');
  }
  Seal.Sha256 = LowerCase(Text.substr(comma + 1));
  if (Seal.Sha256.size() != 64) return false;
  for (wchar_t c : Seal.Sha256)
    if (!((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f'))) return false;
  return true;
}

TRegImportResult ImportRegistry(const std::wstring& FileName) {
  TRegImportResult refused;
  if (!IsSafeFileName(FileName)) {
    refused.Problem = L"\"" + FileName + L"\" is no file name inside the backup folder";
    return refused;
  }
  const std::wstring sealText = Trim(RegistryIni().ReadString(kSealSection, FileName, L""));
  if (sealText.empty()) return ImportRegFile(RegBackupFolder() + FileName);
  TRegFileSeal seal;
  if (!ParseRegBackupSeal(sealText, seal)) {
    refused.Problem = L"the size and checksum recorded for it cannot be read";
    return refused;
  }
  return ImportRegFile(RegBackupFolder() + FileName, kRegistryEditorTimeoutMs, &seal);
}

void AddRegBackupRecord(const std::wstring& FileName, TDateTime Time) {
  RegistryIni().WriteString(kSection, RegBackupStamp(Time), FileName);
}

bool TakeRegistryBackup(TDateTime Time, std::wstring& FileName) {
  FileName = RegBackupStamp(Time) + L".reg";
  if (!ForceDirectories(RegBackupFolder())) return false;
  TRegFileSeal seal;
  if (!ExportRegistry(RegBackupFolder() + FileName, &seal)) return false;
  RegistryIni().WriteString(kSealSection, FileName, FormatRegBackupSeal(seal));
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
  // A file that another row still names stays for that row.
  bool shared = false;
  for (const TRegBackupEntry& other : LoadRegBackupList())
    shared = shared || (other.Key != Entry.Key && SameText(other.FileName, Entry.FileName));
  // The name comes from an editable file: only a plain name inside the backup folder is deleted.
  if (!shared && IsSafeFileName(Entry.FileName)) {
    std::wstring path = RegBackupFolder() + Entry.FileName;
    // A link in the file's place goes nowhere: what it points to is not a backup of ours.
    if (FileExists(path)) removed = DeleteExactFile(path);
  }
  if (!shared) RegistryIni().DeleteKey(kSealSection, Entry.FileName);
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
