// The small yellow window that shows a control's Hint.
#pragma once

#include <string>

#include "gui/controls.h"

class THintWindow : public TCustomControl {
  QS_CLASS(THintWindow)

 public:
  explicit THintWindow(TComponent* owner);

  // The screen rectangle (at 0,0) that the hint text needs, wrapped at maxWidth pixels.
  virtual TRect CalcHintRect(int maxWidth, const std::wstring& hint);
  // Shows the hint over everything in `rect` (screen coordinates) without taking the focus.
  virtual void ActivateHint(TRect rect, const std::wstring& hint);
  // Hides it again.
  void ReleaseHint();

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};
