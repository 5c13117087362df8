#include "gui/image_list.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/exception.h"
#include "gui/bmp_header.h"
#include "gui/memory_dc.h"

namespace {

// The pixels of a bitmap as 32-bit BGRA rows, top row first.
std::vector<uint32_t> Pixels32(HBITMAP bmp, int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  BITMAPINFO bi = TopDownInfo(width, height);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bmp, 0, height, pixels.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return pixels;
}

bool HasAlpha(HBITMAP bmp) {
  DIBSECTION ds = {};
  if (!GetObjectW(bmp, sizeof(ds), &ds) || ds.dsBm.bmBitsPixel != 32) return false;
  for (uint32_t p : Pixels32(bmp, ds.dsBm.bmWidth, ds.dsBm.bmHeight))
    if (p >> 24) return true;
  return false;
}

// An image drawn by the list onto a fresh 32-bit surface filled with one colour.
std::vector<uint32_t> RenderOn(HIMAGELIST list, int index, int width, int height, uint32_t fill) {
  BITMAPINFO bi = TopDownInfo(width, height);
  void* bits = nullptr;
  HBITMAP surface = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, fill);
  if (!surface) return pixels;
  std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
  {
    TBitmapDC dc(surface);
    ImageList_Draw(list, index, dc, 0, 0, ILD_TRANSPARENT);
    GdiFlush();
    std::copy_n(static_cast<uint32_t*>(bits), pixels.size(), pixels.begin());
  }
  DeleteObject(surface);
  return pixels;
}

uint32_t OpaquePixel(TColor color) {
  COLORREF c = ColorToRGB(color);
  return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

}  // namespace

const TClassInfo& TCustomImageList::StaticClass() {
  static const TClassInfo info(
      L"TCustomImageList", &TComponent::StaticClass(), nullptr,
      {props::Int(L"Width", &TCustomImageList::Width, &TCustomImageList::SetWidth),
       props::Int(L"Height", &TCustomImageList::Height, &TCustomImageList::SetHeight),
       props::Bool(L"Masked", &TCustomImageList::Masked, &TCustomImageList::SetMasked),
       props::Data(L"Bitmap", &TCustomImageList::LoadBitmapData),
       props::Event(L"OnChange", &TCustomImageList::OnChange)});
  return info;
}

