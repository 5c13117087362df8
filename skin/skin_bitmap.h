// A 24-bit device-independent bitmap: the picture type of every skin element.
// Rows are stored top-down (3 bytes a pixel: blue, green, red; rows padded to
// 4 bytes) in a DIB section, so GDI can draw with it and code can read pixels.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "gui/memory_dc.h"  // TBitmapDC, which skin drawing uses with these bitmaps

class TSkinBitmap {
 public:
  TSkinBitmap() = default;
  TSkinBitmap(int width, int height);  // black pixels; a size below 1 gives an empty bitmap
  TSkinBitmap(const TSkinBitmap& other);
  TSkinBitmap(TSkinBitmap&& other) noexcept;
  TSkinBitmap& operator=(TSkinBitmap other) noexcept;
  ~TSkinBitmap();

  bool Empty() const { return handle_ == nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Stride() const { return (width_ * 3 + 3) & ~3; }
  HBITMAP Handle() const { return handle_; }

  // New size with black pixels; a size below 1 in either direction empties the bitmap.
  void SetSize(int width, int height);
  void Clear();

  // Reads a Windows bitmap file (.bmp bytes). Any pixel format GDI knows
  // (1, 4, 8, 16, 24, 32 bits, uncompressed or bit fields) becomes 24 bits.
  // A header that does not describe its data leaves the bitmap empty and
  // returns false.
  bool LoadFromBytes(const void* data, size_t size);

  // Direct pixel access; GDI drawing is flushed first.
  uint8_t* ScanLine(int y);
  const uint8_t* ScanLine(int y) const;
  COLORREF Pixel(int x, int y) const;  // 0x00BBGGRR
  void SetPixel(int x, int y, COLORREF colour);
  void Fill(COLORREF colour);

 private:
  HBITMAP handle_ = nullptr;
  uint8_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};
