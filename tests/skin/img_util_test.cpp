#include "skin/img_util.h"

#include <gtest/gtest.h>

namespace {

// A w x h bitmap whose pixel (x, y) is RGB(x, y, 7): every position is unique.
TBitmap Numbered(int w, int h) {
  TBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGB(x, y, 7));
  return b;
}

TEST(ImgUtil, MirrorReversesEachRow) {
  TBitmap b = Numbered(3, 2);
  MirrorBitmap(b);
  ASSERT_EQ(b.Width(), 3);
  ASSERT_EQ(b.Height(), 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.Pixel(x, y), RGB(2 - x, y, 7)) << x << "," << y;
}

TEST(ImgUtil, FlipReversesRowOrder) {
  TBitmap b = Numbered(3, 4);
  FlipBitmap(b);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.Pixel(x, y), RGB(x, 3 - y, 7)) << x << "," << y;
}

TEST(ImgUtil, RotateLeftMovesPixelsCounterClockwise) {
  // Old (x, y) goes to (y, oldWidth - 1 - x).
  TBitmap b = Numbered(3, 2);
  RotateBitmapLeft(b);
  ASSERT_EQ(b.Width(), 2);
  ASSERT_EQ(b.Height(), 3);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.Pixel(y, 2 - x), RGB(x, y, 7)) << x << "," << y;
}

TEST(ImgUtil, RotateRightMovesPixelsClockwise) {
  // Old (x, y) goes to (oldHeight - 1 - y, x).
  TBitmap b = Numbered(3, 2);
  RotateBitmapRight(b);
  ASSERT_EQ(b.Width(), 2);
  ASSERT_EQ(b.Height(), 3);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.Pixel(1 - y, x), RGB(x, y, 7)) << x << "," << y;
}

TEST(ImgUtil, TurningOnePixelKeepsIt) {
  for (auto turn : {MirrorBitmap, FlipBitmap, RotateBitmapLeft, RotateBitmapRight}) {
    TBitmap b(1, 1);
    b.SetPixel(0, 0, RGB(9, 8, 7));
    turn(b);
    ASSERT_EQ(b.Width(), 1);
    ASSERT_EQ(b.Height(), 1);
    EXPECT_EQ(b.Pixel(0, 0), RGB(9, 8, 7));
  }
}

TEST(ImgUtil, ReplaceMagentaTouchesOnlyExactMagenta) {
  TBitmap b(4, 1);
  b.SetPixel(0, 0, RGB(255, 0, 255));
  b.SetPixel(1, 0, RGB(254, 0, 255));
  b.SetPixel(2, 0, RGB(255, 1, 255));
  b.SetPixel(3, 0, RGB(255, 0, 255));
  ReplaceMagenta(b, RGB(10, 20, 30));
  EXPECT_EQ(b.Pixel(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(b.Pixel(1, 0), RGB(254, 0, 255));
  EXPECT_EQ(b.Pixel(2, 0), RGB(255, 1, 255));
  EXPECT_EQ(b.Pixel(3, 0), RGB(10, 20, 30));
}

TEST(ImgUtil, BlendColorsWeights) {
  struct Case {
    int c1, c2, weight, expected;
  } cases[] = {
      {RGB(200, 100, 0), RGB(100, 0, 255), 50, RGB(150, 50, 128)},  // rounded mean: (0*50+255*50+50)/100 = 128
      {RGB(100, 0, 0), RGB(0, 0, 200), 100, RGB(10, 0, 180)},       // per mille: 10 % of colour 1
      {RGB(1, 2, 3), RGB(200, 200, 200), 1000, RGB(1, 2, 3)},
      {RGB(100, 0, 0), RGB(0, 0, 0), 99, RGB(99, 0, 0)},
      {RGB(255, 255, 255), RGB(0, 0, 0), 0, RGB(0, 0, 0)},
  };
  for (const Case& c : cases) EXPECT_EQ(BlendColors(c.c1, c.c2, c.weight), c.expected) << c.weight;
}

TEST(ImgUtil, BlendColorsResolvesSystemColours) {
  const int face = int(GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(BlendColors(int(0xFF00000F), RGB(0, 0, 0), 1000), face);
}

TEST(ImgUtil, ColorSaturation) {
  EXPECT_EQ(ColorSaturation(RGB(255, 0, 0)), 255);
  EXPECT_EQ(ColorSaturation(RGB(128, 0, 0)), 200);
  EXPECT_EQ(ColorSaturation(RGB(255, 255, 255)), 0);
  EXPECT_EQ(ColorSaturation(RGB(0, 0, 0)), 200);
  // (200 - 100) / 200 * 255 = 127.5 rounds to even: 128.
  EXPECT_EQ(ColorSaturation(RGB(200, 100, 150)), 128);
}

TEST(ImgUtil, GradientTables) {
  const std::vector<int>& one = GradientTable(BuildGradientTable(1, RGB(0, 0, 0), RGB(100, 51, 9)));
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0], RGB(50, 25, 4));
  const std::vector<int>& two = GradientTable(BuildGradientTable(2, RGB(10, 20, 30), RGB(200, 0, 90)));
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0], RGB(10, 20, 30));
  EXPECT_EQ(two[1], RGB(200, 0, 90));
  // Five entries from 0 to 10: m = 4, h = 2 -> (2 + 10 i) / 4.
  const std::vector<int>& five = GradientTable(BuildGradientTable(5, RGB(0, 10, 0), RGB(10, 0, 0)));
  const int expectRed[] = {0, 3, 5, 8, 10};
  const int expectGreen[] = {10, 7, 5, 2, 0};  // falling channels round the same way: the end is exact
  for (int i = 0; i < 5; ++i) EXPECT_EQ(five[size_t(i)], RGB(expectRed[i], expectGreen[i], 0)) << i;
  EXPECT_EQ(BuildGradientTable(0, 0, 0), -1);
  EXPECT_EQ(GetGradientTable(-3, 0, 0), -1);
}

