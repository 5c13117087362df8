// The speed-button skinner. A speed button has no window of its own: the skinner joins the
// control's WindowProc chain, paints into the DC its parent hands it, and repaints by
// invalidating the control (its Invalidator; it keeps no Handle and no Control). Flat buttons
// show only their background until hot or pressed; a latched (Down) button looks pressed and
// shows its strip's down frame. The click stays the control's own.
#pragma once

#include <memory>

#include "skin/skin_button.h"

class TSkinSpeedButton : public TSkinBitButton {
  QS_CLASS(TSkinSpeedButton)

 public:
  explicit TSkinSpeedButton(TComponent* owner);
  ~TSkinSpeedButton() override;

  // Speed buttons are attached through AttachSpeedButton (recolour plays no part).
  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  void AttachSpeedButton(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas);
  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  // Paints into the parent's DC clipped to the button, outside a WM_PAINT.
  void RepaintWindow(HDC dc) override;
  // The button into dc over rect (the button's own coordinates from 0, 0).
  void Paint(HDC dc, const RECT& rect);

  // Set while a paint runs: a paint asked for from inside it is skipped.
  bool Painting = false;

 private:
  TControl* Button() const;
  void RepaintVisible();
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
