// Full registry backups made by the platform's registry editor, kept in Backup\Registry\ of the
// program folder and indexed in Registry.ini [RegBackupFiles] (key: the 14-digit time stamp,
// value: the file name). The backup page and the registry cleaner page drive these.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/date_time.h"
#include "registry/reg_editor.h"

// Program folder + "Backup\Registry\" (not created here).
std::wstring RegBackupFolder();

// The time stamp of a backup made at Time: the year, then month, day, hour, minute and second
// with two digits each ("20091123174105").
std::wstring RegBackupStamp(TDateTime Time);

// Exports the whole registry into FileName (a full path) with "regedit /e". A file of that name is
// deleted first. True only when the editor started, ended with exit code 0 and left a complete
// file (ExportRegKey); Seal (when given) receives the file's size and digest.
bool ExportRegistry(const std::wstring& FileName, TRegFileSeal* Seal = nullptr);

// Imports Backup\Registry\<FileName> with "regedit /s", checked before and after
// (ImportRegFile). Refused when FileName is not a plain file name, and, for a backup the program
// made, when the file no longer has the size and digest recorded in Registry.ini
// [RegBackupChecks] (a line that cannot be read refuses it too; a backup without a line, as older
// versions made them, is checked by its parse alone).
TRegImportResult ImportRegistry(const std::wstring& FileName);

// A [RegBackupChecks] value: "<size in bytes>,<SHA-256 in hexadecimal>".
std::wstring FormatRegBackupSeal(const TRegFileSeal& Seal);
bool ParseRegBackupSeal(const std::wstring& Text, TRegFileSeal& Seal);

// Writes the index line Stamp(Time) = FileName into Registry.ini [RegBackupFiles].
void AddRegBackupRecord(const std::wstring& FileName, TDateTime Time);

// Makes a backup stamped with Time: creates Backup\Registry\ as needed, exports into
// <stamp>.reg and, only when the export succeeded, records its size and digest and indexes it.
// FileName receives "<stamp>.reg".
bool TakeRegistryBackup(TDateTime Time, std::wstring& FileName);

// One line of [RegBackupFiles], in file order; FileName is the value trimmed.
struct TRegBackupEntry {
  std::wstring Key;
  std::wstring FileName;
};
std::vector<TRegBackupEntry> LoadRegBackupList();

// Removes one backup: deletes Backup\Registry\<Entry.FileName> when that is a plain file name, the
// file exists and no other index line names it, and deletes the index line Entry.Key. False when
// the file is still there afterwards although no other line names it (the index line is removed
// in any case).
bool RemoveRegBackup(const TRegBackupEntry& Entry);

// The row text of a backup file name "20091123174105.reg": "Monday,November 23,2009-17:41". A
// name whose first 12 characters are not digits of a real date and time is shown as it is.
std::wstring FormatBackupName(const std::wstring& Name);
