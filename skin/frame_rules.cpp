#include "skin/frame_rules.h"

#include <algorithm>

#include "base/strings.h"
#include "skin/skin_elements.h"

namespace {

int CellExtent(const TDataSkinObject& element, bool vertical) {
  int size = vertical ? element.Image.Height() : element.Image.Width();
  return size / element.Frames();
}

}  // namespace

bool IsRefusedWindowClass(const std::wstring& className) {
  return className.find(L"TcxPopupEditPopupWindow") != std::wstring::npos ||
         className.find(L"TTERenderWindow") != std::wstring::npos || className == L"TApplication";
}

bool ClassPassesFilter(const std::wstring& className, DWORD style, bool skinPreviews) {
  std::wstring lower = LowerCase(className);
  if (!skinPreviews && lower.find(L"preview") != std::wstring::npos) return false;
  if (className == L"#32770" && (style & DS_SETFOREGROUND)) return false;
  if (lower == L"tpopupdbtreeview") return false;
  return true;
}

bool IsPlainChild(DWORD style, DWORD exStyle, const std::wstring& parentClassName) {
  return (style & WS_CHILD) && !(exStyle & WS_EX_MDICHILD) && LowerCase(parentClassName) != L"mdiclient";
}

bool IsDialogClass(const std::wstring& className) { return className == L"#32770" || className == L"TMessageForm"; }

uint8_t BorderKindOf(DWORD style, DWORD exStyle, const std::wstring& className) {
  uint8_t kind = kBorderDefault;
  if ((style & WS_CAPTION) != WS_CAPTION)
    kind = kBorderNoCaption;
  else if (style & WS_THICKFRAME)
    kind = kBorderSizeable;
  else if (style & DS_MODALFRAME)
    kind = kBorderDialog;
  if (exStyle & WS_EX_DLGMODALFRAME) kind = kBorderDialog;
  if (IsDialogClass(className)) kind = kBorderDialog;
  return kind;
}

uint8_t CaptionCapsOf(DWORD style, DWORD exStyle, bool hasSystemMenu) {
  uint8_t caps = 0;
  if ((style & WS_SYSMENU) || hasSystemMenu) caps |= kCapSysMenu;
  if (style & WS_MINIMIZEBOX) caps |= kCapMinimize;
  if (style & WS_MAXIMIZEBOX) caps |= kCapMaximize;
  if (exStyle & WS_EX_CONTEXTHELP) caps |= kCapHelp;
  return caps;
}

bool KeepsSystemMenuStyle(DWORD version, DWORD exStyle, bool hasOwner, bool isMdiChild) {
  const DWORD major = LOBYTE(LOWORD(version)), minor = HIBYTE(LOWORD(version));
  if (major != 5 || minor != 0) return false;
  return (exStyle & WS_EX_APPWINDOW) || (!hasOwner && !isMdiChild);
}

uint8_t ShowStateOf(UINT showCmd) {
  switch (showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      return kShowMinimized;
    case SW_SHOWMAXIMIZED:
      return kShowMaximized;
    default:
      return kShowNormal;
  }
}

TFrameMetrics FrameMetricsOf(const TSkinElements& skin, uint8_t borderKind) {
  TFrameMetrics m;
  if (borderKind == kBorderNoCaption) return m;
  m.Top = CellExtent(skin.Top, true);
  m.Left = CellExtent(skin.Left, false);
  m.Right = CellExtent(skin.Right, false);
  m.Bottom = CellExtent(skin.Bottom, true);
  return m;
}

RECT ClientRectInFrame(const RECT& window, const TFrameMetrics& frame, int menuBarHeight) {
  return RECT{window.left + frame.Left, window.top + frame.Top + menuBarHeight, window.right - frame.Right,
              window.bottom - frame.Bottom};
}

LRESULT AdjustHitTest(LRESULT defaultAnswer, int y, int borderTop, int menuBarHeight) {
  if (defaultAnswer != HTNOWHERE && defaultAnswer != HTCAPTION) return defaultAnswer;
  LRESULT answer = defaultAnswer;
  if (y > 3) answer = HTCAPTION;
  if (y > borderTop && menuBarHeight > 0) answer = HTMENU;
  return answer;
}

