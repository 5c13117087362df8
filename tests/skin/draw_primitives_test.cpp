#include "skin/draw_primitives.h"

#include <gtest/gtest.h>

#include "skin/img_util.h"

namespace {

constexpr COLORREF kCornerTL = RGB(200, 0, 0), kCornerTR = RGB(0, 200, 0), kCornerBL = RGB(0, 0, 200),
                   kCornerBR = RGB(200, 200, 0), kTop = RGB(10, 10, 10), kBottom = RGB(20, 20, 20),
                   kLeft = RGB(30, 30, 30), kRight = RGB(40, 40, 40), kCentreA = RGB(100, 100, 250),
                   kCentreB = RGB(250, 100, 100), kOther = RGB(1, 1, 1);

// Two 6 x 6 frames side by side; frame 2 is the 9-slice test cell with
// margins of 2 all round and a 2 x 2 checker centre. Frame 1 is all kOther.
TBitmap NineSliceImage() {
  TBitmap b(12, 6);
  b.Fill(kOther);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      const int col = x < 2 ? 0 : x < 4 ? 1 : 2;
      const int row = y < 2 ? 0 : y < 4 ? 1 : 2;
      const COLORREF grid[3][3] = {{kCornerTL, kTop, kCornerTR},
                                   {kLeft, (x + y) % 2 ? kCentreB : kCentreA, kRight},
                                   {kCornerBL, kBottom, kCornerBR}};
      b.SetPixel(6 + x, y, grid[row][col]);
    }
  return b;
}

const RECT kMargins2{2, 2, 2, 2};

TEST(DrawPrimitives, FrameCellsAndFrameCountsBelowOne) {
  TBitmap b(40, 20);
  EXPECT_EQ(FrameCell(b, false, 4, 2).left, 10);
  EXPECT_EQ(FrameCell(b, false, 4, 2).right, 20);
  EXPECT_EQ(FrameCell(b, false, 4, 2).bottom, 20);
  EXPECT_EQ(FrameCell(b, true, 2, 2).top, 10);
  EXPECT_EQ(FrameCell(b, true, 2, 2).right, 40);
  for (int frames : {0, -3}) {
    const RECT cell = FrameCell(b, false, frames, 1);
    EXPECT_EQ(cell.right - cell.left, 40) << frames;
  }
}

TEST(DrawPrimitives, NineSliceWithTiledCentre) {
  const TBitmap image = NineSliceImage();
  const TBitmap r = RenderElement(RECT{5, 5, 17, 15}, image, kMargins2, false, true, 2, 2);
  ASSERT_EQ(r.Width(), 12);
  ASSERT_EQ(r.Height(), 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 12; ++x) {
      const int col = x < 2 ? 0 : x < 10 ? 1 : 2;
      const int row = y < 2 ? 0 : y < 8 ? 1 : 2;
      const COLORREF grid[3][3] = {{kCornerTL, kTop, kCornerTR},
                                   {kLeft, (x + y) % 2 ? kCentreB : kCentreA, kRight},
                                   {kCornerBL, kBottom, kCornerBR}};
      EXPECT_EQ(r.Pixel(x, y), grid[row][col]) << x << "," << y;
    }
}

TEST(DrawPrimitives, NineSliceWithStretchedCentre) {
  const TBitmap image = NineSliceImage();
  const TBitmap r = RenderElement(RECT{0, 0, 12, 10}, image, kMargins2, false, false, 2, 2);
  // The 2 x 2 centre becomes 8 x 6: blocks of 4 x 3 pixels.
  for (int y = 2; y < 8; ++y)
    for (int x = 2; x < 10; ++x) {
      const int sx = (x - 2) / 4, sy = (y - 2) / 3;
      EXPECT_EQ(r.Pixel(x, y), (sx + sy) % 2 ? kCentreB : kCentreA) << x << "," << y;
    }
  EXPECT_EQ(r.Pixel(0, 0), kCornerTL);
  EXPECT_EQ(r.Pixel(11, 9), kCornerBR);
  EXPECT_EQ(r.Pixel(6, 0), kTop);
  EXPECT_EQ(r.Pixel(0, 5), kLeft);
}

