// The skinned menu bar: its items, layout and painting, the keyboard and mouse ways into it,
// and the message-filter hook that moves between bar items while one of their popups is open.
#include "skin/skin_menu_bar.h"

#include <algorithm>

#include "gui/application.h"
#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/memory_dc.h"
#include "gui/menus.h"
#include "gui/screen.h"
#include "skin/control_draw.h"
#include "skin/draw_primitives.h"
#include "skin/menu_rules.h"
#include "skin/skin_control.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"

namespace {

// One menu loop runs at a time in a process, so the bar popup being tracked is one state.
struct TMenuBarTracking {
  TWinSkinForm* Form = nullptr;
  int OpenIndex = -1;
  POINT LastMouse{};
  HHOOK Hook = nullptr;
  bool FirstMessage = false;  // the popup's first message has been seen
  bool Moving = false;        // a switch to another bar item is under way
};
TMenuBarTracking g_tracking;

// The thread's shown popup menu windows, in the system's order (the front one first).
BOOL CALLBACK CollectShownMenuWindow(HWND window, LPARAM found) {
  if (IsWindowVisible(window) && GetWindowClassName(window) == L"#32768")
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

std::vector<HWND> ShownMenuWindows() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), &CollectShownMenuWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

int HighlightedItem(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i)
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
  return -1;
}

// Where the highlighted item is, read from the menus themselves: the menu does not say when
// closing a submenu moves the selection back to its parent item. Each shown menu window past
// the bar's popup is one open submenu level.
TMenuSelection CurrentSelection(HMENU open) {
  const int shown = static_cast<int>(ShownMenuWindows().size());
  TMenuSelection selection;
  HMENU menu = open;
  for (int depth = 0; menu; ++depth) {
    const int item = HighlightedItem(menu);
    if (item < 0) return selection;
    HMENU submenu = GetSubMenu(menu, item);
    selection = TMenuSelection{true, depth == 0, submenu != nullptr};
    if (!submenu || shown <= depth + 1) return selection;
    menu = submenu;
  }
  return selection;
}

LRESULT CALLBACK MenuBarHook(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  TWinSkinForm* form = g_tracking.Form;
  if (msg && form && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP))
    msg->wParam = MirroredArrowKey(msg->wParam, form->RightToLeft);
  const LRESULT next = CallNextHookEx(g_tracking.Hook, code, wParam, lParam);
  if (next || code != MSGF_MENU || !msg || !form || !form->MenuBar) return next;
  if (!g_tracking.FirstMessage) {
    // The popup opens with its first item highlighted, as a native bar's does.
    g_tracking.FirstMessage = true;
    const std::vector<HWND> shown = ShownMenuWindows();
    PostMessageW(shown.empty() ? msg->hwnd : shown.front(), WM_KEYDOWN, VK_DOWN, 0);
  }
  TWinSkinMenu& bar = *form->MenuBar;
  const int count = static_cast<int>(bar.Items.size());
  TMenuBtn* taken = nullptr;
  switch (msg->message) {
    case WM_KEYDOWN:
      if (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE) {
        g_tracking.Moving = false;
      } else if (g_tracking.OpenIndex >= 0 && count > 0) {
        const TBarMove move = ArrowKeyMove(msg->wParam, CurrentSelection(form->OpenPopupMenu));
        if (move != TBarMove::None)
          taken = bar.Items[static_cast<size_t>(AdjacentMenuBarItem(g_tracking.OpenIndex, count, move == TBarMove::Next))].get();
      }
      break;
    case WM_SYSKEYDOWN:
      if (msg->wParam == VK_MENU) form->MenuTracking = false;
      return next;
    case WM_MOUSEMOVE:
      if (msg->pt.x != g_tracking.LastMouse.x || msg->pt.y != g_tracking.LastMouse.y) {
        taken = bar.ItemAt(form->ScreenToWindow(msg->pt.x, msg->pt.y));
        g_tracking.LastMouse = msg->pt;
      }
      break;
    default:
      break;
  }
  if (!taken || taken->Index == g_tracking.OpenIndex) return next;
  // The open popup ends before the click opens the next one: the menu loop would otherwise
  // run the posted click inside itself and nest a second popup. The message is eaten, so the
  // loop meets the end request next.
  g_tracking.Moving = true;
  EndMenu();
  form->ClickMenuBarItem(taken);
  return 1;
}

