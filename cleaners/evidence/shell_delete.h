// Deleting the files of a trace folder through the shell, into the Recycle Bin.
#pragma once

#include <string>

// Sends every file directly in Folder whose name matches Pattern ("*", "*.lnk") to the Recycle Bin,
// without asking, showing progress or errors. Folders are never touched: not Folder itself (a
// system folder keeps its place and its access list), not its subfolders, and no link and no
// file reached through one (each file is checked to be exactly the one listed), and no file that
// the run keeps (THistoryKeepScope). True when Folder
// could be listed and the shell moved every matching file; nothing to move is success.
bool RecycleFilesIn(const std::wstring& Folder, const std::wstring& Pattern);
