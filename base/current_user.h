// The user this process runs as: its token's user record and its security identifier as text.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The TOKEN_USER of this process into Buffer: 0; -1 the process token cannot be opened, -2 its
// user cannot be read.
int ReadCurrentTokenUser(std::vector<BYTE>& Buffer);

// Text of the form "S-1-5-21-...": 0 on success; -1 the process token cannot be opened, -2 its
// user cannot be read, -3 to -5 the identifier's authority, sub-authority count or one of the
// sub-authorities cannot be read (Text then holds what was built so far).
int GetCurrentUserSid(std::wstring& Text);
