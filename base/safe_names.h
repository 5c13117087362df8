// Names that come from outside (an update server, an index file) are untrusted: only plain
// names and plain relative paths below a known folder may become files.
#pragma once

#include <string>

// True for one plain file or folder name: not empty, not "." or "..", no separator, drive or
// colon, no control character, none of < > " | ? *, not ending in a dot or blank, and no device
// name (CON, NUL, COM1, LPT1, COM\u00B9 ..., with or without an extension).
bool IsSafeFileName(const std::wstring& name);

// True for a relative path of one or more names separated by "/" or "\", each of them a safe
// file name (so no leading separator and no empty name).
bool IsSafeRelativePath(const std::wstring& path);

// The path with every "/" turned into "\".
std::wstring ToWindowsPath(const std::wstring& path);
