// Registry root-key and value-type names, both ways.
#pragma once

#include <windows.h>

#include <string>

// The five roots these helpers know: "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",
// "HKEY_LOCAL_MACHINE", "HKEY_USERS", "HKEY_CURRENT_CONFIG", or their short forms "HKCR", "HKCU",
// "HKLM", "HKU", "HKCC", trimmed, in any letter case. Any other name gives nullptr: a name that
// is not understood must never select a root (callers refuse it).
HKEY RootNameToHKey(const std::wstring& name);
// Any other root gives "HKEY_LOCAL_MACHINE". Only the low 32 bits count, so a root stored as a
// 32-bit value and widened either way is recognised.
std::wstring HKeyToRootName(HKEY root);

// A root key stored as its 32-bit value, as a handle (sign-extended on 64-bit builds).
HKEY RootKeyFromValue(DWORD value);
DWORD RootKeyValue(HKEY root);

// "REG_NONE" .. "REG_RESOURCE_LIST"; 6 (REG_LINK) and codes above 8 give "".
std::wstring RegTypeToName(DWORD type);
// Trimmed, compared case-sensitively; "REG_DWORD_LITTLE_ENDIAN" is REG_DWORD. Unknown names
// give 0xFFFFFFFF.
DWORD RegNameToType(const std::wstring& name);