void InstallMenuBarHook() {
  g_tracking.Moving = false;
  g_tracking.FirstMessage = false;
  GetCursorPos(&g_tracking.LastMouse);
  if (!g_tracking.Hook)
    g_tracking.Hook = SetWindowsHookExW(WH_MSGFILTER, &MenuBarHook, nullptr, GetCurrentThreadId());
}

void RemoveMenuBarHook() {
  if (g_tracking.Hook) UnhookWindowsHookEx(g_tracking.Hook);
  g_tracking.Hook = nullptr;
  g_tracking.OpenIndex = -1;
  g_tracking.FirstMessage = false;
}

}  // namespace

HFONT MenuFontHandle() {
  if (Screen && Screen->MenuFont()) return Screen->MenuFont()->Handle();
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void SetMenuOwnerDrawFlags(HMENU menu, std::vector<std::pair<HMENU, UINT>>* changed) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (info.hSubMenu) SetMenuOwnerDrawFlags(info.hSubMenu, changed);
    if (info.fType & MFT_OWNERDRAW) continue;
    // Only the type changes (MIIM_FTYPE): the item keeps its text for measuring and drawing.
    info.fMask = MIIM_FTYPE;
    info.fType |= MFT_OWNERDRAW;
    const std::pair<HMENU, UINT> item(menu, static_cast<UINT>(i));
    if (SetMenuItemInfoW(menu, item.second, TRUE, &info) && changed &&
        std::find(changed->begin(), changed->end(), item) == changed->end())
      changed->push_back(item);
  }
}

TWinSkinForm* MenuBarTrackingForm() { return g_tracking.Form; }
int MenuBarOpenIndex() { return g_tracking.OpenIndex; }

void ForgetMenuBarTracking(TWinSkinForm* form) {
  if (g_tracking.Form == form) g_tracking.Form = nullptr;
}

// ---- the bar -----------------------------------------------------------------------------------

void TWinSkinMenu::BuildMenuBar() {
  if (ReadItems(false)) SetMenu(Form->Handle, nullptr);
}

void TWinSkinMenu::RebuildMdiMenuBar() {
  if (!ReadItems(true)) return;
  SetMenu(Form->Handle, nullptr);
  LayoutMenuBar();
}

bool TWinSkinMenu::ReadItems(bool onlyUntitledFromMenu) {
  HWND window = Form->Handle;
  if (HMENU menu = GetMenu(window)) NativeMenu = menu;
  if (!NativeMenu) return false;
  if (Form->Form) {
    Menu = Form->Form->Menu();
    if (!Menu) return false;
  }
  Items.clear();
  const int count = GetMenuItemCount(NativeMenu);
  if (count <= 0) return false;
  for (int i = 0; i < count; ++i) {
    auto item = std::make_unique<TMenuBtn>(Form, this);
    item->Index = i;
    item->Visible = true;
    wchar_t text[81] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = 80;
    if (GetMenuItemInfoW(NativeMenu, static_cast<UINT>(i), TRUE, &info)) {
      item->Submenu = info.hSubMenu;
      item->ItemEnabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
      item->Command = info.wID;
      item->Caption = text;
    }
    if (Menu && (!onlyUntitledFromMenu || item->Caption.empty())) {
      if (TMenuItem* menuItem = Menu->FindItem(item->Command, TFindItemKind::fkCommand)) {
        item->Caption = menuItem->Caption();
        item->ItemEnabled = menuItem->Enabled();
        item->MenuItem = menuItem;
        item->Submenu = menuItem->Count() > 0 ? menuItem->Handle() : nullptr;
      }
    }
    Items.push_back(std::move(item));
  }
  return true;
}

