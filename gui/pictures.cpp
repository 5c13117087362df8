#include "gui/pictures.h"

#include <shlwapi.h>
#include <gdiplus.h>

#include <cstring>

#include "base/exception.h"
#include "gui/bmp_header.h"
#include "gui/memory_dc.h"

namespace {
void EnsureGdiplus() {
  static ULONG_PTR token = [] {
    ULONG_PTR t = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&t, &input, nullptr);
    return t;
  }();
  (void)token;
}
}  // namespace

const TClassInfo& TGraphic::StaticClass() {
  static const TClassInfo info(L"TGraphic", &TPersistent::StaticClass(), nullptr,
                               {props::Data(L"Data", &TGraphic::LoadFromData)});
  return info;
}

const TClassInfo& TPngImage::StaticClass() {
  static const TClassInfo info(L"TPngImage", &TGraphic::StaticClass(), nullptr, {});
  return info;
}

// The file's bytes until the first draw, then its pixels (the bytes are let go).
struct TPngImage::TPngPixels {
  TBytes Data;
  HBITMAP Pixels = nullptr;
  bool Decoded = false;
  ~TPngPixels() {
    if (Pixels) DeleteObject(Pixels);
  }
};

namespace {
uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

// The pixels of a PNG file as a premultiplied top-down 32-bit DIB, or nullptr.
HBITMAP DecodePng(const TBytes& data, int width, int height) {
  EnsureGdiplus();
  IStream* stream = SHCreateMemStream(data.data(), static_cast<UINT>(data.size()));
  if (!stream) return nullptr;
  Gdiplus::GpBitmap* image = nullptr;
  Gdiplus::GpStatus status = Gdiplus::DllExports::GdipCreateBitmapFromStream(stream, &image);
  stream->Release();
  if (status != Gdiplus::Ok || !image) return nullptr;
  UINT w = 0, h = 0;
  Gdiplus::DllExports::GdipGetImageWidth(image, &w);
  Gdiplus::DllExports::GdipGetImageHeight(image, &h);
  HBITMAP bmp = nullptr;
  bool ok = false;
  if (static_cast<int>(w) == width && static_cast<int>(h) == height) {
    void* bits = nullptr;
    BITMAPINFO bi = TopDownInfo(width, height);
    bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bmp) {
      Gdiplus::GpRect rect(0, 0, width, height);
      Gdiplus::BitmapData locked = {};
      locked.Width = w;
      locked.Height = h;
      locked.Stride = static_cast<INT>(w * 4);
      locked.PixelFormat = PixelFormat32bppPARGB;
      locked.Scan0 = bits;
      // Decode straight into the DIB's pixels, premultiplied as AlphaBlend wants them.
      ok = Gdiplus::DllExports::GdipBitmapLockBits(
               image, &rect, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
               PixelFormat32bppPARGB, &locked) == Gdiplus::Ok;
      if (ok) Gdiplus::DllExports::GdipBitmapUnlockBits(image, &locked);
    }
  }
  Gdiplus::DllExports::GdipDisposeImage(image);
  if (!ok && bmp) {
    DeleteObject(bmp);
    bmp = nullptr;
  }
  return bmp;
}
}  // namespace

