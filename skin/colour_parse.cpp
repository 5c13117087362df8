#include "skin/colour_parse.h"

#include "skin/quick_ini.h"

int32_t ParseColour(const std::string& text) {
  const std::string s = TrimText(text);
  uint32_t numbers[3] = {0, 0, 0};
  int count = 0;
  size_t p = 0;
  while (p < s.size()) {
    if (s[p] < '0' || s[p] > '9') {
      p++;
      continue;
    }
    uint32_t value = 0;  // kept modulo 256 while reading, so no run can overflow
    while (p < s.size() && s[p] >= '0' && s[p] <= '9') {
      value = (value * 10 + static_cast<uint32_t>(s[p] - '0')) & 0xFF;
      p++;
    }
    bool atEnd = p == s.size();
    if (atEnd ? count == 2 : count < 3) numbers[count++] = value;
  }
  return static_cast<int32_t>(numbers[0] | (numbers[1] << 8) | (numbers[2] << 16));
}
