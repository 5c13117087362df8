// Starting another program and waiting for it to end.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Starts CommandLine (program and arguments, quoted as the platform parses them, of any length)
// with its window shown as ShowCommand says (hidden unless asked), the environment and current
// folder inherited and no handles inherited, then waits for it at most TimeoutMs milliseconds.
// False when it could not be started or had not ended in time; otherwise ExitCode receives its
// exit code. A bounded child runs in a job object: at the bound it is ended together with every
// process it started.
bool RunChildProcess(const std::wstring& CommandLine, DWORD& ExitCode, DWORD TimeoutMs = INFINITE,
                     WORD ShowCommand = SW_HIDE);

// As RunChildProcess, but the caller's messages are handled (PumpMessages, base/message_pump.h)
// every few milliseconds while the child runs, so the windows stay painted and a Stop button can
// be pressed. Stopped, when given, is asked after each pump: true ends the wait at once as a
// failure, and the child is ended with every process it started (it runs in a job, as a bounded
// child does). The pump may free the caller's window: callers check that they still exist before
// they touch themselves again.
bool RunChildProcessPumping(const std::wstring& CommandLine, DWORD& ExitCode, DWORD TimeoutMs,
                            const std::function<bool()>& Stopped = {}, WORD ShowCommand = SW_HIDE);

// What a caller asked of a child run, as the test seam sees it.
struct TChildRun {
  std::wstring CommandLine;
  DWORD TimeoutMs = INFINITE;
  WORD ShowCommand = SW_HIDE;
  bool Pumping = false;            // RunChildProcessPumping: messages are handled while it runs
  std::function<bool()> Stopped;   // the pumping wait's stop question (may be empty)
};

// Every child process of the program starts through the two functions above. Tests put a runner
// in their place that records the runs and plays the child: its result and ExitCode are the
// call's. nullptr puts the platform back.
using TChildProcessRunner = std::function<bool(const TChildRun& Run, DWORD& ExitCode)>;
void SetChildProcessRunnerForTesting(TChildProcessRunner Runner);
