#include "gui/list_view.h"

#include <commctrl.h>

#include <algorithm>

#include "gui/common_controls.h"

const TEnumInfo ViewStyleInfo{{L"vsIcon", L"vsSmallIcon", L"vsList", L"vsReport"}};

namespace {
constexpr UINT kCheckedState = INDEXTOSTATEIMAGEMASK(2), kUncheckedState = INDEXTOSTATEIMAGEMASK(1);

int ColumnFormat(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify: return LVCFMT_RIGHT;
    case TAlignment::taCenter: return LVCFMT_CENTER;
    default: return LVCFMT_LEFT;
  }
}
}  // namespace

// Columns

const TClassInfo& TListColumn::StaticClass() {
  static const TClassInfo info(L"TListColumn", &TCollectionItem::StaticClass(), nullptr,
                               {props::Str(L"Caption", &TListColumn::Caption, &TListColumn::SetCaption),
                                props::Int(L"Width", &TListColumn::Width, &TListColumn::SetWidth),
                                props::Enum(L"Alignment", AlignmentInfo, &TListColumn::Alignment,
                                            &TListColumn::SetAlignment)});
  return info;
}

TCustomListView* TListColumn::ListView() const {
  return Collection() ? dynamic_cast<TCustomListView*>(Collection()->Owner()) : nullptr;
}

void TListColumn::SetCaption(const std::wstring& value) {
  if (value == caption_) return;
  caption_ = value;
  Changed();
}

int TListColumn::Width() const {
  TCustomListView* view = ListView();
  if (view && view->HandleAllocated() && view->viewStyle_ == TViewStyle::vsReport)
    return static_cast<int>(SendMessageW(view->ListHandle(), LVM_GETCOLUMNWIDTH, Index(), 0));
  return width_;
}

void TListColumn::SetWidth(int value) {
  width_ = value;
  Changed();
}

void TListColumn::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Changed();
}

// Rows

TCustomListView* TListItem::ListView() const { return owner_->Owner(); }

bool TListItem::HasWindow() const { return ListView()->HandleAllocated(); }

UINT TListItem::NativeState(UINT mask) const {
  return static_cast<UINT>(SendMessageW(ListView()->ListHandle(), LVM_GETITEMSTATE, index_, mask));
}

void TListItem::SetNativeState(UINT state, UINT mask) {
  LVITEMW item = {};
  item.state = state;
  item.stateMask = mask;
  SendMessageW(ListView()->ListHandle(), LVM_SETITEMSTATE, index_, reinterpret_cast<LPARAM>(&item));
}

void TListItem::SetCaption(const std::wstring& value) {
  if (value == caption_) return;
  caption_ = value;
  ListView()->ItemChanged(this, TItemChange::ctText);
}

void TListItem::SetSubItems(const std::vector<std::wstring>& texts) {
  subItems_ = texts;
  ListView()->ItemChanged(this, TItemChange::ctText);
}

void TListItem::AddSubItem(const std::wstring& text) {
  subItems_.push_back(text);
  ListView()->ItemChanged(this, TItemChange::ctText);
}

void TListItem::SetSubItem(int index, const std::wstring& text) {
  if (index < 0) return;
  if (index >= static_cast<int>(subItems_.size())) subItems_.resize(index + 1);
  subItems_[index] = text;
  ListView()->ItemChanged(this, TItemChange::ctText);
}

