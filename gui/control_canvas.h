// Drawing on a windowed control outside its own painting (progress marks in a list view's
// cell): a canvas that holds the window's device context for as long as it lives. What it
// draws stays until the window paints that place again.
#pragma once

#include "gui/controls.h"

class TControlCanvas : public TCanvas {
 public:
  // The control's window is made when it has none yet; the canvas starts with its font.
  explicit TControlCanvas(TWinControl* control);
  ~TControlCanvas();
  TControlCanvas(const TControlCanvas&) = delete;
  TControlCanvas& operator=(const TControlCanvas&) = delete;

 private:
  HWND wnd_;
};
