#include "gui/menus.h"

#include <algorithm>
#include <set>

#include "base/exception.h"
#include "base/strings.h"
#include "gui/application.h"
#include "gui/image_list.h"
#include "gui/screen.h"

namespace {
// Command IDs in use; the lowest free one is given out, so IDs stay in WM_COMMAND's 16 bits.
std::vector<bool>& UsedCommands() {
  static std::vector<bool> used(1, true);  // 0 is never a command
  return used;
}

UINT NewCommand() {
  auto& used = UsedCommands();
  auto it = std::find(used.begin(), used.end(), false);
  size_t id = static_cast<size_t>(it - used.begin());
  if (id > 0xFFFF) throw Exception(L"Too many menu items");
  if (it == used.end())
    used.push_back(true);
  else
    *it = true;
  return static_cast<UINT>(id);
}

void FreeCommand(UINT id) {
  auto& used = UsedCommands();
  if (id > 0 && id < used.size()) used[id] = false;
}

// Every live item, so an item pointer that comes back from the system is checked first.
std::set<const TMenuItem*>& LiveItems() {
  static std::set<const TMenuItem*> items;
  return items;
}

std::vector<TPopupMenu*>& PopupMenus() {
  static std::vector<TPopupMenu*> menus;
  return menus;
}

// Room around an owner-drawn item's glyph and text.
constexpr int kGlyphSize = 16, kTextGap = 8, kShortCutGap = 24;

// The text as shown: '&' marks go, "&&" is one '&'.
std::wstring WithoutAccelMarks(const std::wstring& text) {
  std::wstring shown;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

LRESULT CALLBACK PopupListProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TDispatchScope scope;
  try {
    switch (msg) {
      case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0)
          for (TPopupMenu* menu : std::vector<TPopupMenu*>(PopupMenus()))
            if (menu->DispatchCommand(LOWORD(wParam))) return 0;
        break;
      case WM_MEASUREITEM:
      case WM_DRAWITEM:
        if (DispatchMenuOwnerDraw(nullptr, msg, lParam)) return TRUE;
        break;
    }
  } catch (...) {
    Application->HandleException(nullptr);
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

const std::pair<WORD, const wchar_t*> kKeyNames[] = {
    {VK_BACK, L"BkSp"}, {VK_TAB, L"Tab"},     {VK_RETURN, L"Enter"}, {VK_ESCAPE, L"Esc"},  {VK_SPACE, L"Space"},
    {VK_PRIOR, L"PgUp"}, {VK_NEXT, L"PgDn"},  {VK_END, L"End"},      {VK_HOME, L"Home"},   {VK_LEFT, L"Left"},
    {VK_UP, L"Up"},     {VK_RIGHT, L"Right"}, {VK_DOWN, L"Down"},    {VK_INSERT, L"Ins"},  {VK_DELETE, L"Del"}};
}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
  TShortCut s = key & 0xFF;
  if (shift.Contains(TShiftStateFlag::ssShift)) s |= scShift;
  if (shift.Contains(TShiftStateFlag::ssCtrl)) s |= scCtrl;
  if (shift.Contains(TShiftStateFlag::ssAlt)) s |= scAlt;
  return s;
}