void TListItem::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  if (HasWindow()) {
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = index_;
    item.iImage = value;
    SendMessageW(ListView()->ListHandle(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  ListView()->ItemChanged(this, TItemChange::ctImage);
}

bool TListItem::Checked() const {
  if (HasWindow() && ListView()->checkboxes_) return (NativeState(LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) == kCheckedState;
  return checked_;
}

void TListItem::SetChecked(bool value) {
  checked_ = value;
  // The window reports the change back (LVN_ITEMCHANGED), which fires the events.
  if (HasWindow() && ListView()->checkboxes_) SetNativeState(value ? kCheckedState : kUncheckedState, LVIS_STATEIMAGEMASK);
}

bool TListItem::Selected() const { return HasWindow() ? NativeState(LVIS_SELECTED) != 0 : selected_; }

void TListItem::SetSelected(bool value) {
  selected_ = value;
  if (HasWindow()) SetNativeState(value ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

bool TListItem::Focused() const { return HasWindow() ? NativeState(LVIS_FOCUSED) != 0 : focused_; }

void TListItem::SetFocused(bool value) {
  focused_ = value;
  if (HasWindow()) SetNativeState(value ? LVIS_FOCUSED : 0, LVIS_FOCUSED);
}

TRect TListItem::DisplayRect(TDisplayCode code) const {
  TRect r = {};
  if (!HasWindow()) return r;
  r.left = static_cast<int>(code);
  if (!SendMessageW(ListView()->ListHandle(), LVM_GETITEMRECT, index_, reinterpret_cast<LPARAM>(&r))) return TRect{};
  return r;
}

void TListItem::MakeVisible() {
  if (HasWindow()) SendMessageW(ListView()->ListHandle(), LVM_ENSUREVISIBLE, index_, FALSE);
}

void TListItem::Delete() { owner_->Delete(index_); }

TListItem* TListItems::Insert(int index) {
  index = std::clamp(index, 0, Count());
  auto it = items_.insert(items_.begin() + index, std::make_unique<TListItem>(this));
  Renumber(index);
  TListItem* item = it->get();
  if (owner_->HandleAllocated()) owner_->InsertNativeItem(item);
  return item;
}

void TListItems::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  if (owner_->HandleAllocated()) SendMessageW(owner_->ListHandle(), LVM_DELETEITEM, index, 0);
  items_.erase(items_.begin() + index);
  Renumber(index);
}

void TListItems::Clear() {
  if (owner_->HandleAllocated()) SendMessageW(owner_->ListHandle(), LVM_DELETEALLITEMS, 0, 0);
  items_.clear();
}

void TListItems::BeginUpdate() {
  if (updateCount_++ == 0 && owner_->HandleAllocated()) SendMessageW(owner_->ListHandle(), WM_SETREDRAW, FALSE, 0);
}

void TListItems::EndUpdate() {
  if (updateCount_ == 0 || --updateCount_ > 0) return;
  if (owner_->HandleAllocated()) {
    SendMessageW(owner_->ListHandle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(owner_->ListHandle(), nullptr, TRUE);
  }
}

void TListItems::Renumber(int from) {
  for (int i = from; i < Count(); ++i) items_[i]->index_ = i;
}

// The list view

const TClassInfo& TCustomListView::StaticClass() {
  static const TClassInfo info(
      L"TCustomListView", &TWinControl::StaticClass(), nullptr,
      {props::Object(L"Columns", &TCustomListView::Columns),
       props::Enum(L"ViewStyle", ViewStyleInfo, &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle),
       props::Bool(L"Checkboxes", &TCustomListView::Checkboxes, &TCustomListView::SetCheckboxes),
       props::Bool(L"GridLines", &TCustomListView::GridLines, &TCustomListView::SetGridLines),
       props::Bool(L"RowSelect", &TCustomListView::RowSelect, &TCustomListView::SetRowSelect),
       props::Bool(L"MultiSelect", &TCustomListView::MultiSelect, &TCustomListView::SetMultiSelect),
       props::Bool(L"ReadOnly", &TCustomListView::ReadOnly, &TCustomListView::SetReadOnly),
       props::Bool(L"HideSelection", &TCustomListView::HideSelection, &TCustomListView::SetHideSelection),
       props::Bool(L"ShowColumnHeaders", &TCustomListView::ShowColumnHeaders,
                   &TCustomListView::SetShowColumnHeaders),
       props::Bool(L"ColumnClick", &TCustomListView::ColumnClick, &TCustomListView::SetColumnClick),
       props::Enum(L"BorderStyle", BorderStyleInfo, &TCustomListView::BorderStyle, &TCustomListView::SetBorderStyle),
       props::Ref(L"SmallImages", &TCustomListView::SmallImages, &TCustomListView::SetSmallImages),
       props::Event(L"OnChange", &TCustomListView::OnChange),
       props::Event(L"OnSelectItem", &TCustomListView::OnSelectItem),
       props::Event(L"OnItemChecked", &TCustomListView::OnItemChecked),
       props::Event(L"OnColumnClick", &TCustomListView::OnColumnClick)});
  return info;
}

TCustomListView::TCustomListView(TComponent* owner)
    : TWinControl(owner),
      columns_(std::make_unique<TListColumns>(this)),
      items_(std::make_unique<TListItems>(this)) {
  // The window captures the mouse and reports clicks itself (NM_CLICK, NM_DBLCLK).
  SetControlStyle({});
  SetColor(clWindow);
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
  columns_->OnUpdate = [this](TCollectionItem* column) {
    if (!HandleAllocated()) return;
    if (column)
      SetColumn(column->Index(), false);
    else
      UpdateColumns();
  };
}

TCustomListView::~TCustomListView() = default;

void TCustomListView::SetStyleFlag(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  RecreateWnd();
}

void TCustomListView::SetViewStyle(TViewStyle value) {
  if (value == viewStyle_) return;
  viewStyle_ = value;
  RecreateWnd();
}

void TCustomListView::SetCheckboxes(bool value) {
  if (value == checkboxes_) return;
  // The window's check marks become the items' before the window stops keeping them.
  if (!value && HandleAllocated()) SaveStates();
  checkboxes_ = value;
  if (!HandleAllocated()) return;
  ApplyExtendedStyle();
  if (value)
    for (int i = 0; i < items_->Count(); ++i) {
      TListItem* item = items_->Item(i);
      item->SetNativeState(item->checked_ ? kCheckedState : kUncheckedState, LVIS_STATEIMAGEMASK);
    }
}

void TCustomListView::SetGridLines(bool value) {
  gridLines_ = value;
  if (HandleAllocated()) ApplyExtendedStyle();
}

void TCustomListView::SetRowSelect(bool value) {
  rowSelect_ = value;
  if (HandleAllocated()) ApplyExtendedStyle();
}

void TCustomListView::SetMultiSelect(bool value) { SetStyleFlag(multiSelect_, value); }
void TCustomListView::SetReadOnly(bool value) { SetStyleFlag(readOnly_, value); }
void TCustomListView::SetHideSelection(bool value) { SetStyleFlag(hideSelection_, value); }
void TCustomListView::SetShowColumnHeaders(bool value) { SetStyleFlag(showColumnHeaders_, value); }
void TCustomListView::SetColumnClick(bool value) { SetStyleFlag(columnClick_, value); }

void TCustomListView::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomListView::SetSmallImages(TCustomImageList* value) {
  if (value == smallImages_) return;
  smallImages_ = value;
  if (value) value->FreeNotification(this);
  if (HandleAllocated()) ApplyImages();
}

void TCustomListView::ApplyImages() {
  // The list view shares the list (LVS_SHAREIMAGELISTS): the image list component owns it.
  SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL,
               smallImages_ ? reinterpret_cast<LPARAM>(smallImages_->Handle()) : 0);
}

void TCustomListView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == smallImages_) {
    smallImages_ = nullptr;
    if (HandleAllocated() && !IsDestroying()) ApplyImages();
  }
}

void TCustomListView::SetAcceptFiles(bool value) {
  if (value == acceptFiles_) return;
  acceptFiles_ = value;
  if (!HandleAllocated()) return;
  LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, value ? ex | WS_EX_ACCEPTFILES : ex & ~WS_EX_ACCEPTFILES);
}

void TCustomListView::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClass = WC_LISTVIEWW;
  if (TabStop()) params.Style |= WS_TABSTOP;
  static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  params.Style |= views[static_cast<int>(viewStyle_)] | LVS_SHAREIMAGELISTS;
  if (!multiSelect_) params.Style |= LVS_SINGLESEL;
  if (!readOnly_) params.Style |= LVS_EDITLABELS;
  if (!hideSelection_) params.Style |= LVS_SHOWSELALWAYS;
  if (!showColumnHeaders_) params.Style |= LVS_NOCOLUMNHEADER;
  if (!columnClick_) params.Style |= LVS_NOSORTHEADER;
  if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  if (acceptFiles_) params.ExStyle |= WS_EX_ACCEPTFILES;
}

