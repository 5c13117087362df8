#include "cleaners/evidence/user_security.h"

#include <aclapi.h>

#include <vector>

#include "base/registry_key.h"
#include "base/strings.h"

namespace {

// The TOKEN_USER of this process into `buffer`: 0, or -1 / -2 as GetCurrentUserSid.
int ReadTokenUser(std::vector<BYTE>& buffer) {
  buffer.assign(1001, 0);
  HANDLE token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | READ_CONTROL, &token)) return -1;
  DWORD size = 0;
  const BOOL read = GetTokenInformation(token, TokenUser, buffer.data(), static_cast<DWORD>(buffer.size()), &size);
  CloseHandle(token);
  return read ? 0 : -2;
}

std::wstring SecurityObjectName(HKEY root, const std::wstring& keyPath) {
  std::wstring path = keyPath;
  if (!path.empty() && path[0] == L'\\') path.erase(0, 1);
  if (root == HKEY_CLASSES_ROOT) return L"CLASSES_ROOT\\" + path;
  if (root == HKEY_CURRENT_USER) return L"CURRENT_USER\\" + path;
  if (root == HKEY_LOCAL_MACHINE) return L"MACHINE\\" + path;
  if (root == HKEY_USERS) return L"USERS\\" + path;
  return path;
}

}  // namespace

int GetCurrentUserSid(std::wstring& Text) {
  std::vector<BYTE> buffer;
  if (const int failed = ReadTokenUser(buffer)) return failed;
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

bool ResetKeySecurity(HKEY Root, const std::wstring& KeyPath) {
  std::vector<BYTE> buffer;
  if (ReadTokenUser(buffer) != 0) return false;
  PSID user = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;

  std::wstring name = SecurityObjectName(Root, KeyPath);
  // The key's own list is kept, so only the entries about this user change. When it cannot be
  // read nothing changes: a list built from nothing would hold this user alone and lock
  // everyone else out.
  PACL oldDacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(name.c_str(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &oldDacl,
                            nullptr, &descriptor) != ERROR_SUCCESS)
    return false;

  EXPLICIT_ACCESSW access = {};
  access.grfAccessPermissions = KEY_ALL_ACCESS;
  access.grfAccessMode = SET_ACCESS;
  access.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
  access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  access.Trustee.TrusteeType = TRUSTEE_IS_USER;
  access.Trustee.ptstrName = static_cast<LPWSTR>(user);
  PACL newDacl = nullptr;
  bool changed = false;
  if (SetEntriesInAclW(1, &access, oldDacl, &newDacl) == ERROR_SUCCESS) {
    changed = SetNamedSecurityInfoW(&name[0], SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, newDacl,
                                    nullptr) == ERROR_SUCCESS;
    LocalFree(newDacl);
  }
  if (descriptor) LocalFree(descriptor);
  return changed;
}

void ClearProtectedStorage() {
  std::wstring sid;
  GetCurrentUserSid(sid);
  std::wstring key = L"Software\\Microsoft\\Protected Storage System Provider\\" + sid;
  ResetKeySecurity(HKEY_CURRENT_USER, key);
  key += L"\\Data";
  ResetKeySecurity(HKEY_CURRENT_USER, key);
  key += L"\\e161255a-37c3-11d2-bcaa-00c04fd929db";
  ResetKeySecurity(HKEY_CURRENT_USER, key);
  // Only the entries' key itself: its parents belong to the provider.
  DeleteRegKey(HKEY_CURRENT_USER, key, false);
}
