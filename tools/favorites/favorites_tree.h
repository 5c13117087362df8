#pragma once
// The rows of the favorites tree: the shortcuts of a backup folder at the top level, under their
// first-level folder, or under their second-level folder (also those that lie deeper).
#include <string>
#include <vector>

struct TFavoriteRow {
  std::wstring Name;      // the shortcut's file name, or the folder's name
  std::wstring Url;       // shortcuts only
  std::wstring Position;  // shortcuts only: the path below the backup folder
  bool IsShortcut = false;
  int Parent = -1;        // index of the folder row it belongs to; -1 at the top level
};

// Parents come before their children. Shortcuts are taken in case-insensitive order of their
// folder names and file names, so each folder's shortcuts come together.
std::vector<TFavoriteRow> FavoriteRows(const std::wstring& BackupFolder);
