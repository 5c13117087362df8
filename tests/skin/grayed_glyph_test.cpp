// The greyed glyph of two-colour and one-colour glyphs, probed where the emboss must land.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/grayed_glyph.h"

namespace {

// A 16 x 16 glyph of one background colour with a 6 x 6 square of another at (4, 4).
TBitmap Glyph(COLORREF background, COLORREF square) {
  TBitmap glyph(16, 16);
  glyph.Fill(background);
  for (int y = 4; y < 10; ++y)
    for (int x = 4; x < 10; ++x) glyph.SetPixel(x, y, square);
  return glyph;
}

TEST(GrayedGlyph, TheGlyphsDarkPixelsAreEmbossedOnTheFace) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE), shadow = GetSysColor(COLOR_BTNSHADOW),
                 light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF white = RGB(255, 255, 255), black = 0, red = RGB(200, 0, 0);
  struct Case {
    const char* what;
    COLORREF background, square;
    int x, y;
    COLORREF expected;
  } cases[] = {
      {"inside a black square on white", white, black, 6, 6, shadow},
      {"the square's bottom-right corner", white, black, 9, 9, shadow},
      {"one pixel beyond it: the highlight", white, black, 10, 10, light},
      {"beyond its right edge, within its rows", white, black, 10, 6, light},
      {"the white background", white, black, 1, 1, face},
      {"any colour but white counts as dark", white, red, 6, 6, shadow},
      {"a white square on black: the square", black, white, 6, 6, face},
      {"a white square on black: the frame", black, white, 0, 0, shadow},
      {"a white square on black: its top-left takes the frame's highlight", black, white, 4, 4, light},
      {"an all-white glyph stays flat", white, white, 8, 8, face},
      {"an all-black glyph is shadow", black, black, 15, 15, shadow},
  };
  for (const Case& c : cases) {
    TBitmap grey = CreateGrayedGlyph(Glyph(c.background, c.square));
    ASSERT_EQ(grey.Width(), 16) << c.what;
    ASSERT_EQ(grey.Height(), 16) << c.what;
    EXPECT_EQ(grey.Pixel(c.x, c.y), c.expected) << c.what;
  }
}

TEST(GrayedGlyph, AnEmptyGlyphGivesAnEmptyBitmap) { EXPECT_TRUE(CreateGrayedGlyph(TBitmap()).Empty()); }

}  // namespace
