// Edits and memos drawn with the skin's sunken border (a shadow line with two white lines
// inside it) over the control's own frame; an up-down inside the edit gets its own skinner.
#pragma once

#include "skin/skin_control.h"

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
  QS_CLASS(TSkinEdit)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  // The border as WM_PRINT wants it, into dc or (null) the window DC.
  void PrintBorder(HDC dc);

  // The skinner of the up-down child, once one is found.
  TSkinUpDown* SpinButton = nullptr;

 private:
  void AttachSpinButton();
  void DrawPrintBorder(HDC dc, const RECT& rect);

  // The state of a DC given with WM_PAINT or WM_PRINT, saved before the edit paints into it.
  int savedDC_ = 0;
};