void TCustomListView::CreateWnd() {
  TWinControl::CreateWnd();
  HWND wnd = Handle();
  SendMessageW(wnd, CCM_SETUNICODEFORMAT, TRUE, 0);
  ApplyExtendedStyle();
  ApplyColors();
  ApplyImages();
  UpdateColumns();
  SendMessageW(wnd, LVM_SETITEMCOUNT, items_->Count(), 0);
  // Putting the rows back is no change the program hears of.
  restoring_ = true;
  for (int i = 0; i < items_->Count(); ++i) InsertNativeItem(items_->Item(i));
  restoring_ = false;
}

void TCustomListView::ApplyExtendedStyle() {
  DWORD ex = 0;
  if (checkboxes_) ex |= LVS_EX_CHECKBOXES;
  if (gridLines_) ex |= LVS_EX_GRIDLINES;
  if (rowSelect_) ex |= LVS_EX_FULLROWSELECT;
  const DWORD mask = LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
  SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, mask, ex);
}

void TCustomListView::ApplyColors() {
  HWND wnd = Handle();
  COLORREF back = ColorToRGB(Color());
  SendMessageW(wnd, LVM_SETBKCOLOR, 0, back);
  SendMessageW(wnd, LVM_SETTEXTBKCOLOR, 0, back);
  SendMessageW(wnd, LVM_SETTEXTCOLOR, 0, ColorToRGB(Font()->Color()));
}

