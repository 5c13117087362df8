// The junk scan: a recursive walk of one folder tree on the GUI thread that appends every junk
// file it finds to a result list.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "cleaners/junk/waste_lists.h"

// Reports every file the scan looks at (Found false, Size 0) and every junk file it records
// (Found true, with the file's size).
using TJunkProgressEvent = std::function<void(bool Found, const std::wstring& Path, int64_t Size)>;

// Scans Folder and, depth first, every folder below it: first all files of a folder (each one
// reported, skipped when an excluded pattern matches its name or its attributes fail the options,
// junk when a type matches its name or, with ScanZero, when it is empty), then its subfolders in
// listing order. Excluded folders, folders that are hidden and system at once, and junction points
// and symbolic links (which may lead back up the tree or onto another drive) are never entered.
// Before every entry the pump is offered (junk_pump.h) and WasteSearchState.Stop checked; when it
// is set, the scan returns at once and everything found so far stays in Results, which is only
// ever appended to.
void ScanJunkFolder(const std::wstring& Folder, const TWasteFileTypeList& Types, const TWasteFolderList& ExcludeFolders,
                    const TWasteFileTypeList& ExcludeFiles, const TWasteCleanOptions& Options, TWasteFileList& Results,
                    const TJunkProgressEvent& OnProgress);
