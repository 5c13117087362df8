#include "gui/pagekit/image_ex.h"

const TClassInfo& TImageEx::StaticClass() {
  static const TClassInfo info(L"TImageEx", &TImage::StaticClass(), &CreateInstance<TImageEx>,
                               {props::Event(L"OnMouseEnter", &TImageEx::OnMouseEnter),
                                props::Event(L"OnMouseLeave", &TImageEx::OnMouseLeave),
                                props::Object(L"NormalGlyph", &TImageEx::NormalGlyph),
                                props::Object(L"DownGlyph", &TImageEx::DownGlyph),
                                props::Object(L"OverGlyph", &TImageEx::OverGlyph),
                                props::Bool(L"Down", &TImageEx::Down, &TImageEx::SetDown)});
  return info;
}

TImageEx::TImageEx(TComponent* owner)
    : TImage(owner),
      normalGlyph_(std::make_unique<TPicture>()),
      downGlyph_(std::make_unique<TPicture>()),
      overGlyph_(std::make_unique<TPicture>()) {}

TImageEx::~TImageEx() = default;

void TImageEx::SetNormalGlyph(const TPicture* value) {
  normalGlyph_->Assign(value);
  Picture()->Assign(value);
  Invalidate();
}

void TImageEx::SetDownGlyph(const TPicture* value) {
  downGlyph_->Assign(value);
  Invalidate();
}

void TImageEx::SetOverGlyph(const TPicture* value) {
  overGlyph_->Assign(value);
  Invalidate();
}

void TImageEx::SetDown(bool value) {
  down_ = value;
  if (value) {
    ShowGlyph(downGlyph_.get());
    pressed_ = true;
  } else {
    pressed_ = false;
    ShowGlyph(normalGlyph_.get());
  }
  Invalidate();
}

void TImageEx::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TImage::MouseDown(button, shift, x, y);
  ShowGlyph(downGlyph_.get());
  pressed_ = true;
}

void TImageEx::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TImage::MouseUp(button, shift, x, y);
  if (!HeldDown()) ShowGlyph(normalGlyph_.get());
}

void TImageEx::WndProc(TMessage& m) {
  const bool mine = m.LParam == reinterpret_cast<LPARAM>(this);
  if (m.Msg == CM_MOUSEENTER && mine) {
    if (OnMouseEnter) OnMouseEnter(this, m);
    if (!HeldDown()) ShowGlyph(overGlyph_.get());
    return;
  }
  if (m.Msg == CM_MOUSELEAVE && mine) {
    if (OnMouseLeave) OnMouseLeave(this, m);
    if (!HeldDown()) ShowGlyph(normalGlyph_.get());
    return;
  }
  TImage::WndProc(m);
}

void TImageEx::ShowGlyph(const TPicture* glyph) { Picture()->Assign(glyph); }
