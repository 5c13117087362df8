#include "base/current_user.h"

#include "base/strings.h"

int ReadCurrentTokenUser(std::vector<BYTE>& buffer) {
  buffer.assign(1001, 0);
  HANDLE token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | READ_CONTROL, &token)) return -1;
  DWORD size = 0;
  const BOOL read = GetTokenInformation(token, TokenUser, buffer.data(), static_cast<DWORD>(buffer.size()), &size);
  CloseHandle(token);
  return read ? 0 : -2;
}

int GetCurrentUserSid(std::wstring& Text) {
  std::vector<BYTE> buffer;
  if (const int failed = ReadCurrentTokenUser(buffer)) return failed;
  PSID sid = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;

  Text = L"S-1-";
  SetLastError(0);
  if (!IsValidSid(sid)) return -3;
  const SID_IDENTIFIER_AUTHORITY* authority = GetSidIdentifierAuthority(sid);
  if (GetLastError() != 0) return -3;
  const BYTE* b = authority->Value;
  if (b[0] != 0 || b[1] != 0) {
    Text = Format(L"%s0x%.2x%.2x%.2x%.2x%.2x%.2x-", Text.c_str(), b[0], b[1], b[2], b[3], b[4], b[5]);
  } else {
    const unsigned value = (unsigned(b[2]) << 24) | (unsigned(b[3]) << 16) | (unsigned(b[4]) << 8) | unsigned(b[5]);
    Text = Format(L"%s%u", Text.c_str(), value);
  }

  const BYTE* count = GetSidSubAuthorityCount(sid);
  if (GetLastError() != 0) return -4;
  for (BYTE i = 0; i < *count; ++i) {
    const DWORD* subAuthority = GetSidSubAuthority(sid, i);
    if (GetLastError() != 0) return -5;
    Text = Format(L"%s-%u", Text.c_str(), static_cast<unsigned>(*subAuthority));
  }
  return 0;
}
