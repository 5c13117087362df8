// The edit, combo box and date-time picker skinners' decisions, free of windows so they can be
// checked as tables: whether a control has a border to paint, which frame a combo box shows,
// where its button and a picker's arrow go, when the mouse makes the button hot, and how the
// drop-down list's own thumb tracking turns mouse moves into list positions and when it ends.
#pragma once

#include <windows.h>

// The border painters draw only when the client area is smaller than the window both ways.
bool HasPaintedBorder(SIZE window, SIZE client);
// A border printed for WM_PRINT needs more than two pixels of frame both ways.
bool HasPrintedBorder(SIZE window, SIZE client);

// Frames of the combo and arrow strips.
constexpr int kComboNormal = 1, kComboPressed = 2, kComboDisabled = 3, kComboHot = 4;
struct TComboLookState {
  bool Enabled = true;
  bool Pressed = false;
  bool Focused = false;
  bool Hot = false;
};
// The composed and the separate looks: pressed, then focused or hot, else normal; a disabled
// control always shows the disabled frame.
int ComboFrame(const TComboLookState& state);
// The simple look: pressed, then focused or hot, then normal when enabled, else disabled (a
// focused disabled combo box still shows the hot frame).
int ComboSimpleFrame(const TComboLookState& state);

// The separate look's parts in a combo box of rect (from 0, 0), with arrow size cx: the inner
// area left out of the frame's paint, the button and the area its glyph is centred in. A
// right-to-left combo box has its button on the left.
struct TComboParts {
  RECT Excluded{};
  RECT Button{};
  RECT Glyph{};
};
TComboParts ComboParts(const RECT& rect, int cx, bool buttonLeft);
// Whether a combo box of that width gets its button drawn on the left: where the control has
// its own button (GetComboBoxInfo's rcButton, when there is one), so the skin's button never
// lies over the text; without that answer, the right-to-left style (WS_EX_LEFTSCROLLBAR).
bool ComboButtonOnLeft(bool leftScrollBarStyle, const RECT* nativeButton, int width);
// The simple look's button: frameWidth wide at the inner rectangle's right (left) edge, as high
// as the inner rectangle, or frameHeight high when the image is shorter than thumbHeight.
RECT ComboSimpleButton(const RECT& inner, int frameWidth, int frameHeight, int thumbHeight, bool buttonLeft);

// What a mouse move over a combo box does to its hot look.
enum class THoverChange { None, Enter, Leave };
THoverChange ComboHoverChange(bool hot, bool insideButton, bool enabled);

// The painted arrow over a picker of that window size: arrowSize wide, four pixels shorter
// than the picker, two pixels from the right edge's native button (or at 2 on the left).
RECT PickerArrowRect(SIZE picker, int arrowSize, bool buttonLeft);

// The drop-down list's thumb tracking: the list position for a cursor moved by delta pixels
// along the bar since the press. TrackLength is the bar less both arrows, StartOffset the
// thumb's start less one arrow at the press.
struct TThumbTrack {
  int Min = 0, Max = 0, Page = 0;
  int TrackLength = 0, ThumbLength = 0, StartOffset = 0;
};
int ThumbTrackPosition(const TThumbTrack& track, int delta);

// One turn of the tracking loop, from the state of the list and the mouse and the message just
// taken from the queue (0 when none came before the wait ran out).
enum class TThumbTrackStep {
  Wait,      // nothing to do: wait for the next message
  Dispatch,  // a message of someone else: dispatched as the message loop would
  Track,     // a mouse move: dispatched, then the list follows the thumb
  Finish,    // the button is up, or the capture went elsewhere: the list settles, the loop ends
  Quit,      // WM_QUIT: the list settles, the quit is posted again, the loop ends
  Gone,      // the list is destroyed: the loop ends, nothing more is sent to it
};
struct TThumbTrackState {
  bool ListAlive = true;
  bool ListHasCapture = true;
  bool ButtonDown = true;
  UINT Message = 0;
};
TThumbTrackStep ThumbTrackStep(const TThumbTrackState& state);
