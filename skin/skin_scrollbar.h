// Painted scroll bars. A native scroll bar cannot be recoloured, so a small framework panel,
// TWScrollbar, lies exactly over it (a sibling of the control, directly above it) and paints
// the bar from the skin; every click on it is handed to the native bar, so scrolling stays the
// control's own. TSkinScrollbar (framework controls with scroll bars: memos, list boxes, rich
// edits, grids, the tree-list) and TSkinScrollbarH (plain windows: a simple combo box's list)
// own one panel per direction, keep them in place and redraw the control's border.
#pragma once

#include "gui/controls.h"
#include "skin/skin_control.h"

class TSkinData;

class TWScrollbar : public TCustomControl {
  QS_CLASS(TWScrollbar)

 public:
  explicit TWScrollbar(TComponent* owner);

  // Over bar 0 (horizontal) or 1 (vertical) of a framework control, in the colour of its parent.
  void AttachControl(TSkinControl* skinner, TWinControl* control, int bar);
  // The same over a plain window's bar.
  void AttachWindow(TSkinControl* skinner, HWND window, int bar);
  void HideBar();
  // Follows the native bar: hidden with it, else laid over it at its size.
  void UpdatePosition();
  // The part under a point of the panel (scroll request codes, see scroll_rules.h).
  int HitTest(POINT p) const;
  // A new hot part repaints the panel.
  void SetHotPart(int part);
  // Repaints the panel when the native bar's thumb or state moved since it was last painted
  // (the control paints far more often than its bar changes).
  void RefreshIfChanged();
  // The window whose bar this covers (a framework control's current window).
  HWND Target() const;

  int Length = 0;                   // along the bar
  int ThumbStart = 0, ThumbEnd = 0; // pixels from the bar's start
  POINT ScreenOrigin{};             // the bar's top-left corner on the screen
  int ClickCursor = 0;              // cursor along the bar at the last click
  int ClickThumb = 0;               // thumb start at the last click
  bool Vertical = false;
  int Bar = 0;                      // 0 horizontal, 1 vertical
  int HotPart = -1;
  int ArrowSize = 0;
  TWinControl* TargetControl = nullptr;
  TSkinControl* Skinner = nullptr;
  RECT NativeRect{};                // the native bar in the target's client coordinates
  bool BarVisible = false;
  bool Dragging = false;            // while a click is handed to the native bar

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& m) override;

 private:
  void Attach(TSkinControl* skinner, HWND target, HWND parent, int bar);
  void PaintBar(HDC dc);
  void ButtonDown(TMessage& m);
  void ButtonUp(TMessage& m);
  int Along(POINT p) const { return Vertical ? p.y : p.x; }
  bool ReadBar(SCROLLBARINFO& info) const;

  HWND targetWindow_ = nullptr;
  // What the last paint showed.
  struct TShown {
    int Length = -1, ThumbStart = -1, ThumbEnd = -1;
    DWORD State = 0;
    bool operator==(const TShown& o) const {
      return Length == o.Length && ThumbStart == o.ThumbStart && ThumbEnd == o.ThumbEnd && State == o.State;
    }
  };
  static TShown ShownOf(const SCROLLBARINFO& info, bool vertical);
  TShown shown_;
};

class TSkinScrollbar : public TSkinControl {
  QS_CLASS(TSkinScrollbar)

 public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbar() override;

  // Scrollable controls are attached through AttachScrollControl.
  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  virtual void AttachScrollControl(TControl* control, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host);
  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;
  void Detach() override;
  void UpdateBars();
  // A frame in ButtonShadow with a ButtonFace one inside it.
  void DrawBorder(HDC dc, const RECT& rect) const;
  void PaintBorder(HDC dc) const;

  TWScrollbar* HorzBar = nullptr;
  TWScrollbar* VertBar = nullptr;
  bool HasBorder = false;

 protected:
  void WndProc(TMessage& m) override;

 private:
  void ApplyFixedColour();
  void FreeBars();
  // A grid's FixedColor switched to the skin's face at attach, and what it was before.
  bool fixedColourSwitched_ = false;
  TColor savedFixedColour_ = 0;
};

class TSkinScrollbarH : public TSkinControl {
  QS_CLASS(TSkinScrollbarH)

 public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbarH() override;
  void AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host) override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  void Detach() override;

  TWScrollbar* HorzBar = nullptr;
  TWScrollbar* VertBar = nullptr;

 private:
  void FreeBars();
};

// The scroll request code of a WM_HSCROLL / WM_VSCROLL shown on the painted bar of that
// direction (the pressed arrow or thumb while the native bar tracks), and the square between
// two painted bars filled with the skin's face colour.
void ShowScrollRequest(TWScrollbar* horz, TWScrollbar* vert, const TMessage& m);
void FillScrollCorner(HDC dc, HWND window, const TSkinData* skinData, const TWScrollbar* horz, const TWScrollbar* vert);
