#include "skin/grayed_glyph.h"

#include <cstdint>
#include <vector>

#include "gui/memory_dc.h"

namespace {

// Where the mask is white the brush colour, elsewhere the destination (DSPDxax).
constexpr DWORD kBrushThroughMask = 0x00E20746;

void Emboss(HDC dest, int x, int y, int w, int h, HDC mask, int sysColour) {
  HBRUSH brush = CreateSolidBrush(GetSysColor(sysColour));
  HGDIOBJ old = SelectObject(dest, brush);
  BitBlt(dest, x, y, w, h, mask, 0, 0, kBrushThroughMask);
  SelectObject(dest, old);
  DeleteObject(brush);
}

}  // namespace

TBitmap CreateGrayedGlyph(const TBitmap& glyph) {
  const int w = glyph.Width(), h = glyph.Height();
  TBitmap result(w, h);
  if (result.Empty() || glyph.Empty()) return result;
  result.Fill(GetSysColor(COLOR_BTNFACE));
  // The monochrome mask: bit 1 (white) where the glyph is not white, the pixels the brush
  // paints through. Built bit by bit, since drivers differ in how they map a DIB section's
  // pixels to monochrome.
  const int stride = ((w + 15) / 16) * 2;
  std::vector<uint8_t> bits(static_cast<size_t>(stride) * h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((glyph.Pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) bits[static_cast<size_t>(y) * stride + x / 8] |= 0x80 >> (x % 8);
  HBITMAP mask = CreateBitmap(w, h, 1, 1, bits.data());
  {
    TBitmapDC maskDC(mask);
    TBitmapDC dest(result.Handle());
    SetTextColor(dest, RGB(0, 0, 0));
    SetBkColor(dest, RGB(255, 255, 255));
    Emboss(dest, 1, 1, w, h, maskDC, COLOR_BTNHIGHLIGHT);
    Emboss(dest, 0, 0, w, h, maskDC, COLOR_BTNSHADOW);
  }
  DeleteObject(mask);
  return result;
}
