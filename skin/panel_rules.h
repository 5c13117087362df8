// The group-box and status-bar skinners' decisions, free of windows so they can be checked as
// tables: where a group box's frame line runs and where its caption goes, and how a status-bar
// panel is framed, aligned and placed, and where the size grip goes.
#pragma once

#include <windows.h>

// The top line of a group box's frame for a font whose "0" is textHeight high.
int GroupFrameTop(int textHeight);
// Where the caption is drawn: 8 pixels in from the left, or from the right with WS_EX_RIGHT.
RECT GroupCaptionRect(const RECT& rect, bool rightAligned);

// The "StatusBarEdges" frames.
constexpr int kPanelLowered = 1, kPanelRaised = 2, kPanelFlat = 3;
// From the bevel's member name ("pbNone", "pbLowered", "pbRaised"); lowered for anything else.
int StatusPanelFrame(const wchar_t* bevel);
// The DrawText alignment of a panel from its alignment's member name, left and right exchanged
// when the panel reads right to left.
UINT StatusPanelAlignment(const wchar_t* alignment, bool rightToLeft);
// The panel's rectangle (SB_GETRECT) as it is drawn: 2 pixels wider, the last reaching the right
// edge of the bar.
RECT StatusPanelRect(const RECT& reported, bool last, const RECT& bar);
// The size grip's place: its bottom-right corner one pixel inside the bar's.
RECT SizeGripRect(const RECT& bar, SIZE grip);
