// Names that come from the update server are untrusted: only plain relative paths below the
// program folder may become files.
#pragma once

#include <string>

// True for a relative path of one or more names separated by "/" or "\": no empty name, no
// "." or "..", no drive or colon, no leading separator, no control character, none of
// < > " | ? *, no name ending in a dot or blank, and no device name (CON, NUL, COM1, LPT1 ...,
// with or without an extension).
bool IsSafeRelativePath(const std::wstring& path);

// The path with every "/" turned into "\".
std::wstring ToWindowsPath(const std::wstring& path);
