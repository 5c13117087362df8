// The platform's registry editor, started by its full path in the Windows folder, with a bound on
// its run and one seam for tests. Every export and import of the program goes through here.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Runs a child command line and waits for it; false when it could not be started or did not end,
// otherwise its exit code. Tests put another runner in place (nullptr restores the registry
// editor run by RunChildProcessPumping).
using TChildRunner = std::function<bool(const std::wstring& CommandLine, DWORD& ExitCode)>;
void SetRegistryEditorRunnerForTesting(TChildRunner Runner);

// How long an export or import may take. The editor runs while the program handles its messages
// (PumpMessages): callers keep their own controls from starting anything else meanwhile.
constexpr DWORD kRegistryEditorTimeoutMs = 10 * 60 * 1000;

// The editor's command line: its full path in double quotes, a blank and Arguments.
std::wstring RegistryEditorCommand(const std::wstring& Arguments);

// Runs the editor with Arguments for at most TimeoutMs; true when it started and ended with exit
// code 0 (which is no proof that it did its work: callers check the result).
bool RunRegistryEditor(const std::wstring& Arguments, DWORD TimeoutMs = kRegistryEditorTimeoutMs);
