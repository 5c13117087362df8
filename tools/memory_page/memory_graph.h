// The memory page's history graph, drawn on an off-screen bitmap: a black plot with a scrolling
// green grid, the legend, the axis texts and the two curves (CPU load in magenta, memory load in
// green), newest sample at the right edge, 2 px per sample.
#pragma once

#include <cstdint>
#include <deque>

#include "gui/pictures.h"

constexpr int kGraphHistoryLength = 2000;
constexpr int kGraphLeft = 36;
constexpr int kGraphRightMargin = 54;
constexpr int kGridStep = 12;
constexpr int kGridOffsetWrap = 1200000;

constexpr TColor kGraphGridColor = RGB(0, 128, 64);
constexpr TColor kGraphCpuColor = RGB(255, 0, 255);
constexpr TColor kGraphMemColor = RGB(0, 253, 0);

struct TGraphHistory {
  std::deque<int> Cpu = std::deque<int>(kGraphHistoryLength, 0);       // percent, oldest first
  std::deque<double> Mem = std::deque<double>(kGraphHistoryLength, 0);  // fraction 0..1
  // Drops the oldest pair and appends the newest.
  void Add(int cpu, double mem);
};

// Sizes Bitmap to Width x Height and draws the background: grid scrolled by GridOffset, legend,
// percent texts and the memory texts from TotalPhysBytes (0 before the first sample: "0M").
void DrawGraphBackground(TBitmap& Bitmap, int Width, int Height, int GridOffset, uint64_t TotalPhysBytes);
// Draws the curves over the background, from the right edge leftwards.
void DrawGraphCurves(TBitmap& Bitmap, const TGraphHistory& History);
