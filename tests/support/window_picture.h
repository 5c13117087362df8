// A window's screen pixels (frame included) written as a PNG file through GDI+ (started by the
// caller).
#pragma once

#include <windows.h>

#include <string>

bool SaveWindowPicture(HWND wnd, const std::wstring& file);
// The screen's pixels inside rect (a window with its open menu, say).
bool SaveScreenPicture(const RECT& rect, const std::wstring& file);
