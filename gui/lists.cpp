#include "gui/lists.h"

#include <algorithm>

const TEnumInfo ListBoxStyleInfo{{L"lbStandard", L"lbOwnerDrawFixed", L"lbOwnerDrawVariable"}};

const TClassInfo& TCustomListBox::StaticClass() {
  static const TClassInfo info(
      L"TCustomListBox", &TWinControl::StaticClass(), nullptr,
      {props::Lines(L"Items", &TCustomListBox::ItemsList, &TCustomListBox::SetItemsList),
       props::Int(L"ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex),
       props::Bool(L"MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect),
       props::Enum(L"Style", ListBoxStyleInfo, &TCustomListBox::Style, &TCustomListBox::SetStyle),
       props::Int(L"ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight),
       props::Enum(L"BorderStyle", BorderStyleInfo, &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle),
       props::Event(L"OnDrawItem", &TCustomListBox::OnDrawItem),
       props::Event(L"OnMeasureItem", &TCustomListBox::OnMeasureItem)});
  return info;
}

const TClassInfo& TListBox::StaticClass() {
  static const TClassInfo info(L"TListBox", &TCustomListBox::StaticClass(), &CreateInstance<TListBox>, {});
  return info;
}

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), items_([this](TStringsChange change, int index) {
        if (HandleAllocated()) MirrorItems(Handle(), ListBoxItemMessages, items_, change, index);
        if (change == TStringsChange::Reset) itemIndex_ = -1;
      }) {
  // Clicks come from the window's notifications, and the list handles the mouse alone.
  SetControlStyle({});
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
}

int TCustomListBox::ItemIndex() const {
  if (!HandleAllocated()) return itemIndex_;
  if (multiSelect_) {
    // The focus rectangle marks the current row; with no row selected there is none.
    return SelCount() > 0 ? static_cast<int>(SendMessageW(Wnd(), LB_GETCARETINDEX, 0, 0)) : -1;
  }
  return static_cast<int>(SendMessageW(Wnd(), LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int value) {
  if (value < -1 || value >= Count()) value = -1;
  itemIndex_ = value;
  if (!HandleAllocated()) return;
  if (multiSelect_) {
    SendMessageW(Wnd(), LB_SETSEL, FALSE, -1);
    if (value >= 0) {
      SendMessageW(Wnd(), LB_SETSEL, TRUE, value);
      SendMessageW(Wnd(), LB_SETCARETINDEX, static_cast<WPARAM>(value), FALSE);
    }
  } else {
    SendMessageW(Wnd(), LB_SETCURSEL, static_cast<WPARAM>(value), 0);
  }
}

bool TCustomListBox::Selected(int index) const {
  if (index < 0 || index >= Count()) return false;
  if (!HandleAllocated() || !multiSelect_) return ItemIndex() == index;
  return SendMessageW(Wnd(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TCustomListBox::SetSelected(int index, bool value) {
  if (index < 0 || index >= Count()) return;
  if (!multiSelect_) {
    if (value)
      SetItemIndex(index);
    else if (ItemIndex() == index)
      SetItemIndex(-1);
    return;
  }
  SendMessageW(Wnd(), LB_SETSEL, value, index);
}

int TCustomListBox::SelCount() const {
  if (!HandleAllocated() || !multiSelect_) return ItemIndex() >= 0 ? 1 : 0;
  return static_cast<int>(SendMessageW(Wnd(), LB_GETSELCOUNT, 0, 0));
}

void TCustomListBox::SetMultiSelect(bool value) {
  if (value == multiSelect_) return;
  itemIndex_ = ItemIndex();
  multiSelect_ = value;
  RecreateWnd();
}

void TCustomListBox::SetStyle(TListBoxStyle value) {
  if (value == style_) return;
  itemIndex_ = ItemIndex();
  style_ = value;
  RecreateWnd();
}

void TCustomListBox::SetItemHeight(int value) {
  value = std::max(1, value);
  if (value == itemHeight_) return;
  itemHeight_ = value;
  if (HandleAllocated() && style_ == TListBoxStyle::lbOwnerDrawFixed) {
    SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, value);
    Invalidate();
  }
}

int TCustomListBox::TopIndex() const {
  return HandleAllocated() ? static_cast<int>(SendMessageW(Wnd(), LB_GETTOPINDEX, 0, 0)) : topIndex_;
}

void TCustomListBox::SetTopIndex(int value) {
  topIndex_ = std::max(0, value);
  if (HandleAllocated()) SendMessageW(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(topIndex_), 0);
}

TRect TCustomListBox::ItemRect(int index) const {
  TRect r = {};
  if (index >= 0 && index < Count())
    SendMessageW(Wnd(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

void TCustomListBox::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = L"LISTBOX";
  static const DWORD styles[] = {0, LBS_OWNERDRAWFIXED, LBS_OWNERDRAWVARIABLE};
  params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                  styles[static_cast<int>(style_)] | (multiSelect_ ? LBS_EXTENDEDSEL : 0);
  if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  if (TabStop()) params.Style |= WS_TABSTOP;
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  HWND wnd = Handle();
  MirrorItems(wnd, ListBoxItemMessages, items_, TStringsChange::Reset, -1);
  if (style_ == TListBoxStyle::lbOwnerDrawFixed) SendMessageW(wnd, LB_SETITEMHEIGHT, 0, itemHeight_);
  int index = itemIndex_;
  SetItemIndex(index);
  SendMessageW(wnd, LB_SETTOPINDEX, static_cast<WPARAM>(topIndex_), 0);
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  const bool selected = state.Contains(TOwnerDrawStateFlag::odSelected);
  canvas_.Brush().Style = TBrushStyle::bsSolid;
  canvas_.Brush().Color = selected ? clHighlight : Color();
  canvas_.FillRect(rect);
  if (index < 0 || index >= Count()) return;
  canvas_.Font().SetColor(selected ? clHighlightText : Font()->Color());
  TRect text = rect;
  text.left += 2;
  canvas_.DrawText(items_[index], text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TCustomListBox::DrawItemMessage(const DRAWITEMSTRUCT& item) {
  TOwnerDrawState state;
  if (item.itemState & ODS_SELECTED) state.Include(TOwnerDrawStateFlag::odSelected);
  if (item.itemState & ODS_DISABLED) state.Include(TOwnerDrawStateFlag::odDisabled);
  if (item.itemState & ODS_FOCUS) state.Include(TOwnerDrawStateFlag::odFocused);
  canvas_.SetHandle(item.hDC);
  canvas_.Font().Assign(*Font());
  canvas_.Brush().Color = Color();
  int saved = SaveDC(item.hDC);
  SetBkMode(item.hDC, TRANSPARENT);
  if (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) DrawItem(static_cast<int>(item.itemID), item.rcItem, state);
  RestoreDC(item.hDC, saved);
  if (state.Contains(TOwnerDrawStateFlag::odFocused)) DrawFocusRect(item.hDC, &item.rcItem);
  canvas_.SetHandle(nullptr);
}

void TCustomListBox::MeasureItemMessage(MEASUREITEMSTRUCT& item) {
  int height = itemHeight_;
  if (style_ == TListBoxStyle::lbOwnerDrawVariable && OnMeasureItem)
    OnMeasureItem(this, static_cast<int>(item.itemID), height);
  item.itemHeight = static_cast<UINT>(std::max(1, height));
}

void TCustomListBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM:
      DrawItemMessage(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
      m.Result = TRUE;
      return;
    case CN_MEASUREITEM:
      MeasureItemMessage(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam));
      m.Result = TRUE;
      return;
    case CN_COMMAND:
      if (HIWORD(m.WParam) == LBN_SELCHANGE) {
        itemIndex_ = ItemIndex();
        Click();
      } else if (HIWORD(m.WParam) == LBN_DBLCLK) {
        DblClick();
      }
      m.Result = 0;
      return;
  }
  TWinControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------

void RegisterListClasses() { RegisterClass(TListBox::StaticClass()); }