void TCustomListView::SetColumn(int index, bool insert) {
  TListColumn* column = columns_->Items(index);
  LVCOLUMNW c = {};
  c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
  c.fmt = ColumnFormat(column->alignment_);
  c.cx = column->width_;
  c.pszText = const_cast<wchar_t*>(column->caption_.c_str());
  c.iSubItem = index;
  SendMessageW(Handle(), insert ? LVM_INSERTCOLUMNW : LVM_SETCOLUMNW, index, reinterpret_cast<LPARAM>(&c));
}

void TCustomListView::UpdateColumns() {
  HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
  int shown = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  int wanted = columns_->Count();
  for (int i = 0; i < wanted; ++i) {
    SetColumn(i, i >= shown);
    if (i < shown) continue;
    // Texts of a new column come from the items too.
    for (int row = 0; row < items_->Count(); ++row) {
      LVITEMW text = {};
      text.iSubItem = i;
      text.pszText = LPSTR_TEXTCALLBACKW;
      SendMessageW(Handle(), LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&text));
    }
  }
  for (int i = shown - 1; i >= wanted; --i) SendMessageW(Handle(), LVM_DELETECOLUMN, i, 0);
}

void TCustomListView::InsertNativeItem(TListItem* item) {
  HWND wnd = Handle();
  LVITEMW row = {};
  row.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE | LVIF_STATE;
  row.iItem = item->index_;
  row.pszText = LPSTR_TEXTCALLBACKW;
  row.iImage = item->imageIndex_;
  row.lParam = reinterpret_cast<LPARAM>(item);
  row.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  row.state = (item->selected_ ? LVIS_SELECTED : 0) | (item->focused_ ? LVIS_FOCUSED : 0);
  if (checkboxes_) {
    row.stateMask |= LVIS_STATEIMAGEMASK;
    row.state |= item->checked_ ? kCheckedState : kUncheckedState;
  }
  SendMessageW(wnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
  // The window starts every new row unticked.
  if (checkboxes_ && item->checked_) item->SetNativeState(kCheckedState, LVIS_STATEIMAGEMASK);
  for (int i = 1; i < columns_->Count(); ++i) {
    LVITEMW text = {};
    text.iSubItem = i;
    text.pszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(wnd, LVM_SETITEMTEXTW, item->index_, reinterpret_cast<LPARAM>(&text));
  }
}

void TCustomListView::SaveStates() {
  for (int i = 0; i < items_->Count(); ++i) {
    TListItem* item = items_->Item(i);
    UINT state = item->NativeState(LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK);
    item->selected_ = (state & LVIS_SELECTED) != 0;
    item->focused_ = (state & LVIS_FOCUSED) != 0;
    if (checkboxes_) item->checked_ = (state & LVIS_STATEIMAGEMASK) == kCheckedState;
  }
  // The column widths the user chose survive too.
  if (viewStyle_ == TViewStyle::vsReport)
    for (int i = 0; i < columns_->Count(); ++i) columns_->Items(i)->width_ = columns_->Items(i)->Width();
}

void TCustomListView::ItemChanged(TListItem* item, TItemChange change) {
  if (HandleAllocated()) SendMessageW(Handle(), LVM_REDRAWITEMS, item->index_, item->index_);
  if (OnChange) OnChange(this, item, change);
}

TListItem* TCustomListView::Selected() const {
  if (HandleAllocated()) {
    int i = static_cast<int>(SendMessageW(ListHandle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return i >= 0 && i < items_->Count() ? items_->Item(i) : nullptr;
  }
  for (int i = 0; i < items_->Count(); ++i)
    if (items_->Item(i)->selected_) return items_->Item(i);
  return nullptr;
}

void TCustomListView::SetSelected(TListItem* item) {
  for (int i = 0; i < items_->Count(); ++i)
    if (items_->Item(i) != item && items_->Item(i)->Selected()) items_->Item(i)->SetSelected(false);
  if (item) {
    item->SetSelected(true);
    item->SetFocused(true);
  }
}

int TCustomListView::SelCount() const {
  if (HandleAllocated()) return static_cast<int>(SendMessageW(ListHandle(), LVM_GETSELECTEDCOUNT, 0, 0));
  return static_cast<int>(std::count_if(items_->items_.begin(), items_->items_.end(),
                                        [](const auto& item) { return item->selected_; }));
}

TListItem* TCustomListView::ItemFocused() const {
  for (int i = 0; i < items_->Count(); ++i)
    if (items_->Item(i)->Focused()) return items_->Item(i);
  return nullptr;
}

void TCustomListView::SetItemFocused(TListItem* item) {
  if (TListItem* old = ItemFocused(); old && old != item) old->SetFocused(false);
  if (item) item->SetFocused(true);
}

TListItem* TCustomListView::GetItemAt(int x, int y) const {
  if (!HandleAllocated()) return nullptr;
  LVHITTESTINFO hit = {};
  hit.pt = POINT{x, y};
  int i = static_cast<int>(SendMessageW(ListHandle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return i >= 0 && i < items_->Count() && (hit.flags & LVHT_ONITEM) ? items_->Item(i) : nullptr;
}

TRect TCustomListView::SubItemRect(int item, int subItem, TDisplayCode code) const {
  TRect r = {};
  if (!HandleAllocated() || item < 0 || item >= items_->Count() || subItem < 0 || subItem >= std::max(1, columns_->Count()))
    return r;
  r.top = subItem;
  r.left = static_cast<int>(code);
  if (!SendMessageW(ListHandle(), LVM_GETSUBITEMRECT, item, reinterpret_cast<LPARAM>(&r))) return TRect{};
  return r;
}

void TCustomListView::Notify(TMessage& m) {
  NMHDR* header = NotifyHeader(m);
  if (!header) return;
  switch (header->code) {
    case LVN_GETDISPINFOW: {
      auto* info = reinterpret_cast<NMLVDISPINFOW*>(m.LParam);
      int row = info->item.iItem;
      if (!(info->item.mask & LVIF_TEXT) || row < 0 || row >= items_->Count() || !info->item.pszText) break;
      TListItem* item = items_->Item(row);
      int sub = info->item.iSubItem;
      static const std::wstring empty;
      const std::wstring& text =
          sub == 0 ? item->caption_ : sub - 1 < static_cast<int>(item->subItems_.size()) ? item->subItems_[sub - 1] : empty;
      lstrcpynW(info->item.pszText, text.c_str(), info->item.cchTextMax);
      break;
    }
    case LVN_ITEMCHANGED: {
      auto* change = reinterpret_cast<NMLISTVIEW*>(m.LParam);
      if (restoring_ || !(change->uChanged & LVIF_STATE) || change->iItem < 0 || change->iItem >= items_->Count()) break;
      TListItem* item = items_->Item(change->iItem);
      UINT changed = change->uNewState ^ change->uOldState;
      if (!(changed & (LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK))) break;
      std::shared_ptr<bool> alive = UntilFreedToken();
      if (OnChange) OnChange(this, item, TItemChange::ctState);
      if (!*alive) return;
      if ((changed & LVIS_SELECTED) && OnSelectItem) OnSelectItem(this, item, (change->uNewState & LVIS_SELECTED) != 0);
      if (!*alive) return;
      if (checkboxes_ && (changed & LVIS_STATEIMAGEMASK) && (change->uOldState & LVIS_STATEIMAGEMASK) && OnItemChecked)
        OnItemChecked(this, item);
      break;
    }
    case LVN_ENDLABELEDITW: {
      auto* edit = reinterpret_cast<NMLVDISPINFOW*>(m.LParam);
      int row = edit->item.iItem;
      if (edit->item.pszText && row >= 0 && row < items_->Count()) {
        items_->Item(row)->SetCaption(edit->item.pszText);
        m.Result = TRUE;
      }
      return;
    }
    case LVN_COLUMNCLICK: {
      int column = reinterpret_cast<NMLISTVIEW*>(m.LParam)->iSubItem;
      if (OnColumnClick && column >= 0 && column < columns_->Count()) OnColumnClick(this, columns_->Items(column));
      break;
    }
    case NM_CLICK:
      Click();
      break;
    case NM_DBLCLK:
      DblClick();
      break;
  }
  m.Result = 0;
}

void TCustomListView::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY:
      Notify(m);
      return;
    case WM_DESTROY:
      // The window goes (a style change makes it again): the rows keep their states.
      if (!IsDestroying()) SaveStates();
      break;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      TWinControl::WndProc(m);
      if (HandleAllocated()) ApplyColors();
      return;
  }
  TWinControl::WndProc(m);
}

const TClassInfo& TListView::StaticClass() {
  static const TClassInfo info(L"TListView", &TCustomListView::StaticClass(), &CreateInstance<TListView>, {});
  return info;
}

void RegisterListViewClasses() { RegisterClass(TListView::StaticClass()); }
