#include "skin/skin_bitmap.h"

#include <gtest/gtest.h>

#include "bmp_bytes.h"

namespace {

uint32_t Pattern(int x, int y) { return RGB(10 * x + 1, 20 * y + 2, 3); }

TEST(SkinBitmap, LoadsEveryUsualPixelFormatAndRowOrder) {
  const BmpLayout layouts[] = {{3, 2, 24, false}, {3, 2, 24, true}, {5, 3, 32, false}, {1, 1, 24, false}};
  for (const BmpLayout& layout : layouts) {
    const std::vector<uint8_t> bytes = MakeBmp(layout, Pattern);
    TSkinBitmap b;
    ASSERT_TRUE(b.LoadFromBytes(bytes.data(), bytes.size())) << layout.bitCount << " " << layout.topDown;
    ASSERT_EQ(b.Width(), layout.width);
    ASSERT_EQ(b.Height(), layout.height);
    for (int y = 0; y < layout.height; ++y)
      for (int x = 0; x < layout.width; ++x) EXPECT_EQ(b.Pixel(x, y), Pattern(x, y)) << x << "," << y;
  }
}

TEST(SkinBitmap, LoadsPalettePictures) {
  const std::vector<uint8_t> bytes = MakeBmp({4, 2, 8, false}, [](int x, int y) { return uint32_t(x * 50 + y); });
  TSkinBitmap b;
  ASSERT_TRUE(b.LoadFromBytes(bytes.data(), bytes.size()));
  EXPECT_EQ(b.Pixel(3, 1), RGB(151, 151, 151));
  EXPECT_EQ(b.Pixel(0, 0), RGB(0, 0, 0));
}

// Each case spoils one header field; the picture must come out empty.
TEST(SkinBitmap, BadHeaderFieldsGiveAnEmptyPicture) {
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
    TSkinBitmap b(3, 3);
    EXPECT_FALSE(b.LoadFromBytes(bytes.data(), bytes.size())) << s.what;
    EXPECT_TRUE(b.Empty()) << s.what;
    EXPECT_EQ(b.Width(), 0) << s.what;
  }
}

TEST(SkinBitmap, TruncatedOrMissingDataGivesAnEmptyPicture) {
  const std::vector<uint8_t> good = MakeBmp({4, 4, 24, false}, Pattern);
  TSkinBitmap b;
  for (size_t size : {size_t(0), size_t(10), size_t(53), good.size() - 1}) {
    EXPECT_FALSE(b.LoadFromBytes(good.data(), size)) << size;
    EXPECT_TRUE(b.Empty());
  }
  EXPECT_FALSE(b.LoadFromBytes(nullptr, 100));
  // A palette that claims more colours than its bit count allows.
  std::vector<uint8_t> palette = MakeBmp({4, 2, 8, false}, Pattern);
  palette[46] = 0x01;
  palette[47] = 0x01;  // 257 colours
  EXPECT_FALSE(b.LoadFromBytes(palette.data(), palette.size()));
}

TEST(SkinBitmap, CopiesAreIndependent) {
  TSkinBitmap a(2, 2);
  a.Fill(RGB(1, 2, 3));
  TSkinBitmap b = a;
  b.SetPixel(0, 0, RGB(9, 9, 9));
  EXPECT_EQ(a.Pixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(b.Pixel(1, 1), RGB(1, 2, 3));
  EXPECT_NE(a.Handle(), b.Handle());
  TSkinBitmap c = std::move(b);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(c.Pixel(0, 0), RGB(9, 9, 9));
  EXPECT_TRUE(TSkinBitmap(0, 5).Empty());
}

TEST(BitmapDC, ReusedContextsStartFresh) {
  TSkinBitmap a(2, 2), b(2, 2);
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

}  // namespace
