// Deleting one junk file, exactly the one the scan found.
#pragma once

#include <string>

// Deletes the file permanently or into the Recycle Bin, without progress, confirmation or the
// shell's own error box. The path is taken as recorded, untrimmed, and the file is opened without
// following links first: a link, a folder, or a path the system would take to another file (a
// host link, or a name ending in a blank or dot that the path rules shorten to its neighbour's) is
// refused. A read-only file keeps its flag in the Recycle Bin. True only when the file is really
// gone afterwards: a refused, missing, locked or otherwise undeletable file gives false, so the
// caller can count it as failed.
bool DeleteJunkFile(const std::wstring& Path, bool ToRecycleBin);
