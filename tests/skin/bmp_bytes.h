// Builds .bmp file bytes for tests: uncompressed, bottom-up unless asked.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct BmpLayout {
  int width = 2;
  int height = 2;
  int bitCount = 24;   // 8 uses a grey palette (index = grey level), 24 holds RGB, 32 ARGB
  bool topDown = false;
};

// pixel(x, y) gives the colour (0xAABBGGRR, alpha only kept in 32 bits) of each pixel; for
// 8 bits its red is the index.
inline std::vector<uint8_t> MakeBmp(const BmpLayout& layout, const std::function<uint32_t(int, int)>& pixel) {
  auto put32 = [](std::vector<uint8_t>& v, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) v[at + i] = uint8_t(value >> (8 * i));
  };
  const int palette = layout.bitCount == 8 ? 256 : 0;
  const size_t stride = ((size_t(layout.width) * layout.bitCount + 31) / 32) * 4;
  const size_t offBits = 14 + 40 + palette * 4;
  std::vector<uint8_t> v(offBits + stride * layout.height, 0);
  v[0] = 'B';
  v[1] = 'M';
  put32(v, 2, uint32_t(v.size()));
  put32(v, 10, uint32_t(offBits));
  put32(v, 14, 40);
  put32(v, 18, uint32_t(layout.width));
  put32(v, 22, uint32_t(layout.topDown ? -layout.height : layout.height));
  v[26] = 1;
  v[28] = uint8_t(layout.bitCount);
  for (int i = 0; i < palette; ++i) {
    v[54 + i * 4] = v[55 + i * 4] = v[56 + i * 4] = uint8_t(i);
  }
  for (int y = 0; y < layout.height; ++y) {
    const int fileRow = layout.topDown ? y : layout.height - 1 - y;
    uint8_t* row = v.data() + offBits + stride * fileRow;
    for (int x = 0; x < layout.width; ++x) {
      const uint32_t c = pixel(x, y);
      if (layout.bitCount == 8) {
        row[x] = uint8_t(c & 0xFF);
      } else {
        uint8_t* p = row + x * (layout.bitCount / 8);
        p[0] = uint8_t(c >> 16);
        p[1] = uint8_t(c >> 8);
        p[2] = uint8_t(c);
        if (layout.bitCount == 32) p[3] = uint8_t(c >> 24);
      }
    }
  }
  return v;
}
