// Plain areas drawn in the skin's face colour: the size grip of a dialog (TSkinSizer), the pages
// of a skinned page control (TSkinTabSheet) and dialogs and toolbars inside other windows
// (TSkinBoxH), whose static texts take the face colour too.
#pragma once

#include "skin/skin_control.h"

class TSkinSizer : public TSkinControl {
  QS_CLASS(TSkinSizer)

 public:
  using TSkinControl::TSkinControl;
  // After the native grip has painted: the face colour over it.
  void DrawSkin(HDC dc, const RECT& rect) override;
};

class TSkinTabSheet : public TSkinControl {
  QS_CLASS(TSkinTabSheet)

 public:
  using TSkinControl::TSkinControl;
  // With Mode 0 the sheet is painted and erased here; another Mode keeps the sheet's own.
  bool BeforeMessage(TMessage& m) override;
  bool PaintsInstead() const override;
  // The face colour, then the sheet's windowless controls.
  void DrawSkin(HDC dc, const RECT& rect) override;
};

class TSkinBoxH : public TSkinControl {
  QS_CLASS(TSkinBoxH)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& m) override;
};
