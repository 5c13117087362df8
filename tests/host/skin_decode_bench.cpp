// Decoding speed of a stored skin: scripts/bench-skin builds and runs it (optimised, no
// sanitizers). For skin-like, text and random input packed by our own packer it prints the
// decoder's MB/s of unpacked output and, as the figure to compare across runs, that speed as a
// ratio against copying the same bytes one at a time, measured in the same run (the machine is
// shared, so absolute speeds drift with its load): min, median and max over three runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "skin/packer/lzh_encoder.h"
#include "skin/skin_reader.h"

namespace {

constexpr size_t kSize = 10 * 1000 * 1000;

// Bitmaps are runs of a few colours with noise; the mix packs about as well as a skin.
std::vector<uint8_t> SkinLike() {
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
  return data;
}

// INI-like lines made of a small vocabulary with numbers: repeats at many distances.
std::vector<uint8_t> Text() {
  std::mt19937 rng(2);
  const char* words[] = {"[Personality]", "Left", "Right", "Top", "Bottom", "Caption", "Button",
                         "Skin", "Colour", "Font", "Tahoma", ".bmp", "Margin", "State", "Frame",
                         "Normal", "Over", "Down", "Disabled", "Checked", "Align", "Transparent"};
  std::string text;
  text.reserve(kSize + 64);
  while (text.size() < kSize) {
    int n = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < n; i++) text += words[rng() % (sizeof words / sizeof *words)];
    text += '=';
    text += std::to_string(rng() % 1000);
    text += "\r\n";
  }
  text.resize(kSize);
  return std::vector<uint8_t>(text.begin(), text.end());
}

std::vector<uint8_t> Random() {
  std::mt19937 rng(3);
  std::vector<uint8_t> data(kSize);
  for (uint8_t& b : data) b = static_cast<uint8_t>(rng());
  return data;
}

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Best time of copying data byte by byte into a fresh buffer, as the decoder hands its bytes
// out. The barrier keeps the compiler from turning the loop into a block copy, whose speed
// follows the memory bus rather than the processor's load.
double CopySeconds(const std::vector<uint8_t>& data) {
  double best = 1e9;
  std::vector<uint8_t> copy(data.size());
  for (int round = 0; round < 3; round++) {
    auto start = std::chrono::steady_clock::now();
    const uint8_t* from = data.data();
    uint8_t* to = copy.data();
    for (size_t i = 0, n = data.size(); i < n; i++) {
      to[i] = from[i];
      asm volatile("" : : "r"(to) : "memory");
    }
    double seconds = Seconds(start);
    if (copy != data) std::abort();
    best = std::min(best, seconds);
  }
  return best;
}

bool Measure(const char* name, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> stored = PackStoredSkin(data);
  constexpr int kRuns = 3;
  std::vector<double> ratios;
  double best = 1e9;
  double copy = 1e9;
  // Decodes and copies take turns, so both see the same load; each run gives one ratio.
  for (int run = 0; run < kRuns; run++) {
    std::vector<uint8_t> out;  // fresh, as each skin load has it
    auto start = std::chrono::steady_clock::now();
    bool ok = TSkinReader::Decompress(stored, out);
    double seconds = Seconds(start);
    if (!ok || out != data) {
      std::fprintf(stderr, "%s: decode failed\n", name);
      return false;
    }
    const double copySeconds = CopySeconds(data);
    ratios.push_back(copySeconds / seconds);
    best = std::min(best, seconds);
    copy = std::min(copy, copySeconds);
  }
  std::sort(ratios.begin(), ratios.end());
  const double mb = static_cast<double>(data.size()) / 1e6;
  std::printf("%-10s packed %5.2f:1  decode %7.1f MB/s  copy %8.1f MB/s  ratio min %.4f median %.4f max %.4f\n",
              name, static_cast<double>(data.size()) / static_cast<double>(stored.size()), mb / best, mb / copy,
              ratios.front(), ratios[kRuns / 2], ratios.back());
  return true;
}

}  // namespace

int main() {
  bool ok = Measure("skin-like", SkinLike());
  ok = Measure("text", Text()) && ok;
  ok = Measure("random", Random()) && ok;
  return ok ? 0 : 1;
}
