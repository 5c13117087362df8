// TWinSkinMenu: the skinned menu bar of a skinned window. The window skinner takes the native
// bar away from the system and this object draws the bar in the band below the title; its
// items open the native submenus, and while one is open a message-filter hook lets the
// keyboard and the mouse move from one bar item to the next as a native bar does.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/pictures.h"
#include "skin/caption_buttons.h"

class TMenu;
class TMenuItem;
class TSkinData;
class TWinSkinForm;
class TWinSkinMenu;

// One item of the bar; it shares the hover and press states of the caption buttons.
class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm* owner, TWinSkinMenu* bar) : TNCObject(owner), Bar(bar) {}
  void PaintObject() override;

  TWinSkinMenu* Bar;
  TMenuItem* MenuItem = nullptr;  // the framework's item, when the window is a framework form
  int Index = 0;
  std::wstring Caption;
  bool ItemEnabled = true;
  HMENU Submenu = nullptr;  // 0 for a command item
  UINT Command = 0;
};

class TWinSkinMenu {
 public:
  TWinSkinMenu(TWinSkinForm* form, TSkinData* skinData) : SkinData(skinData), Form(form) {}

  // (Re)builds the items from the window's native bar, then takes the bar from the system.
  void BuildMenuBar();
  // The same after an MDI client set a new frame menu: the framework's items only fill in
  // items the native menu gives no text (the menu they were merged from).
  void RebuildMdiMenuBar();
  // Paints the band (window coordinates) into dc and keeps its background for single items.
  void PaintMenuBar(HDC dc, const RECT& rect);
  // The items' rectangles for the window's present size, without painting.
  void LayoutMenuBar();
  // The first item at point (window coordinates) that has a caption, or nullptr.
  TMenuBtn* ItemAt(POINT point) const;
  // The framework menu is going away: nothing may reach it or its items any more.
  void MenuFreed();
  // The items the bar made owner-drawn get their own type back (the bar is given back to the
  // system, which would otherwise ask a window that no longer answers how to draw them).
  void RestoreOwnerDrawFlags();

  std::vector<std::unique_ptr<TMenuBtn>> Items;
  TMenu* Menu = nullptr;
  RECT BarRect{};
  TSkinData* SkinData;
  TWinSkinForm* Form;
  TBitmap Background;
  HMENU NativeMenu = nullptr;
  // Items made owner-drawn for the skin: (menu, item identifier or submenu).
  std::vector<std::pair<HMENU, UINT>> OwnerDrawn;

 private:
  // The items from the window's native bar; false when there is none to read.
  bool ReadItems(bool onlyUntitledFromMenu);
  RECT Band() const;
  int StartOffset(int bandWidth) const;
};

// The bar's text font: the screen's menu font.
HFONT MenuFontHandle();
// Gives every item of a native menu and of its submenus the owner-drawn type; the items that
// did not have it are added to `changed` (menu, position).
void SetMenuOwnerDrawFlags(HMENU menu, std::vector<std::pair<HMENU, UINT>>* changed = nullptr);
// The window skinner whose bar popup is open, or nullptr; the index of its open item (-1).
TWinSkinForm* MenuBarTrackingForm();
int MenuBarOpenIndex();
// A window skinner going away stops being the tracking one.
void ForgetMenuBarTracking(TWinSkinForm* form);
