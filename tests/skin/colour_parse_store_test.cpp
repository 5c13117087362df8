#include "skin/colour_parse.h"

#include <gtest/gtest.h>

namespace {
int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }
}  // namespace

TEST(ParseColour, Table) {
  const struct { const char* text; int32_t expected; } kCases[] = {
      {"255,128,0", Rgb(255, 128, 0)},
      {"  10 20 30  ", Rgb(10, 20, 30)},
      {"300 0 0", Rgb(44, 0, 0)},            // each number modulo 256
      {"256,512,767", Rgb(0, 0, 255)},
      {"1,-2,3", Rgb(1, 2, 3)},              // a minus sign only separates
      {"a1b2c3", Rgb(1, 2, 3)},
      {"10,20", Rgb(10, 0, 0)},              // a run at the end counts only as the third number
      {"10,20,", Rgb(10, 20, 0)},
      {"7", Rgb(0, 0, 0)},
      {"7,", Rgb(7, 0, 0)},
      {"1,2,3,4", Rgb(1, 2, 3)},             // numbers after the third are ignored
      {"1,2,3,4,5,6,", Rgb(1, 2, 3)},
      {"99999999999999999999999,1,2", Rgb(255, 1, 2)},  // 10^23 - 1: no overflow, just modulo
      {"", 0},
      {"none", 0},
  };
  for (const auto& c : kCases) EXPECT_EQ(ParseColour(c.text), c.expected) << c.text;
}