const TClassInfo& TImageList::StaticClass() {
  static const TClassInfo info(L"TImageList", &TCustomImageList::StaticClass(), &CreateInstance<TImageList>, {});
  return info;
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() { FreeHandle(); }

HIMAGELIST TCustomImageList::Handle() {
  if (!handle_)
    handle_ = ImageList_Create(width_, height_, ILC_COLOR32 | (masked_ ? ILC_MASK : 0), 4, 4);
  return handle_;
}

void TCustomImageList::FreeHandle() {
  if (handle_) ImageList_Destroy(handle_);
  handle_ = nullptr;
}

void TCustomImageList::SetWidth(int value) {
  value = std::max(1, value);
  if (value == width_) return;
  width_ = value;
  FreeHandle();
  Change();
}

void TCustomImageList::SetHeight(int value) {
  value = std::max(1, value);
  if (value == height_) return;
  height_ = value;
  FreeHandle();
  Change();
}

void TCustomImageList::SetMasked(bool value) {
  if (value == masked_) return;
  masked_ = value;
  FreeHandle();
  Change();
}

int TCustomImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

void TCustomImageList::Change() {
  if (OnChange && !IsLoading()) OnChange(this);
}

int TCustomImageList::Add(const TBitmap* image, const TBitmap* mask) {
  if (!image || image->Empty()) return -1;
  int index = ImageList_Add(Handle(), image->Handle(), mask && !mask->Empty() ? mask->Handle() : nullptr);
  if (index >= 0) Change();
  return index;
}

int TCustomImageList::AddMasked(const TBitmap* image, TColor maskColor) {
  if (!image || image->Empty()) return -1;
  // The system blackens the masked pixels of the bitmap it is given: give it a copy.
  HBITMAP copy = static_cast<HBITMAP>(CopyImage(image->Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!copy) return -1;
  int index = ImageList_AddMasked(Handle(), copy, ColorToRGB(maskColor));
  DeleteObject(copy);
  if (index >= 0) Change();
  return index;
}

int TCustomImageList::AddIcon(const TIcon* icon) { return icon && !icon->Empty() ? AddIcon(icon->Handle()) : -1; }

int TCustomImageList::AddIcon(HICON icon) {
  if (!icon) return -1;
  int index = ImageList_ReplaceIcon(Handle(), -1, icon);
  if (index >= 0) Change();
  return index;
}

int TCustomImageList::AddImage(TCustomImageList* source, int index) {
  if (!source || index < 0 || index >= source->Count()) return -1;
  HICON icon = ImageList_GetIcon(source->Handle(), index, ILD_TRANSPARENT);
  int added = AddIcon(icon);
  if (icon) DestroyIcon(icon);
  return added;
}

void TCustomImageList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  ImageList_Remove(handle_, index);
  Change();
}

void TCustomImageList::Clear() {
  if (Count() == 0) return;
  ImageList_Remove(handle_, -1);
  Change();
}

int TCustomImageList::AddStrip(const TBitmap* strip) {
  if (!strip || strip->Empty()) return -1;
  if (HasAlpha(strip->Handle()) || !masked_) return Add(strip, nullptr);
  std::vector<uint32_t> pixels = Pixels32(strip->Handle(), strip->Width(), strip->Height());
  uint32_t key = pixels[static_cast<size_t>(strip->Height() - 1) * strip->Width()];
  return AddMasked(strip, static_cast<TColor>(RGB((key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF)));
}

void TCustomImageList::LoadBitmapData(const TBytes& data) {
  if (IsLoading()) {
    // Width, Height and Masked may still follow in the form: add the strip in Loaded().
    pendingData_ = data;
    return;
  }
  TBitmap strip;
  strip.LoadFromData(data);
  if (strip.Width() < width_ || strip.Height() < height_)
    throw Exception(L"The image strip is smaller than one image of the list");
  AddStrip(&strip);
}

void TCustomImageList::Loaded() {
  TComponent::Loaded();
  if (pendingData_.empty()) return;
  TBytes data;
  data.swap(pendingData_);
  LoadBitmapData(data);
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (index < 0 || index >= Count() || !canvas.Handle()) return;
  if (enabled)
    ImageList_Draw(handle_, index, canvas.Handle(), x, y, ILD_TRANSPARENT);
  else
    DrawGreyed(canvas.Handle(), x, y, index);
}

void TCustomImageList::GetBitmap(int index, TBitmap* image, TColor background) {
  if (!image) return;
  image->SetSize(width_, height_);
  image->Fill(ColorToRGB(background));
  Draw(image->Canvas(), 0, 0, index);
}

void TCustomImageList::DrawGreyed(HDC dc, int x, int y, int index) {
  const int w = width_, h = height_;
  // Drawn over black and over white, a pixel that comes out (nearly) the same is part of the
  // image; one that follows the background is transparent, whatever kind of mask it has.
  std::vector<uint32_t> onBlack = RenderOn(handle_, index, w, h, 0x000000);
  std::vector<uint32_t> onWhite = RenderOn(handle_, index, w, h, 0xFFFFFF);
  std::vector<bool> shape(onBlack.size());
  for (size_t i = 0; i < shape.size(); ++i) {
    int spread = 0;
    for (int shift = 0; shift < 24; shift += 8)
      spread = std::max(spread, std::abs(static_cast<int>((onWhite[i] >> shift) & 0xFF) -
                                         static_cast<int>((onBlack[i] >> shift) & 0xFF)));
    shape[i] = spread < 128;
  }
  // The embossed look: the shape in the highlight colour one pixel down and right, and in
  // the shadow colour on top of it.
  BITMAPINFO bi = TopDownInfo(w, h);
  void* bits = nullptr;
  HBITMAP face = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!face) return;
  auto* out = static_cast<uint32_t*>(bits);
  std::fill(out, out + shape.size(), 0u);
  const uint32_t highlight = OpaquePixel(clBtnHighlight), shadow = OpaquePixel(clBtnShadow);
  for (int row = 0; row + 1 < h; ++row)
    for (int col = 0; col + 1 < w; ++col)
      if (shape[static_cast<size_t>(row) * w + col]) out[static_cast<size_t>(row + 1) * w + col + 1] = highlight;
  for (size_t i = 0; i < shape.size(); ++i)
    if (shape[i]) out[i] = shadow;
  {
    TBitmapDC src(face);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, w, h, src, 0, 0, w, h, blend);
  }
  DeleteObject(face);
}

void RegisterImageListClasses() { RegisterClass(TImageList::StaticClass()); }