TEST(DrawPrimitives, VerticalFramesAreStacked) {
  TBitmap image(2, 4);
  image.Fill(RGB(5, 5, 5));
  for (int x = 0; x < 2; ++x)
    for (int y = 2; y < 4; ++y) image.SetPixel(x, y, RGB(7, 7, 7));
  const TBitmap r = RenderElement(RECT{0, 0, 3, 3}, image, RECT{0, 0, 0, 0}, true, false, 2, 2);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(r.Pixel(x, y), RGB(7, 7, 7));
}

// A cell whose colour depends on its column band only (2 + 2 + 2 pixels).
TEST(DrawPrimitives, NarrowDestinationDropsBothSideColumns) {
  TBitmap image(6, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) image.SetPixel(x, y, x < 2 ? kLeft : x < 4 ? kCentreA : kRight);
  const TBitmap r = RenderElement(RECT{0, 0, 3, 8}, image, kMargins2, false, false, 1, 1);
  // Without the columns the whole cell is squeezed: its middle lands in the middle.
  for (int y = 0; y < 8; ++y) EXPECT_EQ(r.Pixel(1, y), kCentreA) << y;
}

TEST(DrawPrimitives, LowDestinationDropsTopAndBottomRows) {
  TBitmap image(6, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) image.SetPixel(x, y, y < 2 ? kTop : y < 4 ? kCentreA : kBottom);
  const TBitmap r = RenderElement(RECT{0, 0, 8, 3}, image, kMargins2, false, false, 1, 1);
  for (int x = 0; x < 8; ++x) EXPECT_EQ(r.Pixel(x, 1), kCentreA) << x;
}

TEST(DrawPrimitives, OnePixelCellFillsUniformly) {
  TBitmap image(1, 1);
  image.SetPixel(0, 0, RGB(9, 99, 199));
  for (bool tile : {false, true}) {
    const TBitmap r = RenderElement(RECT{0, 0, 7, 5}, image, RECT{0, 0, 0, 0}, false, tile, 1, 1);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) EXPECT_EQ(r.Pixel(x, y), RGB(9, 99, 199)) << tile;
  }
}

class Canvas : public ::testing::Test {
 protected:
  void SetUp() override {
    target_ = TBitmap(20, 10);
    target_.Fill(kBackground);
  }
  static constexpr COLORREF kBackground = RGB(77, 66, 55);
  TBitmap target_;
};

TEST_F(Canvas, DrawKeyedLeavesKeyPixelsUntouched) {
  TBitmap sprite(3, 2);
  sprite.Fill(RGB(1, 2, 3));
  sprite.SetPixel(1, 0, kSkinKeyColour);
  sprite.SetPixel(2, 1, kSkinKeyColour);
  sprite.SetPixel(0, 1, RGB(254, 0, 255));  // near the key is still opaque
  {
    TBitmapDC dc(target_.Handle());
    DrawKeyed(dc, RECT{4, 3, 7, 5}, sprite, kSkinKeyColour);
  }
  EXPECT_EQ(target_.Pixel(4, 3), RGB(1, 2, 3));
  EXPECT_EQ(target_.Pixel(5, 3), kBackground);
  EXPECT_EQ(target_.Pixel(6, 3), RGB(1, 2, 3));
  EXPECT_EQ(target_.Pixel(4, 4), RGB(254, 0, 255));
  EXPECT_EQ(target_.Pixel(6, 4), kBackground);
  EXPECT_EQ(target_.Pixel(3, 3), kBackground);
  EXPECT_EQ(target_.Pixel(7, 3), kBackground);
}

