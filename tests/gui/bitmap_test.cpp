#include "gui/pictures.h"

#include <gtest/gtest.h>

#include <functional>

#include "gui/memory_dc.h"

#include "tests/skin/bmp_bytes.h"

namespace {

uint32_t Pattern(int x, int y) { return RGB(10 * x + 1, 20 * y + 2, 3); }

TEST(Bitmap, LoadsEveryUsualPixelFormatAndRowOrder) {
  const BmpLayout layouts[] = {{3, 2, 24, false}, {3, 2, 24, true}, {5, 3, 32, false}, {1, 1, 24, false}};
  for (const BmpLayout& layout : layouts) {
    const std::vector<uint8_t> bytes = MakeBmp(layout, Pattern);
    TBitmap b;
    ASSERT_TRUE(b.LoadFromStream(bytes.data(), bytes.size())) << layout.bitCount << " " << layout.topDown;
    ASSERT_EQ(b.Width(), layout.width);
    ASSERT_EQ(b.Height(), layout.height);
    for (int y = 0; y < layout.height; ++y)
      for (int x = 0; x < layout.width; ++x) EXPECT_EQ(b.Pixel(x, y), Pattern(x, y)) << x << "," << y;
  }
}

TEST(Bitmap, LoadsPalettePictures) {
  const std::vector<uint8_t> bytes = MakeBmp({4, 2, 8, false}, [](int x, int y) { return uint32_t(x * 50 + y); });
  TBitmap b;
  ASSERT_TRUE(b.LoadFromStream(bytes.data(), bytes.size()));
  EXPECT_EQ(b.Pixel(3, 1), RGB(151, 151, 151));
  EXPECT_EQ(b.Pixel(0, 0), RGB(0, 0, 0));
}

// Each case spoils one header field; the picture must come out empty.
TEST(Bitmap, BadHeaderFieldsGiveAnEmptyPicture) {
  const std::vector<uint8_t> good = MakeBmp({4, 4, 24, false}, Pattern);
  struct Spoil {
    const char* what;
    size_t at;
    uint32_t value;
    int width;  // bytes written
  } spoils[] = {
      {"signature", 0, 'X', 1},
      {"pixel offset past the end", 10, 5000, 4},
      {"pixel offset inside the header", 10, 20, 4},
      {"header size", 14, 1000, 4},
      {"width zero", 18, 0, 4},
      {"width negative", 18, 0xFFFFFFFF, 4},
      {"width huge", 18, 0x7FFFFFFF, 4},
      {"height zero", 22, 0, 4},
      {"height too large for the data", 22, 50, 4},
      {"planes", 26, 2, 2},
      {"bit count", 28, 7, 2},
      {"compression", 30, 1, 4},
      {"bit fields on 24 bits", 30, 3, 4},
  };
  for (const Spoil& s : spoils) {
    std::vector<uint8_t> bytes = good;
    for (int i = 0; i < s.width; ++i) bytes[s.at + i] = uint8_t(s.value >> (8 * i));
    TBitmap b(3, 3);
    EXPECT_FALSE(b.LoadFromStream(bytes.data(), bytes.size())) << s.what;
    EXPECT_TRUE(b.Empty()) << s.what;
    EXPECT_EQ(b.Width(), 0) << s.what;
  }
}

TEST(Bitmap, TruncatedOrMissingDataGivesAnEmptyPicture) {
  const std::vector<uint8_t> good = MakeBmp({4, 4, 24, false}, Pattern);
  TBitmap b;
  for (size_t size : {size_t(0), size_t(10), size_t(53), good.size() - 1}) {
    EXPECT_FALSE(b.LoadFromStream(good.data(), size)) << size;
    EXPECT_TRUE(b.Empty());
  }
  EXPECT_FALSE(b.LoadFromStream(nullptr, 100));
  // A palette that claims more colours than its bit count allows.
  std::vector<uint8_t> palette = MakeBmp({4, 2, 8, false}, Pattern);
  palette[46] = 0x01;
  palette[47] = 0x01;  // 257 colours
  EXPECT_FALSE(b.LoadFromStream(palette.data(), palette.size()));
}

TEST(Bitmap, CopiesAreIndependent) {
  TBitmap a(2, 2);
  a.Fill(RGB(1, 2, 3));
  TBitmap b = a;
  b.SetPixel(0, 0, RGB(9, 9, 9));
  EXPECT_EQ(a.Pixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(b.Pixel(1, 1), RGB(1, 2, 3));
  EXPECT_NE(a.Handle(), b.Handle());
  TBitmap c = std::move(b);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(c.Pixel(0, 0), RGB(9, 9, 9));
  EXPECT_TRUE(TBitmap(0, 5).Empty());
}

// The pixel formats a bitmap converts between: the format, the row size and the bytes of
// ScanLine, and the colours that come back. Rows stay top-down.
TEST(Bitmap, PixelFormatsConvertAndScanLinesShowTheirBytes) {
  const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255), RGB(0, 0, 0)};
  struct Case {
    TPixelFormat format;
    int stride;                                // of a 5-pixel row
    std::vector<uint8_t> row0;                 // first bytes of ScanLine(0)
    std::vector<COLORREF> back;                // Pixel(x, 0) after the conversion
  } cases[] = {
      {TPixelFormat::pf32bit, 20, {0, 0, 255, 0, 0, 255, 0, 0}, {colours, colours + 5}},
      {TPixelFormat::pf24bit, 16, {0, 0, 255, 0, 255, 0}, {colours, colours + 5}},
      {TPixelFormat::pf16bit, 12, {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00}, {colours, colours + 5}},
      // Black and white: the nearer of the two (pure red, green and blue are nearer black);
      // the leftmost pixel is the high bit.
      {TPixelFormat::pf1bit, 4, {0x10}, {RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.format));
    TBitmap b(5, 2);
    for (int x = 0; x < 5; ++x) b.SetPixel(x, 0, colours[x]);
    b.SetPixel(0, 1, RGB(255, 255, 255));
    b.SetPixelFormat(c.format);
    EXPECT_EQ(b.PixelFormat(), c.format);
    ASSERT_EQ(b.Width(), 5);
    EXPECT_EQ(b.Stride(), c.stride);
    const uint8_t* row = b.ScanLine(0);
    EXPECT_EQ(std::vector<uint8_t>(row, row + c.row0.size()), c.row0);
    for (int x = 0; x < 5; ++x) EXPECT_EQ(b.Pixel(x, 0), c.back[x]) << x;
    EXPECT_EQ(b.Pixel(0, 1), RGB(255, 255, 255)) << "second row stays second";
    EXPECT_EQ(b.ScanLine(1) - b.ScanLine(0), c.stride);
  }
  TBitmap b(2, 2);
  EXPECT_ANY_THROW(b.SetPixelFormat(TPixelFormat::pf8bit));
}