namespace {

bool HasMinOrMax(uint8_t caps) { return (caps & (kCapMinimize | kCapMaximize)) != 0; }

// The first visibility code. A code of -1 (only written by hand into a skin) hides the button.
bool FirstValue(int code, int action, const TCaptionState& s, TAskVisible ask, void* context) {
  if (code == 0) return true;
  if (code == 1) return s.ShowState == kShowMaximized;
  if (code == 2) return s.ShowState != kShowMaximized;
  if (code == 3) return s.IsActive;
  if (code == 4) return !s.IsActive;
  if (code == 6 || code == 8) return HasMinOrMax(s.CaptionCaps) && (s.CaptionCaps & kCapSysMenu);
  if (code == 7) return !(s.CaptionCaps & kCapMaximize);
  if (code == 9) return !(s.CaptionCaps & kCapMinimize);
  if (code == 10) return (s.CaptionCaps & kCapHelp) && !HasMinOrMax(s.CaptionCaps);
  if (code == 100) return s.MdiChildMaximizedWithMenuBar;
  if (code == 200) return !s.DialogClass && s.BorderKind == kBorderDialog;
  if (code >= 201 && code <= 999) return true;
  if (code >= 1000 && code <= 2000) return ask && ask(context, code, action);
  return false;
}

bool SecondValue(int code, bool first, const TCaptionState& s) {
  if (code == 0) return true;
  if (code == 1) return s.ShowState == kShowMaximized;
  if (code == 2) return s.ShowState != kShowMaximized;
  if (code == 3) return s.IsActive;
  if (code == 4) return !s.IsActive;
  if (code == 6 || code == 8) return HasMinOrMax(s.CaptionCaps);
  if (code == 7) return !(s.CaptionCaps & kCapMaximize);
  if (code == 9) return !(s.CaptionCaps & kCapMinimize);
  if (code == 10) return (s.CaptionCaps & kCapHelp) != 0;
  if (code == 100) return first;
  if (code == 200) return !s.DialogClass && s.BorderKind == kBorderDialog;
  if (code >= 201 && code <= 2000) return true;
  return false;
}

}  // namespace

TButtonVisibility CaptionButtonVisibility(const TDataSkinSysButton& button, const TCaptionState& state,
                                          TAskVisible ask, void* context) {
  TButtonVisibility r;
  bool first = FirstValue(button.Visibility, button.Action, state, ask, context);
  r.Visible = first && SecondValue(button.Visibility1, first, state);
  bool sysMenu = (state.CaptionCaps & kCapSysMenu) != 0;
  switch (button.Action) {
    case 0:
      if (!sysMenu) r.Visible = false;
      break;
    case 1:
      r.Enabled = (state.CaptionCaps & kCapMaximize) && sysMenu;
      break;
    case 2:
      r.Enabled = (state.CaptionCaps & kCapMinimize) && sysMenu;
      break;
    case 3:
    case 11:
    case 12:
      if (state.BorderKind == kBorderDialog) r.Visible = false;
      break;
    default:
      break;
  }
  return r;
}

RECT CaptionButtonRect(const TDataSkinSysButton& button, int windowWidth, const RECT& captionBackRect,
                       int borderTop, int borderRight, int menuBarHeight, int menuBarLeftMargin) {
  int w = button.Image.Width() / button.Frames();
  int h = button.Image.Height();
  int x = 0, y = 0;
  switch (button.Align) {
    case 0:
      x = button.Xcoord, y = button.Ycoord;
      break;
    case 1:
      x = windowWidth - button.Xcoord, y = button.Ycoord;
      break;
    case 2:
    case 8:
      x = captionBackRect.left - w - button.Xcoord, y = button.Ycoord;
      break;
    case 3:
    case 9:
      x = captionBackRect.right + button.Xcoord, y = button.Ycoord;
      break;
    case 100:
      x = windowWidth - button.Xcoord - borderRight - menuBarLeftMargin;
      y = borderTop + (menuBarHeight - h) / 2;
      break;
    default:
      break;
  }
  return RECT{x, y, x + w, y + h};
}

std::wstring CaptionButtonHint(int action) {
  switch (action) {
    case 0:
    case 9:
    case 62:
      return L"Close";
    case 1:
    case 22:
      return L"Maximize";
    case 2:
    case 7:
    case 23:
    case 60:
      return L"Minimize";
    case 8:
    case 61:
      return L"Restore";
    default:
      return L"";
  }
}

THintStep CaptionHintStep(uint32_t elapsed, uint32_t hintPause, uint32_t hintHidePause) {
  uint32_t delay = 2 * hintPause;
  if (elapsed < delay) return THintStep::Wait;
  if (elapsed < delay + hintHidePause) return THintStep::Show;
  return THintStep::Hide;
}
