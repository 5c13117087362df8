// Keys Windows and this program rely on, which no category ever proposes to delete, even when
// they are empty: the Winsock and Winsock2 service keys with everything below them (their
// catalogs), and the keys themselves (not what lies below them) of Run, RunOnce, Winlogon, the
// Windows and Windows NT CurrentVersion keys and the policy keys. A fixed list, so that an edited
// exclusion list cannot expose them.
#pragma once

#include <windows.h>

#include <string>

#include "registry/scan/reg_scan_engine.h"

// The form in which a key is matched against the list: lower case, without backslashes around it,
// below HKEY_USERS without the user's own key, a numbered control set read as the current one and
// the 32-bit view's Wow6432Node read as the key it mirrors.
std::wstring ProtectedKeyForm(HKEY Root, const std::wstring& Path);

// True when deleting the key Path below Root would take a protected key: it is one, lies above
// one, or lies inside a protected tree.
bool DeletesProtectedKey(HKEY Root, const std::wstring& Path);

// True when cleaning the record would delete a protected key, or a value inside a protected tree.
bool TouchesProtectedKey(const TRegItem& Item);
