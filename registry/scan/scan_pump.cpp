#include "registry/scan/scan_pump.h"

#include <windows.h>

// Dispatches what is queued for this thread and returns when the queue is empty. A WM_QUIT met
// here is put back so the program's own message loop still ends.
void ScanProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}
