#include "skin/skin_popup_menu.h"

#include "gui/memory_dc.h"
#include "skin/draw_primitives.h"
#include "skin/skin_data.h"
#include "skin/skin_messages.h"

void TWinSkinPopMenu::Attach(HWND window, TSkinData* skinData, const bool* skinningEnabled) {
  Window = window;
  skinData_ = skinData;
  skinningEnabled_ = skinningEnabled;
  HookWindow(window);
}

void TWinSkinPopMenu::Detach() {
  RemoveHook();
  Background = TBitmap();
}

bool TWinSkinPopMenu::CanPaint() const {
  return skinData_ && !skinData_->NoSkin && skinData_->Elements.MenuBackground &&
         !skinData_->Elements.MenuBackground->Image.Empty();
}

void TWinSkinPopMenu::WndProc(TMessage& m) {
  if (m.Msg == SKM_QUERYSKINNED) {
    m.Result = 1;
    return;
  }
  if (skinningEnabled_ && !*skinningEnabled_) {
    CallDefault(m);
    return;
  }
  switch (m.Msg) {
    case WM_DESTROY:
      CallDefault(m);
      Detach();
      return;
    case WM_ERASEBKGND:
      if (!skinData_ || !skinData_->Options().Contains(TSkinOption::xoMenuBG)) CallDefault(m);
      m.Result = 1;
      return;
    case WM_NCPAINT:
      PaintFrame(m);
      return;
    case WM_PRINT:
      PrintMenu(m);
      return;
    default:
      CallDefault(m);
  }
}

void TWinSkinPopMenu::RenderBackground() {
  RECT r;
  GetWindowRect(Window, &r);
  OffsetRect(&r, -r.left, -r.top);
  const TDataSkinObject& element = *skinData_->Elements.MenuBackground;
  Background = RenderElement(r, element.Image, element.Margins(), false, element.Tile != 0, 1, 1);
}

void TWinSkinPopMenu::PaintFrame(TMessage& m) {
  // The whole frame, whatever the update region in wParam says (a region handle under Wine, 1
  // elsewhere): a partial native frame would show through otherwise.
  if (!CanPaint()) {
    CallDefault(m);
    return;
  }
  RenderBackground();
  HDC dc = GetWindowDC(Window);
  if (dc) {
    TBitmapDC source(Background.Handle());
    BitBlt(dc, 0, 0, Background.Width(), Background.Height(), source, 0, 0, SRCCOPY);
    ReleaseDC(Window, dc);
  }
  m.Result = 0;
}

void TWinSkinPopMenu::PrintMenu(TMessage& m) {
  if (!CanPaint()) {
    CallDefault(m);
    return;
  }
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  RenderBackground();
  {
    TBitmapDC source(Background.Handle());
    BitBlt(dc, 0, 0, Background.Width(), Background.Height(), source, 0, 0, SRCCOPY);
  }
  RECT inner{0, 0, Background.Width(), Background.Height()};
  InflateRect(&inner, -3, -3);
  HRGN clip = CreateRectRgnIndirect(&inner);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  SelectClipRgn(dc, clip);
  CallDefault(m);
  SelectClipRgn(dc, nullptr);
  DeleteObject(clip);
  SetBkMode(dc, oldMode);
}
