// Page controls whose tabs look like buttons: each tab drawn in the skin's button face (the
// focused tab pressed) with its text and image centred, in the button's text colours.
#pragma once

#include "skin/skin_control.h"

class TSkinTabBtn : public TSkinControl {
  QS_CLASS(TSkinTabBtn)

 public:
  using TSkinControl::TSkinControl;
  // Without the skin's button face the tab row stays unpainted.
  void DrawSkin(HDC dc, const RECT& rect) override;
};
