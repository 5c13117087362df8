#include "tools/lsp/lsp_restore.h"

#include "base/child_process.h"
#include "base/files.h"
#include "tools/lsp/lsp_catalog.h"

std::wstring LspInitialExportFile() { return ProgramFolder() + L"data\\__LspInitial__.reg"; }

TLspRestoreResult ImportLspBackup(const std::wstring& file, const std::wstring& parametersKey) {
  if (!FileExists(file)) return TLspRestoreResult::FileMissing;
  DWORD exitCode = 1;
  if (!RunChildProcess(L"regedit.exe /s \"" + file + L"\"", exitCode, kLspImportTimeoutMs) || exitCode != 0)
    return TLspRestoreResult::ImportFailed;
  return LspCatalogComplete(parametersKey) ? TLspRestoreResult::Done : TLspRestoreResult::NotVerified;
}
