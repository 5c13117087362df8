// The painted scroll bars' decisions, free of windows so they can be checked as tables: which
// part of a bar a point is on, where a dragged thumb goes, how big the arrows and the bar's
// thickness are, and which skin frame each part shows.
//
// Parts are numbered with the scroll request codes: 0 first arrow (SB_LINEUP), 1 second arrow
// (SB_LINEDOWN), 2 track before the thumb (SB_PAGEUP), 3 track after it (SB_PAGEDOWN), 5 the
// thumb (SB_THUMBTRACK); -1 is no part.
#pragma once

#include <windows.h>

constexpr int kScrollNoPart = -1;
constexpr int kScrollFirstArrow = SB_LINEUP;
constexpr int kScrollSecondArrow = SB_LINEDOWN;
constexpr int kScrollTrackBefore = SB_PAGEUP;
constexpr int kScrollTrackAfter = SB_PAGEDOWN;
constexpr int kScrollThumb = SB_THUMBTRACK;

// The part at `position` pixels from the bar's start, with arrows `arrow` long.
int ScrollHitTest(int position, int arrow, int thumbStart, int thumbEnd, int length);

// The start of a thumb dragged by `moved` pixels from where it stood at the click, kept between
// the arrows; it keeps its length.
int DraggedThumbStart(int startAtClick, int moved, int arrow, int length, int thumbLength);

// How long each arrow is drawn: its own size, or half the bar when the bar is shorter than two.
int ScrollArrowLength(int arrow, int length);
// How thick the bar's parts are drawn: the skin strip's height, unless it differs from the
// system's arrow size by more than 2 pixels (a strip made for another size).
int ScrollThickness(int stripHeight, int arrow);

// Where the parts of a bar lie in a rectangle from (0, 0) that is already cut to its thickness.
struct TScrollLayout {
  RECT FirstArrow, SecondArrow, Track;
};
TScrollLayout ScrollBarLayout(const RECT& bar, bool vertical, int arrow);

// The "Scrollbar" strip frame (from 1) of an arrow: left 1, right 5, up 9, down 13; a hot arrow
// shows its pressed frame (+1) while the click is handed to the native bar, else its hot one (+3).
int ScrollArrowFrame(bool vertical, bool second, int hotPart, bool dragging);
// The thumb's frame: 2 pressed, 3 hot, 1 normal.
int ScrollThumbFrame(int hotPart, bool dragging);
// The grip glyph's frame for a thumb frame: 17.. on a horizontal thumb, 20.. on a vertical one.
int ScrollGripFrame(bool vertical, int thumbFrame);
