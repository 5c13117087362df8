// Push-button skinners. TSkinButton draws push buttons (framework buttons, dialog push buttons,
// "tbutton" windows) from the skin's "Buttons" element and takes over their mouse handling: the
// native button never sees a press, so the click comes from here, once, when the left button
// is released over a button it was pressed on. TSkinBitButton adds a glyph (a bitmap strip, an
// image list image or a picture property) beside, above or below the caption.
#pragma once

#include <windows.h>

#include <string>

#include "gui/pictures.h"
#include "skin/skin_control.h"

class TSkinButton : public TSkinControl {
  QS_CLASS(TSkinButton)

 public:
  explicit TSkinButton(TComponent* owner);

  void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  // WindowText ("||" as a line break) in rect shrunk by 2, with the focus rectangle.
  void DrawButtonCaption(HDC dc, const RECT& rect, UINT alignment);

  TBitmap BackBuffer;
  // Drawn over the parent's background instead of the face colour (Tag 5555 or xoTransparent).
  bool Transparent = false;

 protected:
  // Takes the window's state, fills BackBuffer with the face of that state and returns the face
  // frame; 0 when the skin has no button image (nothing is drawn then).
  int DrawFace(HDC buffer, const RECT& rect, bool defaultCounts);
  // The caption colour of a face frame: the control's font colour (ButtonText for a plain
  // window), then the skin's state colours, then the disabled colour.
  COLORREF TextColour(int frame, bool normalInEveryFrame) const;
  // BackBuffer copied to rect in dc.
  void Present(HDC dc, HDC buffer, const RECT& rect) const;

 private:
  void Clicked();
};

class TSkinBitButton : public TSkinButton {
  QS_CLASS(TSkinBitButton)

 public:
  using TSkinButton::TSkinButton;

  void DrawSkin(HDC dc, const RECT& rect) override;
  // Frame glyphFrame (1 up, 2 disabled, 3 down) of a strip of numGlyphs, its bottom-left
  // pixel's colour left out, at rect's top-left; a one-frame strip shows a greyed copy when
  // disabled.
  void DrawGlyphFrame(HDC dc, const RECT& rect, int numGlyphs, int glyphFrame, const TBitmap& glyph);

  // A published picture property that holds the glyph instead of "Glyph" ("PngImage").
  std::wstring GlyphProperty;
};
