// A left click at a screen point through the mouse input queue, as a user's click arrives.
#pragma once

#include <windows.h>

inline void LeftClickAtScreen(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}
