// A registry key that everyone may read and nobody may write while the object lives; its own
// access list comes back afterwards.
#pragma once

#include <windows.h>
#include <aclapi.h>

#include <string>

class WriteLockedKey {
 public:
  WriteLockedKey(HKEY root, const std::wstring& path) : root_(root), path_(path) {
    HKEY key;
    if (RegOpenKeyExW(root_, path_.c_str(), 0, READ_CONTROL | WRITE_DAC, &key) != ERROR_SUCCESS) return;
    GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &oldAcl_, nullptr,
                    &oldDescriptor_);
    EXPLICIT_ACCESSW ea = {};
    ea.grfAccessPermissions = KEY_READ;
    ea.grfAccessMode = SET_ACCESS;
    ea.grfInheritance = NO_INHERITANCE;
    ea.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    ea.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    ea.Trustee.ptstrName = const_cast<wchar_t*>(L"EVERYONE");
    PACL acl = nullptr;
    if (SetEntriesInAclW(1, &ea, nullptr, &acl) == ERROR_SUCCESS) {
      locked_ = SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                nullptr, nullptr, acl, nullptr) == ERROR_SUCCESS;
      LocalFree(acl);
    }
    RegCloseKey(key);
  }
  ~WriteLockedKey() {
    HKEY key;
    if (locked_ && RegOpenKeyExW(root_, path_.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
      SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                      nullptr, oldAcl_, nullptr);
      RegCloseKey(key);
    }
    if (oldDescriptor_) LocalFree(oldDescriptor_);
  }
  WriteLockedKey(const WriteLockedKey&) = delete;
  WriteLockedKey& operator=(const WriteLockedKey&) = delete;

  // Whether a write access is really refused.
  bool Enforced() const {
    HKEY key;
    if (!locked_) return false;
    if (RegOpenKeyExW(root_, path_.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return true;
    RegCloseKey(key);
    return false;
  }

 private:
  HKEY root_;
  std::wstring path_;
  bool locked_ = false;
  PACL oldAcl_ = nullptr;
  PSECURITY_DESCRIPTOR oldDescriptor_ = nullptr;
};
