#include "cleaners/evidence/user_security.h"

#include <aclapi.h>

#include <vector>

#include "base/current_user.h"
#include "base/registry_key.h"
#include "base/strings.h"

bool ResetKeySecurity(HKEY Root, const std::wstring& KeyPath) {
  std::vector<BYTE> buffer;
  if (ReadCurrentTokenUser(buffer) != 0) return false;
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
