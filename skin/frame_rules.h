// The window skinner's decisions, free of windows so they can be checked as tables: which
// windows are skinned, what kind of frame a window has, how thick the skin frame is and where
// the client area lies in it, which caption buttons show and where, and their hints.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class TDataSkinSysButton;
class TSkinElements;

// CaptionCaps bits.
constexpr uint8_t kCapMaximize = 1, kCapMinimize = 2, kCapHelp = 4, kCapSysMenu = 8, kCapKeepSysMenu = 0x10;
// BorderKind values.
constexpr uint8_t kBorderSizeable = 0, kBorderDefault = 1, kBorderNoCaption = 2, kBorderDialog = 3;
// ShowState values.
constexpr uint8_t kShowNormal = 0, kShowMaximized = 1, kShowMinimized = 2;

// True when the class name is one the manager never skins whatever the settings say.
bool IsRefusedWindowClass(const std::wstring& className);
// The main component's filter before its OnFormSkin has its say: preview windows unless
// previews are skinned, system dialogs that force themselves to the foreground, the data-aware
// tree popup.
bool ClassPassesFilter(const std::wstring& className, DWORD style, bool skinPreviews);
// A child window that is not an MDI child: only skinned while everything is skinned at once.
bool IsPlainChild(DWORD style, DWORD exStyle, const std::wstring& parentClassName);

// The frame kind from the window's styles and class.
uint8_t BorderKindOf(DWORD style, DWORD exStyle, const std::wstring& className);
bool IsDialogClass(const std::wstring& className);
uint8_t CaptionCapsOf(DWORD style, DWORD exStyle, bool hasSystemMenu);
// From a GetVersion value: Windows 2000 (NT 5.0; not the later x.0 versions), where the
// system-menu style of application windows must stay as it is.
bool KeepsSystemMenuStyle(DWORD version, DWORD exStyle, bool hasOwner, bool isMdiChild);
// ShowState from a placement's showCmd.
uint8_t ShowStateOf(UINT showCmd);

struct TFrameMetrics {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
// Border sizes from the skin's four border elements (one state frame each); none without a
// full caption.
TFrameMetrics FrameMetricsOf(const TSkinElements& skin, uint8_t borderKind);
// The client rectangle inside the skin frame for a window placed at `window` (screen or
// parent coordinates).
RECT ClientRectInFrame(const RECT& window, const TFrameMetrics& frame, int menuBarHeight);
// The answer to WM_NCHITTEST after the default's: caption below the top three rows, menu
// below the title when there is a menu band. `y` counts from the window's top edge.
LRESULT AdjustHitTest(LRESULT defaultAnswer, int y, int borderTop, int menuBarHeight);

// What the caption-button rules look at.
struct TCaptionState {
  uint8_t ShowState = kShowNormal;
  bool IsActive = true;
  uint8_t CaptionCaps = 0;
  uint8_t BorderKind = kBorderDefault;
  bool DialogClass = false;
  bool MdiChildMaximizedWithMenuBar = false;  // an MDI frame whose active child is maximized
};
// Visibility code 1000..2000 asks the window (SKM_BUTTONVISIBLE); the callback gives its answer.
using TAskVisible = bool (*)(void* context, int code, int action);

struct TButtonVisibility {
  bool Visible = false;
  bool Enabled = true;
};
TButtonVisibility CaptionButtonVisibility(const TDataSkinSysButton& button, const TCaptionState& state,
                                          TAskVisible ask, void* context);
// Where a button's frame cell lies (window coordinates); false for an alignment that places
// nothing of its own (the rectangle is then at 0, 0).
RECT CaptionButtonRect(const TDataSkinSysButton& button, int windowWidth, const RECT& captionBackRect,
                       int borderTop, int borderRight, int menuBarHeight, int menuBarLeftMargin);
// The hint of a button's action, empty for none.
std::wstring CaptionButtonHint(int action);
// What the hover timer does with the hint after `elapsed` ms on a button.
enum class THintStep { Wait, Show, Hide };
THintStep CaptionHintStep(uint32_t elapsed, uint32_t hintPause, uint32_t hintHidePause);
