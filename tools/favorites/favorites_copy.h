#pragma once
// Copying the favorites folder into the backup and the backup back into the favorites. Copies
// never overwrite a file that is already there; what could not be copied is reported.
#include <string>
#include <vector>

struct TFavoritesCopyResult {
  int Copied = 0;
  int Kept = 0;                        // files already at the target, left as they were
  std::vector<std::wstring> Failures;  // one line per thing not copied
  bool Succeeded() const { return Failures.empty(); }
};

// Copies every file and folder below Source into Target (created with every missing level),
// folders whatever their attributes; links to folders (junctions) are not followed but
// reported. A Target inside Source is not copied into itself. Pumps messages before each entry.
TFavoritesCopyResult CopyFolderTree(const std::wstring& Source, const std::wstring& Target);
// Moves Folder to the Recycle Bin without questions; false when that fails.
bool RecycleOldBackup(const std::wstring& Folder);

// Backs Favorites up into Backup. With ReplaceOld the new copy is made beside the old backup
// first; only once it is complete does the old one go to the Recycle Bin and the new one take
// its place, so a failed backup leaves the old one as it was. Without ReplaceOld the favorites
// are copied into Backup, keeping what is there.
TFavoritesCopyResult BackupFavorites(const std::wstring& Favorites, const std::wstring& Backup, bool ReplaceOld);
// Copies the backup into the favorites folder; shortcuts already there are kept.
TFavoritesCopyResult RestoreFavorites(const std::wstring& Backup, const std::wstring& Favorites);
