// Other vendors' controls that draw themselves from pictures they publish as properties: the
// skinner hands them the skin's pictures and steps aside. TSkinObjImage gives check boxes and
// radio buttons glyph strips cut from the skin's check and radio frames; TSkinAdvPage gives a
// page control its tab backgrounds from the "Tabs" element and skins its scroll arrows.
#pragma once

#include "skin/skin_control.h"

class TSkinUpDown;

class TSkinObjImage : public TSkinControl {
  QS_CLASS(TSkinObjImage)

 public:
  using TSkinControl::TSkinControl;
  // The control's messages are not hooked: it draws itself with the glyphs it was given.
  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  void SkinChanged() override;
  // The control goes back to its own glyphs.
  void Detach() override;
  void ApplyGlyphs();

  // kObjImageCheck, kObjImageRadio or kObjImagePropertiesCheck (small_skinner_rules.h).
  int GlyphKind = 0;
};

class TSkinAdvPage : public TSkinControl {
  QS_CLASS(TSkinAdvPage)

 public:
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinnerHost* host, TSkinData* skinData, TCanvas* canvas, bool recolour) override;
  void SkinChanged() override;
  // The control goes back to its own tab look.
  void Detach() override;
  // The control paints itself; only its scroll arrows are looked for.
  void DrawSkin(HDC dc, const RECT& rect) override;
  void ApplyTabBackgrounds();

  // Only the kind the discovery gives (4) has tab backgrounds.
  int PageKind = 4;
  TSkinUpDown* UpDown = nullptr;
};
