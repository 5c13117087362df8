#include "skin/skin_header.h"

#include <algorithm>

#include "gui/memory_dc.h"
#include "skin/control_draw.h"
#include "skin/draw_primitives.h"
#include "skin/header_rules.h"
#include "skin/skin_data.h"

const TClassInfo& TSkinHeader::StaticClass() {
  static const TClassInfo info(L"TSkinHeader", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

namespace {

constexpr int kTextRoom = 100;

}  // namespace

void TSkinHeader::AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) {
  TSkinControl::AttachControl(host, skinData, canvas, recolour);
  HotItem = -1;
}

void TSkinHeader::AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host) {
  TSkinControl::AttachWindow(window, skinData, canvas, host);
  HotItem = -1;
}

bool TSkinHeader::HasLook() const {
  return SkinData && SkinData->Elements.Headerbar && !SkinData->Elements.Headerbar->Image.Empty();
}

bool TSkinHeader::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      if (!HasLook()) return true;
      // The paint covers every pixel: nothing to erase, and it counts as erased.
      m.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinHeader::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      TrackHotItem(POINT{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))});
      break;
    case WM_MOUSELEAVE:
      HotItem = -1;
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinHeader::TrackHotItem(POINT point) {
  const int hot = HeaderHotItem(ItemRects, point, HotItem);
  if (hot != HotItem) {
    HotItem = hot;
    Repaint();
  }
  TrackMouseLeave(Handle);
}

// rect starts at (0, 0): the whole window.
void TSkinHeader::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasLook() || !Handle) return;
  const TDataSkinObject& bar = *SkinData->Elements.Headerbar;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  WindowEnabled = true;
  // The buffer's context is given back as it was found: the font goes with it.
  TBackBuffer buffer(dc, width, height);
  HDC bdc = buffer.DC();
  if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0))) SelectObject(bdc, font);
  SetBkMode(bdc, TRANSPARENT);
  {  // the items, then the empty rest
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, HDM_GETIMAGELIST, 0, 0));
    const int count = static_cast<int>(SendMessageW(Handle, HDM_GETITEMCOUNT, 0, 0));
    ItemRects.assign(static_cast<size_t>(std::max(count, 0)), RECT{});
    int right = 0;
    for (int i = 0; i < count; ++i) {
      RECT item{};
      if (!SendMessageW(Handle, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
      DrawItem(bdc, images, i, item);
      ItemRects[static_cast<size_t>(i)] = HeaderItemZone(item);
      right = std::max(right, static_cast<int>(item.right));
    }
    if (right < width) {
      const RECT rest{right, 0, width, height};
      DrawElement(bdc, rest, TElementLook{bar.Image, bar.Margins(), bar.Tile != 0, false},
                  TElementFrame{1, bar.Frames()});
    }
  }
  buffer.CopyTo(dc, RECT{0, 0, width, height});
}

void TSkinHeader::DrawItem(HDC dc, HIMAGELIST images, int index, const RECT& rect) {
  const TDataSkinObject& bar = *SkinData->Elements.Headerbar;
  wchar_t text[kTextRoom + 1] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = kTextRoom + 1;
  SendMessageW(Handle, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  const RECT local{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  TBitmap cell = RenderElement(local, bar.Image, bar.Margins(), false, bar.Tile != 0, bar.Frames(),
                               HeaderItemFrame(index, HotItem));
  if (cell.Empty()) return;
  TBitmapDC cdc(cell.Handle());
  const std::wstring caption = WideLeft(text, kTextRoom);
  if (!caption.empty()) {
    // The header's own font, as the rest of the header shows (the context is restored on exit).
    SelectObject(cdc, GetCurrentObject(dc, OBJ_FONT));
    DrawItemContent(cdc, local, HeaderAlignment(item.fmt), caption, HeaderImageIndex(item.fmt, item.iImage), images);
  }
  BitBlt(dc, rect.left, rect.top, local.right, local.bottom, cdc, 0, 0, SRCCOPY);
}

void TSkinHeader::DrawItemContent(HDC dc, const RECT& rect, int alignment, const std::wstring& text, int image,
                                  HIMAGELIST images) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  SIZE icon{0, 0};
  if (image != -1 && images) {
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    if (cx < width) icon = SIZE{cx, cy};
  }
  const UINT format = DT_END_ELLIPSIS | DT_EXPANDTABS;
  RECT measured = rect;
  DrawTextWide(dc, text, measured, format | DT_CALCRECT | DT_NOCLIP);
  const SIZE textSize{measured.right - measured.left, measured.bottom - measured.top};
  const THeaderContent place = HeaderContentPlace(SIZE{width, height}, icon, textSize, alignment);
  if (icon.cx > 0)
    ImageList_Draw(images, image, dc, rect.left + place.Image.x, rect.top + place.Image.y, ILD_TRANSPARENT);
  RECT textRect{rect.left + place.Text.x, rect.top + place.Text.y, rect.left + place.Text.x + textSize.cx,
                rect.top + place.Text.y + textSize.cy};
  textRect.left = std::max(textRect.left, rect.left);
  textRect.right = std::min(textRect.right, rect.right);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  const TSkinElements& skin = SkinData->Elements;
  if (skin.ColourSet[kColourWindowText])
    SetTextColor(dc, EntryColour(SkinData, kColourWindowText));
  else if (!WindowEnabled)
    SetTextColor(dc, DisabledTextColour());
  else
    SetTextColor(dc, RGB(0, 0, 0));
  DrawTextWide(dc, text, textRect, RtlTextFormat(this, format));
}
