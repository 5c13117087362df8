#include "skin/panel_rules.h"

#include <cwchar>

int GroupFrameTop(int textHeight) { return textHeight / 2 - 1; }

RECT GroupCaptionRect(const RECT& rect, bool rightAligned) {
  RECT r = rect;
  if (rightAligned)
    r.right -= 8;
  else
    r.left += 8;
  return r;
}

int StatusPanelFrame(const wchar_t* bevel) {
  if (bevel && wcscmp(bevel, L"pbRaised") == 0) return kPanelRaised;
  if (bevel && wcscmp(bevel, L"pbNone") == 0) return kPanelFlat;
  return kPanelLowered;
}

UINT StatusPanelAlignment(const wchar_t* alignment, bool rightToLeft) {
  if (alignment && wcscmp(alignment, L"taCenter") == 0) return DT_CENTER;
  const bool right = alignment && wcscmp(alignment, L"taRightJustify") == 0;
  return right != rightToLeft ? DT_RIGHT : DT_LEFT;
}

RECT StatusPanelRect(const RECT& reported, bool last, const RECT& bar) {
  RECT r = reported;
  r.right = last ? bar.right : r.right + 2;
  return r;
}

RECT SizeGripRect(const RECT& bar, SIZE grip) {
  return RECT{bar.right - 1 - grip.cx, bar.bottom - 1 - grip.cy, bar.right - 1, bar.bottom - 1};
}
