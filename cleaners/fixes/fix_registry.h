// One line of a fix text held against the registry: checked (does the registry agree?) and
// applied (make it agree). Key paths are section key paths as the fix text writes them
// ("HKEY_CURRENT_USER\Software\X", "-HKEY_..." for a deletion section).
#pragma once

#include <string>

// Without a line: true when the key does not exist (a key that cannot be opened counts as
// absent).
bool CheckRegLine(const std::wstring& keyPath);
// With a line: true when the value the line describes is stored as applying it would store it.
// A missing value reads as the empty text or 0. Binary data compares by its bytes, so the
// letter case of the hexadecimal digits does not matter. A malformed line (no '=', data outside
// its format) is skipped and agrees.
bool CheckRegLine(const std::wstring& keyPath, const std::wstring& line);

// Deletes the key (not one that still has subkeys); true when no key remains.
bool ApplyRegLine(const std::wstring& keyPath);
// Writes the value the line describes, creating the key; true when the write succeeded or the
// line is malformed (skipped). Keys below an unknown root are never written (false).
bool ApplyRegLine(const std::wstring& keyPath, const std::wstring& line);
