// The tests that decide what a junk scan enters, looks at and reports.
#pragma once

#include <windows.h>

#include <string>

#include "cleaners/junk/waste_lists.h"

// Some entry's Path, taken as a pattern, matches Folder (lower case, ending in a backslash).
bool IsFolderExcluded(const std::wstring& Folder, const TWasteFolderList& Folders);
// Some enabled entry's Pattern matches FileName (the name alone, never the path).
bool MatchesWasteType(const std::wstring& FileName, const TWasteFileTypeList& Types);
// False when a read-only, system or hidden file is to be skipped under Options.
bool PassesAttributeFilter(DWORD Attributes, const TWasteCleanOptions& Options);
