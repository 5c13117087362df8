#include "skin/draw_primitives.h"

#include <algorithm>
#include <vector>

#include "skin/img_util.h"

namespace {

bool Inverted(const RECT& r) { return r.right < r.left || r.bottom < r.top; }

// Keeps the stretch mode of a caller's DC for the duration of a call.
class TStretchMode {
 public:
  explicit TStretchMode(HDC dc) : dc_(dc), old_(SetStretchBltMode(dc, COLORONCOLOR)) {}
  ~TStretchMode() {
    if (old_) SetStretchBltMode(dc_, old_);
  }

 private:
  HDC dc_;
  int old_;
};

// One stretching copy; nothing when either side has no area.
void CopyPiece(HDC dst, int dx, int dy, int dw, int dh, HDC src, int sx, int sy, int sw, int sh) {
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  StretchBlt(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, SRCCOPY);
}

// The source part repeated over dest, column by column, unclipped.
void TileFromDC(HDC dst, const RECT& dest, HDC src, const RECT& source) {
  const int tw = source.right - source.left;
  const int th = source.bottom - source.top;
  if (tw <= 0 || th <= 0) return;
  for (int x = dest.left; x < dest.right; x += tw)
    for (int y = dest.top; y < dest.bottom; y += th) BitBlt(dst, x, y, tw, th, src, source.left, source.top, SRCCOPY);
}

void DrawResult(HDC dc, const RECT& dest, const TBitmap& result, bool keyed) {
  if (result.Empty()) return;
  if (keyed) {
    DrawKeyed(dc, dest, result, kSkinKeyColour);
  } else {
    TBitmapDC src(result.Handle());
    BitBlt(dc, dest.left, dest.top, result.Width(), result.Height(), src, 0, 0, SRCCOPY);
  }
}

// The horizontal cell of a frame stretched to a new bitmap of the given size.
TBitmap StretchCell(const TBitmap& image, int frames, int frame, int width, int height) {
  TBitmap result(width, height);
  if (result.Empty() || image.Empty()) return result;
  const RECT cell = FrameCell(image, false, frames, frame);
  TBitmapDC src(image.Handle());
  TBitmapDC dst(result.Handle());
  SetStretchBltMode(dst, COLORONCOLOR);
  CopyPiece(dst, 0, 0, width, height, src, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top);
  return result;
}

}  // namespace

RECT FrameCell(const TBitmap& image, bool vertical, int frames, int frame) {
  frames = std::max(frames, 1);
  if (vertical) {
    const int h = image.Height() / frames;
    return RECT{0, (frame - 1) * h, image.Width(), frame * h};
  }
  const int w = image.Width() / frames;
  return RECT{(frame - 1) * w, 0, frame * w, image.Height()};
}

TBitmap RenderElement(const RECT& dest, const TBitmap& image, const RECT& margins, bool vertical, bool tile,
                          int frames, int frame) {
  const int W = dest.right - dest.left;
  const int H = dest.bottom - dest.top;
  TBitmap result(W, H);
  if (result.Empty() || image.Empty()) return result;
  const RECT cell = FrameCell(image, vertical, frames, frame);
  const int cx = cell.left, cy = cell.top;
  const int cw = cell.right - cell.left, ch = cell.bottom - cell.top;
  int L = std::max<int>(margins.left, 0), R = std::max<int>(margins.right, 0);
  int T = std::max<int>(margins.top, 0), B = std::max<int>(margins.bottom, 0);
  if (W < L + R) L = R = 0;
  if (H < T + B) T = B = 0;

  TBitmapDC src(image.Handle());
  TBitmapDC dst(result.Handle());
  SetStretchBltMode(dst, COLORONCOLOR);
  CopyPiece(dst, 0, 0, L, T, src, cx, cy, L, T);
  CopyPiece(dst, 0, H - B, L, B, src, cx, cy + ch - B, L, B);
  CopyPiece(dst, W - R, 0, R, T, src, cx + cw - R, cy, R, T);
  CopyPiece(dst, 0, T, L, H - B - T, src, cx, cy + T, L, ch - B - T);
  CopyPiece(dst, L, 0, W - R - L, T, src, cx + L, cy, cw - R - L, T);
  if (tile) {
    TileFromDC(dst, RECT{L, T, W - R, H - B}, src, RECT{cx + L, cy + T, cx + cw - R, cy + ch - B});
  } else {
    CopyPiece(dst, L, T, W - R - L, H - B - T, src, cx + L, cy + T, cw - R - L, ch - B - T);
  }
  CopyPiece(dst, W - R, H - B, R, B, src, cx + cw - R, cy + ch - B, R, B);
  CopyPiece(dst, W - R, T, R, H - B - T, src, cx + cw - R, cy + T, R, ch - B - T);
  CopyPiece(dst, L, H - B, W - R - L, B, src, cx + L, cy + ch - B, cw - R - L, B);
  return result;
}

