// The message pump that a scan runs once per walked entry, so the window stays responsive and
// its stop button can act: the application object handles every waiting message.
#pragma once

void ScanProcessMessages();
