// Restarting the machine, behind a seam: tests put a recorder in its place, so no test ever ends
// the session it runs in.
#pragma once

#include <functional>

using TRestartHandler = std::function<bool()>;

// Enables the process's shutdown privilege and asks the system for a reboot. False (with the
// system's error code set) when the request was refused.
bool RestartComputer();

// Replaces the restart; nullptr restores it.
void SetRestartComputerForTesting(TRestartHandler handler);
