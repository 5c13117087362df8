// The menu bar's and the skinned system menu's decisions, free of windows so they can be
// checked as tables: where the bar's items lie, which bar item an arrow key moves to while a
// popup is open, and how each system-menu command looks in the window's present state.
#pragma once

#include <windows.h>

#include <climits>
#include <cstdint>
#include <vector>

// The gap before the first item: the menu-bar element's margin and a little room, a fixed gap
// without the element, and a small one when the margin would not fit the band.
int MenuBarStartOffset(bool hasElement, int tileLeft, int tileRight, bool rightToLeft, int bandWidth);
// An item's width from its caption's measured width (nothing for an empty caption).
int MenuBarItemWidth(int captionWidth);
// The items' rectangles along the band from `start` on (from the right end for a right-to-left
// bar); an invisible item gets an empty rectangle. Items stop one pixel above the band's bottom.
// A right-to-left bar's first item also keeps 5 pixels left of `keepLeftOf` (the left edge of
// the MDI child buttons standing at the band's right end).
std::vector<RECT> LayoutMenuBarItems(const RECT& band, int start, const std::vector<int>& widths,
                                     const std::vector<bool>& visible, bool rightToLeft,
                                     int keepLeftOf = INT_MAX);

// The bar item before or after `index`, wrapping round at either end.
int AdjacentMenuBarItem(int index, int count, bool forward);

// What the popup's selected item tells the arrow keys: nothing selected yet, or where the
// selected item lies and whether it opens a submenu of its own.
struct TMenuSelection {
  bool Selected = false;
  bool InOpenPopup = false;  // directly in the bar item's popup, not deeper in a submenu
  bool HasSubmenu = false;
};
enum class TBarMove { None, Previous, Next };
// Left moves to the previous bar item unless a submenu is open (the menu closes it); Right
// moves to the next unless the selected item opens a submenu (the menu opens it).
TBarMove ArrowKeyMove(WPARAM key, const TMenuSelection& selection);
// A right-to-left menu reads the arrows the other way round.
WPARAM MirroredArrowKey(WPARAM key, bool rightToLeft);

// One command of the skinned system menu: the glyph (-1 for none; 0 restore, 1 maximize,
// 2 minimize, 3 close) and whether it can be chosen in the window's state.
struct TSysMenuItemLook {
  int ImageIndex = -1;
  bool Enabled = true;
};
TSysMenuItemLook SystemMenuItemLook(UINT command, uint8_t showState, uint8_t captionCaps);
