// Progress bars drawn from the skin: the "Progress" element's trough and bar (bar look), or its
// trough under repeated "Progress.Chunk" pieces (chunk look, the element's Style 1). A vertical
// bar is drawn lying down and turned, so it fills from the bottom.
#pragma once

#include "skin/skin_control.h"

class TSkinProgress : public TSkinControl {
  QS_CLASS(TSkinProgress)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& m) override;
  // Only with the skin's "Progress" element; the native bar paints without it.
  bool PaintsInstead() const override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void DrawChunks(HDC dc, const RECT& rect);
};
