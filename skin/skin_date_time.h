// Date-time pickers drawn with the skin's sunken border, and a painted arrow laid over the
// picker's own drop-down button: a click on the arrow is handed to the picker at the same
// place, so the calendar opens as it would from the native button.
#pragma once

#include <windows.h>

#include "gui/controls.h"
#include "skin/skin_control.h"

class TSkinDateTime;

class TArrowButton : public TCustomControl {
  QS_CLASS(TArrowButton)

 public:
  explicit TArrowButton(TComponent* owner);
  // Placed inside the picker over its button; the picker clips it out of its own painting.
  void AttachTo(TSkinDateTime* skinner, TWinControl* picker);
  // Follows the picker's window rectangle (from 0, 0).
  void Reposition(const RECT& rect);
  bool Hot() const { return hot_; }

 protected:
  void WndProc(TMessage& m) override;
  void Paint() override;

 private:
  bool ButtonLeft() const;

  int width_;
  TWinControl* picker_ = nullptr;
  TSkinDateTime* skinner_ = nullptr;
  HWND pickerWindow_ = nullptr;
  bool hot_ = false;
};

class TSkinDateTime : public TSkinControl {
  QS_CLASS(TSkinDateTime)

 public:
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // Owned by the skinner.
  TArrowButton* ArrowButton = nullptr;
};
