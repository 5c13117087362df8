// The small skinners' decisions, free of windows so they can be checked as tables: which check
// or radio frame goes into each cell of another vendor's glyph strip, and where the tab row of
// a page control with button tabs lies.
#pragma once

#include <windows.h>

#include <vector>

// Glyph kinds of other vendors' check boxes and radio buttons.
constexpr int kObjImageCheck = 1, kObjImageRadio = 2, kObjImagePropertiesCheck = 3;
// For each cell of the strip the control takes, the skin frame (from 0) copied into it, or -1
// for a cell left empty. checkFrames is the skin's check strip's frame count (the fifth frame,
// when there is one, is the greyed mark).
std::vector<int> ObjImageCells(int kind, int checkFrames);

// The tab row: from the control's top down to the display area (as the control adjusts it,
// grown by 4 pixels each way, less one pixel at the top), across the whole control.
RECT TabButtonRow(const RECT& control, const RECT& adjustedDisplay);
// Frame 2 of "Buttons" for the tab with the focus, 1 for the rest.
int TabButtonFrame(int index, int focusIndex);
