// Track bars drawn from the skin through the control's own custom-draw notifications: the
// channel from "Track" (or "TRACKVERT" for a vertical bar) and the thumb from
// "Trackbar.ThumbHorz" / "Trackbar.ThumbVert". The ticks stay the control's.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "skin/skin_control.h"

class TSkinTrackBar : public TSkinControl {
  QS_CLASS(TSkinTrackBar)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& m) override;
  // A new skin shows at the next paint; the focus stays where it is.
  void SkinChanged() override;
  LRESULT CustomDraw(const NMCUSTOMDRAW& draw);

 private:
  bool Vertical() const;
  void DrawChannel(HDC dc);
  void DrawThumb(HDC dc);
};
