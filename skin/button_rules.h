// The push-button skinners' decisions and the strip arithmetic of the control drawing helpers,
// free of windows so they can be checked as tables: which frame of a strip a state shows and
// where that frame lies, which face and glyph frame a button shows, where a bit button's glyph
// and caption go, and the text-format and caption rules every button shares.
#pragma once

#include <windows.h>

#include <string>

// A frame count below 1 counts as 1.
int StripFrames(int frames);
// A frame number (from 1) kept inside a strip of that many frames.
int StripFrame(int frame, int frames);
// The columns of that frame in a horizontal strip: frame n of F frames, each width div F wide,
// at the full height.
RECT StripCell(int width, int height, int frames, int frame);

// DT_RTLREADING added for a control whose BiDiMode is bdRightToLeft (the other right-to-left
// modes keep the format).
UINT RtlFormat(UINT format, const std::wstring& biDiMode);
// Only the first occurrence of find replaced; "||" in a caption becomes a line break this way.
std::wstring ReplaceFirst(const std::wstring& text, const std::wstring& find, const std::wstring& replacement);

// The face frames of the "Buttons" element.
constexpr int kFaceNormal = 1, kFacePressed = 2, kFaceDisabled = 3, kFaceHot = 4, kFaceFocused = 5;
struct TButtonFaceState {
  bool Enabled = true;
  bool Pressed = false;
  bool MouseOver = false;
  bool Focused = false;
  bool IsDefault = false;
};
// Disabled over everything, then pressed, mouse over, focused or default, normal.
int ButtonFaceFrame(const TButtonFaceState& state);
// The glyph strip frame (1 up, 2 disabled, 3 down) that a face frame shows.
int GlyphFrameOfFace(int faceFrame);
// The Tag that asks for a control to be drawn over its parent's background.
constexpr int kTransparentTag = 5555;
// Whether a button or check control is drawn over its parent's background instead of the skin's
// face: its Tag asks for it, or the skin's xoTransparent does for every control.
bool DrawsTransparent(int tag, bool skinTransparent);
// 1 for the vendors' buttons (class names starting "trz" or "tel", any case) that run their own
// OnMouseDown, 0 for the rest, which get it forwarded.
int ButtonMouseMode(const std::wstring& className);

// Glyph layouts of a bit button.
constexpr int kGlyphLeft = 0, kGlyphRight = 1, kGlyphTop = 2, kGlyphBottom = 3;
// The layout from the lower-cased member name of "Layout"; a missing or unknown one is left.
int GlyphLayoutOf(const std::wstring& layoutName);
struct TGlyphLayoutInput {
  SIZE Client{};  // the button
  SIZE Glyph{};
  SIZE Text{};
  int Margin = -1;   // -1: glyph and text centred together
  int Spacing = 4;   // -1: the text centred in what the glyph leaves
  int Layout = kGlyphLeft;
  bool AlignCentre = false;  // "Alignment" reads "tacenter": centred together whatever the margin
  bool WiderMargin = false;  // speed buttons: a margin computed for a given spacing is one pixel more
};
struct TGlyphPlacement {
  POINT Glyph{};
  POINT Text{};
  UINT ExtraFormat = 0;  // DT_RIGHT or DT_CENTER added to the caption's format
};
TGlyphPlacement PlaceGlyphAndText(const TGlyphLayoutInput& in);

// A drop-down (menu) button: disabled, pressed, focused or hot (one look), normal; it has no
// default look.
int MenuButtonFaceFrame(const TButtonFaceState& state);
// Glyph at the left, caption, then a small arrow (8 pixels of room) pointing down.
struct TMenuButtonInput {
  SIZE Client{};
  SIZE Glyph{};  // the whole glyph bitmap
  SIZE Text{};
  int Margin = -1;   // -1: computed from the room left over
  int Spacing = -1;  // -1: computed from the room left over
};
struct TMenuButtonPlacement {
  POINT Glyph{};
  POINT Text{};
  POINT Arrow{};  // the arrow's tip column and the row above its top edge
};
TMenuButtonPlacement PlaceMenuButton(const TMenuButtonInput& in);

// A speed button's face: latched Down looks pressed, then disabled, pressed, hot, normal.
struct TSpeedFaceState {
  bool Down = false;
  bool Enabled = true;
  bool Pressed = false;
  bool MouseOver = false;
};
int SpeedButtonFaceFrame(const TSpeedFaceState& state);
// Its glyph strip frame: a Down button shows frame 4 (the strip's latched look), otherwise as
// a bit button.
int SpeedButtonGlyphFrame(int faceFrame, bool down);
// A flat speed button shows only its background until it is hot or pressed.
bool SpeedButtonShowsFace(int faceFrame, bool flat);

// What decides a check box's glyph frame.
struct TCheckFrameInput {
  UINT ButtonState = 0;            // BM_GETSTATE
  bool HasControl = false;
  const wchar_t* State = nullptr;  // the published "State" member name, lower case; null when missing
  const wchar_t* Checked = nullptr;  // the published "Checked" as text, lower case; null when missing
  bool HasDataField = false;
  int CheckState = 0;              // 0, or 1 + the last BM_SETCHECK's wParam
  bool HasDataBinding = false;
  bool Disabled = false;
  int Frames = 4;
};
// Four-frame strips: 1 unchecked, 2 checked, 3 and 4 their disabled looks (4 also
// indeterminate); a 12-frame strip has unchecked 1, checked 5, indeterminate 9, each disabled
// three frames on. Kept inside the strip.
int CheckBoxFrame(const TCheckFrameInput& in);
// The same for a radio button; an 8-frame strip has unchecked 1, checked 5, each disabled three on.
int RadioButtonFrame(bool checked, bool disabled, int frames);
