// The message pump that engines run between steps.
//
// Scans, cleanups and downloads are loops on the GUI thread: between two steps they let the
// program handle its waiting messages (repaints, the Stop button), then check their stop state.
// Engines must not know about windows, so they call PumpMessages() and the program installs what
// that does once at start-up (Quillstead: Application->ProcessMessages). Until something is
// installed, pumping does nothing, which is what engine tests want.
#pragma once

#include <functional>

using TMessagePump = std::function<void()>;

// Installs Pump (empty: pumping does nothing) and returns the one it replaces, so a caller that
// installs a pump for a while can put the previous one back.
TMessagePump SetMessagePump(TMessagePump Pump);

// Runs the installed pump once. The pump may run any handler of the program, which may stop or
// free the caller's owner: check the stop state (and the owner) after each call.
void PumpMessages();
