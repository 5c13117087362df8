#include "skin/skin_combo_scrollbar.h"

#include <windowsx.h>

#include "skin/list_thumb_track.h"
#include "skin/scroll_painter.h"
#include "skin/skin_data.h"

const TClassInfo& TComboxScrollBar::StaticClass() {
  static const TClassInfo info(L"TComboxScrollBar", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

namespace {
// The combo box tells its list to start tracking the mouse when the list drops down.
constexpr UINT kListStartTrack = 0x1AE;
}  // namespace

TComboxScrollBar::TComboxScrollBar(TComponent* owner) : TSkinControl(owner) {
  ArrowSize = GetSystemMetrics(SM_CXHSCROLL);
}

bool TComboxScrollBar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      return true;
    case WM_NCMOUSEMOVE:
      // Over the bar the native hot look would show through the painted bar.
      if (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL) {
        m.Result = 0;
        return false;
      }
      return true;
    case WM_NCLBUTTONDOWN:
      // A press on the thumb is followed by the list's own tracking, so the painted thumb can
      // show where it goes; arrows and track are left to the native bar.
      if (TrackListThumb(Handle, m.WParam, POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)})) {
        m.Result = 0;
        return false;
      }
      return true;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TComboxScrollBar::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case kListStartTrack:
      RepaintWindow(nullptr);
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TComboxScrollBar::DrawSkin(HDC dc, const RECT&) { DrawBar(dc); }

void TComboxScrollBar::DrawBar(HDC dc) {
  if (!Handle || !SkinData) return;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!GetScrollBarInfoSafe(Handle, OBJID_VSCROLL, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
  RECT window{};
  GetWindowRect(Handle, &window);
  const RECT& bar = info.rcScrollBar;
  const int width = bar.right - bar.left, height = bar.bottom - bar.top;
  if (width <= 0 || height <= 0 || width > window.right - window.left || height > window.bottom - window.top) return;
  const int thickness = ScrollPartThickness(*SkinData, ArrowSize);
  if (thickness <= 0) return;
  Length = height;
  ThumbStart = info.xyThumbTop;
  ThumbEnd = info.xyThumbBottom;
  TScrollPaint paint;
  paint.Vertical = true;
  paint.Length = Length;
  paint.Cross = thickness;
  paint.Arrow = ArrowSize;
  paint.Enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  paint.ThumbStart = ThumbStart;
  paint.ThumbEnd = ThumbEnd;
  PaintScrollBar(dc, POINT{bar.left - window.left, bar.top - window.top}, *SkinData, paint);
}
