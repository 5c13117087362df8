#include "registry/reg_editor.h"

#include "base/child_process.h"
#include "base/files.h"
#include "base/strings.h"
#include "base/system_programs.h"
#include "registry/reg_file.h"

std::wstring RegistryEditorCommand(const std::wstring& Arguments) {
  // regedit.exe lives in the Windows folder, not in the system folder.
  return WindowsProgramCommand(L"regedit.exe", Arguments);
}

bool RunRegistryEditor(const std::wstring& Arguments, DWORD TimeoutMs) {
  DWORD exitCode = 1;
  const std::wstring commandLine = RegistryEditorCommand(Arguments);
  // The program keeps handling its messages while the editor works, and an editor that hangs
  // does not hold it forever.
  return RunChildProcessPumping(commandLine, exitCode, TimeoutMs) && exitCode == 0;
}

namespace {

bool KeyExists(const std::wstring& Key) {
  HKEY root;
  std::wstring path;
  if (!SplitRegFileKey(Key, root, path)) return false;
  HKEY key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

}  // namespace

TRegImportResult ImportRegFile(const std::wstring& FileName, DWORD TimeoutMs) {
  TRegImportResult result;
  TRegFile file;
  if (!FileExists(FileName)) {
    result.Problem = L"the file does not exist";
    return result;
  }
  if (!ReadRegFile(FileName, file, result.Problem)) return result;
  result.Keys = file.Keys.size();
  if (!RunRegistryEditor(L"/s " + QuotedPath(FileName), TimeoutMs)) {
    result.Status = TRegImportStatus::EditorFailed;
    return result;
  }
  for (const std::wstring& key : file.Keys)
    if (!KeyExists(key)) result.MissingKeys.push_back(key);
  result.Status = result.MissingKeys.empty() ? TRegImportStatus::Done : TRegImportStatus::Partial;
  return result;
}

std::wstring RegImportFailureText(const TRegImportResult& Result) {
  switch (Result.Status) {
    case TRegImportStatus::Done: return L"";
    case TRegImportStatus::Refused:
      return L"The file is incomplete or damaged (" + Result.Problem + L"). Nothing was imported.";
    case TRegImportStatus::EditorFailed: return L"The registry editor could not finish the import.";
    case TRegImportStatus::Partial:
      return L"The restore is partial: " + IntToStr(Result.MissingKeys.size()) + L" of " + IntToStr(Result.Keys) +
             L" keys are missing afterwards, the first:\r\n" + Result.MissingKeys.front();
  }
  return L"";
}

bool ExportRegKey(const std::wstring& FileName, const std::wstring& Key, DWORD TimeoutMs) {
  if (FileExists(FileName)) DeleteFileW(FileName.c_str());
  const std::wstring arguments = L"/e " + QuotedPath(FileName) + (Key.empty() ? L"" : L" " + QuotedPath(Key));
  // The editor may start and still write nothing, or stop halfway (no room, no access).
  TRegFile file;
  std::wstring problem;
  return RunRegistryEditor(arguments, TimeoutMs) && ReadRegFile(FileName, file, problem);
}
