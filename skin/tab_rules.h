// The tab skinners' decisions, free of windows so they can be checked as tables: which side the
// tabs are on, where the pane and the strip of tabs lie, where each tab goes in the strip
// (drawn lying down, then turned for side tabs), which frame a tab shows, where its close glyph
// is and which page a tab stands for, and which tabs of a tab set fit.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// Tab positions.
constexpr uint8_t kTabsTop = 0, kTabsBottom = 1, kTabsLeft = 2, kTabsRight = 3;
// The tab frames of the "Tabs" element.
constexpr int kTabNormal = 1, kTabSelected = 2;

// From the window style: TCS_BOTTOM alone bottom, TCS_VERTICAL alone left, both right (TCS_RIGHT
// is TCS_BOTTOM), neither top.
uint8_t TabPositionOf(DWORD style);

// The pane: the display area (window to display, TCM_ADJUSTRECT) grown by 4 pixels on every
// side, its edge on the tab side one pixel further in.
RECT TabPaneRect(const RECT& displayArea, uint8_t position);
// The strip of tabs: what of rect lies outside the pane on the tab side.
RECT TabStripRect(const RECT& rect, const RECT& pane, uint8_t position);
// The strip lying down: cx its length along the tabs, cy its thickness.
SIZE TabStripSize(const RECT& strip, uint8_t position);
// Whether a rectangle has room to draw in (a strip or a tab whose row is hidden has none).
bool HasDrawingRoom(const RECT& r);

// A tab's rectangle (TCM_GETITEMRECT, client coordinates) in the strip lying down, for a strip
// of that length; rect is the whole window from (0, 0), pane as TabPaneRect gives it.
RECT TabItemInStrip(const RECT& item, uint8_t position, int stripLength, const RECT& rect, const RECT& pane);

// Frame 2 for the selected tab, 1 for the others.
int TabFrame(int tab, int selected);

// A tab's padding around its caption (TCM_SETPADDING): the control's own, and the wider one of
// tabs with a close glyph, which keeps the caption, centred left of the glyph, clear of it.
constexpr int kTabPadding = 6, kClosableTabPadding = 10, kTabVerticalPadding = 3;

// The close glyph's square in a tab's top-right corner (drawn from its left/top to its
// right/bottom corner, the hit test takes it as a rectangle).
RECT TabCloseRect(const RECT& item);
// Close glyphs go on a page control's top tabs when its Tag is 7777.
bool TabsClosable(int tag, bool pageControl, bool tabsOnTop);
// The page that shown tab `tab` stands for, with pages whose tab is hidden skipped; -1 when no
// page has that tab.
int PageOfTab(const std::vector<bool>& tabVisible, int tab);

// A tab set's tabs from firstIndex on, laid out from startMargin: a tab takes its caption's
// width plus 9 pixels and is drawn only when it ends by `room`; one that does not fit is left
// out and the following tabs are still tried. Left and right edges per tab, {-1, -1} for a tab
// left out (and for the tabs before firstIndex).
std::vector<std::pair<int, int>> TabSetLayout(const std::vector<int>& captionWidths, int firstIndex, int startMargin,
                                              int room);
