#include "tools/error/repair_operation.h"

#include "base/child_process.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "base/system_programs.h"
#include "registry/reg_names.h"

namespace {

std::wstring KeyText(const TErrorRegItem& op) { return HKeyToRootName(op.RootKey) + L"\\" + op.SubKey; }

std::wstring Failure(const std::wstring& what, LONG code) { return what + L" (" + Trim(SysErrorMessage(code)) + L")"; }

// The operation's key path without backslashes around it.
std::wstring KeyPath(const TErrorRegItem& op) {
  std::wstring path = op.SubKey;
  while (!path.empty() && path.front() == L'\\') path.erase(0, 1);
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

// An empty key path would name the root itself: no operation works on a root as a whole.
std::wstring NoKeyPath(const TErrorRegItem& op) {
  return L"no key path: " + HKeyToRootName(op.RootKey) + L" as a whole is never changed";
}

std::wstring DeleteValue(const TErrorRegItem& op) {
  const std::wstring path = KeyPath(op);
  if (Trim(path).empty()) return NoKeyPath(op);
  // A value that is already gone is no failure; one behind a registry link is never deleted.
  if (DeleteRegValue(op.RootKey, path, op.ValueName) == TRegDeleteResult::Failed)
    return L"the value \"" + op.ValueName + L"\" of " + KeyText(op) + L" could not be deleted";
  return L"";
}

std::wstring DeleteKey(const TErrorRegItem& op) {
  const std::wstring path = KeyPath(op);
  if (Trim(path).empty()) return NoKeyPath(op);
  // A key that is already gone is no failure.
  if (DeleteRegKey(op.RootKey, path, true) == TRegDeleteResult::Failed) return KeyText(op) + L" could not be deleted";
  return L"";
}

std::wstring ResetValue(const TErrorRegItem& op) {
  if (Trim(KeyPath(op)).empty()) return NoKeyPath(op);
  HKEY key;
  // A link along the path would have the shipped data written into another key than the one named.
  LONG rc = OpenRegKeyWithoutLinks(op.RootKey, KeyPath(op), KEY_SET_VALUE, key);
  // A key that is not there belongs to a part of the system this machine lacks.
  if (rc == ERROR_FILE_NOT_FOUND) return L"";
  if (rc != ERROR_SUCCESS) return Failure(KeyText(op) + L" could not be opened", rc);
  rc = RegSetValueExW(key, op.ValueName.c_str(), 0, op.ValueType, op.Data.data(), static_cast<DWORD>(op.Data.size()));
  RegCloseKey(key);
  if (rc == ERROR_SUCCESS) return L"";
  return Failure(L"the value \"" + op.ValueName + L"\" of " + KeyText(op) + L" could not be written", rc);
}

}  // namespace

bool RunRepairCommand(const std::wstring& CommandLine) {
  DWORD exitCode = 1;
  // The page waits inside its busy run: the window keeps painting while the command works.
  return RunChildProcessPumping(CommandLine, exitCode, kRepairCommandTimeoutMs) && exitCode == 0;
}

std::wstring ApplyOperation(const TErrorRegItem& Op) {
  if (!Op.Refusal.empty()) return Op.Refusal;
  switch (Op.OPType) {
    case opDoNothing: return L"";
    case opDeleteValue: return DeleteValue(Op);
    case opDeleteKey: return DeleteKey(Op);
    case opResetValue: return ResetValue(Op);
    case opRunCommand: {
      // The data file names its programs bare; they are the system's own, never a file of the
      // same name in the current folder.
      const std::wstring command = FullPathCommand(Op.ValueName);
      if (command.empty())
        return L"the command \"" + Op.ValueName + L"\" names no program of the Windows or system folder";
      if (RunRepairCommand(command)) return L"";
      return L"the command \"" + Op.ValueName + L"\" did not run or failed";
    }
    default: return L"unknown operation " + IntToStr(Op.OPType);
  }
}

std::vector<std::wstring> RepairProblem(const TIniFile& Ini, const TErrorItem& Item, const std::function<bool()>& Step) {
  std::vector<std::wstring> failures;
  for (const TErrorRegItem& op : LoadOperations(Ini, Item)) {
    if (!Step()) break;
    std::wstring failure = ApplyOperation(op);
    if (!failure.empty()) failures.push_back(failure);
  }
  return failures;
}
