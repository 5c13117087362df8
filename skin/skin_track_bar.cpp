#include "skin/skin_track_bar.h"

#include <algorithm>

#include "gui/memory_dc.h"
#include "skin/bar_rules.h"
#include "skin/draw_primitives.h"
#include "skin/skin_data.h"

const TClassInfo& TSkinTrackBar::StaticClass() {
  static const TClassInfo info(L"TSkinTrackBar", &TSkinControl::StaticClass(), nullptr, {});
  return info;
}

namespace {

// Three copies of a track image along the channel: the two ends at their size, the middle
// stretched. Vertical: rows (top t, bottom b); horizontal: columns (left l, right r). The
// image keeps its own thickness, centred across the channel when it is thinner.
void DrawTrackImage(HDC dc, const RECT& channel, const TDataSkinObject& element, bool vertical) {
  const TBitmap& image = element.Image;
  const int w = image.Width(), h = image.Height();
  const int cw = channel.right - channel.left, chh = channel.bottom - channel.top;
  TBitmapDC src(image.Handle());
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  if (vertical) {
    const int t = element.TopHeight, b = element.BottomHeight;
    const int x = w < cw ? channel.left + (cw - w) / 2 : channel.left;
    StretchBlt(dc, x, channel.top, w, t, src, 0, 0, w, t, SRCCOPY);
    StretchBlt(dc, x, channel.top + t, w, chh - t - b, src, 0, t, w, h - t - b, SRCCOPY);
    StretchBlt(dc, x, channel.bottom - b, w, b, src, 0, h - b, w, b, SRCCOPY);
  } else {
    const int l = element.LeftWidth, r = element.RightWidth;
    const int y = h < chh ? channel.top + (chh - h) / 2 : channel.top;
    StretchBlt(dc, channel.left, y, l, h, src, 0, 0, l, h, SRCCOPY);
    StretchBlt(dc, channel.left + l, y, cw - l - r, h, src, l, 0, w - l - r, h, SRCCOPY);
    StretchBlt(dc, channel.right - r, y, r, h, src, w - r, 0, r, h, SRCCOPY);
  }
  SetStretchBltMode(dc, oldMode);
}

}  // namespace

bool TSkinTrackBar::BeforeMessage(TMessage& m) {
  if (m.Msg == WM_NOTIFY || m.Msg == CN_NOTIFY) {
    // The engine's own messages share CN_NOTIFY's number; they carry no header.
    const NMHDR* header = NotifyHeader(m);
    if (header && header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
      m.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(header));
      return false;
    }
    if (header) return true;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinTrackBar::SkinChanged() {
  if (Handle) InvalidateRect(Handle, nullptr, TRUE);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
  const TTrackDrawStep step = TrackDrawStep(draw.dwDrawStage, draw.dwItemSpec);
  if (step == TTrackDrawStep::Channel) DrawChannel(draw.hdc);
  if (step == TTrackDrawStep::Thumb) DrawThumb(draw.hdc);
  return TrackDrawAnswer(step);
}

bool TSkinTrackBar::Vertical() const {
  return Handle && (GetWindowLongPtrW(Handle, GWL_STYLE) & TBS_VERT) != 0;
}

void TSkinTrackBar::DrawChannel(HDC dc) {
  if (!Handle || !SkinData) return;
  RECT reported{};
  SendMessageW(Handle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&reported));
  const TSkinElements& skin = SkinData->Elements;
  if (Vertical() && skin.TrackVert && !skin.TrackVert->Image.Empty()) {
    DrawTrackImage(dc, TrackChannelRect(reported, true), *skin.TrackVert, true);
  } else if (skin.Track && !skin.Track->Image.Empty()) {
    DrawTrackImage(dc, TrackChannelRect(reported, false), *skin.Track, false);
  }
}

void TSkinTrackBar::DrawThumb(HDC dc) {
  if (!Handle || !IsWindow(Handle) || !SkinData) return;
  RECT thumb{};
  SendMessageW(Handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const TSkinElements& skin = SkinData->Elements;
  const TDataSkinObject* element = nullptr;
  if (Vertical() && skin.TrackbarThumbVert) element = skin.TrackbarThumbVert.get();
  else if (skin.TrackbarThumbHorz) element = skin.TrackbarThumbHorz.get();
  if (element && !element->Image.Empty()) {
    // Always the second of the five frames, whatever the control's state.
    DrawElementCell(dc, thumb, element->Image, true, 5, 2);
    return;
  }
  HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(static_cast<TColor>(skin.ColourTable[kColourButtonShadow])));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
  Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}