TEST_F(Canvas, DrawKeyedDrawsNothingPastTheBitmap) {
  TBitmap sprite(2, 2);
  sprite.Fill(RGB(1, 2, 3));
  {
    TBitmapDC dc(target_.Handle());
    DrawKeyed(dc, RECT{0, 0, 6, 6}, sprite, kSkinKeyColour);
  }
  EXPECT_EQ(target_.Pixel(1, 1), RGB(1, 2, 3));
  EXPECT_EQ(target_.Pixel(2, 1), kBackground);
  EXPECT_EQ(target_.Pixel(1, 2), kBackground);
}

TEST(DrawPrimitives, NegativeMarginsCountAsZero) {
  const TBitmap image = NineSliceImage();
  const TBitmap plain = RenderElement(RECT{0, 0, 9, 7}, image, RECT{0, 0, 0, 0}, false, false, 2, 2);
  const TBitmap odd = RenderElement(RECT{0, 0, 9, 7}, image, RECT{-3, -1, 0, -2}, false, false, 2, 2);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) EXPECT_EQ(odd.Pixel(x, y), plain.Pixel(x, y)) << x << "," << y;
}

TEST_F(Canvas, DrawElementKeyedOrCopiedAndNothingWhenInverted) {
  TBitmap image(2, 1);
  image.SetPixel(0, 0, kSkinKeyColour);
  image.SetPixel(1, 0, RGB(5, 5, 5));
  TBitmapDC dc(target_.Handle());
  DrawElement(dc, RECT{0, 0, 4, 2}, TElementLook{image, {}, false, true}, {});
  DrawElement(dc, RECT{0, 4, 4, 6}, TElementLook{image, {}, false, false}, {});
  DrawElement(dc, RECT{10, 4, 8, 6}, TElementLook{image, {}, false, false}, {});
  EXPECT_EQ(target_.Pixel(0, 0), kBackground);
  EXPECT_EQ(target_.Pixel(3, 1), RGB(5, 5, 5));
  EXPECT_EQ(target_.Pixel(0, 4), kSkinKeyColour);
  EXPECT_EQ(target_.Pixel(9, 5), kBackground);
}

TEST_F(Canvas, StripRepeatsItsMiddleBetweenTheCaps) {
  // Cell: cap L, middle 1 2 3, cap R.
  const COLORREF cell[] = {RGB(50, 0, 0), RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(60, 0, 0)};
  TBitmap image(10, 1);
  image.Fill(kOther);
  for (int x = 0; x < 5; ++x) image.SetPixel(5 + x, 0, cell[x]);
  {
    TBitmapDC dc(target_.Handle());
    DrawElementStrip(dc, RECT{0, 2, 10, 4}, image, false, false, 2, 2, RECT{1, 0, 1, 0});
  }
  const COLORREF expected[] = {cell[0], cell[1], cell[2], cell[3], cell[1], cell[2],
                               cell[3], cell[1], cell[2], cell[4]};
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(target_.Pixel(x, 2), expected[x]) << x;
    EXPECT_EQ(target_.Pixel(x, 3), expected[x]) << x;
  }
  EXPECT_EQ(target_.Pixel(0, 1), kBackground);
}

TEST_F(Canvas, StripWithoutMiddleDrawsOnlyItsCaps) {
  TBitmap image(2, 1);
  image.SetPixel(0, 0, RGB(50, 0, 0));
  image.SetPixel(1, 0, RGB(60, 0, 0));
  TBitmapDC dc(target_.Handle());
  DrawElementStrip(dc, RECT{0, 0, 6, 1}, image, false, false, 1, 1, RECT{1, 0, 1, 0});
  EXPECT_EQ(target_.Pixel(0, 0), RGB(50, 0, 0));
  EXPECT_EQ(target_.Pixel(5, 0), RGB(60, 0, 0));
}

