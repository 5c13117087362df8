#include "skin/tab_rules.h"

#include <commctrl.h>

uint8_t TabPositionOf(DWORD style) {
  const bool bottom = style & TCS_BOTTOM, vertical = style & TCS_VERTICAL;
  if (bottom && vertical) return kTabsRight;
  if (vertical) return kTabsLeft;
  if (bottom) return kTabsBottom;
  return kTabsTop;
}

RECT TabPaneRect(const RECT& displayArea, uint8_t position) {
  RECT r = displayArea;
  InflateRect(&r, 4, 4);
  switch (position) {
    case kTabsTop: ++r.top; break;
    case kTabsBottom: --r.bottom; break;
    case kTabsLeft: ++r.left; break;
    default: --r.right; break;
  }
  return r;
}

RECT TabStripRect(const RECT& rect, const RECT& pane, uint8_t position) {
  RECT r = rect;
  switch (position) {
    case kTabsTop: r.bottom = pane.top; break;
    case kTabsBottom: r.top = pane.bottom; break;
    case kTabsLeft: r.right = pane.left; break;
    default: r.left = pane.right; break;
  }
  return r;
}

SIZE TabStripSize(const RECT& strip, uint8_t position) {
  const LONG width = strip.right - strip.left, height = strip.bottom - strip.top;
  if (position == kTabsTop || position == kTabsBottom) return SIZE{width, height};
  return SIZE{height, width};
}

bool HasDrawingRoom(const RECT& r) { return r.right > r.left && r.bottom > r.top; }

RECT TabItemInStrip(const RECT& item, uint8_t position, int stripLength, const RECT& rect, const RECT& pane) {
  RECT r = item;
  switch (position) {
    case kTabsTop:
      OffsetRect(&r, 0, 1);
      break;
    case kTabsBottom:
      OffsetRect(&r, 0, -(pane.bottom + 1));
      break;
    case kTabsLeft:
      r = RECT{stripLength - item.bottom, item.left, stripLength - item.top, item.right};
      break;
    default:
      r = RECT{item.top - 1, rect.right - item.right, item.bottom - 1, rect.right - item.left};
      break;
  }
  return r;
}

int TabFrame(int tab, int selected) { return tab == selected ? kTabSelected : kTabNormal; }

RECT TabCloseRect(const RECT& item) { return RECT{item.right - 8, item.top + 2, item.right - 2, item.top + 8}; }

bool TabsClosable(int tag, bool pageControl, bool tabsOnTop) { return tag == 7777 && pageControl && tabsOnTop; }

int PageOfTab(const std::vector<bool>& tabVisible, int tab) {
  if (tab < 0) return -1;
  int shown = -1;
  for (size_t page = 0; page < tabVisible.size(); ++page)
    if (tabVisible[page] && ++shown == tab) return static_cast<int>(page);
  return -1;
}

std::vector<std::pair<int, int>> TabSetLayout(const std::vector<int>& captionWidths, int firstIndex, int startMargin,
                                              int room) {
  std::vector<std::pair<int, int>> layout(captionWidths.size(), {-1, -1});
  int x = startMargin;
  for (size_t i = firstIndex < 0 ? 0 : static_cast<size_t>(firstIndex); i < captionWidths.size(); ++i) {
    const int width = captionWidths[i] + 9;
    if (x + width > room) continue;
    layout[i] = {x, x + width};
    x += width;
  }
  return layout;
}
