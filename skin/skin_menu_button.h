// The drop-down (menu) button skinner: the push-button face, a glyph at the left, the caption and
// a small filled arrow pointing down after it. Mouse and keyboard handling are the push button's.
#pragma once

#include "skin/skin_button.h"

class TSkinMenuButton : public TSkinButton {
  QS_CLASS(TSkinMenuButton)

 public:
  using TSkinButton::TSkinButton;

  void DrawSkin(HDC dc, const RECT& rect) override;

 protected:
  int FaceFrame(const TButtonFaceState& state) const override { return MenuButtonFaceFrame(state); }
};
