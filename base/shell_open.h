#pragma once
// Opening web addresses and mailto: links with the shell, behind a seam: tests put a recorder
// in place of the shell so that no browser or mail program ever starts from a test.
#include <windows.h>

#include <functional>
#include <string>

using TShellOpenHandler = std::function<void(const std::wstring& target, int showCommand)>;

// ShellExecute with the verb "open"; the result is ignored (a link that cannot be opened
// simply does nothing).
void ShellOpen(const std::wstring& target, int showCommand);

// Replaces the shell call; nullptr restores it.
void SetShellOpenForTesting(TShellOpenHandler handler);

using TShellPropertiesHandler = std::function<void(const std::wstring& path)>;

// The shell's property sheet of a file (ShellExecuteEx with the verb "properties", no error box
// of its own), owned by Owner (the application window).
void ShellShowProperties(HWND Owner, const std::wstring& path);

// Replaces the property sheet; nullptr restores it.
void SetShellPropertiesForTesting(TShellPropertiesHandler handler);
