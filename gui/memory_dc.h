// Memory device contexts: the one helper for drawing into bitmaps and for painting off screen,
// shared by the framework and the skin engine.
#pragma once

#include <windows.h>

#include <memory>

// A memory device context with a bitmap selected; on exit the bitmap is deselected and the
// context's state restored (contexts are reused, a few per thread). A bitmap can be selected
// into one context at a time.
class TBitmapDC {
 public:
  explicit TBitmapDC(HBITMAP bitmap);
  ~TBitmapDC();
  TBitmapDC(const TBitmapDC&) = delete;
  TBitmapDC& operator=(const TBitmapDC&) = delete;
  HDC Handle() const { return dc_; }
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
  int saved_;
};

// An off-screen surface like Target's, Width x Height: paint into DC(), then CopyTo puts a part
// of it on the target, so what is painted in layers never flickers. Window paints reuse one
// bitmap per thread, kept selected in a context of its own and grown to the largest size asked
// for: making a window-sized bitmap and selecting it for every paint cost more than painting a
// page of a list. Its pixels are whatever the last paint left: paint all of the area you copy.
// A paint nested in another (a window updated from inside a paint) gets a bitmap of its own.
class TBackBuffer {
 public:
  TBackBuffer(HDC Target, int Width, int Height);
  ~TBackBuffer();
  TBackBuffer(const TBackBuffer&) = delete;
  TBackBuffer& operator=(const TBackBuffer&) = delete;
  HDC DC() const { return dc_; }
  // Copies Area (in the buffer's and the target's coordinates alike) to Target.
  void CopyTo(HDC Target, const RECT& Area) const;

 private:
  HDC dc_ = nullptr;
  int saved_ = 0;                      // the shared context's state before this paint
  HBITMAP own_ = nullptr;              // a bitmap of this paint's own, or nullptr
  std::unique_ptr<TBitmapDC> ownDC_;   // its context
};
