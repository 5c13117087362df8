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

  // The key itself, never the target of a link along the path or of the key: the list is read
  // and written through this one handle.
  HKEY key;
  if (OpenRegKeyWithoutLinks(Root, KeyPath, READ_CONTROL | WRITE_DAC, key) != ERROR_SUCCESS) return false;
  // The key's own list is kept, so only the entries about this user change. When it cannot be
  // read nothing changes: a list built from nothing would hold this user alone and lock
  // everyone else out.
  PACL oldDacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  bool changed = false;
  if (GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &oldDacl, nullptr,
                      &descriptor) == ERROR_SUCCESS) {
    BOOL present = FALSE, defaulted = FALSE;
    PACL dacl = nullptr;
    GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted);
    // No list at all grants everyone everything already; one made from it would lock everyone
    // else out.
    if (!present || !dacl) {
      changed = true;
    } else {
      EXPLICIT_ACCESSW access = {};
      access.grfAccessPermissions = KEY_ALL_ACCESS;
      access.grfAccessMode = SET_ACCESS;
      // This key only: nothing below it gains anything.
      access.grfInheritance = NO_INHERITANCE;
      access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
      access.Trustee.TrusteeType = TRUSTEE_IS_USER;
      access.Trustee.ptstrName = static_cast<LPWSTR>(user);
      PACL newDacl = nullptr;
      SECURITY_DESCRIPTOR updated;
      if (SetEntriesInAclW(1, &access, oldDacl, &newDacl) == ERROR_SUCCESS) {
        // Written on this key alone: the registry call does not carry the list on to the subkeys.
        changed = InitializeSecurityDescriptor(&updated, SECURITY_DESCRIPTOR_REVISION) &&
                  SetSecurityDescriptorDacl(&updated, TRUE, newDacl, FALSE) &&
                  RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &updated) == ERROR_SUCCESS;
        LocalFree(newDacl);
      }
    }
    LocalFree(descriptor);
  }
  RegCloseKey(key);
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