TEST_F(Canvas, StretchElementSidesKeepsColumnWidths) {
  const COLORREF cell[] = {RGB(50, 0, 0), RGB(1, 0, 0), RGB(60, 0, 0)};
  TBitmap image(3, 1);
  for (int x = 0; x < 3; ++x) image.SetPixel(x, 0, cell[x]);
  TBitmapDC dc(target_.Handle());
  StretchElementSides(dc, RECT{2, 1, 10, 3}, image, false, 1, 1, RECT{1, 0, 1, 0});
  EXPECT_EQ(target_.Pixel(2, 2), cell[0]);
  for (int x = 3; x < 9; ++x) EXPECT_EQ(target_.Pixel(x, 2), cell[1]) << x;
  EXPECT_EQ(target_.Pixel(9, 2), cell[2]);
  EXPECT_EQ(target_.Pixel(10, 2), kBackground);
}

TEST_F(Canvas, StretchElementSidesSqueezesACellWiderThanItsPlace) {
  // Cell A B B C with one-pixel caps into two pixels: drawn by parts it would be
  // A C; squeezed whole, one of the two pixels comes from the middle.
  TBitmap image(4, 1);
  image.Fill(RGB(2, 0, 0));
  image.SetPixel(0, 0, RGB(1, 0, 0));
  image.SetPixel(3, 0, RGB(3, 0, 0));
  TBitmapDC dc(target_.Handle());
  StretchElementSides(dc, RECT{0, 5, 2, 6}, image, false, 1, 1, RECT{1, 0, 1, 0});
  EXPECT_TRUE(target_.Pixel(0, 5) == RGB(2, 0, 0) || target_.Pixel(1, 5) == RGB(2, 0, 0));
  EXPECT_EQ(target_.Pixel(2, 5), kBackground);
}

TEST_F(Canvas, CellsStretchedOrCentred) {
  TBitmap image(4, 2);
  image.Fill(RGB(3, 3, 3));
  for (int y = 0; y < 2; ++y) {
    image.SetPixel(2, y, RGB(8, 8, 8));
    image.SetPixel(3, y, kSkinKeyColour);
  }
  TBitmapDC dc(target_.Handle());
  DrawElementCell(dc, RECT{0, 0, 4, 4}, image, true, 2, 2);
  EXPECT_EQ(target_.Pixel(0, 0), RGB(8, 8, 8));
  EXPECT_EQ(target_.Pixel(1, 3), RGB(8, 8, 8));
  EXPECT_EQ(target_.Pixel(2, 0), kBackground);  // the keyed half
  DrawElementCellCentered(dc, RECT{10, 0, 17, 5}, image, false, 2, 2);
  // A 2 x 2 cell in a 7 x 5 rectangle starts at (10 + 2, 0 + 1).
  EXPECT_EQ(target_.Pixel(12, 1), RGB(8, 8, 8));
  EXPECT_EQ(target_.Pixel(13, 2), kSkinKeyColour);
  EXPECT_EQ(target_.Pixel(11, 1), kBackground);
  EXPECT_EQ(target_.Pixel(12, 3), kBackground);
}

TEST_F(Canvas, TileBitmapRepeatsUnclippedAndSkipsEmptySources) {
  TBitmap image(3, 1);
  image.SetPixel(0, 0, RGB(9, 0, 0));
  image.SetPixel(1, 0, RGB(1, 0, 0));
  image.SetPixel(2, 0, RGB(2, 0, 0));
  TBitmapDC dc(target_.Handle());
  TileBitmap(dc, RECT{0, 0, 5, 2}, image, RECT{1, 0, 3, 1});
  const COLORREF expected[] = {RGB(1, 0, 0), RGB(2, 0, 0), RGB(1, 0, 0), RGB(2, 0, 0), RGB(1, 0, 0), RGB(2, 0, 0)};
  for (int x = 0; x < 6; ++x) {
    EXPECT_EQ(target_.Pixel(x, 0), expected[x]) << x;  // x 5: the last tile runs past
    EXPECT_EQ(target_.Pixel(x, 1), expected[x]) << x;
  }
  TileBitmap(dc, RECT{0, 5, 5, 7}, image, RECT{1, 0, 1, 1});
  TileBitmap(dc, RECT{0, 5, 5, 7}, image, RECT{2, 1, 3, 0});
  EXPECT_EQ(target_.Pixel(0, 5), kBackground);
}