void DrawElement(HDC dc, const RECT& dest, const TElementLook& element, TElementFrame frame) {
  if (Inverted(dest)) return;
  DrawResult(dc, dest,
             RenderElement(dest, element.Image, element.Margins, frame.Vertical, element.Tile, frame.Frames, frame.Frame),
             element.Keyed);
}

void DrawElementStrip(HDC dc, const RECT& dest, const TBitmap& image, bool vertical, bool keyed, int frames,
                      int frame, const RECT& margins) {
  if (Inverted(dest)) return;
  const int W = dest.right - dest.left;
  const int H = dest.bottom - dest.top;
  TBitmap strip(W, H);
  if (strip.Empty() || image.Empty()) return;
  const RECT cell = FrameCell(image, vertical, frames, frame);
  const int cw = cell.right - cell.left, ch = cell.bottom - cell.top;
  const int L = std::max<int>(margins.left, 0), R = std::max<int>(margins.right, 0);
  const int m = cw - L - R;
  {
    TBitmapDC src(image.Handle());
    TBitmapDC dst(strip.Handle());
    SetStretchBltMode(dst, COLORONCOLOR);
    CopyPiece(dst, 0, 0, L, H, src, cell.left, cell.top, L, ch);
    if (m > 0)  // a cell no wider than its caps has no middle to repeat
      for (int x = L; x < W - R; x += m) CopyPiece(dst, x, 0, m, H, src, cell.left + L, cell.top, m, ch);
    CopyPiece(dst, W - R, 0, R, H, src, cell.right - R, cell.top, R, ch);
  }
  DrawResult(dc, dest, strip, keyed);
}

void StretchElementSides(HDC dc, const RECT& dest, const TBitmap& image, bool vertical, int frames, int frame,
                         const RECT& margins) {
  if (image.Empty()) return;
  const RECT cell = FrameCell(image, vertical, frames, frame);
  const int cw = cell.right - cell.left, ch = cell.bottom - cell.top;
  const int W = dest.right - dest.left, H = dest.bottom - dest.top;
  const int L = std::max<int>(margins.left, 0), R = std::max<int>(margins.right, 0);
  TBitmapDC src(image.Handle());
  TStretchMode mode(dc);
  if (cw > W) {
    CopyPiece(dc, dest.left, dest.top, W, H, src, cell.left, cell.top, cw, ch);
    return;
  }
  CopyPiece(dc, dest.left, dest.top, L, H, src, cell.left, cell.top, L, ch);
  CopyPiece(dc, dest.left + L, dest.top, W - L - R, H, src, cell.left + L, cell.top, cw - L - R, ch);
  CopyPiece(dc, dest.right - R, dest.top, R, H, src, cell.right - R, cell.top, R, ch);
}

void DrawElementCell(HDC dc, const RECT& dest, const TBitmap& image, bool keyed, int frames, int frame) {
  if (Inverted(dest)) return;
  DrawResult(dc, dest, StretchCell(image, frames, frame, dest.right - dest.left, dest.bottom - dest.top), keyed);
}

void DrawElementCellCentered(HDC dc, const RECT& dest, const TBitmap& image, bool keyed, int frames, int frame) {
  if (Inverted(dest) || image.Empty()) return;
  const RECT cell = FrameCell(image, false, frames, frame);
  const int cw = cell.right - cell.left, ch = cell.bottom - cell.top;
  const int x = dest.left + (dest.right - dest.left - cw) / 2;
  const int y = dest.top + (dest.bottom - dest.top - ch) / 2;
  DrawResult(dc, RECT{x, y, x + cw, y + ch}, StretchCell(image, frames, frame, cw, ch), keyed);
}

void TileBitmap(HDC dc, const RECT& dest, const TBitmap& image, const RECT& source) {
  if (image.Empty()) return;
  TBitmapDC src(image.Handle());
  TileFromDC(dc, dest, src, source);
}

