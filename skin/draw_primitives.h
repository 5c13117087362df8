// Drawing routines that turn one state frame of a skin element image into
// pixels: 9-slice rendering with tiled or stretched centre, three-part
// strips, whole-cell blits, magenta-keyed transparency, window regions from
// bitmaps and the parent's background under a control.
//
// An element image holds equal state frames side by side (or stacked, where a
// routine takes `vertical`); frames are numbered from 1. A frame count below 1
// counts as 1. Margins are a RECT of the unscaled left/right column widths and
// top/bottom row heights of a cell (Left, Top, Right, Bottom).
#pragma once

#include <windows.h>

#include "gui/pictures.h"

// The part of the image that holds frame `frame`.
RECT FrameCell(const TBitmap& image, bool vertical, int frames, int frame);

// A new bitmap of dest's size holding the frame in 9 slices: corners keep
// their size, edges stretch along their length, the centre is tiled or
// stretched. When the size is smaller than two opposite margins together,
// both of them are dropped.
TBitmap RenderElement(const RECT& dest, const TBitmap& image, const RECT& margins, bool vertical, bool tile,
                          int frames, int frame);
// How an element image is filled: its 9-slice margins, a tiled or stretched middle, and
// whether magenta pixels are left out (keyed) or copied.
struct TElementLook {
  const TBitmap& Image;
  RECT Margins{};
  bool Tile = false;
  bool Keyed = false;
};
// Which state frame to draw: Frame (from 1) of Frames cells, side by side or stacked.
struct TElementFrame {
  int Frame = 1;
  int Frames = 1;
  bool Vertical = false;
};
// RenderElement of that frame drawn at dest, keyed or copied.
void DrawElement(HDC dc, const RECT& dest, const TElementLook& element, TElementFrame frame);
// Left cap, tiled middle, right cap (only margins.left and margins.right count).
void DrawElementStrip(HDC dc, const RECT& dest, const TBitmap& image, bool vertical, bool keyed, int frames,
                      int frame, const RECT& margins);
// Left and right columns stretched in height only, the middle stretched to fit.
void StretchElementSides(HDC dc, const RECT& dest, const TBitmap& image, bool vertical, int frames, int frame,
                         const RECT& margins);
// The whole horizontal cell stretched to dest, keyed or copied.
void DrawElementCell(HDC dc, const RECT& dest, const TBitmap& image, bool keyed, int frames, int frame);
// The horizontal cell at its own size, centred in dest, keyed or copied.
void DrawElementCellCentered(HDC dc, const RECT& dest, const TBitmap& image, bool keyed, int frames, int frame);
// The source part of the image repeated over dest from its top-left corner;
// the last row and column of tiles may run past dest's right and bottom.
void TileBitmap(HDC dc, const RECT& dest, const TBitmap& image, const RECT& source);
// The bitmap, from its origin and unscaled, drawn at dest with every pixel of
// the key colour left out.
void DrawKeyed(HDC dc, const RECT& dest, const TBitmap& bitmap, COLORREF key);

// A region of every pixel outside the key range (each channel from the key's
// value up to key + tolerance, at most 255), moved by (x, y). Null when every
// pixel is in the key range. The caller owns the region.
HRGN BitmapToRegion(const TBitmap& bitmap, int x, int y, int blueTolerance, int greenTolerance,
                    int redTolerance, COLORREF key);
// Hands the region to the window (SetWindowRgn). From then on the system owns
// it: on success the handle is set to null so that nobody deletes it; on
// failure the region is deleted here. Returns whether the window took it.
bool HandRegionToWindow(HWND window, HRGN& region, bool redraw);

// Paints the parent window's background and client area under `bounds` (a
// rectangle in the parent's client coordinates) into dc, whose origin stands
// for bounds' top-left corner: the parent gets WM_ERASEBKGND and then
// WM_PRINTCLIENT with dc, clipped to bounds. WM_PRINTCLIENT (not WM_PAINT with
// a DC) is what both native windows and the framework's forms paint into a
// given DC. Windowless controls pass their parent and their bounds.
void DrawParentBackground(HWND parent, const RECT& bounds, HDC dc);
// The same under a windowed control's client area; nothing for a window
// without a parent.
void DrawParentBackground(HWND control, HDC dc);

// The one scratch bitmap that the title bar, menu bar and status bar painters
// resize and draw into; nobody keeps its contents between calls.
TBitmap& SharedBackBuffer();
