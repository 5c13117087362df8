#include "app/home_page/home_score.h"

#include <algorithm>

int GaugePictureIndex(int score) {
  const int clamped = std::clamp(score, 0, 100);
  return std::min(clamped / 10 + 1, 10);
}

THealthText HealthOfScore(int score) {
  if (score < 0) return {L"Last Pc Health is: Unknown", true, 0};
  if (score >= 90) return {L"Last Pc Health is: Excellent", false, kHealthGoodColour};
  if (score >= 75) return {L"Last Pc Health is: Medium ", false, kHealthBadColour};
  return {L"Last Pc Health is: LOW", false, kHealthBadColour};
}
