// The vertical scroll bar of a combo box's drop-down list, painted straight into the list
// window's frame from the skin (the list is a popup, so no panel can lie over its bar). All
// parts show their normal frames: the list has no hover or pressed look. A press on the thumb
// is tracked by the list's own loop (list_thumb_track.h). The combo box skinner attaches it to
// the list window (AttachWindow).
#pragma once

#include "skin/skin_control.h"

class TComboxScrollBar : public TSkinControl {
  QS_CLASS(TComboxScrollBar)

 public:
  explicit TComboxScrollBar(TComponent* owner);
  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  void DrawBar(HDC dc);

  int ArrowSize = 0;
  int Length = 0;
  int ThumbStart = 0, ThumbEnd = 0;
};
