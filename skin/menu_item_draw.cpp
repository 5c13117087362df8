#include "skin/menu_item_draw.h"

#include <algorithm>

#include "gui/graphics.h"
#include "gui/image_list.h"
#include "gui/memory_dc.h"
#include "gui/menus.h"
#include "skin/control_draw.h"
#include "skin/draw_primitives.h"
#include "skin/skin_control.h"
#include "skin/skin_data.h"

namespace {

constexpr UINT kMeasureFormat = DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE;
constexpr UINT kDrawFormat = DT_EXPANDTABS | DT_SINGLELINE;

// The checked-glyph background: face and highlight pixels alternating.
HBRUSH CheckedPatternBrush() {
  TBitmap pattern(8, 8);
  const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) pattern.SetPixel(x, y, (x + y) % 2 ? light : face);
  return CreatePatternBrush(pattern.Handle());
}

void DrawCheckMark(HDC dc, const RECT& box, const RECT& rect) {
  HBITMAP check = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32760));  // OBM_CHECK
  if (!check) return;
  BITMAP info{};
  GetObjectW(check, sizeof(info), &info);
  const int x = box.left + (box.right - box.left - info.bmWidth) / 2 + 1;
  const int y = rect.top + (rect.bottom - rect.top - info.bmHeight) / 2 + 1;
  {
    // A monochrome mark: its black pixels take the text colour, its white ones leave the
    // background as it is.
    TBitmapDC source(check);
    const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCAND);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
  }
  DeleteObject(check);
}

std::wstring WithAccelSpace(const std::wstring& text) { return text.empty() || text == L"&" ? text + L" " : text; }

}  // namespace

TMenuItemFace MenuItemFace(TMenuItem* item) {
  TMenuItemFace face;
  face.Caption = GetPropAsWide(item, L"Caption");
  face.ShortCut = ShortCutToText(item->GetShortCut());
  face.Enabled = item->Enabled();
  face.Checked = item->Checked();
  face.Default = item->Default();
  face.ImageIndex = item->ImageIndex();
  face.Images = item->GetImageList();
  return face;
}

TMenuItemFace NativeMenuItemFace(HMENU menu, UINT command) {
  TMenuItemFace face;
  wchar_t text[81] = {};
  GetMenuStringW(menu, command, text, 80, MF_BYCOMMAND);
  face.Caption = text[0] ? std::wstring(text) : L"-";
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE;
  if (GetMenuItemInfoW(menu, command, FALSE, &info)) {
    face.Enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
    face.Checked = (info.fState & MFS_CHECKED) != 0;
    face.Default = (info.fState & MFS_DEFAULT) != 0;
  }
  return face;
}

bool HasMenuItemElement(const TSkinData& data) {
  return data.Elements.MenuItem && !data.Elements.MenuItem->Image.Empty();
}

int MenuItemLeftMargin(const TSkinData& data) { return HasMenuItemElement(data) ? data.Elements.MenuItem->LeftWidth : 0; }

