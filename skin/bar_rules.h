// The progress, track-bar and up-down skinners' decisions, free of windows so they can be
// checked as tables: how far a progress bar is filled, where a track bar's channel art goes,
// what a track bar's custom-draw notification is answered, and which frame an up-down shows.
#pragma once

#include <windows.h>

// The filled part of a bar `length` long: length * (position - lower) / (upper - lower), within
// 0..length; nothing for an empty or upside-down range.
int ProgressFillLength(int length, int position, int lower, int upper);

// The channel rectangle in the control's own coordinates. The control reports a vertical
// channel either as it lies or with its coordinates exchanged (as for a horizontal one); its
// shape tells which: a vertical channel is taller than wide.
RECT TrackChannelRect(const RECT& reported, bool vertical);

// What the skinner does at a custom-draw notification of the track bar.
enum class TTrackDrawStep {
  Default,      // the control's own drawing (ticks, and any stage the skinner has no part in)
  NotifyItems,  // ask for the item notifications
  Thumb,        // the skinner draws the thumb instead of the control
  Channel,      // the skinner draws the channel instead of the control
};
TTrackDrawStep TrackDrawStep(DWORD drawStage, DWORD_PTR itemSpec);
// The notification's answer for that step (CDRF_*).
LRESULT TrackDrawAnswer(TTrackDrawStep step);

// An up-down button's state at a paint (1 normal, 2 pressed, 3 disabled, 4 hot): 3 for a
// disabled control; 1 while the cursor is over the other button; else the mouse state's pressed
// bit (bit 1) gives 2 and its mouse-over bit (bit 0) 4.
int UpDownButtonState(bool disabled, bool cursorOnOtherButton, unsigned mouseState);
// The frame (from 1) of an up-down element of 8 frames: the first button's (up or left) four
// states, then the second's (down or right). Buttons: 0 up, 1 down, 2 left, 3 right.
int UpDownFrame(int button, int state);
