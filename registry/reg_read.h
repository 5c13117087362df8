// Reading registry settings without changing the registry: a missing key or value gives the
// caller's default, never a value written in its place.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The string value Name of Key below Root (unexpanded), or Default when the key or the value is
// missing or holds no string.
std::wstring ReadRegStringDefault(HKEY Root, const std::wstring& Key, const std::wstring& Name,
                                  const std::wstring& Default);
// The subkey names of Key below Root in the platform's order; empty when the key is missing.
std::vector<std::wstring> ListRegSubKeys(HKEY Root, const std::wstring& Key);
