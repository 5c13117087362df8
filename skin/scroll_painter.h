// Draws one scroll bar from the skin, composed in a back buffer and copied in one step so the
// bar does not flicker while the native bar underneath scrolls: the track ("HorzScroll" /
// "VertScroll", enabled or disabled frame), the two arrows and the grip from the "Scrollbar"
// strip, and the thumb ("HorzScrollThumb" / "VertScrollThumb") with the grip centred on it.
// Shared by the painted bar over a control's scroll bar and the drop-down list's own bar.
#pragma once

#include <windows.h>

#include "skin/scroll_rules.h"

class TSkinData;

struct TScrollPaint {
  bool Vertical = true;
  int Length = 0;      // along the bar
  int Cross = 0;       // the back buffer across the bar; the parts are drawn at most that thick
  int Arrow = 0;       // the system's arrow size
  bool Enabled = true;
  int ThumbStart = 0, ThumbEnd = 0;  // pixels from the bar's start
  int HotPart = kScrollNoPart;
  bool Dragging = false;
};

// The thickness the parts are drawn with (the strip's height or the arrow size); 0 when the
// skin has no "Scrollbar" strip.
int ScrollPartThickness(const TSkinData& skin, int arrow);
// Paints the bar with its top-left corner at `at`; nothing (false) without the strip or room.
bool PaintScrollBar(HDC dc, POINT at, const TSkinData& skin, const TScrollPaint& paint);
