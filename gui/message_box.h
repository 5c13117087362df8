// Message boxes go through one replaceable function, so tests never wait on a modal box.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

using TMessageBoxFunc = std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)>;

// The caption of the program's own boxes.
constexpr const wchar_t kProgramCaption[] = L"Quillstead v4.1";

// Shows a modal message box (MessageBoxW unless replaced) and returns the pressed button (IDOK ...).
int MessageBoxShow(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);
// Replaces the box for tests; nullptr restores the real one.
void SetMessageBoxFunc(TMessageBoxFunc func);

// The program's information box: the program's caption, information icon, one OK button.
int ShowInfo(const std::wstring& text);
