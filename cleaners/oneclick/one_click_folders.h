#pragma once
// The folders one-click maintenance scans for junk: the prefetch folder, the browser's cache and
// the temporary folder. A folder that comes out as a lone backslash or a drive's root (a
// variable that is not set, no cache value) is left out: the whole drive would be scanned and
// "Repair All" would delete its files.
#include <string>
#include <vector>

// The environment variable's value followed by a backslash ("\" when it is not set).
std::wstring GetEnvFolder(const std::wstring& Name);
// The current user's "Cache" shell folder ("" when the key cannot be opened).
std::wstring GetIECacheFolder();
// True for a folder below a drive's root or a share: not empty, not a lone backslash, not "C:",
// "C:\" or "\\server\share\", as written and as the platform reads it ("C:\Windows\.." is "C:\").
bool IsScannableJunkFolder(const std::wstring& Folder);
// The three folders in order, each with its trailing backslash, without the ones that are not
// scannable.
std::vector<std::wstring> OneClickJunkFolders();
