// Starting another program and waiting for it to end.
#pragma once

#include <windows.h>

#include <string>

// Starts CommandLine (program and arguments, quoted as the platform parses them) with its window
// hidden, the environment and current folder inherited and no handles inherited, then waits for
// it at most TimeoutMs milliseconds. False when it could not be started or had not ended in time
// (it is left running then); otherwise ExitCode receives its exit code.
bool RunChildProcess(const std::wstring& CommandLine, DWORD& ExitCode, DWORD TimeoutMs = INFINITE);
