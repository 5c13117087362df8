// The skinned system menu and the menu items the skin draws: the window skinner's answers to
// WM_MEASUREITEM and WM_DRAWITEM for its bar popups, the handlers it gives framework menu
// items, and the switching of the framework menus' owner drawing.
#include <algorithm>

#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/menus.h"
#include "gui/screen.h"
#include "gui/timer.h"
#include "skin/menu_item_draw.h"
#include "skin/menu_rules.h"
#include "skin/skin_control.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"

namespace {

constexpr int kSystemMenuTag = 33333;

// The handlers find the window's skinner when they run: one that has gone leaves the item to
// draw and measure itself.
TWinSkinForm* SkinnerOf(HWND window) { return SkinManager ? SkinManager->FindSkinForm(window) : nullptr; }

TMenuDrawItemEvent DrawHandler(HWND window) {
  return [window](TObject* sender, TCanvas* canvas, TRect rect, bool selected) {
    auto* item = static_cast<TMenuItem*>(sender);
    if (TWinSkinForm* skinner = SkinnerOf(window))
      skinner->DrawMenuItem(item, canvas, rect, selected);
    else
      item->DrawItem(canvas, rect, selected);
  };
}

TMenuMeasureItemEvent MeasureHandler(HWND window, bool mainMenu) {
  return [window, mainMenu](TObject* sender, TCanvas* canvas, int& width, int& height) {
    auto* item = static_cast<TMenuItem*>(sender);
    TWinSkinForm* skinner = SkinnerOf(window);
    if (!skinner)
      item->MeasureItem(canvas, width, height);
    else if (mainMenu)
      skinner->MeasureVclMenuItem(item, canvas, width, height);
    else
      skinner->MeasurePopupItem(item, canvas, width, height);
  };
}

template <typename Visit>
void ForEachItem(TMenuItem* root, bool withRoot, const Visit& visit) {
  if (withRoot) visit(root);
  for (int i = 0; i < root->Count(); ++i) ForEachItem(root->Items(i), true, visit);
}

// The window's DC with the screen's menu font, as a canvas for measuring.
class TMenuMeasureCanvas {
 public:
  explicit TMenuMeasureCanvas(HWND window) : window_(window), dc_(GetWindowDC(window)), canvas_(dc_) {
    old_ = SelectObject(dc_, MenuFontHandle());
    if (Screen) canvas_.Font().Assign(*Screen->MenuFont());
  }
  ~TMenuMeasureCanvas() {
    SelectObject(dc_, old_);
    ReleaseDC(window_, dc_);
  }
  TCanvas* Canvas() { return &canvas_; }

 private:
  HWND window_;
  HDC dc_;
  TCanvas canvas_;
  HGDIOBJ old_ = nullptr;
};

}  // namespace

// ---- the system menu ----------------------------------------------------------------------------

void TWinSkinForm::ShowSystemMenu(POINT point) {
  const DWORD now = GetTickCount();
  if (now - LastSysMenuTick > DoubleClickTime) {
    if (SkinManager) SkinManager->PopupKind = TPopupKind::SystemMenu;
    LastSysMenuTick = now;
    BuildSystemMenu();
    if (SystemMenuPopup) SystemMenuPopup->Popup(point.x, point.y);
    return;
  }
  // A second click within the double-click time: the window closes.
  if (HotObject) {
    HoverTimer->SetEnabled(false);
    PostMessageW(Handle, WM_CLOSE, 0, 0);
  }
}

