#include "skin/skin_progress.h"

#include <commctrl.h>

#include "gui/memory_dc.h"
#include "skin/bar_rules.h"
#include "skin/control_draw.h"
#include "skin/draw_primitives.h"
#include "skin/img_util.h"
#include "skin/skin_data.h"

const TClassInfo& TSkinProgress::StaticClass() {
  static const TClassInfo info(L"TSkinProgress", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

namespace {

struct TProgressState {
  int Position = 0, Lower = 0, Upper = 0;
};

TProgressState ReadState(HWND bar) {
  TProgressState s;
  s.Position = static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0));
  s.Upper = static_cast<int>(SendMessageW(bar, PBM_GETRANGE, FALSE, 0));
  s.Lower = static_cast<int>(SendMessageW(bar, PBM_GETRANGE, TRUE, 0));
  return s;
}

COLORREF FaceRGB(const TSkinData& data) {
  return ColorToRGB(static_cast<TColor>(data.Elements.ColourTable[kColourButtonFace]));
}

// The bar is drawn lying down into a back buffer filled with the face colour; a vertical bar's
// buffer is turned a quarter counter-clockwise afterwards, so its left end becomes the bottom.
class TBarBuffer {
 public:
  TBarBuffer(const RECT& rect, bool vertical, COLORREF face)
      : vertical_(vertical),
        Area(vertical ? RECT{0, 0, rect.bottom - rect.top, rect.right - rect.left}
                      : RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top}),
        Bitmap(Area.right, Area.bottom) {
    Bitmap.Fill(face);
  }
  void CopyTo(HDC dc, const RECT& rect) {
    if (Bitmap.Empty()) return;
    if (vertical_) RotateBitmapLeft(Bitmap);
    TBitmapDC src(Bitmap.Handle());
    BitBlt(dc, rect.left, rect.top, Bitmap.Width(), Bitmap.Height(), src, 0, 0, SRCCOPY);
  }

 private:
  bool vertical_;

 public:
  const RECT Area;
  TBitmap Bitmap;
};

}  // namespace

bool TSkinProgress::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

bool TSkinProgress::PaintsInstead() const {
  const TDataSkinBorder* element = SkinData ? SkinData->Elements.Progress.get() : nullptr;
  return element && !element->Image.Empty();
}

void TSkinProgress::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* element = SkinData ? SkinData->Elements.Progress.get() : nullptr;
  if (!element || element->Image.Empty() || !Handle) return;
  if (element->Style == 1) {
    DrawChunks(dc, rect);
    return;
  }
  const bool vertical = (GetWindowLongPtrW(Handle, GWL_STYLE) & PBS_VERTICAL) != 0;
  TBarBuffer buffer(rect, vertical, FaceRGB(*SkinData));
  if (buffer.Bitmap.Empty()) return;
  {
    TBitmapDC bdc(buffer.Bitmap.Handle());
    TElementLook look{element->Image, element->Margins(), element->Tile != 0, true};
    DrawElement(bdc, buffer.Area, look, TElementFrame{1, 2});
    const TProgressState s = ReadState(Handle);
    RECT bar = buffer.Area;
    bar.right = bar.left + ProgressFillLength(bar.right - bar.left, s.Position, s.Lower, s.Upper);
    if (bar.right > bar.left) DrawElement(bdc, bar, look, TElementFrame{2, 2});
  }
  buffer.CopyTo(dc, rect);
}

void TSkinProgress::DrawChunks(HDC dc, const RECT& rect) {
  const TDataSkinObject* chunk = SkinData->Elements.ProgressChunk.get();
  if (!chunk || chunk->Image.Empty()) return;
  const TDataSkinBorder& element = *SkinData->Elements.Progress;
  const bool vertical = (GetWindowLongPtrW(Handle, GWL_STYLE) & PBS_VERTICAL) != 0;
  TBarBuffer buffer(rect, vertical, FaceRGB(*SkinData));
  if (buffer.Bitmap.Empty()) return;
  {
    TBitmapDC bdc(buffer.Bitmap.Handle());
    const RECT& area = buffer.Area;
    DrawElement(bdc, area, TElementLook{element.Image, element.Margins(), false, true}, TElementFrame{1, 1});
    const TProgressState s = ReadState(Handle);
    const int fill = ProgressFillLength(area.right - area.left, s.Position, s.Lower, s.Upper);
    const int cw = chunk->Image.Width(), ch = chunk->Image.Height();
    if (fill > 0) {
      if (chunk->Tile == 1) {
        TBitmap strip(fill, ch);
        {
          TBitmapDC sdc(strip.Handle());
          TileBitmap(sdc, RECT{0, 0, fill, ch}, chunk->Image, RECT{0, 0, cw, ch});
        }
        const int y = (area.bottom - ch) / 2;
        const int x = chunk->LeftWidth + 2;
        DrawKeyed(bdc, RECT{x, y, x + fill, y + ch}, strip, kSkinKeyColour);
      } else {
        const int height = area.bottom - area.top - 4;
        TBitmap strip(fill, height);
        if (!strip.Empty()) {
          strip.Fill(kSkinKeyColour);
          {
            TBitmapDC sdc(strip.Handle());
            StretchElementSides(sdc, RECT{0, 0, fill, height}, chunk->Image, false, 1, 1, chunk->Margins());
          }
          DrawKeyed(bdc, RECT{2, 2, 2 + fill, 2 + height}, strip, kSkinKeyColour);
        }
      }
    }
  }
  buffer.CopyTo(dc, rect);
}
