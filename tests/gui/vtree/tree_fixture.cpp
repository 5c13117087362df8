#include "tree_fixture.h"

#include <cstring>

#include "gui/pictures.h"
#include "gui_test_support.h"

namespace {
// A 24-bit BMP file of a strip of solid squares.
TBytes SolidStrip(int size, const std::vector<COLORREF>& colours) {
  int width = size * static_cast<int>(colours.size());
  int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER fh = {};
  BITMAPINFOHEADER ih = {};
  ih.biSize = sizeof(ih);
  ih.biWidth = width;
  ih.biHeight = size;
  ih.biPlanes = 1;
  ih.biBitCount = 24;
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof(fh) + sizeof(ih);
  fh.bfSize = fh.bfOffBits + stride * size;
  TBytes bytes(fh.bfSize);
  memcpy(bytes.data(), &fh, sizeof(fh));
  memcpy(bytes.data() + sizeof(fh), &ih, sizeof(ih));
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < width; ++x) {
      COLORREF c = colours[x / size];
      uint8_t* p = bytes.data() + fh.bfOffBits + y * stride + x * 3;
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  return bytes;
}
}  // namespace

TImageList* SolidImages(TComponent* owner, int size, const std::vector<COLORREF>& colours) {
  auto* list = new TImageList(owner);
  list->SetWidth(size);
  list->SetHeight(size);
  list->SetMasked(false);
  TBitmap strip;
  strip.LoadFromData(SolidStrip(size, colours));
  list->Add(&strip, nullptr);
  return list;
}

TreeFixture::TreeFixture(int width, int height) {
  form = new TForm(nullptr);
  form->SetBorderStyle(TFormBorderStyle::bsNone);
  form->SetBounds(50, 50, width + 20, height + 20);
  tree = new TVirtualStringTree(form);
  tree->SetParent(form);
  tree->SetBorderStyle(TBorderStyle::bsNone);
  tree->SetBounds(10, 10, width, height);
  form->Show();
  Pump(20);
}

TreeFixture::~TreeFixture() { delete form; }

void TreeFixture::Click(int x, int y) {
  SendMessageW(tree->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(tree->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void TreeFixture::ClickCheckBox(PVirtualNode node) {
  TRect box = tree->CellLayout(node, tree->Header()->MainColumn()).CheckBox;
  Click((box.left + box.right) / 2, (box.top + box.bottom) / 2);
}

void TreeFixture::Key(WPARAM key) { SendMessageW(tree->Handle(), WM_KEYDOWN, key, 0); }

Snapshot::Snapshot(TBaseVirtualTree* tree) : width_(tree->ClientWidth()), height_(tree->ClientHeight()) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width_;
  bi.bmiHeader.biHeight = -height_;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bmp_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  old_ = SelectObject(dc_, bmp_);
  tree->PaintWindow(dc_);
  GdiFlush();
  bits_ = static_cast<const uint32_t*>(bits);
}

Snapshot::~Snapshot() {
  SelectObject(dc_, old_);
  DeleteObject(bmp_);
  DeleteDC(dc_);
}

COLORREF Snapshot::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  uint32_t v = bits_[static_cast<size_t>(y) * width_ + x];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}