TEST(ImgUtil, GradientCacheFindsAndReplacesRoundRobin) {
  const int first = GetGradientTable(7, RGB(1, 1, 1), RGB(2, 2, 2));
  EXPECT_EQ(GetGradientTable(7, RGB(1, 1, 1), RGB(2, 2, 2)), first);
  for (int i = 0; i < kGradientSlots - 1; ++i) GetGradientTable(30 + i, RGB(0, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(FindGradientTable(7, RGB(1, 1, 1), RGB(2, 2, 2)), first);  // sixteen tables fit
  const int seventeenth = GetGradientTable(99, RGB(0, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(seventeenth, first);
  EXPECT_EQ(FindGradientTable(7, RGB(1, 1, 1), RGB(2, 2, 2)), -1);
}

class GradientFill : public ::testing::Test {
 protected:
  void SetUp() override {
    bitmap_ = TBitmap(12, 6);
    bitmap_.Fill(RGB(1, 2, 3));
  }
  TBitmap bitmap_;
};

TEST_F(GradientFill, HeightOneIsTheMidpointAndTwoAreTheEnds) {
  TBitmapDC dc(bitmap_.Handle());
  FillGradient(dc, RECT{0, 0, 3, 1}, RGB(0, 0, 0), 1, RGB(200, 100, 50));
  FillGradient(dc, RECT{0, 2, 3, 4}, RGB(0, 0, 0), 1, RGB(200, 100, 50));
  for (int x = 0; x < 3; ++x) {
    EXPECT_EQ(bitmap_.Pixel(x, 0), RGB(100, 50, 25));
    EXPECT_EQ(bitmap_.Pixel(x, 2), RGB(0, 0, 0));
    EXPECT_EQ(bitmap_.Pixel(x, 3), RGB(200, 100, 50));
  }
  EXPECT_EQ(bitmap_.Pixel(3, 0), RGB(1, 2, 3));  // nothing outside the rectangle
  EXPECT_EQ(bitmap_.Pixel(0, 1), RGB(1, 2, 3));
}

TEST_F(GradientFill, HorizontalBandsInsideAClipKeepTheirPlaceColours) {
  TBitmapDC dc(bitmap_.Handle());
  HRGN clip = CreateRectRgn(4, 0, 8, 6);
  SelectClipRgn(dc, clip);
  DeleteObject(clip);
  // 11 bands from 0 to 100 red: band i has red 10 i.
  FillGradient(dc, RECT{0, 0, 11, 6}, RGB(0, 0, 0), 0, RGB(100, 0, 0));
  for (int x = 0; x < 12; ++x) {
    const COLORREF expected = (x >= 4 && x < 8) ? RGB(10 * x, 0, 0) : RGB(1, 2, 3);
    EXPECT_EQ(bitmap_.Pixel(x, 3), expected) << x;
  }
}

// The cache tells tables apart by their ends: a gradient of the same length and start colour
// but another end colour gets its own table, so a rebuilt skin never draws a stale one.
TEST_F(GradientFill, SameLengthAndStartButAnotherEndIsNotTakenFromTheCache) {
  TBitmapDC dc(bitmap_.Handle());
  FillGradient(dc, RECT{0, 0, 12, 1}, RGB(0, 0, 0), 0, RGB(110, 0, 0));
  FillGradient(dc, RECT{0, 1, 12, 2}, RGB(0, 0, 0), 0, RGB(0, 0, 110));
  EXPECT_EQ(bitmap_.Pixel(11, 0), RGB(110, 0, 0));
  EXPECT_EQ(bitmap_.Pixel(11, 1), RGB(0, 0, 110));
  EXPECT_EQ(bitmap_.Pixel(6, 1), RGB(0, 0, 60));
  const int red = GetGradientTable(12, RGB(0, 0, 0), RGB(110, 0, 0));
  const int blue = GetGradientTable(12, RGB(0, 0, 0), RGB(0, 0, 110));
  EXPECT_NE(red, blue);
  EXPECT_EQ(GradientTable(blue).back(), RGB(0, 0, 110));
}

TEST_F(GradientFill, InvisibleOrEmptyRectanglesPaintNothing) {
  TBitmapDC dc(bitmap_.Handle());
  FillGradient(dc, RECT{20, 20, 30, 30}, RGB(0, 0, 0), 0, RGB(9, 9, 9));
  FillGradient(dc, RECT{5, 0, 5, 6}, RGB(0, 0, 0), 0, RGB(9, 9, 9));
  for (int x = 0; x < 12; ++x) EXPECT_EQ(bitmap_.Pixel(x, 0), RGB(1, 2, 3));
}

}  // namespace
