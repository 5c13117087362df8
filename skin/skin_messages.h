// The skin engine's private window messages. The messages from 0xBC4A on carry SKM_KEY in
// lParam, and a receiver that handled one answers SKM_KEY.
#pragma once

#include <windows.h>

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
constexpr UINT SKM_PAINTCONTROL = 0xBC4A;
constexpr UINT SKM_PAINTNC = 0xBC4B;
constexpr UINT SKM_QUERYFORM = 0xBC4D;
constexpr UINT SKM_SKINDONE = 0xBC4E;

constexpr LPARAM SKM_KEY = 0x41A2;
