#include "skin/menu_rules.h"

#include "skin/frame_rules.h"

int MenuBarStartOffset(bool hasElement, int tileLeft, int tileRight, bool rightToLeft, int bandWidth) {
  if (!hasElement) return 6;
  const int start = rightToLeft ? tileRight + 8 : tileLeft + 4;
  return start > bandWidth ? 12 : start;
}

int MenuBarItemWidth(int captionWidth) { return captionWidth > 0 ? captionWidth + 10 : 0; }

std::vector<RECT> LayoutMenuBarItems(const RECT& band, int start, const std::vector<int>& widths,
                                     const std::vector<bool>& visible, bool rightToLeft, int keepLeftOf) {
  std::vector<RECT> rects(widths.size(), RECT{0, 0, 0, 0});
  int x = band.left + start;
  if (rightToLeft) {
    x = band.right - start;
    if (keepLeftOf != INT_MAX && x > keepLeftOf - 5) x = keepLeftOf - 5;
  }
  for (size_t i = 0; i < widths.size(); ++i) {
    if (i < visible.size() && !visible[i]) continue;
    if (rightToLeft) {
      rects[i] = RECT{x - widths[i], band.top, x, band.bottom - 1};
      x -= widths[i];
    } else {
      rects[i] = RECT{x, band.top, x + widths[i], band.bottom - 1};
      x += widths[i];
    }
  }
  return rects;
}

int AdjacentMenuBarItem(int index, int count, bool forward) {
  if (count <= 0) return -1;
  if (forward) return index + 1 >= count ? 0 : index + 1;
  return index - 1 < 0 ? count - 1 : index - 1;
}

TBarMove ArrowKeyMove(WPARAM key, const TMenuSelection& selection) {
  if (key == VK_LEFT) return !selection.Selected || selection.InOpenPopup ? TBarMove::Previous : TBarMove::None;
  if (key == VK_RIGHT) return !selection.Selected || !selection.HasSubmenu ? TBarMove::Next : TBarMove::None;
  return TBarMove::None;
}

WPARAM MirroredArrowKey(WPARAM key, bool rightToLeft) {
  if (!rightToLeft) return key;
  if (key == VK_LEFT) return VK_RIGHT;
  if (key == VK_RIGHT) return VK_LEFT;
  return key;
}

TSysMenuItemLook SystemMenuItemLook(UINT command, uint8_t showState, uint8_t captionCaps) {
  TSysMenuItemLook look;
  switch (command) {
    case SC_SIZE:
    case SC_MOVE:
      look.Enabled = showState != kShowMaximized;
      break;
    case SC_MINIMIZE:
      look.ImageIndex = 2;
      look.Enabled = showState != kShowMinimized && (captionCaps & kCapMinimize);
      break;
    case SC_MAXIMIZE:
      look.ImageIndex = 1;
      look.Enabled = showState != kShowMaximized && (captionCaps & kCapMaximize);
      break;
    case SC_CLOSE:
      look.ImageIndex = 3;
      break;
    case SC_RESTORE:
      look.ImageIndex = 0;
      look.Enabled = showState != kShowNormal;
      break;
    default:
      break;
  }
  return look;
}
