// Deleting one junk file through the shell.
#pragma once

#include <string>

// Deletes the file permanently or into the Recycle Bin, without progress, confirmation or the
// shell's own error box. True only when the file is really gone afterwards: a missing, locked or
// otherwise undeletable file gives false, so the caller can count it as failed.
bool DeleteJunkFile(const std::wstring& Path, bool ToRecycleBin);
