#include "skin/skin_up_down.h"

#include <commctrl.h>

#include "gui/memory_dc.h"
#include "skin/bar_rules.h"
#include "skin/control_draw.h"
#include "skin/draw_primitives.h"
#include "skin/skin_data.h"

const TClassInfo& TSkinUpDown::StaticClass() {
  static const TClassInfo info(L"TSkinUpDown", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

bool TSkinUpDown::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      EraseBackground(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The control takes the press first (capture, the first step, its repeat timer).
      CallDefault(m);
      MouseState |= 2;
      RepaintWindow(nullptr);
      return false;
    case WM_LBUTTONUP:
      MouseState &= ~2;
      CallDefault(m);
      RepaintWindow(nullptr);
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinUpDown::EraseBackground(HDC dc) {
  if (Control || !Handle || !dc) return;
  RECT client{};
  GetClientRect(Handle, &client);
  FillSolid(dc, client, RGB(255, 255, 255));
}

RECT TSkinUpDown::EmbeddedRect(HDC dc, const RECT& rect) const {
  RECT client{};
  GetClientRect(Handle, &client);
  FillSolid(dc, client, RGB(255, 255, 255));
  RECT r = rect, parent{}, own{};
  HWND parentWindow = GetParent(Handle);
  if (!parentWindow || !GetWindowRect(parentWindow, &parent) || !GetWindowRect(Handle, &own)) return r;
  // The spin button keeps 3 pixels from its parent's top, bottom and right edges.
  const int top = own.top - parent.top, bottom = parent.bottom - own.bottom, right = parent.right - own.right;
  if (top < 3) r.top += 3 - top;
  if (bottom < 3) r.bottom -= 3 - bottom;
  if (right < 3) r.right -= 3 - right;
  return r;
}

void TSkinUpDown::DrawSkin(HDC dc, const RECT& rect) {
  if (!Handle || !SkinData) return;
  const RECT area = Embedded ? EmbeddedRect(dc, rect) : rect;
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  TBitmap buffer(width, height);
  if (buffer.Empty()) return;
  buffer.Fill(EntryColour(SkinData, kColourButtonFace));
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(Handle, &cursor);
  const LONG_PTR style = GetWindowLongPtrW(Handle, GWL_STYLE);
  WindowEnabled = (style & WS_DISABLED) == 0;
  const bool horizontal = Horizontal == 1 || (style & UDS_HORZ) != 0;
  const TDataSkinBorder* element =
      horizontal ? SkinData->Elements.UpDownHorz.get() : SkinData->Elements.UpDownVert.get();
  if (element && element->Image.Empty()) element = nullptr;
  const int half = (horizontal ? width : height) / 2;
  const int along = horizontal ? cursor.x : cursor.y;
  {
    TBitmapDC bdc(buffer.Handle());
    for (int second = 0; second < 2; ++second) {
      RECT r = horizontal ? RECT{second ? half : 0, 0, second ? width : half, height}
                          : RECT{0, second ? half : 0, width, second ? height : half};
      const int button = (horizontal ? 2 : 0) + second;
      const bool onOther = second ? along < half : along > half;
      const int state = UpDownButtonState(!WindowEnabled, onOther, MouseState);
      if (element)
        DrawButton(bdc, r, button, state, *element);
      else
        DrawPlainButton(bdc, r, button, state);
    }
  }
  TBitmapDC src(buffer.Handle());
  BitBlt(dc, area.left, area.top, width, height, src, 0, 0, SRCCOPY);
}

void TSkinUpDown::DrawButton(HDC dc, const RECT& rect, int button, int state, const TDataSkinBorder& element) {
  const int frame = UpDownFrame(button, state);
  DrawElementCell(dc, rect, element.Image, true, element.Frames(), frame);
  if (!element.Image2.Empty()) DrawElementCellCentered(dc, rect, element.Image2, true, element.Frames(), frame);
}

void TSkinUpDown::DrawPlainButton(HDC dc, const RECT& rect, int button, int state) {
  const bool sunk = state == 2 || state == 4;
  HBRUSH brush = CreateSolidBrush(EntryColour(SkinData, sunk ? kColourButtonShadow : kColourButtonFace));
  HPEN pen = CreatePen(PS_SOLID, 1, EntryColour(SkinData, kColourButtonDkShadow));
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  const int x = rect.left + (rect.right - rect.left) / 2;
  const int y = rect.top + (rect.bottom - rect.top) / 2 - (button < 2 ? 2 : 0);
  DrawArrowGlyph(dc, x, y, button);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}