void DrawMenuText(HDC dc, const TMenuItemFace& face, UINT format, bool selected, RECT& rect, std::wstring text,
                  const TSkinData& data) {
  if (format & DT_CALCRECT) text = WithAccelSpace(text);
  if (text == L"-") {
    if (format & DT_CALCRECT) return;
    RECT line = rect;
    OffsetRect(&line, 0, 4);
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  SetBkMode(dc, TRANSPARENT);
  COLORREF colour;
  if (!face.Enabled) {
    colour = data.Elements.ColourTable[kColourButtonShadow] == data.Elements.ColourTable[kColourMenuText]
                 ? GetSysColor(COLOR_BTNSHADOW)
                 : EntryColour(&data, kColourButtonShadow);
  } else {
    colour = EntryColour(&data, selected ? kColourHilightText : kColourMenuText);
  }
  SetTextColor(dc, colour);
  HFONT bold = nullptr;
  HGDIOBJ oldFont = nullptr;
  if (face.Default) {
    LOGFONTW font{};
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    bold = CreateFontIndirectW(&font);
    oldFont = SelectObject(dc, bold);
  }
  DrawTextWide(dc, text, rect, format);
  if (bold) {
    SelectObject(dc, oldFont);
    DeleteObject(bold);
  }
}

void DrawMenuItemContent(HDC dc, const RECT& rect, const TMenuItemFace& face, bool selected, const TSkinData& data) {
  const bool line = face.Caption == L"-";
  TCustomImageList* images = face.Images;
  int glyph = images ? images->Width() : 16;
  if (face.Checked) glyph = std::max(glyph, 16);
  const int margin = MenuItemLeftMargin(data);
  // The glyph box: at the left, or mirrored at the right for a right-to-left menu.
  RECT box;
  if (face.RightToLeft)
    box = RECT{rect.right - 1 - margin - (line ? 0 : glyph), rect.top + 1, rect.right - 1 - margin, rect.top + 1 + glyph};
  else
    box = RECT{rect.left + 1 + margin, rect.top + 1, rect.left + 1 + margin + (line ? 0 : glyph), rect.top + 1 + glyph};
  if (!line && images && face.ImageIndex >= 0 && face.ImageIndex < images->Count()) {
    const int height = rect.bottom - rect.top;
    if (face.Checked) {
      OffsetRect(&box, 0, (height - 16) / 2 - 1);
      HBRUSH pattern = CheckedPatternBrush();
      FillRect(dc, &box, pattern);
      DeleteObject(pattern);
      DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    } else {
      OffsetRect(&box, 0, (height - images->Height()) / 2 - 1);
    }
    TCanvas canvas(dc);
    images->Draw(canvas, box.left, box.top, face.ImageIndex, face.Enabled);
  } else if (!line && face.Checked) {
    DrawCheckMark(dc, box, rect);
  }
  RECT textBox = face.RightToLeft ? RECT{rect.left + 1, rect.top, box.left - 3, rect.bottom}
                                  : RECT{box.right + 3, rect.top, rect.right - 1, rect.bottom};
  const UINT rtl = face.RightToLeft ? DT_RTLREADING : 0;
  RECT measured = textBox;
  DrawMenuText(dc, face, kMeasureFormat | rtl, selected, measured, face.Caption, data);
  OffsetRect(&textBox, 0, ((textBox.bottom - textBox.top) - (measured.bottom - measured.top)) / 2);
  if (line) textBox = rect;
  DrawMenuText(dc, face, kDrawFormat | rtl | (face.RightToLeft ? DT_RIGHT : 0), selected, textBox, face.Caption, data);
  if (!line && !face.ShortCut.empty()) {
    RECT shortCut = face.RightToLeft ? RECT{rect.left + 11, textBox.top, measured.left, textBox.bottom}
                                     : RECT{measured.right, textBox.top, rect.right - 11, textBox.bottom};
    DrawMenuText(dc, face, kDrawFormat | rtl | (face.RightToLeft ? DT_LEFT : DT_RIGHT), selected, shortCut,
                 face.ShortCut, data);
  }
}

void DrawMenuSeparator(HDC dc, const RECT& rect, const TSkinData& data) {
  if (!HasMenuItemElement(data)) return;
  const TDataSkinObject& element = *data.Elements.MenuItem;
  const TBitmap& image = element.Image;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const int cw = image.Width() / 5;
  if (w <= 0 || h <= 0 || cw <= 0) return;
  const int sourceTop = h < image.Height() ? image.Height() - h : 0;
  const int sourceHeight = image.Height() - sourceTop;
  const int left = std::min<int>(element.LeftWidth, cw), right = std::min<int>(element.RightWidth, cw - left);
  TBitmap buffer(w, h);
  {
    TBitmapDC target(buffer.Handle());
    TBitmapDC source(image.Handle());
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, 0, 0, left, h, source, cw, sourceTop, left, sourceHeight, SRCCOPY);
    StretchBlt(target, w - right, 0, right, h, source, cw + cw - right, sourceTop, right, sourceHeight, SRCCOPY);
    StretchBlt(target, left, 0, w - left - right, h, source, cw + left, sourceTop, cw - left - right, sourceHeight,
               SRCCOPY);
  }
  DrawKeyed(dc, rect, buffer, RGB(255, 0, 255));
}

void DrawSkinMenuItem(HDC dc, const RECT& rect, const TMenuItemFace& face, bool selected, const TSkinData& data,
                      const TBitmap* popupBackground, bool separatorLine) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  TBitmap buffer(w, h);
  {
    TBitmapDC canvas(buffer.Handle());
    if (popupBackground && !popupBackground->Empty()) {
      TBitmapDC background(popupBackground->Handle());
      BitBlt(canvas, 0, 0, w, h, background, rect.left + 3, rect.top + 3, SRCCOPY);
    } else {
      FillSolid(canvas, RECT{0, 0, w, h}, EntryColour(&data, kColourMenu));
    }
    const bool line = face.Caption == L"-";
    if (!line || separatorLine) {
      if (HasMenuItemElement(data))
        DrawElement(canvas, RECT{0, 0, w, h}, data.Elements.MenuItem->Look(), TElementFrame{selected ? 4 : 1, 5, false});
      HGDIOBJ oldFont = SelectObject(canvas, GetCurrentObject(dc, OBJ_FONT));
      DrawMenuItemContent(canvas, RECT{0, 0, w, h}, face, selected, data);
      SelectObject(canvas, oldFont);
    }
    BitBlt(dc, rect.left, rect.top, w, h, canvas, 0, 0, SRCCOPY);
  }
  if (face.Caption == L"-" && !separatorLine) DrawMenuSeparator(dc, rect, data);
}

void DrawPlainMenuItem(HDC dc, const RECT& rect, const TMenuItemFace& face, bool selected, const TSkinData& data) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  TBitmap buffer(w, h);
  TBitmapDC canvas(buffer.Handle());
  FillSolid(canvas, RECT{0, 0, w, h}, EntryColour(&data, selected ? kColourHilight : kColourMenu));
  HGDIOBJ oldFont = SelectObject(canvas, GetCurrentObject(dc, OBJ_FONT));
  DrawMenuItemContent(canvas, RECT{0, 0, w, h}, face, selected, data);
  SelectObject(canvas, oldFont);
  BitBlt(dc, rect.left, rect.top, w, h, canvas, 0, 0, SRCCOPY);
}
