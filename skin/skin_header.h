// Header controls (a report list view's column header) drawn from the skin's "Headerbar"
// element: each item in the normal frame, the item under the mouse in the hot frame, the
// empty rest right of the last item in the normal frame; item texts and images as the
// header's items give them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/skin_control.h"

class TSkinHeader : public TSkinControl {
  QS_CLASS(TSkinHeader)

 public:
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  void AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host) override;
  bool BeforeMessage(TMessage& m) override;
  // A part of the list view's skinner, with no kind of its own: it always paints the header.
  bool PaintsInstead() const override { return true; }
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // Each item's zone at the last paint (the item less its dividers).
  std::vector<RECT> ItemRects;
  // The item shown hot; -1 for none.
  int HotItem = -1;

 private:
  bool HasLook() const;
  void TrackHotItem(POINT point);
  void DrawItem(HDC dc, HIMAGELIST images, int index, const RECT& rect);
  void DrawItemContent(HDC dc, const RECT& rect, int alignment, const std::wstring& text, int image,
                       HIMAGELIST images);
};
