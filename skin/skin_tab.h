// Tab skinners. TSkinTab draws tab controls and page controls (and plain "systabcontrol32"
// windows) from the skin's "Tabs" element: the strip of tabs with their images and captions,
// composed lying down in one buffer and turned for side tabs, and the pane around the page area
// from the element's border image or the "Tab.Pane" element. A page control with Tag 7777 and
// tabs on top gets a close glyph on each tab: a click on it asks the form (SKM_TABCLOSE) and
// frees that tab's page unless the form objects. TSkinTab31 draws a tab set from the same
// element, upside down.
#pragma once

#include <windows.h>

#include <vector>

#include "gui/pictures.h"
#include "skin/skin_control.h"

// A tab's caption and image index, read with TCM_GETITEMW when wide, else TCM_GETITEMA.
std::wstring TabCaption(HWND tabs, bool wide, int index, int& image);

class TSkinTab : public TSkinControl {
  QS_CLASS(TSkinTab)

 public:
  using TSkinControl::TSkinControl;

  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  void AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TSkinnerHost* host) override;
  bool BeforeMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;
  void Detach() override;

  // One close-glyph rectangle per tab (client coordinates), rebuilt at every paint.
  std::vector<RECT> CloseRects;
  uint8_t TabPosition = 0;  // 0 top, 1 bottom, 2 left, 3 right
  TBitmap TabImage;         // the "Tabs" image, flipped for bottom tabs
  TBitmap PaneImage;        // the pane image, flipped or turned for the tab position
  TBitmap StripBuffer;      // the strip is composed here lying down
  TSkinControl* UpDownSkinner = nullptr;  // the skinner of the scroll arrows, once there are any
  bool Closable = false;

 private:
  void LoadImages();
  // A page control with Tag 7777 and its tabs on top.
  bool ClosableNow() const;
  // Tabs with close glyphs get the wider padding, once per window.
  void FitCloseGlyphs();
  // Skins the scroll arrows when they first appear; whether they show now.
  bool FindUpDown();
  void AttachCommon();
  void DrawStrip(HDC dc, const RECT& rect, const RECT& pane);
  void DrawCloseGlyph(HDC dc, const RECT& item, int tab);
  // A click on a close glyph: true when the click hit one (the tab is then not selected).
  bool HitCloseGlyph(const TMessage& m);

  HWND paddedWindow_ = nullptr;  // the window whose tabs were widened for their close glyphs
};

class TSkinTab31 : public TSkinControl {
  QS_CLASS(TSkinTab31)

 public:
  using TSkinControl::TSkinControl;

  // The tab set is subclassed as a window (its own painting runs, then the skin goes over it).
  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  bool BeforeMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  TBitmap TabImage;  // the "Tabs" image upside down

 private:
  void LoadImage();
};
