#include "registry/reg_editor.h"

#include "base/child_process.h"
#include "base/exact_file.h"
#include "base/files.h"
#include "base/strings.h"
#include "base/system_programs.h"
#include "base/sha256.h"
#include "registry/reg_file.h"
#include "registry/reg_import_check.h"

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

TRegFileSeal SealOfBytes(const std::string& Bytes) { return {Bytes.size(), Sha256Hex(Bytes)}; }

TRegImportResult ImportRegFile(const std::wstring& FileName, DWORD TimeoutMs, const TRegFileSeal* Seal) {
  TRegImportResult result;
  if (!FileExists(FileName)) {
    result.Problem = L"the file does not exist";
    return result;
  }
  // Read once: the seal, the check and the expectation all come from the same bytes.
  std::string bytes;
  if (!ReadFileBytes(FileName, bytes, result.Problem)) return result;
  if (Seal) {
    const TRegFileSeal found = SealOfBytes(bytes);
    if (found.Size != Seal->Size || found.Sha256.empty() || found.Sha256 != Seal->Sha256) {
      result.Problem = L"the file is not the one the backup wrote: its size or checksum differs";
      return result;
    }
  }
  TRegFile file;
  if (!ParseRegFile(bytes, file, result.Problem)) return result;
  bytes = std::string();
  if (!RunRegistryEditor(L"/s " + QuotedPath(FileName), TimeoutMs)) {
    result.Status = TRegImportStatus::EditorFailed;
    return result;
  }
  CheckImportedRegFile(file, result);
  result.Status = result.MissingKeys.empty() && result.WrongValues.empty() ? TRegImportStatus::Done
                                                                          : TRegImportStatus::Partial;
  return result;
}

std::wstring RegImportFailureText(const TRegImportResult& Result) {
  switch (Result.Status) {
    case TRegImportStatus::Done: return L"";
    case TRegImportStatus::Refused:
      return L"The file is incomplete or damaged (" + Result.Problem + L"). Nothing was imported.";
    case TRegImportStatus::EditorFailed: return L"The registry editor could not finish the import.";
    case TRegImportStatus::Partial: {
      std::wstring text;
      if (!Result.MissingKeys.empty())
        text = L"The restore is partial: " + IntToStr(Result.MissingKeys.size()) + L" of " + IntToStr(Result.Keys) +
               L" keys are missing afterwards, the first:\r\n" + Result.MissingKeys.front();
      if (!Result.WrongValues.empty())
        text += (text.empty() ? L"The restore is partial: " : L"\r\nAnd ") + IntToStr(Result.WrongValues.size()) +
                L" of " + IntToStr(Result.Values) + L" values are missing or hold other data afterwards, the first:\r\n" +
                Result.WrongValues.front();
      return text;
    }
  }
  return L"";
}

bool ExportRegKey(const std::wstring& FileName, const std::wstring& Key, DWORD TimeoutMs, TRegFileSeal* Seal) {
  // The editor would write through a link in the file's place: only the file itself goes first.
  if (FileExists(FileName) && !DeleteExactFile(FileName)) return false;
  const std::wstring arguments = L"/e " + QuotedPath(FileName) + (Key.empty() ? L"" : L" " + QuotedPath(Key));
  if (!RunRegistryEditor(arguments, TimeoutMs)) return false;
  // The editor may start and still write nothing, or stop halfway (no room, no access).
  std::string bytes;
  TRegFile file;
  std::wstring problem;
  if (!ReadFileBytes(FileName, bytes, problem) || !ParseRegFile(bytes, file, problem)) return false;
  if (Seal) *Seal = SealOfBytes(bytes);
  return true;
}
