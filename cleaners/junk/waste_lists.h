// What the junk cleaner knows: the patterns that make a file junk, the folders and files it must
// never touch, the fixed drives, the files a scan found and the state of the running scan. The
// lists are process-wide and shared by the junk cleaner and one-click pages (the last loader wins).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One junk file type, or one excluded file pattern.
struct TWasteFileType {
  std::wstring Pattern;  // file-name pattern: '*' any run of characters, '?' exactly one
  std::wstring Description;
  bool Recommended = false;
  bool Enabled = true;  // only enabled entries take part in matching
};

// One junk file found by a scan.
struct TWasteFile {
  std::wstring Path;  // folder as scanned (lower case) followed by the file name as listed
  int64_t Size = 0;
  bool Selected = true;  // to be deleted
};

// One fixed drive.
struct TDiskDriver {
  wchar_t Letter = L'A';
  std::wstring Root;     // "X:\"
  std::wstring Caption;  // volume label, or "本地磁盘", followed by " (X:)"
  int64_t TotalBytes = 0;
  int64_t FreeBytes = 0;  // available to the calling user
  bool Selected = true;   // takes part in the junk page's scan
  int64_t FileCount = 0;  // junk files found on it by the current scan
  std::wstring FileCountText;
  std::wstring SizeText;
  std::wstring Status;
};

// One folder that is never scanned, nor anything below it.
struct TWasteFolder {
  std::wstring Caption;  // "自定义"
  std::wstring Path;     // folder path or pattern, ending in a backslash
};

// The running junk scan. Stop asks it to end; it stays set until the junk page starts another
// scan or the main window clears it, and while it is set every scan returns at once.
struct TSearchStateInfo {
  bool Stop = false;
  bool Searching = false;
  std::wstring CurrentFolder;  // the folder being listed
};

struct TWasteCleanOptions {
  bool SkipReadOnly = false;
  bool SkipSystem = false;
  bool SkipHide = false;
  bool ScanZero = false;  // an empty file is junk whatever its name
  bool CanRecover = false;  // deletions go to the Recycle Bin; set by the page that cleans
};

using TWasteFileTypeList = std::vector<std::unique_ptr<TWasteFileType>>;
using TWasteFileList = std::vector<std::unique_ptr<TWasteFile>>;
using TDiskDriverList = std::vector<std::unique_ptr<TDiskDriver>>;
using TWasteFolderList = std::vector<std::unique_ptr<TWasteFolder>>;

extern TWasteFileTypeList WasteFileTypes;      // the junk patterns
extern TWasteFileList WasteFiles;              // results of the junk scans, in the order found
extern TDiskDriverList DiskDrivers;            // the fixed drives, in letter order
extern TWasteFolderList WasteExcludeFolders;
extern TWasteFileTypeList WasteExcludeFiles;   // file patterns never reported as junk
extern TWasteCleanOptions WasteCleanOptions;
extern TSearchStateInfo WasteSearchState;

void ClearWasteFileTypes();
void ClearWasteFiles();
void ClearDiskDrivers();
void ClearExcludeFolders();
void ClearExcludeFiles();
