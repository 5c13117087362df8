// Decoding speed of a stored skin: scripts/bench-skin builds and runs it (optimised, no
// sanitizers). Prints MB/s of unpacked output for a 10 MB stream of skin-like data.
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "skin/packer/lzh_encoder.h"
#include "skin/skin_reader.h"

int main() {
  // Bitmaps are runs of a few colours with noise; the mix packs about as well as a skin.
  constexpr size_t kSize = 10 * 1000 * 1000;
  std::mt19937 rng(1);
  std::vector<uint8_t> data;
  data.reserve(kSize);
  const uint8_t palette[] = {0xFF, 0x00, 0xD4, 0xD0, 0xC8, 0x80, 0x40, 0x20};
  while (data.size() < kSize) {
    uint8_t colour = palette[rng() % 8];
    size_t run = 1 + rng() % 40;
    for (size_t i = 0; i < run && data.size() < kSize; i++) {
      data.push_back(rng() % 16 == 0 ? static_cast<uint8_t>(rng()) : colour);
    }
  }
  std::vector<uint8_t> stored = PackStoredSkin(data);

  std::vector<uint8_t> out;
  double best = 1e9;
  for (int round = 0; round < 3; round++) {
    auto start = std::chrono::steady_clock::now();
    bool ok = TSkinReader::Decompress(stored, out);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!ok || out != data) {
      std::fprintf(stderr, "decode failed\n");
      return 1;
    }
    best = std::min(best, seconds);
  }
  std::printf("stored stream: %zu bytes packed, %zu unpacked (ratio %.2f)\n", stored.size(), data.size(),
              static_cast<double>(data.size()) / static_cast<double>(stored.size()));
  std::printf("decode: %.3f s, %.1f MB/s of unpacked output (best of 3)\n", best,
              static_cast<double>(data.size()) / 1e6 / best);
  return 0;
}
