// Menu items drawn by the skin: the "MenuItem" element (frame 1 normal, 2 separator, 4
// selected) over the background the popup skinner rendered for the menu window, then the
// item's glyph, caption and shortcut. Framework items and native items are both described by
// one face, so the drawing does not care where an item came from.
#pragma once

#include <windows.h>

#include <string>

#include "gui/pictures.h"

class TCustomImageList;
class TMenuItem;
class TSkinData;

struct TMenuItemFace {
  std::wstring Caption;   // with its '&' marks; "-" for a separator
  std::wstring ShortCut;  // the shortcut's text, drawn at the right
  bool Enabled = true;
  bool Checked = false;
  bool Default = false;
  int ImageIndex = -1;
  TCustomImageList* Images = nullptr;
  bool RightToLeft = false;
};
TMenuItemFace MenuItemFace(TMenuItem* item);
// A native item of menu (found by command, also in submenus): its text, or "-" without one.
TMenuItemFace NativeMenuItemFace(HMENU menu, UINT command);

// The "MenuItem" element's left margin, 0 without the element.
int MenuItemLeftMargin(const TSkinData& data);
bool HasMenuItemElement(const TSkinData& data);

// The item in the skin's element over popupBackground (the menu window's rendered background,
// taken at rect moved by 3, 3; the Menu colour without one). A separator shows the element's
// separator frame, unless separatorLine asks for the etched line of the content instead.
void DrawSkinMenuItem(HDC dc, const RECT& rect, const TMenuItemFace& face, bool selected, const TSkinData& data,
                      const TBitmap* popupBackground, bool separatorLine);
// Without the element: flat in the Menu colour, Hilight when selected.
void DrawPlainMenuItem(HDC dc, const RECT& rect, const TMenuItemFace& face, bool selected, const TSkinData& data);
// Glyph, caption and shortcut in rect, in the DC's font.
void DrawMenuItemContent(HDC dc, const RECT& rect, const TMenuItemFace& face, bool selected, const TSkinData& data);
// The caption in the state's colour (bold for the default item); with DT_CALCRECT only
// measured, an empty caption measuring one line. "-" draws an etched line instead.
void DrawMenuText(HDC dc, const TMenuItemFace& face, UINT format, bool selected, RECT& rect, std::wstring text,
                  const TSkinData& data);
// Frame 2 of the element stretched across rect, its margins kept, magenta left out.
void DrawMenuSeparator(HDC dc, const RECT& rect, const TSkinData& data);
