#pragma once
// The files of one driver (those its INF file lists under [SourceDisksFiles] that are found in
// the system's folders, and the INF itself) and copying them into a backup folder of their own,
// "BackUp\Drivers\<name>" below the current directory.
#include <string>
#include <vector>

#include "tools/driver/driver_places.h"

// The folder a driver file is looked for in, chosen by its extension (without a trailing
// backslash): .sys in system\drivers, .inf in Windows\inf, help files in Windows\help ...
std::wstring DriverFileFolder(const std::wstring& FileName, const TDriverPlaces& Places);
// Folder + the file of Folder whose name equals Name ignoring case, in the spelling found on
// disk; "" when there is none, or when Name is no plain file name or names a folder.
std::wstring FindDriverFile(const std::wstring& Folder, const std::wstring& Name);
// Windows folder + "\inf\" + the instance's "InfPath"; "" when the instance names no INF file.
std::wstring DriverInfPath(const std::wstring& InstanceKey, const TDriverPlaces& Places);
// The files of [SourceDisksFiles] found on disk, in the INF's order, then the INF file itself.
std::vector<std::wstring> CollectDriverFiles(const std::wstring& InstanceKey, const TDriverPlaces& Places);

// The folder name of a driver: its description without / \ * : ? " < > | and without blanks
// and dots around it; "" when that leaves no usable folder name.
std::wstring DriverBackupName(const std::wstring& Description);

struct TDriverBackupResult {
  std::wstring Folder;                 // the driver's backup folder, full path
  std::vector<std::wstring> Failures;  // one line per thing not backed up
  bool Succeeded() const { return Failures.empty(); }
};

// Creates "BackUp\Drivers\<DriverBackupName(Description)>" below the current directory, one
// level at a time, and copies each file into it (an older copy is replaced only by a complete new
// one, and kept when the copy fails), pumping messages
// before each copy. A folder that cannot be made fails the whole driver; a file that cannot be
// copied is a failure of its own and the others are still copied.
TDriverBackupResult BackupDriverFiles(const std::wstring& Description, const std::vector<std::wstring>& Files);
