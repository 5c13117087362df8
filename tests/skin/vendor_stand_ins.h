// Stand-ins for other vendors' controls that draw themselves from pictures they publish: the
// skin engine finds them by class name (the style map and the class table) and hands them the
// skin's pictures through their published properties. Shared by the skin tests and the gallery.
#pragma once

#include <memory>

#include "gui/controls.h"
#include "gui/memory_dc.h"
#include "gui/pages.h"
#include "gui/pictures.h"

// A check box or radio button that takes a strip of glyph cells ("CustomGlyphs"), the strip's
// transparent colour and whether to use it; it keeps how often the strip was switched on.
class TVendorGlyphButton : public TCustomControl {
  QS_CLASS(TVendorGlyphButton)

 public:
  using TCustomControl::TCustomControl;
  TBitmap* CustomGlyphs() const { return glyphs_.get(); }
  int TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(int value) { transparentColor_ = value; }
  bool UseCustomGlyphs() const { return useCustomGlyphs_; }
  void SetUseCustomGlyphs(bool value) {
    if (value && !useCustomGlyphs_) ++Loads;
    useCustomGlyphs_ = value;
  }
  int Loads = 0;

 protected:
  // Its first glyph cell, then its caption, as such a control draws itself.
  void Paint() override {
    TCustomControl::Paint();
    HDC dc = Canvas().Handle();
    const int cell = glyphs_->Height();
    if (useCustomGlyphs_ && cell > 0) {
      TBitmapDC glyph(glyphs_->Handle());
      TransparentBlt(dc, 0, (Height() - cell) / 2, cell, cell, glyph, 0, 0, cell, cell,
                     static_cast<UINT>(transparentColor_));
    }
    RECT text{cell + 4, 0, Width(), Height()};
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, Caption().c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER);
  }

 private:
  std::unique_ptr<TBitmap> glyphs_ = std::make_unique<TBitmap>();
  int transparentColor_ = 0;
  bool useCustomGlyphs_ = false;
};

inline const TClassInfo& TVendorGlyphButton::StaticClass() {
  static const TClassInfo info(
      L"TRzCheckBox", &TCustomControl::StaticClass(), nullptr,
      {props::Object(L"CustomGlyphs", &TVendorGlyphButton::CustomGlyphs),
       props::Int(L"transparentcolor", &TVendorGlyphButton::TransparentColor, &TVendorGlyphButton::SetTransparentColor),
       props::Bool(L"UseCustomGlyphs", &TVendorGlyphButton::UseCustomGlyphs, &TVendorGlyphButton::SetUseCustomGlyphs)});
  return info;
}

// The "Properties" object of a check box that keeps its glyph there.
class TVendorCheckProperties : public TPersistent {
  QS_CLASS(TVendorCheckProperties)

 public:
  TBitmap* Glyph() const { return glyph_.get(); }

 private:
  std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
};

inline const TClassInfo& TVendorCheckProperties::StaticClass() {
  static const TClassInfo info(L"TcxCheckBoxProperties", &TPersistent::StaticClass(), nullptr,
                               {props::Object(L"Glyph", &TVendorCheckProperties::Glyph)});
  return info;
}

class TVendorPropertiesCheckBox : public TCustomControl {
  QS_CLASS(TVendorPropertiesCheckBox)

 public:
  using TCustomControl::TCustomControl;
  TVendorCheckProperties* Properties() const { return properties_.get(); }

 private:
  std::unique_ptr<TVendorCheckProperties> properties_ = std::make_unique<TVendorCheckProperties>();
};

inline const TClassInfo& TVendorPropertiesCheckBox::StaticClass() {
  static const TClassInfo info(L"TcxCheckBox", &TCustomControl::StaticClass(), nullptr,
                               {props::Object(L"Properties", &TVendorPropertiesCheckBox::Properties)});
  return info;
}

// A page control that takes its tab backgrounds as pictures.
class TVendorPageControl : public TPageControl {
  QS_CLASS(TVendorPageControl)

 public:
  using TPageControl::TPageControl;
  TBitmap* TabBackGround() const { return normal_.get(); }
  TBitmap* TabBackGroundActive() const { return active_.get(); }

 private:
  std::unique_ptr<TBitmap> normal_ = std::make_unique<TBitmap>(), active_ = std::make_unique<TBitmap>();
};

inline const TClassInfo& TVendorPageControl::StaticClass() {
  static const TClassInfo info(L"TAdvPageControl", &TPageControl::StaticClass(), nullptr,
                               {props::Object(L"TabBackGround", &TVendorPageControl::TabBackGround),
                                props::Object(L"TabBackGroundActive", &TVendorPageControl::TabBackGroundActive)});
  return info;
}
