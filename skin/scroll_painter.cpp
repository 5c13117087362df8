#include "skin/scroll_painter.h"

#include <algorithm>

#include "gui/memory_dc.h"
#include "skin/control_draw.h"
#include "skin/draw_primitives.h"
#include "skin/skin_data.h"

namespace {

constexpr int kStripFrames = 23;

const TDataSkinObject* Present(const std::unique_ptr<TDataSkinObject>& element) {
  return element && !element->Image.Empty() ? element.get() : nullptr;
}

RECT Along(bool vertical, int start, int end, int thickness) {
  return vertical ? RECT{0, start, thickness, end} : RECT{start, 0, end, thickness};
}

}  // namespace

int ScrollPartThickness(const TSkinData& skin, int arrow) {
  const TDataSkinObject* strip = Present(skin.Elements.Scrollbar);
  return strip ? ScrollThickness(strip->Image.Height(), arrow) : 0;
}

bool PaintScrollBar(HDC dc, POINT at, const TSkinData& skin, const TScrollPaint& p) {
  const TSkinElements& e = skin.Elements;
  const TDataSkinObject* strip = Present(e.Scrollbar);
  if (!strip || p.Length <= 0 || p.Cross <= 0) return false;
  const int t = std::min(ScrollThickness(strip->Image.Height(), p.Arrow), p.Cross);
  const int width = p.Vertical ? p.Cross : p.Length, height = p.Vertical ? p.Length : p.Cross;
  TBitmap buffer(width, height);
  if (buffer.Empty()) return false;
  buffer.Fill(ColorToRGB(static_cast<TColor>(e.ColourTable[kColourButtonFace])));
  {
    TBitmapDC bdc(buffer.Handle());
    SetStretchBltMode(bdc, COLORONCOLOR);
    const TScrollLayout layout = ScrollBarLayout(Along(p.Vertical, 0, p.Length, t), p.Vertical, p.Arrow);
    if (const TDataSkinObject* track = Present(p.Vertical ? e.VertScroll : e.HorzScroll))
      DrawElementFrame(bdc, layout.Track, 4, p.Enabled ? 1 : 3, *track);
    DrawFrameKeyed(bdc, layout.FirstArrow, kStripFrames, ScrollArrowFrame(p.Vertical, false, p.HotPart, p.Dragging),
                   strip->Image);
    DrawFrameKeyed(bdc, layout.SecondArrow, kStripFrames, ScrollArrowFrame(p.Vertical, true, p.HotPart, p.Dragging),
                   strip->Image);
    const bool thumbInside = p.ThumbStart >= 0 && p.ThumbEnd <= p.Length && p.ThumbEnd > p.ThumbStart;
    if (p.Enabled && thumbInside) {
      const int state = ScrollThumbFrame(p.HotPart, p.Dragging);
      if (const TDataSkinObject* thumb = Present(p.Vertical ? e.VertScrollThumb : e.HorzScrollThumb))
        DrawElement(bdc, Along(p.Vertical, p.ThumbStart, p.ThumbEnd, t),
                    TElementLook{thumb->Image, thumb->Margins(), false, thumb->Trans != 0},
                    TElementFrame{std::min(state, thumb->Frames()), thumb->Frames()});
      const int grip = strip->Image.Height(), thumbLength = p.ThumbEnd - p.ThumbStart;
      if (grip < thumbLength + 2) {
        const int start = p.ThumbStart + (thumbLength - grip) / 2;
        if (start >= 0 && start + grip <= p.Length)
          DrawFrameKeyed(bdc, Along(p.Vertical, start, start + grip, t), kStripFrames,
                         ScrollGripFrame(p.Vertical, state), strip->Image);
      }
    }
  }
  TBitmapDC src(buffer.Handle());
  BitBlt(dc, at.x, at.y, width, height, src, 0, 0, SRCCOPY);
  return true;
}
