// Times loading and building our own skin from its stored (packed) form:
// unpacking, INI parsing, bitmap loading, element building. Run by
// scripts/bench-skin-build; prints milliseconds per build.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "skin/skin_elements.h"

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
  HRSRC found = FindResourceW(nullptr, L"QUILLSTEAD_SKIN", MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) {
    std::fprintf(stderr, "no packed skin resource\n");
    return 1;
  }
  const uint8_t* data = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
  const std::vector<uint8_t> stored(data, data + SizeofResource(nullptr, found));

  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  double best = 1e30, total = 0;
  for (int i = 0; i < rounds; ++i) {
    QueryPerformanceCounter(&start);
    TSkinElements skin;
    if (!skin.LoadSkin(stored)) {
      std::fprintf(stderr, "the packed skin did not load\n");
      return 1;
    }
    QueryPerformanceCounter(&end);
    const double ms = 1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    best = std::min(best, ms);
    total += ms;
  }
  std::printf("stored skin: %zu bytes; %d builds; mean %.3f ms, best %.3f ms per load and build\n", stored.size(),
              rounds, total / rounds, best);
  return 0;
}
