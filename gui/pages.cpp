#include "gui/pages.h"

#include <commctrl.h>

#include <algorithm>

#include "gui/common_controls.h"

const TEnumInfo TabStyleInfo{{L"tsTabs", L"tsButtons", L"tsFlatButtons"}};
const TEnumInfo TabPositionInfo{{L"tpTop", L"tpBottom", L"tpLeft", L"tpRight"}};

const TClassInfo& TCustomTabControl::StaticClass() {
  static const TClassInfo info(
      L"TCustomTabControl", &TWinControl::StaticClass(), nullptr,
      {props::Enum(L"Style", TabStyleInfo, &TCustomTabControl::Style, &TCustomTabControl::SetStyle),
       props::Enum(L"TabPosition", TabPositionInfo, &TCustomTabControl::TabPosition,
                   &TCustomTabControl::SetTabPosition),
       props::Bool(L"MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine),
       props::Bool(L"HotTrack", &TCustomTabControl::HotTrack, &TCustomTabControl::SetHotTrack),
       props::Int(L"TabHeight", &TCustomTabControl::TabHeight, &TCustomTabControl::SetTabHeight),
       props::Int(L"TabWidth", &TCustomTabControl::TabWidth, &TCustomTabControl::SetTabWidth),
       props::Ref(L"Images", &TCustomTabControl::Images, &TCustomTabControl::SetImages),
       props::Event(L"OnChange", &TCustomTabControl::OnChange),
       props::Event(L"OnChanging", &TCustomTabControl::OnChanging)});
  return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  SetControlStyle({TControlStyleFlag::csAcceptsControls, TControlStyleFlag::csDoubleClicks});
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

void TCustomTabControl::SetStyle(TTabStyle value) {
  if (value == style_) return;
  style_ = value;
  RecreateWnd();
}

void TCustomTabControl::SetTabPosition(TTabPosition value) {
  if (value == tabPosition_) return;
  tabPosition_ = value;
  RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool value) {
  if (value == multiLine_) return;
  multiLine_ = value;
  RecreateWnd();
}

void TCustomTabControl::SetHotTrack(bool value) {
  if (value == hotTrack_) return;
  hotTrack_ = value;
  RecreateWnd();
}

void TCustomTabControl::SetTabHeight(int value) {
  if (value == tabHeight_) return;
  tabHeight_ = std::max(0, value);
  RecreateWnd();
}

void TCustomTabControl::SetTabWidth(int value) {
  if (value == tabWidth_) return;
  tabWidth_ = std::max(0, value);
  RecreateWnd();
}

void TCustomTabControl::SetImages(TCustomImageList* value) {
  if (value == images_) return;
  images_ = value;
  if (value) value->FreeNotification(this);
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), TCM_SETIMAGELIST, 0, value ? reinterpret_cast<LPARAM>(value->Handle()) : 0);
  UpdateTabs();
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) {
    images_ = nullptr;
    if (HandleAllocated() && !IsDestroying()) SendMessageW(Handle(), TCM_SETIMAGELIST, 0, 0);
  }
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_TAB_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClass = WC_TABCONTROLW;
  if (TabStop()) params.Style |= WS_TABSTOP;
  if (style_ != TTabStyle::tsTabs) params.Style |= TCS_BUTTONS;
  if (style_ == TTabStyle::tsFlatButtons) params.Style |= TCS_FLATBUTTONS;
  if (multiLine_) params.Style |= TCS_MULTILINE;
  if (hotTrack_) params.Style |= TCS_HOTTRACK;
  if (tabWidth_ > 0) params.Style |= TCS_FIXEDWIDTH;
  switch (tabPosition_) {
    case TTabPosition::tpTop: break;
    case TTabPosition::tpBottom: params.Style |= TCS_BOTTOM; break;
    case TTabPosition::tpLeft: params.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case TTabPosition::tpRight: params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
  }
}

void TCustomTabControl::CreateWnd() {
  TWinControl::CreateWnd();
  if (tabWidth_ > 0 || tabHeight_ > 0)
    SendMessageW(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth_, tabHeight_));
  if (images_) SendMessageW(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
  UpdateTabs();
}

