#include "gui/hint_window.h"

namespace {
// Room between the border and the text.
constexpr int kMarginX = 4, kMarginY = 2;
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
}  // namespace

const TClassInfo& THintWindow::StaticClass() {
  static const TClassInfo info(L"THintWindow", &TCustomControl::StaticClass(), nullptr, {});
  return info;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetDefaultVisible(false);
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::wstring& hint) {
  TRect r = Rect(0, 0, maxWidth, 0);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  DrawTextW(dc, hint.c_str(), static_cast<int>(hint.size()), &r, kTextFormat | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  // The text, its margins and the one-pixel border on each side.
  r.right += 2 * (kMarginX + 1);
  r.bottom += 2 * (kMarginY + 1);
  return r;
}

void THintWindow::ActivateHint(TRect rect, const std::wstring& hint) {
  SetCaption(hint);
  // Kept on the screen of the work area.
  TRect area;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  if (rect.right > area.right) OffsetRect(&rect, area.right - rect.right, 0);
  if (rect.bottom > area.bottom) OffsetRect(&rect, 0, area.bottom - rect.bottom);
  if (rect.left < area.left) OffsetRect(&rect, area.left - rect.left, 0);
  if (rect.top < area.top) OffsetRect(&rect, 0, area.top - rect.top);
  SetBounds(rect.left, rect.top, ::Width(rect), ::Height(rect));
  SetWindowPos(Handle(), HWND_TOPMOST, rect.left, rect.top, ::Width(rect), ::Height(rect),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  TControl::SetVisible(true);
  Invalidate();
}

void THintWindow::ReleaseHint() {
  if (!Visible()) return;
  TControl::SetVisible(false);
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void THintWindow::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush().Color = Color();
  canvas.Brush().Style = TBrushStyle::bsSolid;
  TRect r = ClientRect();
  canvas.FillRect(r);
  InflateRect(&r, -kMarginX, -kMarginY);
  canvas.Brush().Style = TBrushStyle::bsClear;
  canvas.DrawText(Caption(), r, kTextFormat);
}
