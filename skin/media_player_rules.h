// The media player overlay's decisions, free of windows: which buttons a player shows (from
// the text of its set properties), which button lies under a point, the face and picture of a
// button, and what the player is told when the mouse is released.
#pragma once

#include <array>
#include <string>

// Button kinds in the player's order: play, pause, stop, next, previous, step, back, record,
// eject. kNoMediaButton stands for none.
constexpr int kMediaButtons = 9;
constexpr int kNoMediaButton = 9;
using TMediaButtonSet = std::array<bool, kMediaButtons>;

// The member name of a button kind in the player's sets ("btPlay").
const wchar_t* MediaButtonMember(int button);
// The resource name of a button kind ("MPPLAY").
const char* MediaButtonResource(int button);
// Which kinds a set property's text names ("btPlay,btStop", brackets or not; case ignored).
TMediaButtonSet MediaButtonsIn(const std::wstring& setText);
int CountMediaButtons(const TMediaButtonSet& buttons);
// The visible button under x, buttons buttonWidth wide from the left; a shared edge belongs to
// the left one. kNoMediaButton past the last one.
int MediaButtonAt(int x, const TMediaButtonSet& visible, int buttonWidth);
// The "Buttons" face frame of a button: pressed while the press that started on it lasts,
// disabled, normal.
int MediaButtonFace(bool pressed, bool isPressedButton, bool enabled);
// Which picture a button shows: 0 enabled, 1 disabled, 2 coloured (an enabled coloured button).
int MediaButtonPicture(bool enabled, bool coloured);

// What the player gets for a release over the overlay.
enum class TMediaRelease {
  None,        // no press of the player is outstanding: nothing
  AtPosition,  // over the button the press started on: the release as it came, so it acts
  Outside,     // elsewhere: a release outside the player, which ends its press without acting
};
TMediaRelease MediaReleaseOf(bool pressOutstanding, int hitButton, int downButton);