// A loaded file keeps its format: an 8-bit picture's ScanLine holds palette indexes, top row
// first even when the file stores the bottom row first; a new size keeps the format.
TEST(Bitmap, LoadedPictureKeepsItsFormatAndColourTable) {
  const std::vector<uint8_t> bytes = MakeBmp({4, 2, 8, false}, [](int x, int y) { return uint32_t(x * 50 + y); });
  TBitmap b;
  ASSERT_TRUE(b.LoadFromStream(bytes.data(), bytes.size()));
  EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf8bit);
  EXPECT_EQ(b.ScanLine(0)[3], 150);
  EXPECT_EQ(b.ScanLine(1)[3], 151);
  b.SetSize(3, 3);
  EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf8bit);
  b.SetPixelFormat(TPixelFormat::pf24bit);
  EXPECT_EQ(b.Pixel(2, 2), RGB(0, 0, 0));
}

// The canvas draws into the bitmap; the handle is free for other contexts afterwards. The
// transparent colour is the bottom-left pixel unless one is set; Assign copies.
TEST(Bitmap, CanvasTransparentColourAndAssign) {
  TBitmap b(4, 3);
  b.Canvas().Brush().Color = TColor(RGB(10, 20, 30));
  b.Canvas().FillRect(Rect(0, 0, 4, 3));
  {
    TBitmapDC dc(b.Handle());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), HGDIOBJ(b.Handle()));
  }
  EXPECT_EQ(b.Pixel(3, 2), RGB(10, 20, 30));
  b.SetPixel(0, 2, RGB(255, 0, 255));
  EXPECT_EQ(b.TransparentColor(), RGB(255, 0, 255));
  b.SetTransparentColor(RGB(1, 1, 1));
  EXPECT_EQ(b.TransparentColor(), RGB(1, 1, 1));
  TBitmap copy;
  copy.Assign(b);
  EXPECT_EQ(copy.Pixel(0, 2), RGB(255, 0, 255));
  EXPECT_EQ(copy.TransparentColor(), RGB(1, 1, 1));
  EXPECT_NE(copy.Handle(), b.Handle());
}

