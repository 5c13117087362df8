#include "gui/header_control.h"

#include <commctrl.h>

#include <algorithm>

#include "gui/common_controls.h"

const TClassInfo& THeaderSection::StaticClass() {
  static const TClassInfo info(
      L"THeaderSection", &TCollectionItem::StaticClass(), nullptr,
      {props::Str(L"Text", &THeaderSection::Text, &THeaderSection::SetText),
       props::Int(L"Width", &THeaderSection::Width, &THeaderSection::SetWidth),
       props::Enum(L"Alignment", AlignmentInfo, &THeaderSection::Alignment, &THeaderSection::SetAlignment)});
  return info;
}

void THeaderSection::SetText(const std::wstring& value) {
  if (value == text_) return;
  text_ = value;
  Changed();
}

void THeaderSection::SetWidth(int value) {
  width_ = std::max(0, value);
  Changed();
}

void THeaderSection::SetAlignment(TAlignment value) {
  alignment_ = value;
  Changed();
}

const TClassInfo& THeaderControl::StaticClass() {
  static const TClassInfo info(L"THeaderControl", &TWinControl::StaticClass(), &CreateInstance<THeaderControl>,
                               {props::Object(L"Sections", &THeaderControl::Sections),
                                props::Event(L"OnSectionClick", &THeaderControl::OnSectionClick),
                                props::Event(L"OnSectionResize", &THeaderControl::OnSectionResize)});
  return info;
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_(std::make_unique<THeaderSections>(this)) {
  // The window tracks clicks and drags itself and reports them (HDN_*).
  SetControlStyle({});
  SetBounds(0, 0, 200, 17);
  SetAlign(TAlign::alTop);
  sections_->OnUpdate = [this](TCollectionItem* section) {
    if (!HandleAllocated()) return;
    if (section)
      SetSection(section->Index(), false);
    else
      UpdateSections();
  };
}

void THeaderControl::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_WIN95_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClass = WC_HEADERW;
  params.Style |= HDS_BUTTONS | HDS_HORZ;
}

void THeaderControl::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateSections();
}

void THeaderControl::SetSection(int index, bool insert) {
  THeaderSection* section = sections_->Items(index);
  HDITEMW item = {};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = const_cast<wchar_t*>(section->text_.c_str());
  item.cxy = section->width_;
  item.fmt = HDF_STRING | (section->alignment_ == TAlignment::taCenter         ? HDF_CENTER
                           : section->alignment_ == TAlignment::taRightJustify ? HDF_RIGHT
                                                                               : HDF_LEFT);
  SendMessageW(Handle(), insert ? HDM_INSERTITEMW : HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void THeaderControl::UpdateSections() {
  HWND wnd = Handle();
  int shown = static_cast<int>(SendMessageW(wnd, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < sections_->Count(); ++i) SetSection(i, i >= shown);
  for (int i = shown - 1; i >= sections_->Count(); --i) SendMessageW(wnd, HDM_DELETEITEM, i, 0);
}

TRect THeaderControl::SectionRect(int index) const {
  TRect r = {};
  if (!HandleAllocated() || index < 0 || index >= sections_->Count()) return r;
  if (!SendMessageW(const_cast<THeaderControl*>(this)->Handle(), HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)))
    return TRect{};
  return r;
}

void THeaderControl::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY && NotifyHeader(m)) {
    auto* note = reinterpret_cast<NMHEADERW*>(m.LParam);
    int index = note->iItem;
    bool known = index >= 0 && index < sections_->Count();
    switch (note->hdr.code) {
      case HDN_ITEMCLICKW:
      case HDN_ITEMCLICKA:
        if (known && OnSectionClick) OnSectionClick(this, sections_->Items(index));
        break;
      case HDN_ITEMCHANGEDW:
      case HDN_ITEMCHANGEDA:
        if (known && note->pitem && (note->pitem->mask & HDI_WIDTH)) {
          THeaderSection* section = sections_->Items(index);
          if (note->pitem->cxy != section->width_) {
            section->width_ = note->pitem->cxy;
            if (OnSectionResize) OnSectionResize(this, section);
          }
        }
        break;
    }
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

void RegisterHeaderClasses() { RegisterClass(THeaderControl::StaticClass()); }