void TWinSkinMenu::RestoreOwnerDrawFlags() {
  for (const auto& item : OwnerDrawn) {
    if (!IsMenu(item.first)) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    if (!GetMenuItemInfoW(item.first, item.second, TRUE, &info) || !(info.fType & MFT_OWNERDRAW)) continue;
    info.fType &= ~MFT_OWNERDRAW;
    SetMenuItemInfoW(item.first, item.second, TRUE, &info);
  }
  OwnerDrawn.clear();
}

void TWinSkinMenu::MenuFreed() {
  Menu = nullptr;
  for (auto& item : Items) item->MenuItem = nullptr;
}

RECT TWinSkinMenu::Band() const {
  RECT window;
  GetWindowRect(Form->Handle, &window);
  const int width = window.right - window.left;
  return RECT{Form->BorderLeft, Form->BorderTop, width - Form->BorderRight, Form->BorderTop + Form->MenuBarHeight};
}

int TWinSkinMenu::StartOffset(int bandWidth) const {
  const TDataSkinObject* element = SkinData->Elements.MenuBar.get();
  const bool has = element && !element->Image.Empty();
  return MenuBarStartOffset(has, has ? element->LeftWidth : 0, has ? element->RightWidth : 0, Form->RightToLeft,
                            bandWidth);
}

void TWinSkinMenu::LayoutMenuBar() {
  const RECT band = Band();
  if (band.right <= band.left || band.bottom <= band.top) return;
  HDC dc = GetDC(nullptr);
  HGDIOBJ oldFont = SelectObject(dc, MenuFontHandle());
  std::vector<int> widths;
  std::vector<bool> visible;
  for (auto& item : Items) {
    RECT r{0, 0, 0, 0};
    if (!item->Caption.empty()) DrawTextWide(dc, item->Caption, r, DT_CALCRECT | DT_NOCLIP);
    widths.push_back(MenuBarItemWidth(r.right - r.left));
    visible.push_back(item->Visible);
  }
  SelectObject(dc, oldFont);
  ReleaseDC(nullptr, dc);
  int keepLeftOf = INT_MAX;
  if (Form->RightToLeft && Form->IsMdiChildMaximized()) {
    for (const auto& button : Form->CaptionButtons)
      if (button->Element->Visibility == 100 && !button->Element->Image.Empty())
        keepLeftOf = std::min<int>(keepLeftOf, button->Rect.left);
  }
  const std::vector<RECT> rects =
      LayoutMenuBarItems(band, StartOffset(band.right - band.left), widths, visible, Form->RightToLeft, keepLeftOf);
  for (size_t i = 0; i < Items.size(); ++i) Items[i]->Rect = rects[i];
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT point) const {
  for (auto& item : Items)
    if (!item->Caption.empty() && PtInRect(&item->Rect, point)) return item.get();
  return nullptr;
}

void TWinSkinMenu::PaintMenuBar(HDC dc, const RECT& rect) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  TBitmap& buffer = SharedBackBuffer();
  buffer.SetSize(w, h);
  {
    TBitmapDC canvas(buffer.Handle());
    const RECT local{0, 0, w, h};
    const TDataSkinObject* element = SkinData->Elements.MenuBar.get();
    if (element && !element->Image.Empty()) {
      const int frame = Form->IsActive ? 1 : 2;
      if (element->Tile == 1)
        DrawElement(canvas, local, TElementLook{element->Image, element->Margins(), false, false},
                    TElementFrame{frame, 2, true});
      else
        DrawElementStrip(canvas, local, element->Image, true, false, 2, frame, element->Margins());
    } else {
      FillSolid(canvas, local, EntryColour(SkinData, kColourMenubar));
    }
    BarRect = rect;
    Background = buffer;
    HGDIOBJ oldFont = SelectObject(canvas, MenuFontHandle());
    SetBkMode(canvas, TRANSPARENT);
    LayoutMenuBar();
    for (auto& item : Items) {
      if (!item->Visible || item->Caption.empty()) continue;
      RECT r = item->Rect;
      OffsetRect(&r, -rect.left, -rect.top);
      SetTextColor(canvas, EntryColour(SkinData, item->ItemEnabled ? kColourMenuBarText : kColourButtonShadow));
      DrawCenteredText(canvas, r, item->Caption, DT_CENTER, true);
    }
    SelectObject(canvas, oldFont);
    // The maximized active child's buttons stand in the frame's bar, where its caption is not.
    if (Form->IsMdiChildMaximized()) {
      for (const auto& button : Form->CaptionButtons) {
        const TDataSkinSysButton& e = *button->Element;
        if (e.Visibility != 100 || e.Image.Empty()) continue;
        RECT r = button->Rect;
        OffsetRect(&r, -Form->BorderLeft, -Form->BorderTop);
        DrawElementCell(canvas, r, e.Image, true, e.Frames(), 1);
      }
      if (!Form->MdiMaximized()) Form->SetMdiMaximized(true);
    }
    BitBlt(dc, rect.left, rect.top, w, h, canvas, 0, 0, SRCCOPY);
  }
}

