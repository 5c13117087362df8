// Deleting through the shell, into the Recycle Bin.
#pragma once

#include <string>

// Deletes Path (a file, a folder with its contents, or a wildcard pattern) into the Recycle
// Bin without asking, showing progress or errors; FOF_FILESONLY unless IncludeFolders;
// ExtraFlags are or-ed into the shell's flags. A folder argument is re-created empty
// afterwards. True when the shell operation succeeded.
bool ShellDeletePath(const std::wstring& Path, bool IncludeFolders, unsigned char ExtraFlags);
