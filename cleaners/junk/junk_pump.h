// The message pump of the junk scan and the junk cleaning: the program installs its own, so the
// engine lets the GUI handle its waiting messages without linking the window framework.
#pragma once

#include <functional>

using TJunkPump = std::function<void()>;

// Installs the pump (Application->ProcessMessages in the program); an empty one pumps nothing.
void SetJunkPump(TJunkPump Pump);

// Called by the scan and the cleaning at every entry, so the pages stay responsive and their stop
// buttons can act. Runs the pump when at least 10 ms have passed since it last started (and at the
// first offer after it is installed).
void OfferJunkPump();
