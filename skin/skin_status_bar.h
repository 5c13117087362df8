// The status-bar skinner: the bar's panels (or its one simple text) framed from the skin's
// "StatusBarEdges" element, plain bevels without one, and a size grip from "ExtraImages". No
// rule of the control discovery makes it: an application's OnSkinControl handler hands it out.
#pragma once

#include <windows.h>

#include "skin/skin_control.h"

class TSkinStatusBar : public TSkinControl {
  QS_CLASS(TSkinStatusBar)

 public:
  using TSkinControl::TSkinControl;

  bool BeforeMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // A panel's frame (1 lowered, 2 raised, 3 flat) over rect of the buffer.
  void DrawPanelFrame(HDC buffer, const RECT& rect, int frame) const;
};
