#include "tools/lsp/lsp_restore.h"

#include "base/files.h"
#include "base/system_programs.h"
#include "registry/reg_editor.h"
#include "tools/lsp/lsp_catalog.h"

std::wstring LspInitialExportFile() { return ProgramFolder() + L"data\\__LspInitial__.reg"; }

TLspRestoreResult ImportLspBackup(const std::wstring& file, const std::wstring& parametersKey) {
  if (!FileExists(file)) return TLspRestoreResult::FileMissing;
  if (!RunRegistryEditor(L"/s " + QuotedPath(file), kLspImportTimeoutMs)) return TLspRestoreResult::ImportFailed;
  return LspCatalogComplete(parametersKey) ? TLspRestoreResult::Done : TLspRestoreResult::NotVerified;
}
