// Up-down arrow pairs drawn from the skin: "UpDown.Vert" (up over down) or "UpDown.Horz" (left
// beside right), each of 8 frames (the first button's normal, pressed, disabled and hot frames,
// then the second's), with an optional glyph strip laid centred over each button. Without the
// element each button is a plain face with an arrow. Also the spin button inside a skinned edit
// (Embedded) and the scroll arrows of a skinned tab control (Horizontal 1).
#pragma once

#include "skin/skin_control.h"

class TDataSkinBorder;

class TSkinUpDown : public TSkinControl {
  QS_CLASS(TSkinUpDown)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The spin button of a skinned edit: it keeps 3 pixels from its parent's edges.
  bool Embedded = false;
  // 1 forces the horizontal look; 0 lets the window style decide.
  int Horizontal = 0;

 private:
  void EraseBackground(HDC dc);
  void DrawButton(HDC dc, const RECT& rect, int button, int state, const TDataSkinBorder& element);
  void DrawPlainButton(HDC dc, const RECT& rect, int button, int state);
  RECT EmbeddedRect(HDC dc, const RECT& rect) const;
};
