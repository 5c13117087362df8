// Check box and radio button skinners: the glyph comes from the skin's "Buttons" check or radio
// strip. A framework control is drawn whole (glyph and caption); a plain dialog's check box or
// radio button keeps its native painting and gets the skin glyph drawn over the native one.
#pragma once

#include <windows.h>

#include "skin/skin_control.h"

// What the two twins share: attaching, the messages, the glyph and caption drawing.
class TSkinCheckControl : public TSkinControl {
  QS_CLASS(TSkinCheckControl)

 public:
  using TSkinControl::TSkinControl;

  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  bool BeforeMessage(TMessage& m) override;
  // With the skin's glyphs (Mode 1); else the native control paints and the caption goes over it.
  bool PaintsInstead() const override;
  void AfterMessage(TMessage& m) override;

  // Erased with the parent's background (Tag 5555 or xoTransparent) instead of the face.
  bool Transparent = false;

 protected:
  virtual const TBitmap& GlyphImage() const = 0;
  virtual int GlyphFrames() const = 0;
  // The frame to show now.
  virtual int GlyphFrame() = 0;
  // How far the glyph stands in from the right edge with BS_LEFTTEXT.
  virtual int LeftTextInset() const = 0;
  void DrawGlyphAndCaption(HDC dc, const RECT& rect);

 private:
  COLORREF FontColour() const;
};

class TSkinCheckBox : public TSkinCheckControl {
  QS_CLASS(TSkinCheckBox)

 public:
  using TSkinCheckControl::TSkinCheckControl;
  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override { DrawGlyphAndCaption(dc, rect); }

  // 0 until the window gets BM_SETCHECK, then 1 + its wParam (data-aware boxes are set so).
  int CheckState = 0;

 protected:
  const TBitmap& GlyphImage() const override;
  int GlyphFrames() const override;
  int GlyphFrame() override;
  int LeftTextInset() const override { return 0; }
};

class TSkinRadioButton : public TSkinCheckControl {
  QS_CLASS(TSkinRadioButton)

 public:
  using TSkinCheckControl::TSkinCheckControl;
  void DrawSkin(HDC dc, const RECT& rect) override { DrawGlyphAndCaption(dc, rect); }

 protected:
  const TBitmap& GlyphImage() const override;
  int GlyphFrames() const override;
  int GlyphFrame() override;
  int LeftTextInset() const override { return 1; }
};
