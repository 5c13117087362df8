// Putting the Winsock2 protocol catalog back to its initial state from a registry export that
// ships beside the program.
#pragma once

#include <windows.h>

#include <string>

enum class TLspRestoreResult {
  Done,          // imported, and the catalog reads complete afterwards
  FileMissing,   // no export to import
  ImportFailed,  // the registry editor could not start, did not end in time, or reported failure
  NotVerified,   // imported, but the catalog is not complete afterwards
};

// How long the registry editor may take over the import.
constexpr DWORD kLspImportTimeoutMs = 60000;

// The shipped export: data\__LspInitial__.reg in the program folder.
std::wstring LspInitialExportFile();

// Imports `file` with the registry editor ("regedit.exe /s" by its full path), waits for it
// while handling messages (at most kLspImportTimeoutMs), then checks the catalog below `parametersKey`.
TLspRestoreResult ImportLspBackup(const std::wstring& file, const std::wstring& parametersKey);
