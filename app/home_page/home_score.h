#pragma once
// What the home page shows for the last one-click score: which gauge picture and what health
// text in which colour.
#include <string>

#include "gui/graphics.h"

// The gauge pictures img0, img10 .. img100 are numbered 0..10. The score is clamped to 0..100
// first, so every score has its picture: 0..9 (and the never-run -1) show img10, 90..100
// img100.
int GaugePictureIndex(int score);

struct THealthText {
  std::wstring Text;
  bool Unknown = false;  // no score yet: the label keeps its colour
  TColor Colour = 0;
};

// "Last Pc Health is: " with Excellent (90 and up, green), "Medium " (75..89, red), LOW (0..74,
// red) or Unknown (below 0).
THealthText HealthOfScore(int score);

// The dark disc of the gauge pictures, in the page's coordinates (the pictures lie at 434, 10;
// the disc is what the ring leaves of their width).
constexpr int kGaugeDiscX = 506;
constexpr int kGaugeDiscY = 84;
constexpr int kGaugeDiscRadius = 65;

// A text box of the given size centred on the disc.
TRect GaugeTextBox(int Width, int Height);
// Whether every corner of the box lies inside the disc, at least Margin pixels from its edge.
bool InsideGaugeDisc(const TRect& Box, int Margin);

constexpr TColor kHealthGoodColour = 0x00FF00;  // RGB 0, 255, 0
constexpr TColor kHealthBadColour = 0x0100CD;   // RGB 205, 0, 1