std::wstring ShortCutToText(TShortCut shortCut) {
  WORD key = static_cast<WORD>(shortCut & 0xFF);
  std::wstring name;
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
    name = std::wstring(1, static_cast<wchar_t>(key));
  else if (key >= VK_F1 && key <= VK_F24)
    name = L"F" + IntToStr(key - VK_F1 + 1);
  else
    for (const auto& k : kKeyNames)
      if (k.first == key) name = k.second;
  if (name.empty()) return L"";
  std::wstring text;
  if (shortCut & scShift) text += L"Shift+";
  if (shortCut & scCtrl) text += L"Ctrl+";
  if (shortCut & scAlt) text += L"Alt+";
  return text + name;
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TMenuItem::StaticClass() {
  static const TClassInfo info(
      L"TMenuItem", &TComponent::StaticClass(), &CreateInstance<TMenuItem>,
      {props::Str(L"Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
       props::Bool(L"Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled),
       props::Bool(L"Visible", &TMenuItem::Visible, &TMenuItem::SetVisible),
       props::Bool(L"Checked", &TMenuItem::Checked, &TMenuItem::SetChecked),
       props::Bool(L"Default", &TMenuItem::Default, &TMenuItem::SetDefault),
       props::Int(L"ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex),
       props::Int(L"ShortCut", &TMenuItem::GetShortCut, &TMenuItem::SetShortCut),
       props::Str(L"Hint", &TMenuItem::Hint, &TMenuItem::SetHint),
       props::Event(L"OnClick", &TMenuItem::OnClick),
       props::Event(L"OnMeasureItem", &TMenuItem::OnMeasureItem),
       props::Event(L"OnDrawItem", &TMenuItem::OnDrawItem)});
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NewCommand()) { LiveItems().insert(this); }

TMenuItem::~TMenuItem() {
  LiveItems().erase(this);
  while (!items_.empty()) delete items_.back();
  if (parent_) parent_->Remove(this);
  DestroyHandle();
  FreeCommand(command_);
}

void TMenuItem::DestroyHandle() {
  if (!handle_) return;
  // DestroyMenu would take the children's submenus along: they go on their own.
  while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  DestroyMenu(handle_);
  handle_ = nullptr;
}

HMENU TMenuItem::Handle() {
  if (handle_) return handle_;
  handle_ = menu_ ? menu_->CreateRootHandle() : CreatePopupMenu();
  if (!handle_) throw Exception(L"Cannot create a menu (" + IntToStr(GetLastError()) + L")");
  for (TMenuItem* item : items_) item->AppendTo(handle_);
  return handle_;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  for (TMenuItem* p = this; p; p = p->parent_)
    if (p == item) throw Exception(L"A menu item cannot be inserted below itself");
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  // A first child turns a command item into a submenu in the parent's native menu.
  if (items_.size() == 1 && parent_) {
    Changed();
  } else {
    RebuildHandle();
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged(item);
  }
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  if (items_.empty() && parent_) {
    DestroyHandle();
    Changed();
  } else {
    RebuildHandle();
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged(nullptr);
  }
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

TCustomImageList* TMenuItem::GetImageList() const {
  TMenu* menu = GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

bool TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TMenu*>(parent)) {
    menu->Items()->Add(this);
    return true;
  }
  if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
    item->Add(this);
    return true;
  }
  return false;
}

void TMenuItem::AppendTo(HMENU menu) {
  if (!visible_) return;
  MENUITEMINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
  TMenu* parentMenu = GetParentMenu();
  info.fType = IsLine() ? MFT_SEPARATOR : MFT_STRING;
  if (parentMenu && parentMenu->OwnerDraw()) info.fType |= MFT_OWNERDRAW;
  info.fState = (enabled_ ? MFS_ENABLED : MFS_DISABLED | MFS_GRAYED) | (checked_ ? MFS_CHECKED : 0) |
                (default_ ? MFS_DEFAULT : 0);
  info.wID = command_;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
  info.hSubMenu = items_.empty() ? nullptr : Handle();
  std::wstring text = caption_;
  if (shortCut_ != scNone) text += L"\t" + ShortCutToText(shortCut_);
  info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

void TMenuItem::RebuildHandle() {
  if (!handle_) return;
  while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  for (TMenuItem* item : items_) item->AppendTo(handle_);
}

void TMenuItem::Changed() {
  if (parent_) parent_->RebuildHandle();
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged(this);
}

void TMenuItem::SetCaption(const std::wstring& value) {
  if (value == caption_) return;
  caption_ = value;
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  // One default item per submenu, as the system shows one.
  if (value && parent_)
    for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
  default_ = value;
  Changed();
}

void TMenuItem::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (value == shortCut_) return;
  shortCut_ = value;
  Changed();
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
  if (IsLine()) {
    height = 8;
    return;
  }
  TCustomImageList* images = GetImageList();
  const int glyph = images ? std::max(images->Width(), kGlyphSize) : kGlyphSize;
  const int glyphHeight = images ? std::max(images->Height(), kGlyphSize) : kGlyphSize;
  std::wstring text = caption_.empty() ? L" " : caption_;
  int textWidth = canvas->TextWidth(WithoutAccelMarks(text));
  if (shortCut_ != scNone) textWidth += kShortCutGap + canvas->TextWidth(ShortCutToText(shortCut_));
  width = glyph + kTextGap + textWidth + kTextGap;
  height = std::max(canvas->TextHeight(text) + 4, glyphHeight + 4);
}

void TMenuItem::DrawItem(TCanvas* canvas, TRect rect, bool selected) {
  canvas->Brush().Style = TBrushStyle::bsSolid;
  canvas->Brush().Color = selected ? clHighlight : clMenu;
  canvas->FillRect(rect);
  if (IsLine()) {
    TRect line = rect;
    line.top += ::Height(rect) / 2 - 1;
    DrawEdge(canvas->Handle(), &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  TCustomImageList* images = GetImageList();
  const int glyph = images ? std::max(images->Width(), kGlyphSize) : kGlyphSize;
  TRect box = Rect(rect.left + 2, rect.top + (::Height(rect) - glyph) / 2, rect.left + 2 + glyph,
                   rect.top + (::Height(rect) - glyph) / 2 + glyph);
  if (images && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
    if (checked_) DrawEdge(canvas->Handle(), &box, BDR_SUNKENOUTER, BF_RECT);
    images->Draw(*canvas, box.left, box.top, imageIndex_, enabled_);
  } else if (checked_) {
    DrawFrameControl(canvas->Handle(), &box, DFC_MENU, DFCS_MENUCHECK);
  }
  canvas->Brush().Style = TBrushStyle::bsClear;
  canvas->Font().SetColor(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText);
  if (default_) {
    TFontStyles style = canvas->Font().Style();
    canvas->Font().SetStyle(style.Include(TFontStyle::fsBold));
  }
  TRect text = Rect(box.right + kTextGap, rect.top, rect.right - kTextGap, rect.bottom);
  canvas->DrawText(caption_, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
  if (shortCut_ != scNone) canvas->DrawText(ShortCutToText(shortCut_), text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

void TMenuItem::DoMeasureItem(TCanvas* canvas, int& width, int& height) {
  if (OnMeasureItem)
    OnMeasureItem(this, canvas, width, height);
  else
    MeasureItem(canvas, width, height);
}

void TMenuItem::DoDrawItem(TCanvas* canvas, TRect rect, bool selected) {
  if (OnDrawItem)
    OnDrawItem(this, canvas, rect, selected);
  else
    DrawItem(canvas, rect, selected);
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TMenu::StaticClass() {
  static const TClassInfo info(L"TMenu", &TComponent::StaticClass(), nullptr,
                               {props::Bool(L"OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw),
                                props::Ref(L"Images", &TMenu::Images, &TMenu::SetImages)});
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  // The window lets go of the bar before the bar goes.
  if (window_ && IsWindow(window_) && items_->HandleAllocated() && GetMenu(window_) == items_->handle_)
    ::SetMenu(window_, nullptr);
  window_ = nullptr;  // the items going next must not hand the bar back to it
  DestroyComponents();
  items_.reset();  // the items first: they ask their menu on the way out
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) const {
  std::vector<TMenuItem*> pending{items_.get()};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (item != items_.get() && item->Visible()) {
      switch (kind) {
        case TFindItemKind::fkCommand:
          if (item->Command() == value) return item;
          break;
        case TFindItemKind::fkHandle:
          if (item->HandleAllocated() && reinterpret_cast<UINT_PTR>(item->handle_) == value) return item;
          break;
        case TFindItemKind::fkShortCut:
          if (item->GetShortCut() != scNone && static_cast<UINT_PTR>(item->GetShortCut()) == value) return item;
          break;
      }
    }
    for (auto it = item->items_.rbegin(); it != item->items_.rend(); ++it) pending.push_back(*it);
  }
  return nullptr;
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command, TFindItemKind::fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(WORD key, TShiftState shift) {
  TMenuItem* item = FindItem(static_cast<UINT_PTR>(ShortCut(key, shift)), TFindItemKind::fkShortCut);
  if (!item || !item->Enabled()) return false;
  for (TMenuItem* p = item->Parent(); p; p = p->Parent())
    if (!p->Enabled() || !p->Visible()) return false;
  item->Click();
  return true;
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == ownerDraw_) return;
  ownerDraw_ = value;
  // Every native entry carries the owner-draw type or not.
  std::vector<TMenuItem*> pending{items_.get()};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    item->RebuildHandle();
    for (TMenuItem* child : item->items_) pending.push_back(child);
  }
  MenuChanged(nullptr);
}

void TMenu::SetImages(TCustomImageList* images) {
  if (images == images_) return;
  images_ = images;
  if (images) images->FreeNotification(this);
  MenuChanged(nullptr);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
}

void TMenu::MenuChanged(TMenuItem*) {
  if (window_ && IsWindow(window_)) SendMessageW(window_, CM_MENUCHANGED, 0, 0);
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TMainMenu::StaticClass() {
  static const TClassInfo info(L"TMainMenu", &TMenu::StaticClass(), &CreateInstance<TMainMenu>, {});
  return info;
}

const TClassInfo& TPopupMenu::StaticClass() {
  static const TClassInfo info(L"TPopupMenu", &TMenu::StaticClass(), &CreateInstance<TPopupMenu>,
                               {props::Event(L"OnPopup", &TPopupMenu::OnPopup)});
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) { PopupMenus().push_back(this); }

TPopupMenu::~TPopupMenu() {
  auto& menus = PopupMenus();
  menus.erase(std::remove(menus.begin(), menus.end(), this), menus.end());
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
  std::shared_ptr<const bool> alive = UntilDestroyingToken();
  if (OnPopup) OnPopup(this);
  if (!*alive) return;
  HWND owner = PopupListWindow();
  // The owner must be in the foreground, or the menu does not close when the user clicks away.
  SetForegroundWindow(owner);
  TrackPopupMenuEx(Handle(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RIGHTBUTTON, x, y, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
}

HWND PopupListWindow() {
  static HWND window = [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PopupListProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TPopupList";
    RegisterClassExW(&wc);
    return CreateWindowExW(0, L"TPopupList", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  }();
  if (!window) throw Exception(L"Cannot create the popup list window");
  return window;
}

bool DispatchMenuOwnerDraw(TMenu* menu, UINT msg, LPARAM lParam) {
  if (!lParam) return false;
  UINT type = msg == WM_MEASUREITEM ? reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlType
                                    : reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlType;
  if (type != ODT_MENU) return false;
  UINT id = msg == WM_MEASUREITEM ? reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemID
                                  : reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->itemID;
  TMenuItem* item = nullptr;
  if (menu) {
    item = menu->FindItem(id, TFindItemKind::fkCommand);
  } else {
    for (TPopupMenu* popup : PopupMenus())
      if ((item = popup->FindItem(id, TFindItemKind::fkCommand)) != nullptr) break;
  }
  if (!item || !LiveItems().count(item)) return false;
  if (msg == WM_MEASUREITEM) {
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    HDC dc = GetDC(nullptr);
    TCanvas canvas(dc);
    if (Screen) canvas.Font().Assign(*Screen->MenuFont());
    HGDIOBJ old = SelectObject(dc, canvas.Font().Handle());
    int width = static_cast<int>(mis->itemWidth), height = static_cast<int>(mis->itemHeight);
    item->DoMeasureItem(&canvas, width, height);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    mis->itemWidth = static_cast<UINT>(std::max(width, 0));
    mis->itemHeight = static_cast<UINT>(std::max(height, 0));
  } else {
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    int saved = SaveDC(dis->hDC);
    TCanvas canvas(dis->hDC);
    if (Screen) canvas.Font().Assign(*Screen->MenuFont());
    item->DoDrawItem(&canvas, dis->rcItem, (dis->itemState & ODS_SELECTED) != 0);
    RestoreDC(dis->hDC, saved);
  }
  return true;
}

void RegisterMenuClasses() {
  for (const TClassInfo* c : {&TMainMenu::StaticClass(), &TPopupMenu::StaticClass(), &TMenuItem::StaticClass()})
    RegisterClass(*c);
}
