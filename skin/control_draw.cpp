#include "skin/control_draw.h"

#include <algorithm>

#include "gui/controls.h"
#include "gui/memory_dc.h"
#include "skin/button_rules.h"
#include "skin/draw_primitives.h"
#include "skin/entry_rules.h"
#include "skin/img_util.h"
#include "skin/skin_control.h"
#include "skin/skin_data.h"
#include "skin/skin_elements.h"

namespace {

bool Inverted(const RECT& r) { return r.right < r.left || r.bottom < r.top; }

std::wstring BiDiModeOf(TObject* object) { return GetEnumPropByName(object, L"BiDiMode"); }

// A copy of rect, measured for text with format.
RECT Measure(HDC dc, const std::wstring& text, const RECT& rect, UINT format) {
  RECT r = rect;
  DrawTextWide(dc, text, r, format | DT_CALCRECT | DT_NOCLIP);
  return r;
}

}  // namespace

COLORREF DisabledTextColour() { return GetSysColor(COLOR_BTNSHADOW); }

COLORREF EntryColour(const TSkinData* skinData, int entry) {
  if (!skinData || entry < 0 || entry >= kColourTableSize) return GetSysColor(COLOR_BTNFACE);
  return static_cast<COLORREF>(SkinColourToRGB(skinData->Elements.ColourTable[entry]));
}

bool HasBorderToPaint(HWND window, const RECT& rect) {
  RECT client{};
  GetClientRect(window, &client);
  return HasPaintedBorder(SIZE{rect.right - rect.left, rect.bottom - rect.top}, SIZE{client.right, client.bottom});
}

void DrawSunkenBorder(HDC dc, const RECT& rect, COLORREF shadow, int rings) {
  HBRUSH brush = CreateSolidBrush(shadow);
  FrameRect(dc, &rect, brush);
  DeleteObject(brush);
  RECT r = rect;
  for (int i = 0; i < rings; ++i) {
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
}

int AlignedContentStart(int alignment, int width, int imageWidth, int textWidth) {
  int x = 3;
  if (alignment == 1) x = (width - imageWidth - textWidth) / 2;
  if (alignment == 2) x = width - imageWidth - textWidth - 2;
  return x < 2 ? 1 : x;
}

UINT RtlTextFormat(const TSkinControl* skinner, UINT format) {
  if (!skinner) return format;
  if (RtlFormat(0, BiDiModeOf(skinner->Control)) || RtlFormat(0, BiDiModeOf(skinner->Invalidator)))
    return format | DT_RTLREADING;
  return format;
}

void DrawSkinText(const TSkinControl* skinner, HDC dc, const RECT& rect, UINT alignment, bool enabled,
                  const std::wstring& text) {
  SetBkMode(dc, TRANSPARENT);
  const UINT format = alignment | DT_EXPANDTABS;
  RECT r = Measure(dc, text, rect, format);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int dy = (height - (r.bottom - r.top)) / 2 - 1;
  if (alignment == DT_CENTER) {
    OffsetRect(&r, (width - (r.right - r.left)) / 2, dy);
  } else {
    OffsetRect(&r, 0, dy);
    r.left = rect.left;
    r.right = rect.right;
  }
  if (!enabled) SetTextColor(dc, DisabledTextColour());
  DrawTextWide(dc, text, r, RtlTextFormat(skinner, format));
}

void DrawTextWithImage(const TSkinControl* skinner, HDC dc, const RECT& rect, int alignment, const std::wstring& text,
                       int imageIndex, HIMAGELIST imageList) {
  const bool hasImage = imageIndex != -1 && imageList;
  int cx = 0, cy = 0;
  if (hasImage) ImageList_GetIconSize(imageList, &cx, &cy);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const bool drawImage = hasImage && width > cx;
  if (!drawImage) cx = cy = 0;
  const UINT format = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_WORDBREAK;
  RECT textRect = rect;
  if (hasImage) textRect.right += cx + 2;
  if (text.empty())
    textRect.right = textRect.left;
  else
    textRect = Measure(dc, text, textRect, format);
  const int textWidth = textRect.right - textRect.left, textHeight = textRect.bottom - textRect.top;
  const int x = AlignedContentStart(alignment, width, cx, textWidth);
  if (drawImage)
    ImageList_Draw(imageList, imageIndex, dc, rect.left + x, rect.top + (height - cy) / 2, ILD_TRANSPARENT);
  if (text.empty()) return;
  OffsetRect(&textRect, rect.left + x + cx - textRect.left, rect.top + (height - textHeight) / 2 - textRect.top);
  textRect.left = std::max(textRect.left, rect.left);
  textRect.right = std::min(textRect.right, rect.right);
  SetBkMode(dc, TRANSPARENT);
  if (skinner && !skinner->WindowEnabled) SetTextColor(dc, DisabledTextColour());
  DrawTextWide(dc, text, textRect, RtlTextFormat(skinner, format));
}

void DrawElementFrame(HDC dc, const RECT& rect, int frames, int frameIndex, const TDataSkinObject& element) {
  if (Inverted(rect)) return;
  frames = StripFrames(frames);
  TElementLook look = element.Look();
  look.Keyed = element.Trans == 1;
  DrawElement(dc, rect, look, TElementFrame{StripFrame(frameIndex, frames), frames, false});
}

void DrawFrameKeyed(HDC dc, const RECT& rect, int frames, int frameIndex, const TBitmap& image) {
  frames = StripFrames(frames);
  DrawElementCell(dc, rect, image, true, frames, StripFrame(frameIndex, frames));
}

void BlitSharedBuffer(HDC dc, const RECT& rect) {
  TBitmap& buffer = SharedBackBuffer();
  if (buffer.Empty()) return;
  TBitmapDC source(buffer.Handle());
  BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, 0, 0, SRCCOPY);
}

