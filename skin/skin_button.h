// Push-button skinners. TSkinButton draws push buttons (framework buttons, dialog push buttons,
// "tbutton" windows) from the skin's "Buttons" element and takes over their mouse handling: the
// native button never sees a press, so the click comes from here, once, when the left button
// is released over a button it was pressed on. TSkinBitButton adds a glyph (a bitmap strip, an
// image list image or a picture property) beside, above or below the caption.
#pragma once

#include <windows.h>

#include <string>

#include "gui/pictures.h"
#include "skin/button_rules.h"
#include "skin/skin_control.h"

class TSkinButton : public TSkinControl {
  QS_CLASS(TSkinButton)

 public:
  explicit TSkinButton(TComponent* owner);

  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
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
  // frame.
  int DrawFace(HDC buffer, const RECT& rect, bool defaultCounts);
  // The parent's background with Transparent, else the face colour.
  void DrawButtonBackground(HDC buffer, const RECT& rect);
  // The background and that face frame over it.
  void DrawFaceFrame(HDC buffer, const RECT& rect, int frame);
  // The face frame of a state.
  virtual int FaceFrame(const TButtonFaceState& state) const;
  // The caption colour of a face frame: the control's font colour (ButtonText for a plain
  // window), then the skin's state colours, then the disabled colour.
  COLORREF TextColour(int frame, bool normalInEveryFrame) const;
  // BackBuffer sized to rect (moved to 0, 0, into client); false when nothing is to be drawn
  // (no skin image, no size).
  bool SizeBackBuffer(const RECT& rect, RECT& client);
  // What WindowText measures (word-wrapped) in box shrunk by 2 on every side; (0, 0) when empty.
  SIZE MeasureCaption(HDC dc, RECT box) const;
  // WindowText drawn transparent in textRect with format, then the focus rectangle 2 pixels
  // outside it when focused.
  void DrawPlacedCaption(HDC dc, RECT textRect, UINT format) const;
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
  static void DrawGlyphFrame(HDC dc, const RECT& rect, int numGlyphs, int glyphFrame, const TBitmap& glyph);

  // A published picture property that holds the glyph instead of "Glyph" ("PngImage").
  std::wstring GlyphProperty;

 protected:
  // The caption's room beside (layouts left and right) or under the glyph.
  static RECT CaptionBox(const RECT& client, SIZE glyph, int layout);
  // The graphic a picture property holds (a graphic, or a picture's graphic); null when none.
  static TGraphic* GraphicProp(TObject* object, const std::wstring& name);
};
