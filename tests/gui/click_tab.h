// A click on a tab as the user makes it: the tab control's own mouse handling selects the tab
// and sends its change notifications.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "gui/pages.h"

inline void ClickTab(TCustomTabControl* control, int index) {
  HWND wnd = control->Handle();
  RECT r = {};
  ASSERT_TRUE(SendMessageW(wnd, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)));
  LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(wnd, WM_LBUTTONUP, 0, at);
}
