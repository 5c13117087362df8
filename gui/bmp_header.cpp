#include "gui/bmp_header.h"

#include <windows.h>

namespace {

// Larger pictures than this are refused: none of ours comes near them, and the size
// arithmetic below stays far from overflow.
constexpr int64_t kMaxDimension = 32767;
constexpr int64_t kMaxPixels = 64 * 1024 * 1024;

uint16_t ReadU16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

}  // namespace

uint32_t BmpReadU32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }

size_t BmpInfoBytes(const uint8_t* data, size_t size) {
  constexpr size_t kFileHeader = 14;
  if (size < kFileHeader + 40 || data[0] != 'B' || data[1] != 'M') return 0;
  const uint32_t offBits = BmpReadU32(data + 10);
  const uint8_t* info = data + kFileHeader;
  const uint32_t infoSize = BmpReadU32(info);
  if (infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124) return 0;
  if (kFileHeader + infoSize > size) return 0;
  const int32_t width = int32_t(BmpReadU32(info + 4));
  const int32_t height = int32_t(BmpReadU32(info + 8));
  const uint16_t planes = ReadU16(info + 12);
  const uint16_t bitCount = ReadU16(info + 14);
  const uint32_t compression = BmpReadU32(info + 16);
  const uint32_t coloursUsed = BmpReadU32(info + 32);
  if (planes != 1 || width <= 0 || height == 0 || height == INT32_MIN) return 0;
  const int64_t rows = height < 0 ? -int64_t(height) : height;
  if (width > kMaxDimension || rows > kMaxDimension || width * rows > kMaxPixels) return 0;
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
    return 0;
  size_t tables = 0;  // bytes between the info header and the pixels that GDI reads
  if (compression == BI_BITFIELDS) {
    if (bitCount != 16 && bitCount != 32) return 0;
    if (infoSize == 40) tables = 12;
  } else if (compression != BI_RGB) {
    return 0;
  }
  if (bitCount <= 8) {
    const uint32_t maxColours = 1u << bitCount;
    if (coloursUsed > maxColours) return 0;
    tables = size_t(coloursUsed ? coloursUsed : maxColours) * 4;
  }
  const size_t headersEnd = kFileHeader + infoSize + tables;
  if (headersEnd > size || offBits < headersEnd) return 0;
  const int64_t stride = ((int64_t(width) * bitCount + 31) / 32) * 4;
  if (int64_t(offBits) + stride * rows > int64_t(size)) return 0;
  return headersEnd - kFileHeader;
}

BITMAPINFO TopDownInfo(int width, int height) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}