// Every pixel of the bitmap against the region.
void ExpectRegionCovers(HRGN region, const TBitmap& b, int dx, int dy, COLORREF key) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      EXPECT_EQ(PtInRegion(region, x + dx, y + dy) != 0, b.Pixel(x, y) != key) << x << "," << y;
}

TEST(BitmapToRegion, OpaquePixelsWithOffset) {
  TBitmap b(5, 3);
  b.Fill(RGB(0, 0, 0));
  b.SetPixel(0, 0, kSkinKeyColour);
  b.SetPixel(2, 1, kSkinKeyColour);
  b.SetPixel(4, 2, kSkinKeyColour);
  HRGN region = BitmapToRegion(b, 10, 20, 0, 0, 0, kSkinKeyColour);
  ASSERT_NE(region, nullptr);
  ExpectRegionCovers(region, b, 10, 20, kSkinKeyColour);
  RECT box{};
  GetRgnBox(region, &box);
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.bottom, 23);
  DeleteObject(region);
}

TEST(BitmapToRegion, OneRowBitmap) {
  TBitmap b(4, 1);
  b.Fill(RGB(1, 1, 1));
  b.SetPixel(1, 0, kSkinKeyColour);
  HRGN region = BitmapToRegion(b, 0, 0, 0, 0, 0, kSkinKeyColour);
  ASSERT_NE(region, nullptr);
  ExpectRegionCovers(region, b, 0, 0, kSkinKeyColour);
  DeleteObject(region);
}

TEST(BitmapToRegion, AllKeyGivesNoRegion) {
  TBitmap b(3, 3);
  b.Fill(kSkinKeyColour);
  EXPECT_EQ(BitmapToRegion(b, 0, 0, 1, 1, 1, kSkinKeyColour), nullptr);
  EXPECT_EQ(BitmapToRegion(TBitmap(), 0, 0, 1, 1, 1, kSkinKeyColour), nullptr);
}

TEST(BitmapToRegion, ToleranceGrowsUpwardsFromTheKey) {
  TBitmap b(2, 2);
  b.Fill(kSkinKeyColour);
  b.SetPixel(0, 0, RGB(255, 1, 255));  // within tolerance: transparent
  b.SetPixel(1, 0, RGB(254, 0, 255));  // below the key: opaque
  HRGN region = BitmapToRegion(b, 0, 0, 1, 1, 1, kSkinKeyColour);
  ASSERT_NE(region, nullptr);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_TRUE(PtInRegion(region, 1, 0));
  EXPECT_FALSE(PtInRegion(region, 0, 1));
  DeleteObject(region);
}

TEST(BitmapToRegion, ManyRunsAreCombinedInBatches) {
  TBitmap b(120, 60);  // 60 runs a row, 3600 rectangles
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x) b.SetPixel(x, y, (x + y) % 2 ? kSkinKeyColour : RGB(0, 0, 0));
  HRGN region = BitmapToRegion(b, 0, 0, 0, 0, 0, kSkinKeyColour);
  ASSERT_NE(region, nullptr);
  ExpectRegionCovers(region, b, 0, 0, kSkinKeyColour);
  DeleteObject(region);
}

HWND MakeWindow(HWND parent, int x, int y, int w, int h, WNDPROC proc) {
  static const wchar_t* kClass = L"QsSkinDrawTestWindow";
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    if (!RegisterClassW(&wc)) ADD_FAILURE() << "RegisterClassW failed: " << GetLastError();
    registered = true;
  }
  HWND wnd = CreateWindowExW(0, kClass, L"", parent ? WS_CHILD | WS_VISIBLE : WS_POPUP, x, y, w, h, parent, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (wnd && proc) SetWindowLongPtrW(wnd, GWLP_WNDPROC, LONG_PTR(proc));
  return wnd;
}