TEST(BitmapDC, ReusedContextsStartFresh) {
  TBitmap a(2, 2), b(2, 2);
  HDC first = nullptr;
  {
    TBitmapDC dc(a.Handle());
    first = dc;
    SetBkColor(dc, RGB(1, 2, 3));
    SetStretchBltMode(dc, COLORONCOLOR);
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    TBitmapDC other(b.Handle());  // two at once are two contexts
    EXPECT_NE(HDC(other), HDC(dc));
  }
  TBitmapDC again(b.Handle());
  EXPECT_EQ(HDC(again), first);  // reused
  EXPECT_EQ(GetBkColor(again), RGB(255, 255, 255));
  EXPECT_EQ(GetStretchBltMode(again), BLACKONWHITE);
  EXPECT_EQ(GetCurrentObject(again, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetCurrentObject(again, OBJ_BITMAP), HGDIOBJ(b.Handle()));
  // The bitmap of the earlier use is free again: another context can select it.
  TBitmapDC fresh(a.Handle());
  EXPECT_EQ(GetCurrentObject(fresh, OBJ_BITMAP), HGDIOBJ(a.Handle()));
}

TEST(BackBuffer, WindowPaintsShareOneBitmapThatGrows) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ first = nullptr;
  {
    TBackBuffer a(screen, 40, 30);
    first = GetCurrentObject(a.DC(), OBJ_BITMAP);
    // A paint inside a paint gets a bitmap of its own.
    TBackBuffer nested(screen, 10, 10);
    EXPECT_NE(GetCurrentObject(nested.DC(), OBJ_BITMAP), first);
  }
  {
    TBackBuffer smaller(screen, 20, 20);
    EXPECT_EQ(GetCurrentObject(smaller.DC(), OBJ_BITMAP), first);  // reused while it fits
  }
  {
    TBackBuffer wider(screen, 80, 10);
    BITMAP info = {};
    GetObjectW(GetCurrentObject(wider.DC(), OBJ_BITMAP), sizeof(info), &info);
    EXPECT_GE(info.bmWidth, 80);
    EXPECT_GE(info.bmHeight, 30);  // grown, keeping room for the earlier height
    // What is painted reaches the target.
    SetDCBrushColor(wider.DC(), RGB(200, 10, 20));
    RECT r = {0, 0, 80, 10};
    FillRect(wider.DC(), &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    TBitmap target(80, 10);
    TBitmapDC targetDC(target.Handle());
    wider.CopyTo(targetDC, RECT{5, 2, 60, 8});
    EXPECT_EQ(GetPixel(targetDC, 59, 7), RGB(200, 10, 20));
  }
  // Paints that come and go make no GDI objects of their own.
  DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 50; ++i) TBackBuffer again(screen, 60, 25);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objects);
  ReleaseDC(nullptr, screen);
}

// Dispatches the thread's messages (its timers included) for about ms milliseconds, calling
// between() after each pass.
void PumpFor(DWORD ms, const std::function<void()>& between = [] {}) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    between();
    Sleep(20);
  }
}

TEST(BackBuffer, KeepsItsBitmapWhilePaintsComeAndLetsItGoOnceTheyStop) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ first = nullptr;
  {
    TBackBuffer paint(screen, 300, 200);
    first = GetCurrentObject(paint.DC(), OBJ_BITMAP);
  }
  // A paint every 20 ms for a second: the same bitmap serves all of them.
  bool same = true;
  PumpFor(1000, [&] {
    TBackBuffer paint(screen, 300, 200);
    same = same && GetCurrentObject(paint.DC(), OBJ_BITMAP) == first;
  });
  EXPECT_TRUE(same);
  // No paint for a second: the bitmap is gone.
  PumpFor(1000);
  EXPECT_EQ(GetObjectType(first), 0u);
  {
    // The next paint gets a bitmap of its own size again, and it works as before.
    TBackBuffer paint(screen, 30, 20);
    BITMAP info = {};
    GetObjectW(GetCurrentObject(paint.DC(), OBJ_BITMAP), sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 30);
    EXPECT_EQ(info.bmHeight, 20);
    SetDCBrushColor(paint.DC(), RGB(10, 200, 20));
    RECT r = {0, 0, 30, 20};
    FillRect(paint.DC(), &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    TBitmap target(30, 20);
    TBitmapDC targetDC(target.Handle());
    paint.CopyTo(targetDC, r);
    EXPECT_EQ(GetPixel(targetDC, 29, 19), RGB(10, 200, 20));
  }
  ReleaseDC(nullptr, screen);
}

}  // namespace