void TMenuBtn::PaintObject() {
  const TWinSkinMenu& bar = *Bar;
  if (bar.Background.Empty()) return;
  HWND window = Owner->Handle;
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  {
    // The item's column of the band comes back from the kept background first.
    TBitmapDC background(bar.Background.Handle());
    const int x = Rect.left - bar.BarRect.left;
    BitBlt(dc, Rect.left, bar.BarRect.top, Rect.right - Rect.left, bar.BarRect.bottom - bar.BarRect.top, background, x,
           0, SRCCOPY);
  }
  if (State == 2 || State == 3) {
    HBRUSH frame = CreateSolidBrush(EntryColour(bar.SkinData, kColourButtonHilight));
    FrameRect(dc, &Rect, frame);
    DeleteObject(frame);
  }
  HGDIOBJ oldFont = SelectObject(dc, MenuFontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, EntryColour(bar.SkinData, ItemEnabled ? kColourMenuBarText : kColourButtonShadow));
  DrawCenteredText(dc, Rect, Caption, DT_CENTER, true);
  SelectObject(dc, oldFont);
  ReleaseDC(window, dc);
}

// ---- the window skinner's side -----------------------------------------------------------------

bool TWinSkinForm::OpenMenuBarItem(TMenuBtn* item) {
  if (!item) return false;
  // A command item runs this way. A native submenu item's identifier is its menu handle, no
  // command, so only framework items (whose identifier is a command) are posted with one.
  if (!item->Submenu || item->MenuItem) PostMessageW(Handle, WM_COMMAND, item->Command, 0);
  if (!item->Submenu) return false;
  g_tracking.OpenIndex = item->Index;
  g_tracking.Form = this;
  GetWindowRect(Handle, &WindowRect);
  SetMenuOwnerDrawFlags(item->Submenu, &MenuBar->OwnerDrawn);
  MenuTracking = true;
  const int x = (RightToLeft ? item->Rect.right : item->Rect.left) + WindowRect.left;
  const int y = item->Rect.bottom + WindowRect.top;
  if (SkinManager) {
    SkinManager->PopupKind = TPopupKind::WindowMenu;
    SkinManager->MenuBarPopup = true;
  }
  OpenPopupMenu = item->Submenu;
  InstallMenuBarHook();
  // What runs inside the menu loop may free the form, and this skinner with it.
  const std::shared_ptr<const bool> alive = UntilDestroyingToken();
  if (item->ItemEnabled) {
    const UINT flags = TPM_RIGHTBUTTON | TPM_NONOTIFY | (RightToLeft ? TPM_RIGHTALIGN : 0);
    TrackPopupMenu(item->Submenu, flags, x, y, 0, Handle, nullptr);
  }
  RemoveMenuBarHook();
  if (SkinManager) SkinManager->MenuBarPopup = false;
  if (!*alive) {
    g_tracking.Form = nullptr;
    return true;
  }
  MenuTracking = false;
  return true;
}

