#include "skin/bar_rules.h"

#include <commctrl.h>

int ProgressFillLength(int length, int position, int lower, int upper) {
  if (length <= 0 || upper <= lower || position <= lower) return 0;
  if (position >= upper) return length;
  return static_cast<int>(static_cast<long long>(length) * (static_cast<long long>(position) - lower) /
                          (static_cast<long long>(upper) - lower));
}

RECT TrackChannelRect(const RECT& reported, bool vertical) {
  const bool tallerThanWide = reported.bottom - reported.top > reported.right - reported.left;
  if (!vertical || tallerThanWide) return reported;
  return RECT{reported.top, reported.left, reported.bottom, reported.right};
}

TTrackDrawStep TrackDrawStep(DWORD drawStage, DWORD_PTR itemSpec) {
  if (drawStage == CDDS_PREPAINT) return TTrackDrawStep::NotifyItems;
  if (drawStage != CDDS_ITEMPREPAINT) return TTrackDrawStep::Default;
  switch (itemSpec) {
    case TBCD_THUMB:
      return TTrackDrawStep::Thumb;
    case TBCD_CHANNEL:
      return TTrackDrawStep::Channel;
    default:
      return TTrackDrawStep::Default;
  }
}

LRESULT TrackDrawAnswer(TTrackDrawStep step) {
  switch (step) {
    case TTrackDrawStep::NotifyItems:
      return CDRF_NOTIFYITEMDRAW;
    case TTrackDrawStep::Thumb:
    case TTrackDrawStep::Channel:
      return CDRF_SKIPDEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

int UpDownButtonState(bool disabled, bool cursorOnOtherButton, unsigned mouseState) {
  if (disabled) return 3;
  if (cursorOnOtherButton) return 1;
  if (mouseState & 2) return 2;
  if (mouseState & 1) return 4;
  return 1;
}

int UpDownFrame(int button, int state) { return (button < 2 ? button : button - 2) * 4 + state; }