TEST(WindowRegion, HandedRegionBelongsToTheWindow) {
  HWND wnd = MakeWindow(nullptr, 0, 0, 50, 50, nullptr);
  if (!wnd) GTEST_SKIP() << "no window can be created: Wine has no display";
  HRGN region = CreateRectRgn(0, 0, 20, 10);
  ASSERT_TRUE(HandRegionToWindow(wnd, region, false));
  EXPECT_EQ(region, nullptr);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(wnd, copy), ERROR);
  RECT box{};
  GetRgnBox(copy, &box);
  EXPECT_EQ(box.right, 20);
  EXPECT_EQ(box.bottom, 10);
  DeleteObject(copy);
  DestroyWindow(wnd);

  HRGN refused = CreateRectRgn(0, 0, 5, 5);
  HRGN kept = refused;
  EXPECT_FALSE(HandRegionToWindow(nullptr, refused, false));
  EXPECT_EQ(refused, nullptr);
  EXPECT_EQ(GetObjectType(kept), 0u);  // deleted, not leaked
}

// The parent erases to red and prints a blue square at (10, 10)-(30, 30).
LRESULT CALLBACK PaintingParent(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND) {
    RECT client{};
    GetClientRect(wnd, &client);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(HDC(wParam), &client, red);
    DeleteObject(red);
    return 1;
  }
  if (msg == WM_PRINTCLIENT) {
    RECT square{10, 10, 30, 30};
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(HDC(wParam), &square, blue);
    DeleteObject(blue);
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

TEST(ParentBackground, PaintsTheParentUnderTheControlOnly) {
  HWND parent = MakeWindow(nullptr, 0, 0, 100, 100, PaintingParent);
  if (!parent) GTEST_SKIP() << "no window can be created: Wine has no display";
  HWND control = MakeWindow(parent, 5, 5, 40, 40, nullptr);
  ASSERT_NE(control, nullptr);
  TBitmap target(60, 60);
  target.Fill(RGB(7, 7, 7));
  {
    TBitmapDC dc(target.Handle());
    DrawParentBackground(control, dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 0);  // the DC's state is restored
  }
  EXPECT_EQ(target.Pixel(0, 0), RGB(255, 0, 0));    // parent (5, 5)
  EXPECT_EQ(target.Pixel(5, 5), RGB(0, 0, 255));    // parent (10, 10)
  EXPECT_EQ(target.Pixel(24, 24), RGB(0, 0, 255));  // parent (29, 29)
  EXPECT_EQ(target.Pixel(25, 25), RGB(255, 0, 0));  // parent (30, 30)
  EXPECT_EQ(target.Pixel(39, 39), RGB(255, 0, 0));
  EXPECT_EQ(target.Pixel(40, 40), RGB(7, 7, 7));    // outside the control
  EXPECT_EQ(target.Pixel(50, 10), RGB(7, 7, 7));
  DestroyWindow(parent);

  // A windowless control at (20, 20) of the parent, 20 x 20.
  TBitmap small(20, 20);
  {
    TBitmapDC dc(small.Handle());
    HWND again = MakeWindow(nullptr, 0, 0, 100, 100, PaintingParent);
    DrawParentBackground(again, RECT{20, 20, 40, 40}, dc);
    DestroyWindow(again);
  }
  EXPECT_EQ(small.Pixel(0, 0), RGB(0, 0, 255));     // parent (20, 20)
  EXPECT_EQ(small.Pixel(9, 9), RGB(0, 0, 255));     // parent (29, 29)
  EXPECT_EQ(small.Pixel(10, 10), RGB(255, 0, 0));   // parent (30, 30)

  HWND alone = MakeWindow(nullptr, 0, 0, 10, 10, nullptr);
  TBitmapDC dc(target.Handle());
  DrawParentBackground(alone, dc);
  EXPECT_EQ(target.Pixel(50, 10), RGB(7, 7, 7));
  DestroyWindow(alone);
}

TEST(SharedBackBuffer, IsOneBitmapForTheProcess) {
  SharedBackBuffer().SetSize(8, 4);
  EXPECT_EQ(&SharedBackBuffer(), &SharedBackBuffer());
  EXPECT_EQ(SharedBackBuffer().Width(), 8);
}

}  // namespace