void TWinSkinForm::ClickMenuBarItem(TMenuBtn* item) {
  GetWindowRect(Handle, &WindowRect);
  const int x = item->Rect.left + WindowRect.left + 1, y = item->Rect.top + WindowRect.top + 1;
  PostMessageW(Handle, WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(x, y));
}

TMenuBtn* TWinSkinForm::FindMenuBarAccel(wchar_t key) const {
  if (!MenuBar) return nullptr;
  for (auto& item : MenuBar->Items)
    if (item->ItemEnabled && item->Visible && IsAccel(key, item->Caption)) return item.get();
  return nullptr;
}

void TWinSkinForm::MenuBarClick(LPARAM lParam) {
  const POINT p = ScreenToWindow(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
  if (CaptionButtonAt(p) || !MenuBar) return;
  if (TMenuBtn* item = MenuBar->ItemAt(p)) OpenMenuBarItem(item);
}

void TWinSkinForm::MenuSelected(WPARAM wParam, LPARAM lParam) {
  if (g_tracking.Form != this) return;
  if (HIWORD(wParam) == 0xFFFF && lParam == 0) {
    // The menu closes; while switching to another bar item the tracking goes on.
    if (!g_tracking.Moving) MenuTracking = false;
    return;
  }
  g_tracking.Moving = false;
}

void TWinSkinForm::DialogChar(TMessage& m) {
  formChain_.CallDefault(m);
  if (m.Result) return;
  TMenuBtn* item = FindMenuBarAccel(static_cast<wchar_t>(m.WParam));
  const bool alt = (m.LParam & (1 << 29)) != 0 || GetKeyState(VK_MENU) < 0;
  if (item && alt && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0) {
    ClickMenuBarItem(item);
    m.Result = 1;
    return;
  }
  // An MDI child's unclaimed accelerator goes to its frame's bar.
  if (MdiKind == TMdiKind::Child) {
    TCustomForm* frame = SkinManager ? SkinManager->MdiFrameForm : nullptr;
    m.Result = frame && frame != Form ? frame->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) : 0;
    return;
  }
  // A secondary window's unclaimed accelerator goes to the main form's bar.
  TCustomForm* main = Application ? Application->MainForm() : nullptr;
  if (main && main != Form && Form && IsWindowEnabled(main->Handle()))
    m.Result = main->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
}

bool TWinSkinForm::WmSysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!MenuTracking && (wParam & 0xFFF0) == SC_KEYMENU && !GetCapture()) {
    const wchar_t key = static_cast<wchar_t>(lParam);
    if (key != L' ' && key != L'-') {
      TMenuBtn* item = FindMenuBarAccel(key);
      if (!item && key == 0 && MenuBar && !MenuBar->Items.empty()) item = MenuBar->Items.front().get();
      if (key == 0 || item) {
        OpenMenuBarItem(item);
        result = 1;
        return true;
      }
    } else if (key == L' ') {
      // The skinned system menu stands in for the native one, which must not follow it.
      POINT origin{0, 0};
      ClientToScreen(Handle, &origin);
      ShowSystemMenu(origin);
      result = 0;
      return true;
    }
  }
  switch (wParam & 0xFFF0) {
    case SC_MINIMIZE:
      ShowState = kShowMinimized;
      break;
    case SC_MAXIMIZE:
      ShowState = kShowMaximized;
      break;
    case SC_RESTORE:
      ShowState = kShowNormal;
      if (MdiKind == TMdiKind::Child && MdiMaximized()) SetMdiMaximized(false);
      break;
    default:
      break;
  }
  return false;
}

void TWinSkinForm::MenuChanged(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // The framework hands its bar back to the window; it is taken away again unpainted.
  const bool painting = SkinData->NcPaintEnabled;
  SkinData->NcPaintEnabled = false;
  result = CallOldProc(CM_MENUCHANGED, wParam, lParam);
  SkinData->NcPaintEnabled = painting;
  HMENU menu = GetMenu(Handle);
  if (!menu) return;
  if (MenuBar && SkinData->MenuUpdate()) {
    MenuBar->NativeMenu = menu;
    MenuBar->BuildMenuBar();
  }
  SetMenu(Handle, nullptr);
}
