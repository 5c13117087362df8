#include "gui/control_canvas.h"

TControlCanvas::TControlCanvas(TWinControl* control) : wnd_(control->Handle()) {
  SetHandle(GetDC(wnd_));
  Font().Assign(*control->Font());
}

TControlCanvas::~TControlCanvas() { ReleaseDC(wnd_, Handle()); }
