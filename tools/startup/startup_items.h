// The programs Windows starts at logon: values of the Run keys, files of the two startup
// folders, and the entries set aside as inactive (values of a key's "dxdDisabled" subkey and
// files of the program's "startupdata" folder). Listed and removed here; nothing moves entries
// into or out of the set-aside places.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/version_info.h"

struct TStartupItem {
  std::wstring Name;         // the value name, or the file name
  TVersionInfo VersionInfo;  // of ExeFile (registry entries only)
  std::wstring Command;      // the value's data, or the full path of the file
  std::wstring ExeFile;      // the program Command starts (registry entries only)
  bool Active = true;
  int ImageIndex = 0;        // the page's image list; 0 is the default icon
  BYTE Kind = 0;             // kStartupFile or kStartupRegistry
  HKEY RootKey = nullptr;    // registry entries only
  std::wstring ValueName;    // the value name, or the file name
  std::wstring Location;     // the Run key path; for a file its folder with a trailing backslash
  std::wstring DisabledLocation;  // where the inactive entry is kept
};

constexpr BYTE kStartupFile = 0;
constexpr BYTE kStartupRegistry = 1;

struct TRunKeyRow {
  HKEY Root;
  std::wstring KeyPath;  // below the root, with a leading backslash
};

// Where entries are read from.
struct TStartupSources {
  std::vector<TRunKeyRow> RunKeys;   // scanned in this order
  std::wstring CommonStartupFolder;  // without a trailing backslash
  std::wstring UserStartupFolder;
  std::wstring DisabledFolder;       // the "startupdata" folder beside the program
};

// The subkey below a Run key that holds its set-aside values.
inline constexpr const wchar_t* kDisabledSuffix = L"\\dxdDisabled";

// The eight Run keys of the machine and the user, the two startup folders and startupdata.
TStartupSources DefaultStartupSources();
// What ScanStartupItems reads when given nothing: the defaults, or what a test put in place
// (nullptr restores the defaults).
TStartupSources CurrentStartupSources();
void SetStartupSourcesForTesting(const TStartupSources* sources);

// Every entry in order: per Run key its values, then those of its dxdDisabled subkey; the
// common and the user's startup folder; then startupdata, shown as if in the common startup
// folder. Values that do not hold text (a number in RunOnceEx) are not programs and are
// skipped; hidden files and folders are skipped; keys and folders that are missing give
// nothing. ImageIndex stays 0.
std::vector<TStartupItem> ScanStartupItems(const TStartupSources& sources);

// Deletes the entry from where it is kept (its value or its file): true when it is gone.
bool RemoveStartupItem(const TStartupItem& item);