void TCustomTabControl::UpdateTabs() {
  if (!HandleAllocated()) return;
  HWND wnd = Handle();
  SendMessageW(wnd, TCM_DELETEALLITEMS, 0, 0);
  std::vector<std::wstring> captions = TabCaptions();
  for (size_t i = 0; i < captions.size(); ++i) {
    TCITEMW item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<wchar_t*>(captions[i].c_str());
    item.iImage = images_ ? TabImageIndex(static_cast<int>(i)) : -1;
    SendMessageW(wnd, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(wnd, TCM_SETCURSEL, static_cast<WPARAM>(WantedTabIndex()), 0);
  // More or fewer rows of tabs move the display area.
  AlignControls();
  Invalidate();
}

int TCustomTabControl::TabIndex() const {
  if (!HandleAllocated()) return WantedTabIndex();
  return static_cast<int>(SendMessageW(const_cast<TCustomTabControl*>(this)->Handle(), TCM_GETCURSEL, 0, 0));
}

TRect TCustomTabControl::DisplayRect() const {
  TRect r = ClientRect();
  if (!HandleAllocated()) return r;
  // Button tabs draw no frame: without tabs the pages take the whole client area.
  if (style_ != TTabStyle::tsTabs && TabCount() == 0) return r;
  SendMessageW(const_cast<TCustomTabControl*>(this)->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

void TCustomTabControl::AdjustClientRect(TRect& r) const { r = DisplayRect(); }

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY && NotifyHeader(m)) {
    switch (NotifyHeader(m)->code) {
      case TCN_SELCHANGING:
        m.Result = CanChange() ? FALSE : TRUE;
        return;
      case TCN_SELCHANGE:
        Change();
        m.Result = 0;
        return;
    }
  }
  TWinControl::WndProc(m);
}

const TClassInfo& TTabControl::StaticClass() {
  static const TClassInfo info(L"TTabControl", &TCustomTabControl::StaticClass(), &CreateInstance<TTabControl>,
                               {props::Lines(L"Tabs", &TTabControl::Tabs, &TTabControl::SetTabs),
                                props::Int(L"TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex)});
  return info;
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner) {}

void TTabControl::SetTabs(const std::vector<std::wstring>& tabs) {
  tabs_ = tabs;
  int count = static_cast<int>(tabs_.size());
  if (tabIndex_ >= count) tabIndex_ = count - 1;
  if (tabIndex_ < 0 && count > 0) tabIndex_ = 0;
  UpdateTabs();
}

void TTabControl::SetTabIndex(int value) {
  if (value < -1 || value >= static_cast<int>(tabs_.size())) return;
  tabIndex_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TTabControl::Change() {
  tabIndex_ = TCustomTabControl::TabIndex();
  TCustomTabControl::Change();
}

const TClassInfo& TTabSheet::StaticClass() {
  static const TClassInfo info(L"TTabSheet", &TCustomControl::StaticClass(), &CreateInstance<TTabSheet>,
                               {props::Bool(L"TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible),
                                props::Int(L"PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex),
                                props::Int(L"ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex)});
  return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {
  // The page control shows the active page; the others stay hidden.
  SetDefaultVisible(false);
  SetAlign(TAlign::alClient);
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) { SetParent(value); }

void TTabSheet::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  if (pageControl_) pageControl_->RemovePage(this);
  TCustomControl::SetParent(parent);
  if (auto* pages = dynamic_cast<TPageControl*>(parent)) pages->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
  if (pageControl_) pageControl_->MovePage(this, value);
}

void TTabSheet::SetTabVisible(bool value) {
  if (value == tabVisible_) return;
  tabVisible_ = value;
  if (pageControl_) pageControl_->UpdateTabs();
}

int TTabSheet::TabIndex() const {
  if (!pageControl_ || !tabVisible_) return -1;
  int index = 0;
  for (TTabSheet* page : pageControl_->pages_) {
    if (page == this) return index;
    if (page->tabVisible_) ++index;
  }
  return -1;
}

void TTabSheet::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::TextChanged() {
  TCustomControl::TextChanged();
  if (pageControl_) pageControl_->UpdateTabs();
}

const TClassInfo& TPageControl::StaticClass() {
  static const TClassInfo info(L"TPageControl", &TCustomTabControl::StaticClass(), &CreateInstance<TPageControl>,
                               {props::Ref(L"ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)});
  return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
  // The pages go with their parent's window; they need not tell this half-gone control.
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
  activePage_ = nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  if (page == activePage_) return;
  activePage_ = page;
  ShowActivePage();
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(WantedTabIndex()), 0);
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[index] : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward) const {
  int count = PageCount();
  if (count == 0) return nullptr;
  auto it = std::find(pages_.begin(), pages_.end(), current);
  int start = it == pages_.end() ? (forward ? count - 1 : 0) : static_cast<int>(it - pages_.begin());
  for (int step = 1; step <= count; ++step) {
    int i = ((start + (forward ? step : -step)) % count + count) % count;
    if (pages_[i] != current && pages_[i]->tabVisible_) return pages_[i];
  }
  return nullptr;
}

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  ShowActivePage();
  UpdateTabs();
}

std::vector<std::wstring> TPageControl::TabCaptions() const {
  std::vector<std::wstring> captions;
  for (TTabSheet* page : pages_)
    if (page->tabVisible_) captions.push_back(page->Caption());
  return captions;
}

int TPageControl::TabImageIndex(int tab) const {
  TTabSheet* page = PageForTab(tab);
  return page ? page->ImageIndex() : -1;
}

int TPageControl::WantedTabIndex() const { return activePage_ ? activePage_->TabIndex() : -1; }

void TPageControl::Change() {
  if (TTabSheet* page = PageForTab(TCustomTabControl::TabIndex())) {
    activePage_ = page;
    ShowActivePage();
  }
  TCustomTabControl::Change();
}

TTabSheet* TPageControl::PageForTab(int tab) const {
  for (TTabSheet* page : pages_)
    if (page->tabVisible_ && tab-- == 0) return page;
  return nullptr;
}

void TPageControl::ShowActivePage() {
  if (activePage_) activePage_->SetVisible(true);
  HWND focus = GetFocus();
  for (TTabSheet* page : pages_) {
    if (page == activePage_) continue;
    // The focus does not stay on a control that is about to be hidden.
    if (page->HandleAllocated() && focus && IsChild(page->Handle(), focus) && HandleAllocated()) ::SetFocus(Handle());
    page->SetVisible(false);
  }
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  page->pageControl_ = this;
  if (!activePage_)
    SetActivePage(page);
  else
    page->SetVisible(false);
  UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
  TTabSheet* next = page == activePage_ ? FindNextPage(page, true) : activePage_;
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  page->pageControl_ = nullptr;
  if (page == activePage_) {
    activePage_ = nullptr;
    // While the form goes away, no other page needs to come forward.
    if (!(Owner() && Owner()->IsDestroying())) SetActivePage(next);
  }
  UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  index = std::clamp(index, 0, PageCount() - 1);
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  pages_.insert(pages_.begin() + index, page);
  UpdateTabs();
}

void RegisterPageClasses() {
  for (const TClassInfo* c : {&TTabControl::StaticClass(), &TPageControl::StaticClass(), &TTabSheet::StaticClass()})
    RegisterClass(*c);
}
