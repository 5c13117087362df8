#include "skin/skin_bitmap.h"

#include <cstring>
#include <utility>
#include <vector>

#include "gui/bmp_header.h"

TSkinBitmap::TSkinBitmap(int width, int height) { SetSize(width, height); }

TSkinBitmap::TSkinBitmap(const TSkinBitmap& other) {
  if (other.Empty()) return;
  SetSize(other.width_, other.height_);
  if (!Empty()) std::memcpy(bits_, other.ScanLine(0), size_t(Stride()) * height_);
}

TSkinBitmap::TSkinBitmap(TSkinBitmap&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      bits_(std::exchange(other.bits_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

TSkinBitmap& TSkinBitmap::operator=(TSkinBitmap other) noexcept {
  std::swap(handle_, other.handle_);
  std::swap(bits_, other.bits_);
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
  return *this;
}

TSkinBitmap::~TSkinBitmap() { Clear(); }

void TSkinBitmap::Clear() {
  if (handle_) DeleteObject(handle_);
  handle_ = nullptr;
  bits_ = nullptr;
  width_ = height_ = 0;
}

void TSkinBitmap::SetSize(int width, int height) {
  Clear();
  if (width < 1 || height < 1) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!handle || !bits) {
    if (handle) DeleteObject(handle);
    return;
  }
  handle_ = handle;
  bits_ = static_cast<uint8_t*>(bits);
  width_ = width;
  height_ = height;
  std::memset(bits_, 0, size_t(Stride()) * height_);
}

bool TSkinBitmap::LoadFromBytes(const void* data, size_t size) {
  Clear();
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  const size_t infoBytes = bytes ? BmpInfoBytes(bytes, size) : 0;
  if (infoBytes == 0) return false;
  // The headers are copied to aligned memory for GDI.
  std::vector<uint32_t> header((infoBytes + 3) / 4, 0);
  std::memcpy(header.data(), bytes + 14, infoBytes);
  const BITMAPINFO* info = reinterpret_cast<const BITMAPINFO*>(header.data());
  const int width = info->bmiHeader.biWidth;
  const int rows = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
  SetSize(width, rows);
  if (Empty()) return false;
  // With DIB_RGB_COLORS the colour table is in the header: no device context is needed.
  const int copied = SetDIBits(nullptr, handle_, 0, rows, bytes + BmpReadU32(bytes + 10), info, DIB_RGB_COLORS);
  if (copied != rows) {
    Clear();
    return false;
  }
  return true;
}

uint8_t* TSkinBitmap::ScanLine(int y) {
  GdiFlush();
  return bits_ + size_t(y) * Stride();
}

const uint8_t* TSkinBitmap::ScanLine(int y) const {
  GdiFlush();
  return bits_ + size_t(y) * Stride();
}

COLORREF TSkinBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const uint8_t* p = ScanLine(y) + x * 3;
  return RGB(p[2], p[1], p[0]);
}

void TSkinBitmap::SetPixel(int x, int y, COLORREF colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  uint8_t* p = ScanLine(y) + x * 3;
  p[0] = GetBValue(colour);
  p[1] = GetGValue(colour);
  p[2] = GetRValue(colour);
}

void TSkinBitmap::Fill(COLORREF colour) {
  for (int y = 0; y < height_; ++y) {
    uint8_t* p = ScanLine(y);
    for (int x = 0; x < width_; ++x, p += 3) {
      p[0] = GetBValue(colour);
      p[1] = GetGValue(colour);
      p[2] = GetRValue(colour);
    }
  }
}
