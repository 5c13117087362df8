// The history graph drawn to a bitmap, read back pixel by pixel.
#include "tools/memory_page/memory_graph.h"

#include <gtest/gtest.h>

namespace {

constexpr int W = 473, H = 178;
constexpr COLORREF kBlack = RGB(0, 0, 0);

TBitmap Background(int gridOffset, uint64_t totalPhys = 0) {
  TBitmap bitmap;
  DrawGraphBackground(bitmap, W, H, gridOffset, totalPhys);
  return bitmap;
}

}  // namespace

TEST(MemoryGraph, BackgroundGridAndLegend) {
  TBitmap b = Background(0);
  ASSERT_EQ(b.Width(), W);
  ASSERT_EQ(b.Height(), H);
  const int right = W - kGraphRightMargin;
  struct Probe {
    const char* what;
    int x, y;
    COLORREF colour;
  } probes[] = {
      {"plot between grid lines", 41, 5, kBlack},
      {"horizontal grid line", 41, 12, kGraphGridColor},
      {"top grid line", 100, 0, kGraphGridColor},
      {"vertical grid line at a multiple of 12", 48, 5, kGraphGridColor},
      {"last vertical grid line inside the plot", 408, 100, kGraphGridColor},
      {"no grid right of the plot", right + 6, 12, kBlack},
      {"no grid left of the plot", 24, 13, kBlack},
      {"CPU legend square", W - 44, H - 38, kGraphCpuColor},
      {"MEM legend square", W - 44, H - 22, kGraphMemColor},
      {"legend square border", W - 50, H - 38, kBlack},
  };
  for (const Probe& p : probes) EXPECT_EQ(b.Pixel(p.x, p.y), p.colour) << p.what;
}

TEST(MemoryGraph, GridScrollsLeftTwoPixelsPerSample) {
  struct Case {
    int offset;
    int lineAt;
  } cases[] = {{0, 48}, {2, 46}, {10, 38}, {12, 48}, {1200000 - 2, 38}};
  for (const Case& c : cases) {
    TBitmap b = Background(c.offset);
    EXPECT_EQ(b.Pixel(c.lineAt, 5), kGraphGridColor) << c.offset;
    for (int x = c.lineAt + 1; x < c.lineAt + 12; ++x) EXPECT_EQ(b.Pixel(x, 5), kBlack) << c.offset << " x " << x;
  }
}

TEST(MemoryGraph, AxisTextsAreDrawnAndTheMemoryLabelFollowsTheTotal) {
  TBitmap empty = Background(0, 0);
  TBitmap full = Background(0, 2048ull * 1048576);
  auto greenIn = [](const TBitmap& b, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += b.Pixel(x, y) == kGraphMemColor;
    return n;
  };
  EXPECT_GT(greenIn(empty, 4, 1, 30, 11), 0) << "\"100%\"";
  EXPECT_GT(greenIn(empty, 16, H - 13, 30, H - 2), 0) << "\"0%\"";
  // "2048M" is wider than "0M"
  EXPECT_GT(greenIn(full, W - 50, 1, W, 11), greenIn(empty, W - 50, 1, W, 11));
}

TEST(MemoryGraph, CurvesEndAtTheRightEdgeWithTheNewestSample) {
  TBitmap b = Background(0);
  TGraphHistory history;
  EXPECT_EQ(history.Cpu.size(), static_cast<size_t>(kGraphHistoryLength));
  for (int i = 0; i < 10; ++i) history.Add(50, 0.25);
  history.Add(100, 0.25);
  DrawGraphCurves(b, history);
  const int right = W - kGraphRightMargin;
  // steady CPU at 50 %: y = 89; memory at a quarter: y = round(178 - 44.5) = 134
  EXPECT_EQ(b.Pixel(right - 4, 89), kGraphCpuColor);
  EXPECT_EQ(b.Pixel(right - 4, 134), kGraphMemColor);
  // the newest CPU sample (100 %) rises towards the top within the last 2 px
  int risen = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = right - 2; x <= right; ++x) risen += b.Pixel(x, y) == kGraphCpuColor;
  EXPECT_GT(risen, 0);
  // further left the history is still 0 %: nothing is drawn at the 50 % height there
  EXPECT_EQ(b.Pixel(100, 89), kBlack);
  EXPECT_EQ(b.Pixel(right - 30, 89), kBlack);
}
