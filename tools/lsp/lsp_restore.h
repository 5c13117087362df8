// Putting the Winsock2 protocol catalog back to its initial state from a registry export that
// ships beside the program.
#pragma once

#include <windows.h>

#include <string>

enum class TLspRestoreResult {
  Done,           // imported, and the catalog reads complete afterwards
  FileMissing,    // no export to import
  FileBroken,     // the export is cut off or damaged: nothing was imported
  NotSaved,       // the catalog as it was could not be saved first: nothing was imported
  PutBack,        // the import failed or left no complete catalog: the catalog as it was is back
  PutBackFailed,  // and putting it back did not fully succeed either
};

struct TLspRestoreOutcome {
  TLspRestoreResult Result = TLspRestoreResult::FileMissing;
  std::wstring Detail;  // what happened, in sentences for a box ("" for Done and FileMissing)
};

// How long the registry editor may take over each export or import.
constexpr DWORD kLspImportTimeoutMs = 60000;

// The shipped export: data\__LspInitial__.reg in the program folder.
std::wstring LspInitialExportFile();

// Checks `file` whole, saves the Parameters key `parametersKey` (below HKEY_LOCAL_MACHINE) with
// the registry editor, imports `file` (ImportRegFile, registry/reg_editor.h) and checks the
// catalog. When the import or the check fails, the saved key is put back in place of whatever
// the import left (a key that did not exist before is removed again). The editor runs by its
// full path while the program's messages are handled.
TLspRestoreOutcome ImportLspBackup(const std::wstring& file, const std::wstring& parametersKey);
