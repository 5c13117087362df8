// Message boxes go through one replaceable function, so tests never wait on a modal box.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

using TMessageBoxFunc = std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)>;

// The caption of the program's own boxes.
constexpr const wchar_t kProgramCaption[] = L"Quillstead v4.1";

// The window a box shown for `window` belongs to: the visible top-level window that holds it (the
// main window for a page, even one still being created; the dialog for a dialog's control), or,
// without one, the active window or the main form. A window disabled under a modal form gives
// that form. The owner is disabled while the box is open, and the box stays above it.
HWND MessageBoxOwner(HWND window);
// Shows a modal message box (MessageBoxW unless replaced) owned by MessageBoxOwner(owner) and
// returns the pressed button (IDOK ...). A replacement is given that owner too.
int MessageBoxShow(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);
// Replaces the box for tests; nullptr restores the real one.
void SetMessageBoxFunc(TMessageBoxFunc func);

// The program's information box: the program's caption, information icon, one OK button.
int ShowInfo(const std::wstring& text);
