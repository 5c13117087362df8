#include "skin/skin_menu_button.h"

#include "gui/memory_dc.h"
#include "skin/control_draw.h"
#include "skin/skin_data.h"
#include "skin/skin_elements.h"

const TClassInfo& TSkinMenuButton::StaticClass() {
  static const TClassInfo info(L"TSkinMenuButton", &TSkinButton::StaticClass(), nullptr, {});
  return info;
}

void TSkinMenuButton::DrawSkin(HDC dc, const RECT& rect) {
  RECT r;
  if (!Handle || !SizeBackBuffer(rect, r)) return;
  TBitmapDC buffer(BackBuffer.Handle());
  HDC bdc = buffer;
  HGDIOBJ oldFont = SelectObject(bdc, reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
  const int frame = DrawFace(bdc, r, false);
  if (auto* font = dynamic_cast<TFont*>(GetObjectPropByName(Control, L"Font"))) SelectObject(bdc, font->Handle());

  // The glyph is the whole bitmap: a drop-down button's glyph has no state frames.
  auto* glyph = dynamic_cast<TBitmap*>(GetObjectPropByName(Control, L"Glyph"));
  TMenuButtonInput in;
  in.Client = {r.right, r.bottom};
  if (glyph && !glyph->Empty()) in.Glyph = {glyph->Width(), glyph->Height()};
  in.Margin = static_cast<int>(GetOrdPropByName(Control, L"Margin"));
  in.Spacing = static_cast<int>(GetOrdPropByName(Control, L"Spacing"));
  WindowText = ReplaceFirst(WindowText, L"||", L"\r\n");
  in.Text = MeasureCaption(bdc, RECT{0, 0, r.right - in.Glyph.cx - 8, r.bottom});
  const TMenuButtonPlacement place = PlaceMenuButton(in);
  if (glyph && !glyph->Empty())
    TSkinBitButton::DrawGlyphFrame(
        bdc, RECT{place.Glyph.x, place.Glyph.y, place.Glyph.x + in.Glyph.cx, place.Glyph.y + in.Glyph.cy}, 1, 1, *glyph);

  const COLORREF ink = WindowEnabled ? GetSysColor(COLOR_WINDOWTEXT) : DisabledTextColour();
  SetTextColor(bdc, TextColour(frame, false));
  HBRUSH brush = CreateSolidBrush(ink);
  HPEN pen = CreatePen(PS_SOLID, 1, ink);
  HGDIOBJ oldBrush = SelectObject(bdc, brush), oldPen = SelectObject(bdc, pen);
  const POINT arrow[] = {{place.Arrow.x, place.Arrow.y + 2}, {place.Arrow.x - 3, place.Arrow.y - 1},
                         {place.Arrow.x + 3, place.Arrow.y - 1}};
  Polygon(bdc, arrow, 3);
  SelectObject(bdc, oldPen);
  SelectObject(bdc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);

  DrawPlacedCaption(bdc, RECT{place.Text.x, place.Text.y, place.Text.x + in.Text.cx, place.Text.y + in.Text.cy},
                    DT_WORDBREAK);
  Present(dc, bdc, rect);
  SelectObject(bdc, oldFont);
}
