#include "gui/memory_dc.h"

#include <algorithm>
#include <vector>

namespace {

// Spare memory DCs of this thread. Making a DC is slow on some systems (about 0.4 ms under
// Wine) and drawing a skin element or a window needs a few, so released DCs are kept for the
// next use; SaveDC/RestoreDC hand each user a fresh state.
class TDCPool {
 public:
  ~TDCPool() {
    for (HDC dc : spare_) DeleteDC(dc);
  }
  HDC Take() {
    if (spare_.empty()) return CreateCompatibleDC(nullptr);
    HDC dc = spare_.back();
    spare_.pop_back();
    return dc;
  }
  void Give(HDC dc) {
    if (spare_.size() < kKept) {
      spare_.push_back(dc);
    } else {
      DeleteDC(dc);
    }
  }

 private:
  static constexpr size_t kKept = 8;
  std::vector<HDC> spare_;
};

TDCPool& DCPool() {
  thread_local TDCPool pool;
  return pool;
}

}  // namespace

TBitmapDC::TBitmapDC(HBITMAP bitmap) : dc_(DCPool().Take()), old_(nullptr), saved_(0) {
  if (!dc_) return;
  saved_ = SaveDC(dc_);
  if (bitmap) old_ = SelectObject(dc_, bitmap);
}

TBitmapDC::~TBitmapDC() {
  if (!dc_) return;
  if (old_) SelectObject(dc_, old_);
  if (saved_) {
    RestoreDC(dc_, saved_);
    DCPool().Give(dc_);
  } else {
    DeleteDC(dc_);
  }
}

namespace {

// The thread's reusable back buffer. A paint that starts while another one of the thread holds
// it (a window updated from inside a paint) gets a bitmap of its own.
struct TSharedBackBitmap {
  HBITMAP handle = nullptr;
  int width = 0, height = 0;
  bool lent = false;
  ~TSharedBackBitmap() {
    if (handle) DeleteObject(handle);
  }
};

TSharedBackBitmap& SharedBackBitmap() {
  thread_local TSharedBackBitmap shared;
  return shared;
}

}  // namespace

TBackBuffer::TBufferBitmap TBackBuffer::Acquire(HDC Target, int Width, int Height) {
  TSharedBackBitmap& shared = SharedBackBitmap();
  // Only a window or screen context is sure to share the display's format; a memory context
  // makes bitmaps like the one selected into it.
  if (shared.lent || GetObjectType(Target) != OBJ_DC) return {CreateCompatibleBitmap(Target, Width, Height), false};
  if (Width > shared.width || Height > shared.height) {
    int width = std::max(Width, shared.width), height = std::max(Height, shared.height);
    HBITMAP bigger = CreateCompatibleBitmap(Target, width, height);
    if (!bigger) return {CreateCompatibleBitmap(Target, Width, Height), false};
    if (shared.handle) DeleteObject(shared.handle);
    shared.handle = bigger;
    shared.width = width;
    shared.height = height;
  }
  shared.lent = true;
  return {shared.handle, true};
}

TBackBuffer::TBufferBitmap::~TBufferBitmap() {
  if (shared) {
    SharedBackBitmap().lent = false;
  } else if (handle) {
    DeleteObject(handle);
  }
}

TBackBuffer::TBackBuffer(HDC Target, int Width, int Height)
    : bitmap_(Acquire(Target, Width, Height)), dc_(bitmap_.handle) {}

TBackBuffer::~TBackBuffer() = default;

void TBackBuffer::CopyTo(HDC Target, const RECT& Area) const {
  BitBlt(Target, Area.left, Area.top, Area.right - Area.left, Area.bottom - Area.top, dc_.Handle(), Area.left,
         Area.top, SRCCOPY);
}
