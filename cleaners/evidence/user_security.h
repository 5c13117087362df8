// The current user's security identifier, and the access to a registry key that lets that
// user delete it.
#pragma once

#include <windows.h>

#include <string>

// Text of the form "S-1-5-21-...": 0 on success; -1 the process token cannot be opened, -2 its
// user cannot be read, -3 to -5 the identifier's authority, sub-authority count or one of the
// sub-authorities cannot be read (Text then holds what was built so far).
int GetCurrentUserSid(std::wstring& Text);

// Grants the current user full control of the key (Root\KeyPath, roots HKEY_CLASSES_ROOT,
// HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE and HKEY_USERS), replacing what the key's own list
// said about that user and leaving every other entry as it was, so a key whose permissions
// forbid its deletion can be deleted. Nobody else gains anything. True when the key's access
// list was changed.
bool ResetKeySecurity(HKEY Root, const std::wstring& KeyPath);

// Removes the browser's stored form entries of the current user: the key
// "Software\Microsoft\Protected Storage System Provider\<SID>\Data\e161255a-37c3-11d2-bcaa-00c04fd929db"
// below HKEY_CURRENT_USER, after its access and its parents' is reset.
void ClearProtectedStorage();