void TWinSkinForm::BuildSystemMenu() {
  delete SystemMenuPopup;
  SystemMenuPopup = nullptr;
  if (!SystemMenu) return;
  auto* popup = new TPopupMenu(this);
  popup->SetTag(kSystemMenuTag);
  popup->SetOwnerDraw(true);
  if (SkinData) popup->SetImages(SkinData->MenuGlyphs);
  const HWND window = Handle;
  const int count = GetMenuItemCount(SystemMenu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[81] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 80;
    if (!GetMenuItemInfoW(SystemMenu, static_cast<UINT>(i), TRUE, &info)) continue;
    auto* item = new TMenuItem(popup);
    item->SetCaption(text[0] ? std::wstring(text) : L"-");
    item->SetTag(static_cast<int>(info.wID));
    const TSysMenuItemLook look = SystemMenuItemLook(info.wID, ShowState, CaptionCaps);
    item->SetImageIndex(look.ImageIndex);
    item->SetEnabled(look.Enabled && (info.fState & MFS_GRAYED) != MFS_GRAYED);
    item->SetChecked((info.fState & MFS_CHECKED) != 0);
    const UINT command = info.wID;
    item->OnClick = [window, command](TObject*) { PostMessageW(window, WM_SYSCOMMAND, command, 0); };
    item->OnDrawItem = DrawHandler(window);
    item->OnMeasureItem = MeasureHandler(window, false);
    popup->Items()->Add(item);
  }
  SystemMenuPopup = popup;
}

bool TWinSkinForm::WmCommand(WPARAM wParam) {
  switch (LOWORD(wParam)) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      PostMessageW(Handle, WM_SYSCOMMAND, LOWORD(wParam), 0);
      return true;
    default:
      return false;
  }
}

// ---- framework items ------------------------------------------------------------------------------

void TWinSkinForm::DrawMenuItem(TMenuItem* item, TCanvas* canvas, const RECT& rect, bool selected) {
  HDC dc = canvas->Handle();
  TMenuItemFace face = MenuItemFace(item);
  face.RightToLeft = RightToLeft;
  if (!SkinData || !HasMenuItemElement(*SkinData)) {
    if (SkinData) DrawPlainMenuItem(dc, rect, face, selected, *SkinData);
    return;
  }
  HMENU parent = item->Parent() ? item->Parent()->Handle() : nullptr;
  const TBitmap* background = nullptr;
  if (SkinManager && parent) {
    SkinManager->AssignPopupMenuHandle(parent);
    background = SkinManager->FindPopupBackground(parent);
  }
  HGDIOBJ oldFont = SelectObject(dc, MenuFontHandle());
  DrawSkinMenuItem(dc, rect, face, selected, *SkinData, background, false);
  SelectObject(dc, oldFont);
}

void TWinSkinForm::MeasurePopupItem(TMenuItem* item, TCanvas* canvas, int& width, int& height) {
  item->MeasureItem(canvas, width, height);
  width += item->GetImageList() ? (SkinData ? MenuItemLeftMargin(*SkinData) : 0) + 12 : 35;
}

void TWinSkinForm::MeasureVclMenuItem(TMenuItem* item, TCanvas* canvas, int& width, int& height) {
  // The item measures itself the framework's way, without its own handler.
  TMenuMeasureItemEvent own;
  own.swap(item->OnMeasureItem);
  item->MeasureItem(canvas, width, height);
  own.swap(item->OnMeasureItem);
  width += item->GetImageList() ? (SkinData ? MenuItemLeftMargin(*SkinData) : 0) + 10 : 35;
}

void TWinSkinForm::SetPopupOwnerDraw(TComponent* root, bool on) {
  if (!root || !SkinData || !SkinData->SkinControls().Contains(TSkinControlType::xcPopupMenu)) return;
  for (int i = 0; i < root->ComponentCount(); ++i) {
    TComponent* component = root->Components(i);
    if (dynamic_cast<TCustomForm*>(component)) {
      SetPopupOwnerDraw(component, on);
      continue;
    }
    auto* popup = dynamic_cast<TPopupMenu*>(component);
    if (!popup || popup == SystemMenuPopup || popup->Tag() == SkinData->DisableTag()) continue;
    popup->SetOwnerDraw(on);
    ForEachItem(popup->Items(), false, [this, on](TMenuItem* item) {
      if (!on) {
        item->OnDrawItem = nullptr;
        item->OnMeasureItem = nullptr;
        return;
      }
      item->OnDrawItem = DrawHandler(Handle);
      if (!item->OnMeasureItem) item->OnMeasureItem = MeasureHandler(Handle, false);
    });
  }
}

