#include "skin/entry_rules.h"

#include <algorithm>

bool HasPaintedBorder(SIZE window, SIZE client) { return client.cx < window.cx && client.cy < window.cy; }

bool HasPrintedBorder(SIZE window, SIZE client) { return window.cx > client.cx + 2 && window.cy > client.cy + 2; }

int ComboFrame(const TComboLookState& state) {
  if (!state.Enabled) return kComboDisabled;
  if (state.Pressed) return kComboPressed;
  if (state.Focused || state.Hot) return kComboHot;
  return kComboNormal;
}

int ComboSimpleFrame(const TComboLookState& state) {
  if (state.Pressed) return kComboPressed;
  if (state.Focused || state.Hot) return kComboHot;
  return state.Enabled ? kComboNormal : kComboDisabled;
}

TComboParts ComboParts(const RECT& r, int cx, bool buttonLeft) {
  TComboParts p;
  if (buttonLeft) {
    p.Excluded = RECT{cx + 4, 2, r.right - 2, r.bottom - 2};
    p.Button = RECT{0, 0, cx + 2, r.bottom};
    p.Glyph = RECT{2, 0, cx + 2, r.bottom};
  } else {
    p.Excluded = RECT{2, 2, r.right - cx - 4, r.bottom - 2};
    p.Button = RECT{r.right - cx - 2, 0, r.right, r.bottom};
    p.Glyph = RECT{r.right - cx - 2, 0, r.right - 2, r.bottom};
  }
  return p;
}

bool ComboButtonOnLeft(bool leftScrollBarStyle, const RECT* nativeButton, int width) {
  if (!nativeButton || IsRectEmpty(nativeButton)) return leftScrollBarStyle;
  return nativeButton->left + nativeButton->right < width;
}

RECT ComboSimpleButton(const RECT& inner, int frameWidth, int frameHeight, int thumbHeight, bool buttonLeft) {
  RECT b = inner;
  if (buttonLeft)
    b.right = b.left + frameWidth;
  else
    b.left = b.right - frameWidth;
  if (frameHeight < thumbHeight) b.bottom = b.top + frameHeight;
  return b;
}

THoverChange ComboHoverChange(bool hot, bool insideButton, bool enabled) {
  if (hot && (!insideButton || !enabled)) return THoverChange::Leave;
  if (!hot && insideButton && enabled) return THoverChange::Enter;
  return THoverChange::None;
}

RECT PickerArrowRect(SIZE picker, int arrowSize, bool buttonLeft) {
  const int left = buttonLeft ? 2 : picker.cx - arrowSize - 4;
  return RECT{left, 0, left + arrowSize, picker.cy - 4};
}

int ThumbTrackPosition(const TThumbTrack& t, int delta) {
  const int room = t.TrackLength - t.ThumbLength;
  // A thumb as long as its track has nowhere to go.
  if (room <= 0 || t.TrackLength <= 0) return t.Min;
  int d = std::max(0, t.StartOffset + delta);
  int position;
  if (t.Page == 0) {
    d = std::min(d, room);
    position = std::min(MulDiv(d, t.Max - t.Min, t.TrackLength) + t.Min, t.Max);
  } else {
    if (d > room) d = room + 1;
    position = std::min(MulDiv(d, t.Max - t.Min - t.Page, room) + t.Min, t.Max - t.Page + 1);
  }
  return std::max(position, t.Min);
}

TThumbTrackStep ThumbTrackStep(const TThumbTrackState& s) {
  if (!s.ListAlive) return TThumbTrackStep::Gone;
  if (s.Message == WM_QUIT) return TThumbTrackStep::Quit;
  if (s.Message == WM_LBUTTONUP || s.Message == WM_NCLBUTTONUP) return TThumbTrackStep::Finish;
  // A button released where no message of it reaches the list, or a capture taken by another
  // window, ends the tracking as a release would: nothing else will.
  if (!s.ListHasCapture || !s.ButtonDown) return TThumbTrackStep::Finish;
  if (s.Message == WM_MOUSEMOVE || s.Message == WM_NCMOUSEMOVE) return TThumbTrackStep::Track;
  return s.Message ? TThumbTrackStep::Dispatch : TThumbTrackStep::Wait;
}
