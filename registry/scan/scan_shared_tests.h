// Tests shared by the category scanners.
#pragma once

#include <windows.h>

#include <string>

// True when the key and its whole subtree hold no values; a key that does not exist is empty,
// one that exists but cannot be opened is not.
bool IsKeyTreeEmpty(HKEY Root, const std::wstring& KeyPath);

// True when the key opens and has neither subkeys nor values.
bool IsKeyEmpty(HKEY Root, const std::wstring& KeyPath);

class TScanFileAnswers;

// The program file named by a command line or value (C:\dir\x.exe /s gives C:\dir\x.exe); a bare
// file name is looked up in the folders of PATH. A scanner passes its run's file answers.
std::wstring ExtractExePath(const std::wstring& Text);
std::wstring ExtractExePath(const std::wstring& Text, TScanFileAnswers& Files);

// Whether a COM server path counts as present (bare names, rundll32 and svchost lines always do).
bool ComServerFileExists(const std::wstring& Text);
bool ComServerFileExists(const std::wstring& Text, TScanFileAnswers& Files);
