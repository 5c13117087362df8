#include "skin/scroll_rules.h"

#include <algorithm>

int ScrollHitTest(int position, int arrow, int thumbStart, int thumbEnd, int length) {
  if (position < arrow) return kScrollFirstArrow;
  if (position < thumbStart) return kScrollTrackBefore;
  if (position < thumbEnd) return kScrollThumb;
  if (position < length - arrow) return kScrollTrackAfter;
  return kScrollSecondArrow;
}

int DraggedThumbStart(int startAtClick, int moved, int arrow, int length, int thumbLength) {
  const int start = startAtClick + moved;
  // The far bound last: on a bar too short for its thumb the thumb ends at the second arrow.
  return std::min(std::max(start, arrow), length - arrow - thumbLength);
}

int ScrollArrowLength(int arrow, int length) { return length < 2 * arrow ? length / 2 : arrow; }

int ScrollThickness(int stripHeight, int arrow) {
  return (stripHeight - arrow > 2 || arrow - stripHeight > 2) ? arrow : stripHeight;
}

TScrollLayout ScrollBarLayout(const RECT& bar, bool vertical, int arrow) {
  TScrollLayout l{bar, bar, bar};
  const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
  const int a = ScrollArrowLength(arrow, length);
  if (vertical) {
    l.FirstArrow.bottom = bar.top + a;
    l.SecondArrow.top = bar.bottom - a;
    l.Track.top = bar.top + arrow;
    l.Track.bottom = bar.bottom - arrow;
  } else {
    l.FirstArrow.right = bar.left + a;
    l.SecondArrow.left = bar.right - a;
    l.Track.left = bar.left + arrow;
    l.Track.right = bar.right - arrow;
  }
  return l;
}

int ScrollArrowFrame(bool vertical, bool second, int hotPart, bool dragging) {
  const int base = (vertical ? 9 : 1) + (second ? 4 : 0);
  const bool hot = hotPart == (second ? kScrollSecondArrow : kScrollFirstArrow);
  if (!hot) return base;
  return base + (dragging ? 1 : 3);
}

int ScrollThumbFrame(int hotPart, bool dragging) {
  if (hotPart != kScrollThumb) return 1;
  return dragging ? 2 : 3;
}

int ScrollGripFrame(bool vertical, int thumbFrame) { return (vertical ? 20 : 17) + thumbFrame - 1; }
