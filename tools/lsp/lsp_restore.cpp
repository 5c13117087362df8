#include "tools/lsp/lsp_restore.h"

#include "base/files.h"
#include "registry/reg_editor.h"
#include "registry/reg_file.h"
#include "tools/lsp/lsp_catalog.h"

namespace {

const wchar_t kVersion5[] = L"Windows Registry Editor Version 5.00\r\n";

bool ParametersKeyExists(const std::wstring& parametersKey) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, parametersKey.substr(1).c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
      ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

// Removes the Parameters key as the failed import left it and imports the saved one (the
// saved file's keys, or none when there was no key before).
TRegImportResult PutBack(const std::wstring& folder, const std::wstring& catalogKey, const std::wstring& savedBody) {
  const std::wstring file = folder + L"put_back.reg";
  TRegImportResult result;
  if (!WriteRegFile(file, std::wstring(kVersion5) + L"\r\n[-" + catalogKey + L"]\r\n" + savedBody)) {
    result.Status = TRegImportStatus::EditorFailed;
    return result;
  }
  return ImportRegFile(file, kLspImportTimeoutMs);
}

}  // namespace

std::wstring LspInitialExportFile() { return ProgramFolder() + L"data\\__LspInitial__.reg"; }

TLspRestoreOutcome ImportLspBackup(const std::wstring& file, const std::wstring& parametersKey) {
  TLspRestoreOutcome outcome;
  if (!FileExists(file)) return outcome;
  TRegFile shipped;
  std::wstring problem;
  if (!ReadRegFile(file, shipped, problem)) {
    outcome.Result = TLspRestoreResult::FileBroken;
    TRegImportResult refused;
    refused.Problem = problem;
    outcome.Detail = RegImportFailureText(refused);
    return outcome;
  }

  const std::wstring catalogKey = L"HKEY_LOCAL_MACHINE" + parametersKey;
  const std::wstring folder = CreateUniqueTempFolder(L"qs_lsp_");
  struct TFolderGone {
    std::wstring path;
    ~TFolderGone() {
      if (!path.empty()) DeleteFolderTree(path);
    }
  } cleanup{folder};
  TRegFile saved;
  // Without a folder of its own for the saved copy the catalog could not be put back.
  if (folder.empty() || (ParametersKeyExists(parametersKey) &&
                         (!ExportRegKey(folder + L"saved.reg", catalogKey, kLspImportTimeoutMs) ||
                          !ReadRegFile(folder + L"saved.reg", saved, problem)))) {
    outcome.Result = TLspRestoreResult::NotSaved;
    outcome.Detail = L"The Winsock2 catalog could not be saved before the import, so nothing was changed.";
    return outcome;
  }

  const TRegImportResult imported = ImportRegFile(file, kLspImportTimeoutMs);
  if (imported.Status == TRegImportStatus::Done && LspCatalogComplete(parametersKey)) {
    outcome.Result = TLspRestoreResult::Done;
    return outcome;
  }
  outcome.Detail = imported.Status == TRegImportStatus::Done
                       ? L"The catalog is not complete after the import."
                       : RegImportFailureText(imported);
  const TRegImportResult putBack = PutBack(folder, catalogKey, saved.Body);
  if (putBack.Status == TRegImportStatus::Done) {
    outcome.Result = TLspRestoreResult::PutBack;
    outcome.Detail += L"\r\nThe catalog as it was before has been put back.";
  } else {
    outcome.Result = TLspRestoreResult::PutBackFailed;
    outcome.Detail += L"\r\nPutting the catalog as it was back failed too: " + RegImportFailureText(putBack);
  }
  return outcome;
}
