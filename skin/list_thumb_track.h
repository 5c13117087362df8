// The drop-down list's own thumb tracking: a press on the thumb of a combo box's list is
// followed here rather than by the list's native bar, so the painted bar over it can show where
// the thumb goes. The loop waits for messages (it never spins), dispatches everything that is
// not its own, and ends when the button is up, the capture goes elsewhere, the list is
// destroyed or WM_QUIT arrives (which is posted again for the message loop outside).
#pragma once

#include <windows.h>

// For a WM_NCLBUTTONDOWN of the list (hit code and screen position). False when the press is
// not on the vertical bar's thumb: the native bar then handles it. True once the tracking ended.
bool TrackListThumb(HWND list, WPARAM hitCode, POINT screen);