void TWinSkinForm::SetMainMenuOwnerDraw(TComponent* root, bool on) {
  if (!root || !SkinData || !SkinData->SkinControls().Contains(TSkinControlType::xcMenuItem)) return;
  for (int i = 0; i < root->ComponentCount(); ++i) {
    auto* menu = dynamic_cast<TMainMenu*>(root->Components(i));
    if (!menu) continue;
    menu->SetOwnerDraw(on);
    TMenuItem* top = menu->Items();
    for (int j = 0; j < top->Count(); ++j) {
      // The bar's own items stay as they are; the items of their popups are drawn by the skin.
      ForEachItem(top->Items(j), !on, [this, on](TMenuItem* item) {
        if (!on) {
          item->OnDrawItem = nullptr;
          item->OnMeasureItem = nullptr;
        } else if (!item->OnDrawItem) {
          item->OnDrawItem = DrawHandler(Handle);
          item->OnMeasureItem = MeasureHandler(Handle, true);
        }
      });
    }
  }
}

// ---- the bar popups' owner-drawn items ----------------------------------------------------------

void TWinSkinForm::MeasureRawItem(MEASUREITEMSTRUCT& measure) {
  wchar_t text[81] = {};
  GetMenuStringW(OpenPopupMenu, measure.itemID, text, 80, MF_BYCOMMAND);
  HDC dc = GetWindowDC(Handle);
  HGDIOBJ oldFont = SelectObject(dc, MenuFontHandle());
  RECT r{0, 0, 0, 0};
  std::wstring caption = text;
  if (!caption.empty()) DrawTextWide(dc, caption, r, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  ReleaseDC(Handle, dc);
  measure.itemWidth = static_cast<UINT>(r.right - r.left + 26 + (SkinData ? MenuItemLeftMargin(*SkinData) : 0));
  measure.itemHeight = caption.empty() ? 8 : measure.itemHeight + 4;
}

bool TWinSkinForm::MeasureItem(LPARAM lParam) {
  auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  if (!measure || measure->CtlType != ODT_MENU || !NativeMenu) return false;
  if (!Form) {
    MeasureRawItem(*measure);
    return true;
  }
  // A framework form without a skinned bar (an MDI child with a menu) measures its own way.
  if (!MenuBar || !MenuBar->Menu) return false;
  if (TMenuItem* item = MenuBar->Menu->FindItem(measure->itemID, TFindItemKind::fkCommand)) {
    TMenuMeasureCanvas canvas(Handle);
    int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
    MeasureVclMenuItem(item, canvas.Canvas(), width, height);
    measure->itemWidth = static_cast<UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    return true;
  }
  if (measure->itemID >= 1 && measure->itemID <= 0xFFF) return false;
  MeasureRawItem(*measure);
  return true;
}

bool TWinSkinForm::DrawItem(LPARAM lParam) {
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  if (!draw || draw->CtlType != ODT_MENU || !NativeMenu || !SkinData) return false;
  if (Form && (!MenuBar || !MenuBar->Menu)) return false;
  HMENU menu = reinterpret_cast<HMENU>(draw->hwndItem);
  if (SkinManager) SkinManager->AssignPopupMenuHandle(menu);
  const bool selected = (draw->itemState & ODS_SELECTED) != 0;
  const int saved = SaveDC(draw->hDC);
  SelectObject(draw->hDC, MenuFontHandle());
  bool handled = true;
  TMenuItem* item = Form ? MenuBar->Menu->FindItem(draw->itemID, TFindItemKind::fkCommand) : nullptr;
  if (item) {
    TCanvas canvas(draw->hDC);
    DrawMenuItem(item, &canvas, draw->rcItem, selected);
  } else if (Form && draw->itemID >= 1 && draw->itemID <= 0xFFF) {
    handled = false;
  } else {
    // A native item: drawn from what the menu says of it, its separator as a line.
    const TBitmap* background = SkinManager ? SkinManager->FindPopupBackground(menu) : nullptr;
    TMenuItemFace face = NativeMenuItemFace(menu, draw->itemID);
    face.RightToLeft = RightToLeft;
    DrawSkinMenuItem(draw->hDC, draw->rcItem, face, selected, *SkinData, background, true);
  }
  RestoreDC(draw->hDC, saved);
  return handled;
}