void HandleEraseBackground(TSkinControl* skinner, TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (skinner->Control && skinner->Handle) {
    DrawParentBackground(skinner->Handle, dc);
  } else if (skinner->Handle) {
    RECT client{};
    GetClientRect(skinner->Handle, &client);
    skinner->FillParentColour(dc, client);
  }
  m.Result = 1;
}

void DrawCenteredText(HDC dc, const RECT& rect, const std::wstring& text, UINT alignment, bool enabled) {
  const UINT format = (alignment & (DT_CENTER | DT_RIGHT)) | DT_EXPANDTABS | DT_SINGLELINE;
  SetBkMode(dc, TRANSPARENT);
  RECT r = Measure(dc, text, rect, format);
  OffsetRect(&r, (rect.right - rect.left - (r.right - r.left)) / 2, (rect.bottom - rect.top - (r.bottom - r.top)) / 2);
  if (!enabled) SetTextColor(dc, DisabledTextColour());
  DrawTextWide(dc, text, r, format);
}

void DrawArrowGlyph(HDC dc, int x, int y, int direction) {
  auto line = [dc](int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
  };
  switch (direction) {
    case 0:
      line(x, y, x, y - 1);
      line(x + 1, y + 1, x + 4, y + 4);
      line(x, y + 1, x + 3, y + 4);
      line(x, y + 2, x + 2, y + 4);
      line(x - 1, y + 1, x - 4, y + 4);
      line(x, y + 2, x - 3, y + 4);
      line(x, y + 1, x - 2, y + 4);
      break;
    case 1:
      line(x, y + 3, x, y + 4);
      line(x + 1, y + 2, x + 4, y - 1);
      line(x, y + 2, x + 3, y - 1);
      line(x, y + 1, x + 2, y);
      line(x - 1, y + 2, x - 4, y - 1);
      line(x, y + 2, x - 3, y - 1);
      line(x, y + 1, x - 2, y);
      break;
    case 2:
    case 3: {
      const int s = direction == 2 ? 1 : -1;
      const POINT points[] = {{x, y}, {x + s, y + 2}, {x + s, y - 2}, {x - s, y}, {x + s, y + 2}};
      Polyline(dc, points, 5);
      break;
    }
    default:
      break;
  }
}
