// The control drawing helpers on memory bitmaps: where text lands (the skinners' one-pixel
// lift against the exact centre), where an image-list image starts, which frame of an element
// or strip is drawn when counts and indexes are odd, and what draws nothing.
#include "skin/control_draw.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/skin_elements.h"

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);

// A white bitmap with a DC for the test's drawing; the bounding box of what is not white.
class Sheet {
 public:
  Sheet(int w, int h) : bitmap_(w, h), dc_(CreateCompatibleDC(nullptr)) {
    bitmap_.Fill(kPaper);
    old_ = SelectObject(dc_, bitmap_.Handle());
    SelectObject(dc_, GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc_, RGB(0, 0, 0));
  }
  ~Sheet() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF Pixel(int x, int y) {
    GdiFlush();
    return bitmap_.Pixel(x, y);
  }
  RECT Ink() {
    GdiFlush();
    RECT box{bitmap_.Width(), bitmap_.Height(), -1, -1};
    for (int y = 0; y < bitmap_.Height(); ++y)
      for (int x = 0; x < bitmap_.Width(); ++x)
        if (bitmap_.Pixel(x, y) != kPaper) {
          box.left = std::min<LONG>(box.left, x);
          box.top = std::min<LONG>(box.top, y);
          box.right = std::max<LONG>(box.right, x);
          box.bottom = std::max<LONG>(box.bottom, y);
        }
    return box;
  }

 private:
  TBitmap bitmap_;
  HDC dc_;
  HGDIOBJ old_;
};

TEST(ControlDraw, SkinTextSitsOnePixelAboveTheCentreThatCentredTextKeeps) {
  Sheet lifted(100, 20), exact(100, 20);
  DrawSkinText(nullptr, lifted.dc(), RECT{0, 0, 100, 20}, DT_CENTER, true, L"Scan");
  DrawCenteredText(exact.dc(), RECT{0, 0, 100, 20}, L"Scan", DT_CENTER, true);
  const RECT a = lifted.Ink(), b = exact.Ink();
  ASSERT_GE(a.right, 0);
  EXPECT_EQ(a.left, b.left);
  EXPECT_EQ(a.top + 1, b.top);
  // Right alignment uses the whole width.
  Sheet right(100, 20);
  DrawSkinText(nullptr, right.dc(), RECT{0, 0, 100, 20}, DT_RIGHT, true, L"Scan");
  EXPECT_GE(right.Ink().right, 95);
}

TEST(ControlDraw, DisabledTextTakesTheShadowColour) {
  Sheet sheet(100, 20);
  DrawCenteredText(sheet.dc(), RECT{0, 0, 100, 20}, L"MMMM", DT_CENTER, false);
  const RECT ink = sheet.Ink();
  bool shadow = false;
  for (int x = ink.left; x <= ink.right; ++x)
    for (int y = ink.top; y <= ink.bottom; ++y) shadow |= sheet.Pixel(x, y) == DisabledTextColour();
  EXPECT_TRUE(shadow);
}

TEST(ControlDraw, AnImageBesideTextStartsThreePixelsInAndIsLeftOutWhenTooWide) {
  HIMAGELIST list = ImageList_Create(8, 8, ILC_COLOR24, 1, 0);
  TBitmap image(8, 8);
  image.Fill(RGB(0, 0, 200));
  ImageList_Add(list, image.Handle(), nullptr);
  Sheet sheet(60, 20);
  DrawTextWithImage(nullptr, sheet.dc(), RECT{0, 0, 60, 20}, 0, L"", 0, list);
  EXPECT_EQ(sheet.Pixel(3, 6), RGB(0, 0, 200));
  EXPECT_EQ(sheet.Pixel(2, 6), kPaper);
  Sheet narrow(8, 20);
  DrawTextWithImage(nullptr, narrow.dc(), RECT{0, 0, 8, 20}, 0, L"", 0, list);
  EXPECT_EQ(narrow.Ink().right, -1);
  ImageList_Destroy(list);
}

TEST(ControlDraw, FramesOutsideTheStripTakeItsNearestEndAndInvertedRectanglesDrawNothing) {
  TDataSkinObject element("Buttons");
  element.Image = TBitmap(40, 4);
  const COLORREF colours[] = {RGB(10, 0, 0), RGB(0, 10, 0), RGB(0, 0, 10), RGB(10, 10, 0)};
  for (int f = 0; f < 4; ++f)
    for (int x = 0; x < 10; ++x)
      for (int y = 0; y < 4; ++y) element.Image.SetPixel(f * 10 + x, y, colours[f]);
  struct Case {
    int frames, frame;
    COLORREF colour;
  } cases[] = {{4, 2, colours[1]}, {4, 7, colours[3]}, {4, 0, colours[0]}, {0, 3, colours[0]}};
  for (const Case& c : cases) {
    Sheet element_sheet(20, 10), strip_sheet(20, 10);
    DrawElementFrame(element_sheet.dc(), RECT{0, 0, 20, 10}, c.frames, c.frame, element);
    DrawFrameKeyed(strip_sheet.dc(), RECT{0, 0, 20, 10}, c.frames, c.frame, element.Image);
    // Frame count 0 is one frame: the whole image, whose left quarter is frame 1.
    EXPECT_EQ(element_sheet.Pixel(2, 5), c.colour) << c.frames << " " << c.frame;
    EXPECT_EQ(strip_sheet.Pixel(2, 5), c.colour) << c.frames << " " << c.frame;
  }
  Sheet sheet(20, 10);
  DrawElementFrame(sheet.dc(), RECT{10, 0, 5, 10}, 4, 1, element);
  DrawFrameKeyed(sheet.dc(), RECT{0, 10, 20, 5}, 4, 1, element.Image);
  EXPECT_EQ(sheet.Ink().right, -1);
}

TEST(ControlDraw, ArrowGlyphs) {
  for (int direction = 0; direction < 4; ++direction) {
    Sheet sheet(20, 20);
    DrawArrowGlyph(sheet.dc(), 10, 10, direction);
    const RECT ink = sheet.Ink();
    EXPECT_GE(ink.right, 0) << direction;
    EXPECT_LE(ink.right - ink.left, 8) << direction;
  }
  Sheet none(20, 20);
  DrawArrowGlyph(none.dc(), 10, 10, 4);
  EXPECT_EQ(none.Ink().right, -1);
}

}  // namespace
