// The access to a registry key that lets the current user delete it.
#pragma once

#include <windows.h>

#include <string>

// Grants the current user full control of the key Root\KeyPath, replacing what the key's own
// list said about that user and leaving every other entry as it was, so a key whose permissions
// forbid its deletion can be deleted. Nobody else gains anything, and nothing changes but the key
// itself: it is opened without following a registry link (a link along the path or the key being
// one refuses it), and its subkeys keep their lists. True when the list was changed, or when the
// key has no list (NULL: everyone may do everything), which it keeps.
bool ResetKeySecurity(HKEY Root, const std::wstring& KeyPath);

// Removes the browser's stored form entries of the current user: the key
// "Software\Microsoft\Protected Storage System Provider\<SID>\Data\e161255a-37c3-11d2-bcaa-00c04fd929db"
// below HKEY_CURRENT_USER, after its access and its parents' is reset.
void ClearProtectedStorage();