void DrawKeyed(HDC dc, const RECT& dest, const TBitmap& bitmap, COLORREF key) {
  if (Inverted(dest) || bitmap.Empty()) return;
  // Nothing past the bitmap's own pixels is drawn.
  const int w = std::min<int>(dest.right - dest.left, bitmap.Width());
  const int h = std::min<int>(dest.bottom - dest.top, bitmap.Height());
  if (w <= 0 || h <= 0) return;
  TBitmapDC src(bitmap.Handle());
  // Monochrome mask: key pixels white (keep the destination), others black.
  HBITMAP mask = CreateBitmap(bitmap.Width(), bitmap.Height(), 1, 1, nullptr);
  if (!mask) return;
  {
    TBitmapDC maskDC(mask);
    SetBkColor(src, key);
    BitBlt(maskDC, 0, 0, bitmap.Width(), bitmap.Height(), src, 0, 0, SRCCOPY);
  }
  MaskBlt(dc, dest.left, dest.top, w, h, src, 0, 0, mask, 0, 0, MAKEROP4(0x00AA0029, SRCCOPY));
  DeleteObject(mask);
}

HRGN BitmapToRegion(const TBitmap& bitmap, int x, int y, int blueTolerance, int greenTolerance,
                    int redTolerance, COLORREF key) {
  const int lowR = GetRValue(key), lowG = GetGValue(key), lowB = GetBValue(key);
  const int highR = std::min(255, lowR + redTolerance);
  const int highG = std::min(255, lowG + greenTolerance);
  const int highB = std::min(255, lowB + blueTolerance);
  auto keyed = [&](const uint8_t* p) {
    return p[2] >= lowR && p[2] <= highR && p[1] >= lowG && p[1] <= highG && p[0] >= lowB && p[0] <= highB;
  };

  constexpr size_t kBatch = 2000;  // rectangles per ExtCreateRegion call
  HRGN result = nullptr;
  std::vector<uint8_t> buffer;
  std::vector<RECT> rects;
  rects.reserve(kBatch);
  auto flush = [&]() {
    if (rects.empty()) return;
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(rects.size());
    header.nRgnSize = DWORD(rects.size() * sizeof(RECT));
    header.rcBound = RECT{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (const RECT& r : rects) {
      header.rcBound.left = std::min(header.rcBound.left, r.left);
      header.rcBound.top = std::min(header.rcBound.top, r.top);
      header.rcBound.right = std::max(header.rcBound.right, r.right);
      header.rcBound.bottom = std::max(header.rcBound.bottom, r.bottom);
    }
    buffer.resize(sizeof(header) + header.nRgnSize);
    std::copy_n(reinterpret_cast<const uint8_t*>(&header), sizeof(header), buffer.data());
    std::copy_n(reinterpret_cast<const uint8_t*>(rects.data()), header.nRgnSize, buffer.data() + sizeof(header));
    HRGN part = ExtCreateRegion(nullptr, DWORD(buffer.size()), reinterpret_cast<const RGNDATA*>(buffer.data()));
    rects.clear();
    if (!part) return;
    if (!result) {
      result = part;
    } else {
      CombineRgn(result, result, part, RGN_OR);
      DeleteObject(part);
    }
  };

  for (int row = 0; row < bitmap.Height(); ++row) {
    const uint8_t* line = bitmap.ScanLine(row);
    int col = 0;
    while (col < bitmap.Width()) {
      while (col < bitmap.Width() && keyed(line + col * 3)) ++col;
      const int start = col;
      while (col < bitmap.Width() && !keyed(line + col * 3)) ++col;
      if (col > start) {
        rects.push_back(RECT{start + x, row + y, col + x, row + y + 1});
        if (rects.size() == kBatch) flush();
      }
    }
  }
  flush();
  return result;
}

bool HandRegionToWindow(HWND window, HRGN& region, bool redraw) {
  if (SetWindowRgn(window, region, redraw ? TRUE : FALSE)) {
    region = nullptr;
    return true;
  }
  if (region) DeleteObject(region);
  region = nullptr;
  return false;
}

void DrawParentBackground(HWND parent, const RECT& bounds, HDC dc) {
  if (!parent) return;
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, -bounds.left, -bounds.top, nullptr);
  IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
  SendMessageW(parent, WM_ERASEBKGND, WPARAM(dc), 0);
  SendMessageW(parent, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
  RestoreDC(dc, saved);
}

void DrawParentBackground(HWND control, HDC dc) {
  HWND parent = GetParent(control);
  if (!parent) return;
  POINT origin{0, 0};
  ClientToScreen(control, &origin);
  ScreenToClient(parent, &origin);
  RECT client{};
  GetClientRect(control, &client);
  OffsetRect(&client, origin.x, origin.y);
  DrawParentBackground(parent, client, dc);
}

TBitmap& SharedBackBuffer() {
  static TBitmap buffer;
  return buffer;
}
