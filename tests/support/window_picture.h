// A window's screen pixels (frame included) written as a PNG file through GDI+ (started by the
// caller).
#pragma once

#include <windows.h>

#include <string>

bool SaveWindowPicture(HWND wnd, const std::wstring& file);
