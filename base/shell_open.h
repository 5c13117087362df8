#pragma once
// Opening web addresses, mailto: links and folders with the shell, behind a seam: tests put a
// recorder in place of the shell so that no browser or mail program ever starts from a test.
#include <windows.h>

#include <functional>
#include <string>

// What the shell is handed: the text, the class it is to be taken as ("" lets the shell decide
// from the text, as for a folder) and how the window shows.
struct TShellOpenCall {
  std::wstring File;
  std::wstring ClassName;
  int ShowCommand = SW_SHOWNORMAL;
};
using TShellOpenHandler = std::function<void(const TShellOpenCall& Call)>;

// The URL's scheme in lower case ("http", "mailto"): letters, digits, "+", "-" and "." after a
// first letter, at least two characters (so "C:\..." has none); "" when there is none.
std::wstring UrlScheme(const std::wstring& Url);

// Opens Url with the program of its scheme: ShellExecuteEx with the scheme as the class, so the
// shell never takes the text for a file path (under Wine "http://x/../../a.exe" would otherwise
// run a.exe). A text without a scheme opens nothing; so does a link the shell cannot open.
void ShellOpenUrl(const std::wstring& Url, int ShowCommand);

// Opens a folder in the shell's file window; the result is ignored.
void ShellOpenFolder(const std::wstring& Folder, int ShowCommand);

// Replaces the shell call; nullptr restores it.
void SetShellOpenForTesting(TShellOpenHandler handler);

using TShellPropertiesHandler = std::function<void(const std::wstring& path)>;

// The shell's property sheet of a file (ShellExecuteEx with the verb "properties", no error box
// of its own), owned by Owner (the application window).
void ShellShowProperties(HWND Owner, const std::wstring& path);

// Replaces the property sheet; nullptr restores it.
void SetShellPropertiesForTesting(TShellPropertiesHandler handler);
