#include "registry/reg_editor.h"

#include "base/child_process.h"
#include "base/system_programs.h"

namespace {

TChildRunner& EditorRunner() {
  static TChildRunner runner;
  return runner;
}

}  // namespace

void SetRegistryEditorRunnerForTesting(TChildRunner Runner) { EditorRunner() = std::move(Runner); }

std::wstring RegistryEditorCommand(const std::wstring& Arguments) {
  // regedit.exe lives in the Windows folder, not in the system folder.
  return WindowsProgramCommand(L"regedit.exe", Arguments);
}

bool RunRegistryEditor(const std::wstring& Arguments, DWORD TimeoutMs) {
  DWORD exitCode = 1;
  const std::wstring commandLine = RegistryEditorCommand(Arguments);
  // The program keeps handling its messages while the editor works, and an editor that hangs
  // does not hold it forever.
  const bool started = EditorRunner() ? EditorRunner()(commandLine, exitCode)
                                      : RunChildProcessPumping(commandLine, exitCode, TimeoutMs);
  return started && exitCode == 0;
}
