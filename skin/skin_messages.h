// The skin engine's private window messages, with the numbers the engine has always used.
#pragma once

#include <windows.h>

#include "gui/messages.h"

constexpr UINT SKM_SKINCHANGED = 0x3401;
constexpr UINT SKM_REPAINTNC = 0x3502;
constexpr UINT SKM_START = 0x3503;
constexpr UINT SKM_ENABLE = 0x3506;
constexpr UINT SKM_TABCLOSE = 0x3507;
constexpr UINT SKM_CUSTOMBUTTON = 0x3514;
constexpr UINT SKM_BUTTONVISIBLE = 0x3515;
constexpr UINT SKM_MDIREDRAW = 0x3516;
constexpr UINT SKM_RESKINSCROLL = 0x3517;
constexpr UINT SKM_MENUBARCLICK = 0x3518;
constexpr UINT SKM_QUERYSKINNED = 0x3523;
// The engine's own addition: posted by a window skinner to itself when controls were placed.
constexpr UINT SKM_CONTROLSPLACED = 0x3520;
// The four below lie in the framework's CN_* range (CN_BASE + a WM_* number): a framework
// control reads them as reflected notifications. They always carry SKM_KEY in LParam.
constexpr UINT SKM_PAINTCONTROL = 0xBC4A;  // = CN_BASE + WM_COPYDATA
constexpr UINT SKM_PAINTNC = 0xBC4B;       // = CN_BASE + WM_CANCELJOURNAL
constexpr UINT SKM_QUERYFORM = 0xBC4D;     // = CN_BASE + 0x4D (WM_KEYF1)
constexpr UINT SKM_SKINDONE = 0xBC4E;      // = CN_NOTIFY: its handlers ignore the key (NotifyHeader)

constexpr LPARAM SKM_KEY = 0x41A2;

constexpr bool CollidesWithCnRange(UINT msg) { return msg >= CN_BASE && msg < CN_BASE + 0x400; }
static_assert(CollidesWithCnRange(SKM_PAINTCONTROL) && CollidesWithCnRange(SKM_SKINDONE) &&
                  !CollidesWithCnRange(SKM_QUERYSKINNED) && !CollidesWithCnRange(SKM_SKINCHANGED),
              "the comments above say which messages share numbers with CN_*");
static_assert(SKM_SKINDONE == CN_NOTIFY, "the CN_NOTIFY handlers guard against the engine's key");

// Whether the engine may send msg to window: a message of the CN_* range goes only to a window
// that is not a framework control below a form (a form or a foreign window), so no control
// ever takes the engine's key for a notification.
bool MaySendSkinMessage(HWND window, UINT msg);
// SendMessage / PostMessage for the engine's messages, refusing (0 / false) what
// MaySendSkinMessage forbids.
LRESULT SendSkinMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
bool PostSkinMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
