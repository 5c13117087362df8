#include "skin/control_facts.h"

#include "gui/control_strings.h"
#include "gui/controls.h"
#include "gui/properties.h"

namespace {

const TPropInfo* PropOfKind(TControl* control, const wchar_t* name, std::initializer_list<TTypeKind> kinds) {
  const TPropInfo* info = GetPropInfo(control, name);
  if (!info) return nullptr;
  for (TTypeKind kind : kinds)
    if (info->Kind == kind) return info;
  return nullptr;
}

}  // namespace

void TControlFacts::Bind(TControl* control, HWND window) {
  control_ = control;
  window_ = window;
  caption_ = state_ = checked_ = font_ = colour_ = nullptr;
  if (!control) return;
  caption_ = PropOfKind(control, L"Caption", {TTypeKind::String, TTypeKind::WString});
  if (!caption_) caption_ = PropOfKind(control, L"Text", {TTypeKind::String, TTypeKind::WString});
  state_ = PropOfKind(control, L"State", {TTypeKind::Enumeration});
  checked_ = PropOfKind(control, L"Checked", {TTypeKind::Enumeration});
  font_ = PropOfKind(control, L"Font", {TTypeKind::Class});
  colour_ = PropOfKind(control, L"Color", {TTypeKind::Integer});
}

std::wstring TControlFacts::Caption() const {
  if (caption_) return caption_->GetStr(control_);
  return window_ ? WindowText(window_) : L"";
}

bool TControlFacts::Enabled() const {
  if (control_) return control_->Enabled();
  return window_ && IsWindowEnabled(window_);
}

int TControlFacts::Checked() const {
  // A check box's State (unchecked, checked, grayed) says more than its Checked.
  if (state_ && state_->Enum && state_->Enum->Names.size() == 3) return static_cast<int>(state_->GetOrd(control_));
  if (checked_) return checked_->GetOrd(control_) ? BST_CHECKED : BST_UNCHECKED;
  if (control_ || !window_) return BST_UNCHECKED;
  return static_cast<int>(SendMessageW(window_, BM_GETCHECK, 0, 0));
}

HFONT TControlFacts::Font() const {
  if (font_)
    if (auto* font = dynamic_cast<TFont*>(font_->GetObj(control_))) return font->Handle();
  if (window_) return reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
  return nullptr;
}

TColor TControlFacts::Colour(TColor defaultColour) const {
  return colour_ ? static_cast<TColor>(colour_->GetOrd(control_)) : defaultColour;
}
