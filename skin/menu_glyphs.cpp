#include "skin/menu_glyphs.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kCell = 16;
constexpr COLORREF kInk = RGB(0, 0, 0), kPaper = RGB(255, 255, 255);

void Line(TBitmap& b, int x0, int y0, int x1, int y1) {
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int i = 0; i <= steps; ++i)
    b.SetPixel(x0 + (x1 - x0) * i / (steps ? steps : 1), y0 + (y1 - y0) * i / (steps ? steps : 1), kInk);
}

// A window outline with a thick top edge, its top-left corner at (x, y).
void WindowBox(TBitmap& b, int x, int y, int w, int h) {
  Line(b, x, y, x + w - 1, y);
  Line(b, x, y + 1, x + w - 1, y + 1);
  Line(b, x, y + h - 1, x + w - 1, y + h - 1);
  Line(b, x, y, x, y + h - 1);
  Line(b, x + w - 1, y, x + w - 1, y + h - 1);
}

}  // namespace

TBitmap MenuGlyphStrip() {
  TBitmap b(4 * kCell, kCell);
  b.Fill(kPaper);
  // Restore: two overlapping windows.
  WindowBox(b, 6, 3, 7, 6);
  for (int y = 6; y < 13; ++y)
    for (int x = 3; x < 10; ++x) b.SetPixel(x, y, kPaper);
  WindowBox(b, 3, 6, 7, 6);
  // Maximize: one window filling the cell.
  WindowBox(b, kCell + 3, 3, 10, 9);
  // Minimize: a bar at the bottom.
  Line(b, 2 * kCell + 4, 11, 2 * kCell + 10, 11);
  Line(b, 2 * kCell + 4, 12, 2 * kCell + 10, 12);
  // Close: a cross two pixels thick.
  for (int i = 0; i < 8; ++i) {
    const int x = 3 * kCell + 4 + i;
    b.SetPixel(x, 4 + i, kInk);
    b.SetPixel(x + 1, 4 + i, kInk);
    b.SetPixel(x, 11 - i, kInk);
    b.SetPixel(x + 1, 11 - i, kInk);
  }
  b.SetPixelFormat(TPixelFormat::pf1bit);
  return b;
}
