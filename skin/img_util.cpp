#include "skin/img_util.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct TGradientCache {
  std::array<std::vector<int>, kGradientSlots> tables;
  int next = 0;
};

TGradientCache& GradientCache() {
  static TGradientCache cache;
  return cache;
}

int Channel(int colour, int shift) { return (colour >> shift) & 0xFF; }

}  // namespace

int SkinColourToRGB(int colour) { return colour < 0 ? int(GetSysColor(colour & 0xFF)) : colour; }

void ReplaceMagenta(TBitmap& bitmap, int colour) {
  const uint8_t r = uint8_t(Channel(colour, 0)), g = uint8_t(Channel(colour, 8)), b = uint8_t(Channel(colour, 16));
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      if (p[0] == 255 && p[1] == 0 && p[2] == 255) {
        p[0] = b;
        p[1] = g;
        p[2] = r;
      }
    }
  }
}

void MirrorBitmap(TBitmap& bitmap) {
  TBitmap turned(bitmap.Width(), bitmap.Height());
  const int w = bitmap.Width();
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* src = bitmap.ScanLine(y);
    uint8_t* dst = turned.ScanLine(y);
    for (int x = 0; x < w; ++x) std::copy_n(src + x * 3, 3, dst + (w - 1 - x) * 3);
  }
  bitmap = std::move(turned);
}

void FlipBitmap(TBitmap& bitmap) {
  TBitmap turned(bitmap.Width(), bitmap.Height());
  const int h = bitmap.Height();
  for (int y = 0; y < h; ++y) std::copy_n(bitmap.ScanLine(y), bitmap.Width() * 3, turned.ScanLine(h - 1 - y));
  bitmap = std::move(turned);
}

namespace {

// Quarter turn: the pixel at old (x, y) moves to place(x, y) of a bitmap with
// the width and height swapped.
template <typename Place>
void TurnQuarter(TBitmap& bitmap, Place place) {
  TBitmap turned(bitmap.Height(), bitmap.Width());
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* src = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      const POINT to = place(x, y);
      std::copy_n(src + x * 3, 3, turned.ScanLine(to.y) + to.x * 3);
    }
  }
  bitmap = std::move(turned);
}

}  // namespace

void RotateBitmapLeft(TBitmap& bitmap) {
  const int oldWidth = bitmap.Width();
  TurnQuarter(bitmap, [oldWidth](int x, int y) { return POINT{y, oldWidth - 1 - x}; });
}

void RotateBitmapRight(TBitmap& bitmap) {
  const int oldHeight = bitmap.Height();
  TurnQuarter(bitmap, [oldHeight](int x, int y) { return POINT{oldHeight - 1 - y, x}; });
}

int BlendColors(int colour1, int colour2, int weight) {
  colour1 = SkinColourToRGB(colour1);
  colour2 = SkinColourToRGB(colour2);
  const int scale = weight < 100 ? 100 : 1000;
  int result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int mixed = (Channel(colour1, shift) * weight + Channel(colour2, shift) * (scale - weight) + scale / 2) / scale;
    result |= (mixed & 0xFF) << shift;
  }
  return result;
}

int FindGradientTable(int count, int fromColour, int toColour) {
  const TGradientCache& cache = GradientCache();
  for (int slot = kGradientSlots - 1; slot >= 0; --slot) {
    const std::vector<int>& table = cache.tables[slot];
    if (int(table.size()) == count && count > 0 && table.front() == fromColour && table.back() == toColour)
      return slot;
  }
  return -1;
}

int BuildGradientTable(int count, int fromColour, int toColour) {
  if (count < 1) return -1;
  TGradientCache& cache = GradientCache();
  const int slot = cache.next;
  cache.next = (cache.next + 1) % kGradientSlots;
  std::vector<int>& table = cache.tables[slot];
  table.assign(size_t(count), 0);
  const int m = count - 1;
  const int h = m / 2;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int a = Channel(fromColour, shift);
    const int d = Channel(toColour, shift) - a;
    for (int i = 0; i < count; ++i) {
      // Steps round half away from zero in both directions, so that the last
      // entry is exactly the to-colour also when a channel falls (the cache
      // finds tables by their end entries).
      const int step = i * d;
      const int value = count == 1 ? a + d / 2 : a + (step >= 0 ? (h + step) / m : -((h - step) / m));
      table[size_t(i)] |= (value & 0xFF) << shift;
    }
  }
  return slot;
}

int GetGradientTable(int count, int fromColour, int toColour) {
  const int slot = FindGradientTable(count, fromColour, toColour);
  return slot >= 0 ? slot : BuildGradientTable(count, fromColour, toColour);
}

const std::vector<int>& GradientTable(int slot) {
  static const std::vector<int> kNone;
  if (slot < 0 || slot >= kGradientSlots) return kNone;
  return GradientCache().tables[size_t(slot)];
}

void FillGradient(HDC dc, const RECT& rect, int fromColour, int direction, int toColour) {
  if (!RectVisible(dc, &rect)) return;
  fromColour = SkinColourToRGB(fromColour);
  toColour = SkinColourToRGB(toColour);
  RECT clip{};
  GetClipBox(dc, &clip);
  const bool across = direction == 0;
  const int start = across ? rect.left : rect.top;
  const int end = across ? rect.right : rect.bottom;
  const int clipStart = across ? clip.left : clip.top;
  const int clipEnd = across ? clip.right : clip.bottom;
  const int n = end - start;
  if (n <= 0) return;
  const int first = std::max(0, start < clipStart ? clipStart - start : 0);
  const int last = std::min(n - 1, end > clipEnd ? clipEnd - start - 1 : n - 1);
  const std::vector<int>& table = GradientTable(GetGradientTable(n, fromColour, toColour));
  for (int i = first; i <= last; ++i) {
    const RECT band = across ? RECT{start + i, rect.top, start + i + 1, rect.bottom}
                             : RECT{rect.left, start + i, rect.right, start + i + 1};
    HBRUSH brush = CreateSolidBrush(COLORREF(table[size_t(i)]));
    FillRect(dc, &band, brush);
    DeleteObject(brush);
  }
}

int ColorSaturation(int colour) {
  const int r = Channel(colour, 0), g = Channel(colour, 8), b = Channel(colour, 16);
  if (r < 160 && g < 160 && b < 160) return 200;
  const int high = std::max({r, g, b});
  const int low = std::min({r, g, b});
  const double s = high == 0 ? 0.0 : double(high - low) / high;
  return int(std::nearbyint(s * 255));  // halves to even
}
