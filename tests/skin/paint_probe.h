// What a skinned control paints: the control sent WM_PAINT with a memory DC over a picture of
// its size, filled first with a colour no skin uses, so that what was left unpainted shows.
#pragma once

#include <windows.h>

#include "gui/controls.h"
#include "gui/pictures.h"

constexpr COLORREF kUnpaintedColour = RGB(1, 2, 3);

// What the screen shows at a point (windows painted there directly, menus).
inline COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return colour;
}

// A window's picture, its background erased first when asked.
inline TBitmap PaintedPicture(HWND window, bool erase = false) {
  RECT r{};
  GetWindowRect(window, &r);
  TBitmap picture(r.right - r.left, r.bottom - r.top);
  picture.Fill(kUnpaintedColour);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture.Handle());
  if (erase) SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  return picture;
}

// A control's picture: a windowed control's through its window, a windowless one's through the
// DC its parent hands it.
inline TBitmap PaintedPicture(TControl* control) {
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) return PaintedPicture(windowed->Handle());
  TBitmap picture(control->Width(), control->Height());
  picture.Fill(kUnpaintedColour);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture.Handle());
  control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  return picture;
}
