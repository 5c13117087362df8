// The message pump that a scan runs once per walked entry, so the window stays responsive and
// its stop button can act.
#pragma once

void ScanProcessMessages();
