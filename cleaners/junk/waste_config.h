// Loaders of the junk cleaner's sections of Cleaner.ini beside the program. A missing file or
// section gives empty lists, options all off and no recommendations.
#pragma once

// WasteFileTypes := [WasteFileType] (key = pattern, value = description) in file order, with the
// Recommended flags of [WasteFileTypeRecommend] RecommendState ('1' for the n-th key).
void LoadWasteFileTypes();
// WasteExcludeFolders := the keys of [WasteCleanExcludePath], each ending in a backslash.
void LoadExcludeFolders();
// WasteExcludeFiles := [WasteCleanExcludeFile] (key = pattern, value = description).
void LoadExcludeFiles();
// WasteCleanOptions := [WasteCleanOption] SkipReadOnly, SkipSystem, SkipHide, ScanZero,
// CanRecover (numbers; non-zero is on).
void LoadWasteCleanOptions();
// All of the above that a scan reads, loaded afresh: the options, the configured file types and
// both exclusion lists (before every scan, so it sees the file as it stands).
void LoadWasteScanSettings();
