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

// The thread's reusable back buffer: a bitmap that stays selected into a context of its own.
// A window-sized bitmap is megabytes, so it does not outlive the paints that use it: a thread
// timer lets it go once a whole tick passed without a paint (paging through a list keeps it).
struct TSharedBackBuffer {
  static constexpr UINT kIdleTickMs = 250;
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ original = nullptr;  // the context's own bitmap, put back before it goes
  int width = 0, height = 0;
  bool lent = false;
  bool usedThisTick = false;
  UINT_PTR timer = 0;
  ~TSharedBackBuffer() {
    if (timer) KillTimer(nullptr, timer);
    Release();
  }
  // Makes room for Width x Height; false when that fails.
  bool Fit(HDC target, int Width, int Height) {
    usedThisTick = true;
    if (Width <= width && Height <= height) return true;
    if (!dc && !(dc = CreateCompatibleDC(target))) return false;
    int w = std::max(Width, width), h = std::max(Height, height);
    HBITMAP bigger = CreateCompatibleBitmap(target, w, h);
    if (!bigger) return false;
    HGDIOBJ old = SelectObject(dc, bigger);
    if (bitmap) {
      DeleteObject(bitmap);
    } else {
      original = old;
    }
    bitmap = bigger;
    width = w;
    height = h;
    if (!timer) timer = SetTimer(nullptr, 0, kIdleTickMs, &TSharedBackBuffer::Tick);
    return true;
  }
  void Release() {
    if (dc) {
      SelectObject(dc, original);
      DeleteDC(dc);
    }
    if (bitmap) DeleteObject(bitmap);
    dc = nullptr;
    bitmap = nullptr;
    original = nullptr;
    width = height = 0;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
};

TSharedBackBuffer& SharedBackBuffer() {
  thread_local TSharedBackBuffer shared;
  return shared;
}

void CALLBACK TSharedBackBuffer::Tick(HWND, UINT, UINT_PTR, DWORD) {
  TSharedBackBuffer& shared = SharedBackBuffer();
  if (shared.usedThisTick || shared.lent) {
    shared.usedThisTick = false;
    return;
  }
  KillTimer(nullptr, shared.timer);
  shared.timer = 0;
  shared.Release();
}

}  // namespace

TBackBuffer::TBackBuffer(HDC Target, int Width, int Height) {
  TSharedBackBuffer& shared = SharedBackBuffer();
  // Only a window or screen context is sure to share the display's format; a memory context
  // makes bitmaps like the one selected into it.
  if (!shared.lent && GetObjectType(Target) == OBJ_DC && shared.Fit(Target, Width, Height)) {
    shared.lent = true;
    dc_ = shared.dc;
    saved_ = SaveDC(dc_);
    return;
  }
  own_ = CreateCompatibleBitmap(Target, Width, Height);
  ownDC_ = std::make_unique<TBitmapDC>(own_);
  dc_ = ownDC_->Handle();
}

TBackBuffer::~TBackBuffer() {
  if (ownDC_) {
    ownDC_.reset();  // lets go of the bitmap first
    if (own_) DeleteObject(own_);
    return;
  }
  RestoreDC(dc_, saved_);
  SharedBackBuffer().lent = false;
}

void TBackBuffer::CopyTo(HDC Target, const RECT& Area) const {
  BitBlt(Target, Area.left, Area.top, Area.right - Area.left, Area.bottom - Area.top, dc_, Area.left,
         Area.top, SRCCOPY);
}
