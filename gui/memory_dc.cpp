#include "gui/memory_dc.h"

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

TBackBuffer::TBackBuffer(HDC Target, int Width, int Height)
    : bitmap_{CreateCompatibleBitmap(Target, Width, Height)}, dc_(bitmap_.handle) {}

TBackBuffer::~TBackBuffer() = default;

void TBackBuffer::CopyTo(HDC Target, const RECT& Area) const {
  BitBlt(Target, Area.left, Area.top, Area.right - Area.left, Area.bottom - Area.top, dc_.Handle(), Area.left,
         Area.top, SRCCOPY);
}
