#include "skin/skin_tab_btn.h"

#include <commctrl.h>

#include <string>

#include "gui/memory_dc.h"
#include "skin/control_draw.h"
#include "skin/img_util.h"
#include "skin/skin_data.h"
#include "skin/skin_tab.h"
#include "skin/small_skinner_rules.h"

const TClassInfo& TSkinTabBtn::StaticClass() {
  static const TClassInfo info(L"TSkinTabBtn", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

void TSkinTabBtn::DrawSkin(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle) return;
  const TDataSkinButton& buttons = SkinData->Elements.Buttons;
  if (buttons.Image.Empty()) return;
  WindowEnabled = IsWindowEnabled(Handle) != FALSE;
  RECT display = rect;
  SendMessageW(Handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const RECT row = TabButtonRow(rect, display);
  const int width = row.right - row.left, height = row.bottom - row.top;
  if (width <= 0 || height <= 0) return;
  TBitmap buffer(width, height, TPixelFormat::pf24bit);
  if (buffer.Empty()) return;
  buffer.Fill(EntryColour(SkinData, kColourButtonFace));
  {
    TBitmapDC bdc(buffer.Handle());
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0))) SelectObject(bdc, font);
    SetTextColor(bdc, RGB(0, 0, 0));
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
    const int focus = static_cast<int>(SendMessageW(Handle, TCM_GETCURFOCUS, 0, 0));
    const int count = static_cast<int>(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      int image = -1;
      const std::wstring text = TabCaption(Handle, IsUnicode, i, image);
      RECT tab{};
      if (!SendMessageW(Handle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab))) continue;
      OffsetRect(&tab, -row.left, 1 - row.top);
      const int frame = TabButtonFrame(i, focus);
      DrawElementFrame(bdc, tab, buttons.Frames(), frame, buttons);
      // A colour the skin does not give leaves the previous tab's.
      if (frame == 1 && buttons.NormalColour2Given)
        SetTextColor(bdc, static_cast<COLORREF>(SkinColourToRGB(buttons.NormalColour2)));
      if (frame == 2 && buttons.PressedColour2Given)
        SetTextColor(bdc, static_cast<COLORREF>(SkinColourToRGB(buttons.PressedColour2)));
      DrawTextWithImage(this, bdc, tab, 1, text, image, images);
    }
  }
  TBitmapDC source(buffer.Handle());
  BitBlt(dc, row.left, row.top, width, height, source, 0, 0, SRCCOPY);
}
