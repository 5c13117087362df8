// Container skinners. TSkinGroupBox redraws a group box as a thin rounded frame in the skin's
// shadow colour with the caption cutting through its top line. TSkinBox only recolours a panel
// (or a navigator, or a form used as a control) to the skin's face colour and leaves its
// painting alone: it takes no part in the control's messages.
#pragma once

#include <windows.h>

#include "skin/skin_control.h"

class TSkinGroupBox : public TSkinControl {
  QS_CLASS(TSkinGroupBox)

 public:
  using TSkinControl::TSkinControl;

  // Mode 1 for a framework group box (painted whole), 0 for a dialog's (painted over).
  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  // A framework group box (Mode 1) is painted here; a plain window's frame goes over its own.
  bool PaintsInstead() const override;
  void DrawSkin(HDC dc, const RECT& rect) override { PaintFrame(dc, rect); }

 private:
  void PaintFrame(HDC dc, const RECT& rect);
};

class TSkinBox : public TSkinControl {
  QS_CLASS(TSkinBox)

 public:
  using TSkinControl::TSkinControl;
  // A skinner freed while its control lives on (the skin switched off) gives the colour back.
  ~TSkinBox() override;

  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  void AfterMessage(TMessage&) override {}
  // Colour and ParentBackground back, unless the control is being destroyed.
  void Detach() override;
};
