// The gallery's MDI window: a plain Win32 frame with a menu bar, an MDI client and three
// children, so the skinned frame, its bar and the children's frames are seen together.
#pragma once

#include <windows.h>

struct TMdiGalleryWindow {
  HWND Frame = nullptr;
  HWND Client = nullptr;
  HWND Children[3] = {};
};

// Creates and shows the frame at (x, y) with its children cascaded.
TMdiGalleryWindow CreateMdiGalleryWindow(int x, int y);