void TPngImage::LoadFromData(const TBytes& data) {
  // The signature, then the header chunk: length 13, "IHDR", width and height.
  static const uint8_t head[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  if (data.size() < sizeof(head) + 8 || std::memcmp(data.data(), head, sizeof(head)) != 0)
    throw Exception(L"PNG image is not valid");
  const uint32_t w = BigEndian32(data.data() + 16), h = BigEndian32(data.data() + 20);
  // Sizes a DIB can have (PNG allows up to 2^31 - 1 each way, GDI far less).
  if (w == 0 || h == 0 || w > 0x8000 || h > 0x8000) throw Exception(L"PNG image is not valid");
  auto image = std::make_shared<TPngPixels>();
  image->Data = data;
  image_ = std::move(image);
  SetSize(static_cast<int>(w), static_cast<int>(h));
}

HBITMAP TPngImage::Handle() const {
  if (!image_) return nullptr;
  if (!image_->Decoded) {
    image_->Pixels = DecodePng(image_->Data, Width(), Height());
    image_->Decoded = true;
    TBytes().swap(image_->Data);
  }
  return image_->Pixels;
}

std::unique_ptr<TGraphic> TPngImage::Clone() const {
  auto copy = std::make_unique<TPngImage>();
  copy->image_ = image_;
  copy->SetSize(Width(), Height());
  copy->SetTransparent(Transparent());
  return copy;
}

void TPngImage::Draw(TCanvas& canvas, const TRect& r) {
  HBITMAP pixels = Handle();
  if (!pixels) return;
  TBitmapDC src(pixels);
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(canvas.Handle(), r.left, r.top, ::Width(r), ::Height(r), src.Handle(), 0, 0, Width(), Height(), blend);
}

const TClassInfo& TIcon::StaticClass() {
  static const TClassInfo info(L"TIcon", &TGraphic::StaticClass(), nullptr, {});
  return info;
}

TIcon::~TIcon() {
  if (handle_) DestroyIcon(handle_);
}

void TIcon::LoadFromData(const TBytes& data) {
#pragma pack(push, 1)
  struct IconDirEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes, offset;
  };
#pragma pack(pop)
  auto word = [&](size_t at) { return static_cast<WORD>(data[at] | (data[at + 1] << 8)); };
  if (data.size() < 6 || word(0) != 0 || word(2) != 1) throw Exception(L"Icon image is not valid");
  size_t count = word(4);
  if (count == 0 || data.size() < 6 + count * sizeof(IconDirEntry)) throw Exception(L"Icon image is not valid");
  // The largest image, then the one with the most colours.
  IconDirEntry best = {};
  int bestSize = -1;
  for (size_t i = 0; i < count; ++i) {
    IconDirEntry e;
    std::memcpy(&e, data.data() + 6 + i * sizeof(e), sizeof(e));
    int size = e.width ? e.width : 256;
    if (size > bestSize || (size == bestSize && e.bitCount > best.bitCount)) {
      best = e;
      bestSize = size;
    }
  }
  if (best.offset >= data.size() || best.bytes > data.size() - best.offset) throw Exception(L"Icon image is not valid");
  int w = best.width ? best.width : 256, h = best.height ? best.height : 256;
  HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(data.data() + best.offset), best.bytes, TRUE,
                                        0x00030000, w, h, LR_DEFAULTCOLOR);
  if (!icon) throw Exception(L"Icon image is not valid");
  if (handle_) DestroyIcon(handle_);
  handle_ = icon;
  SetSize(w, h);
}

void TIcon::SetHandle(HICON icon) {
  if (handle_ && handle_ != icon) DestroyIcon(handle_);
  handle_ = icon;
  int w = 0, h = 0;
  ICONINFO info;
  if (icon && GetIconInfo(icon, &info)) {
    BITMAP bm;
    if (info.hbmColor && GetObjectW(info.hbmColor, sizeof(bm), &bm)) {
      w = bm.bmWidth;
      h = bm.bmHeight;
    } else if (info.hbmMask && GetObjectW(info.hbmMask, sizeof(bm), &bm)) {
      // A monochrome icon keeps its image and mask one above the other in the mask bitmap.
      w = bm.bmWidth;
      h = bm.bmHeight / 2;
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
  }
  SetSize(w, h);
}

std::unique_ptr<TGraphic> TIcon::Clone() const {
  auto copy = std::make_unique<TIcon>();
  copy->handle_ = handle_ ? CopyIcon(handle_) : nullptr;
  if (copy->handle_) copy->SetSize(Width(), Height());
  copy->SetTransparent(Transparent());
  return copy;
}

void TIcon::Draw(TCanvas& canvas, const TRect& r) {
  DrawIconEx(canvas.Handle(), r.left, r.top, handle_, ::Width(r), ::Height(r), 0, nullptr, DI_NORMAL);
}

const TClassInfo& TPicture::StaticClass() {
  static const TClassInfo info(L"TPicture", &TPersistent::StaticClass(), nullptr,
                               {props::Data(L"Data", &TPicture::LoadFromData)});
  return info;
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (OnChange) OnChange();
}

void TPicture::Assign(const TPicture* source) {
  if (source == this) return;
  SetGraphic(source && source->graphic_ ? source->graphic_->Clone() : nullptr);
}

void TPicture::LoadFromData(const TBytes& data) {
  static const uint8_t png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::unique_ptr<TGraphic> g;
  if (data.size() >= sizeof(png) && std::memcmp(data.data(), png, sizeof(png)) == 0)
    g = std::make_unique<TPngImage>();
  else if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M')
    g = std::make_unique<TBitmap>();
  else if (data.size() >= 4 && data[0] == 0 && data[1] == 0 && data[2] == 1 && data[3] == 0)
    g = std::make_unique<TIcon>();
  else
    throw Exception(L"Unknown picture format");
  g->LoadFromData(data);
  SetGraphic(std::move(g));
}
