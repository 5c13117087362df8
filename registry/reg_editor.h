// The platform's registry editor, started by its full path in the Windows folder, with a bound on
// its run (tests play it through the child-process seam of base/child_process.h). Every export
// and import of the program goes through here.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// How long an export or import may take. The editor runs while the program handles its messages
// (PumpMessages): callers keep their own controls from starting anything else meanwhile.
constexpr DWORD kRegistryEditorTimeoutMs = 10 * 60 * 1000;

// The editor's command line: its full path in double quotes, a blank and Arguments.
std::wstring RegistryEditorCommand(const std::wstring& Arguments);

// Runs the editor with Arguments for at most TimeoutMs; true when it started and ended with exit
// code 0 (which is no proof that it did its work: callers check the result).
bool RunRegistryEditor(const std::wstring& Arguments, DWORD TimeoutMs = kRegistryEditorTimeoutMs);

// What came of importing a registry editor file.
enum class TRegImportStatus {
  Done,          // imported, and every key and value the file writes is there afterwards
  Refused,       // the file is missing, cut off, broken or not the one recorded: nothing was imported
  EditorFailed,  // the editor could not start, did not end in time or reported a failure
  Partial,       // imported, but keys or values the file writes are missing or differ afterwards
};

struct TRegImportResult {
  TRegImportStatus Status = TRegImportStatus::Refused;
  std::wstring Problem;                     // why a file was refused
  size_t Keys = 0;                          // keys the file writes
  size_t Values = 0;                        // values the file writes
  std::vector<std::wstring> MissingKeys;    // of those keys, the ones not there afterwards, in file order
  std::vector<std::wstring> WrongValues;    // values of present keys missing or holding other data
                                            // afterwards, as "key\name" ("key\@" for the default)
};

// The size and SHA-256 of a file as it was written, kept to know it again before an import: a
// file cut exactly after a section, or changed, still parses.
struct TRegFileSeal {
  unsigned long long Size = 0;
  std::wstring Sha256;
};
TRegFileSeal SealOfBytes(const std::string& Bytes);

// Checks the whole file first (ReadRegFile, registry/reg_file.h; with Seal, first that the file
// has that size and digest) and gives the editor only a complete one; after the import, reads
// back every key the file leaves and every value it writes there (name, type and data), in the
// 64-bit view where there is one, which is where the editor writes.
TRegImportResult ImportRegFile(const std::wstring& FileName, DWORD TimeoutMs = kRegistryEditorTimeoutMs,
                               const TRegFileSeal* Seal = nullptr);

// What went wrong, in a sentence or two for a message box; "" for Done.
std::wstring RegImportFailureText(const TRegImportResult& Result);

// Exports Key (as the editor names it, "HKEY_LOCAL_MACHINE\..."; "" for the whole registry)
// into FileName, deleting a file of that name first (a link in its place is refused, not written
// through). True only when the editor ended well and left a complete file; Seal (when given)
// receives that file's size and digest.
bool ExportRegKey(const std::wstring& FileName, const std::wstring& Key,
                  DWORD TimeoutMs = kRegistryEditorTimeoutMs, TRegFileSeal* Seal = nullptr);
