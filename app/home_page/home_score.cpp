#include "app/home_page/home_score.h"

#include <algorithm>

int GaugePictureIndex(int score) {
  const int clamped = std::clamp(score, 0, 100);
  return std::min(clamped / 10 + 1, 10);
}

TRect GaugeTextBox(int Width, int Height) {
  const int left = kGaugeDiscX - Width / 2, top = kGaugeDiscY - Height / 2;
  return Rect(left, top, left + Width, top + Height);
}

bool InsideGaugeDisc(const TRect& Box, int Margin) {
  const int limit = kGaugeDiscRadius - Margin;
  for (int x : {Box.left, Box.right})
    for (int y : {Box.top, Box.bottom}) {
      const int dx = x - kGaugeDiscX, dy = y - kGaugeDiscY;
      if (dx * dx + dy * dy > limit * limit) return false;
    }
  return true;
}

THealthText HealthOfScore(int score) {
  if (score < 0) return {L"Last Pc Health is: Unknown", true, 0};
  if (score >= 90) return {L"Last Pc Health is: Excellent", false, kHealthGoodColour};
  if (score >= 75) return {L"Last Pc Health is: Medium ", false, kHealthBadColour};
  return {L"Last Pc Health is: LOW", false, kHealthBadColour};
}
