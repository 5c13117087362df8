// The current user's SID text and the key access reset that precedes deleting protected keys.
#include <gtest/gtest.h>
#include <aclapi.h>
#include <sddl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/current_user.h"
#include "cleaners/evidence/user_security.h"
#include "tests/base/test_keys.h"

namespace {

std::vector<BYTE> TokenUser() {
  HANDLE token;
  EXPECT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
  std::vector<BYTE> buffer(1024);
  DWORD size = 0;
  EXPECT_TRUE(GetTokenInformation(token, ::TokenUser, buffer.data(), static_cast<DWORD>(buffer.size()), &size));
  CloseHandle(token);
  return buffer;
}

PSID UserSid(std::vector<BYTE>& buffer) { return reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid; }

TEST(CurrentUserSid, MatchesThePlatformsText) {
  std::vector<BYTE> user = TokenUser();
  wchar_t* expected = nullptr;
  ASSERT_TRUE(ConvertSidToStringSidW(UserSid(user), &expected));
  std::wstring text;
  EXPECT_EQ(GetCurrentUserSid(text), 0);
  EXPECT_EQ(text, expected);
  LocalFree(expected);
}

// The key's access list, as (SID text, ACE type, mask) entries.
struct Entry {
  std::wstring sid;
  int type;
  ACCESS_MASK mask;
};

std::vector<Entry> KeyEntries(const std::wstring& path) {
  std::vector<Entry> entries;
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  const std::wstring name = L"CURRENT_USER\\" + path;
  EXPECT_EQ(GetNamedSecurityInfoW(name.c_str(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                                  nullptr, &descriptor),
            static_cast<DWORD>(ERROR_SUCCESS));
  for (DWORD i = 0; dacl && i < dacl->AceCount; ++i) {
    void* ace = nullptr;
    if (!GetAce(dacl, i, &ace)) continue;
    auto* header = static_cast<ACE_HEADER*>(ace);
    if (header->AceType != ACCESS_ALLOWED_ACE_TYPE && header->AceType != ACCESS_DENIED_ACE_TYPE) continue;
    auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
    wchar_t* text = nullptr;
    ConvertSidToStringSidW(&allowed->SidStart, &text);
    entries.push_back({text ? text : L"?", header->AceType, allowed->Mask});
    LocalFree(text);
  }
  if (descriptor) LocalFree(descriptor);
  return entries;
}

bool CreateUserKey(const std::wstring& path) {
  HKEY created;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr) !=
      ERROR_SUCCESS)
    return false;
  RegCloseKey(created);
  return true;
}

TEST(ResetKeySecurity, GrantsTheUserFullControlAndNobodyElseAnything) {
  TestRegistryKey key(L"KeySecurity");
  const std::wstring path = key.Path() + L"\\Protected";
  ASSERT_TRUE(CreateUserKey(path));
  std::wstring user;
  ASSERT_EQ(GetCurrentUserSid(user), 0);
  const std::vector<Entry> before = KeyEntries(path);

  EXPECT_TRUE(ResetKeySecurity(HKEY_CURRENT_USER, L"\\" + path));
  const std::vector<Entry> after = KeyEntries(path);

  bool userHasAll = false;
  for (const Entry& e : after) {
    if (e.sid == user && e.type == ACCESS_ALLOWED_ACE_TYPE && (e.mask & KEY_ALL_ACCESS) == KEY_ALL_ACCESS) userHasAll = true;
    if (e.sid == user) {
      EXPECT_NE(e.type, ACCESS_DENIED_ACE_TYPE);
      continue;
    }
    // Every other entry was there before, unchanged.
    bool found = false;
    for (const Entry& b : before) found = found || (b.sid == e.sid && b.type == e.type && b.mask == e.mask);
    EXPECT_TRUE(found) << "new entry for " << std::string(e.sid.begin(), e.sid.end());
    EXPECT_NE(e.sid, L"S-1-1-0") << "everyone gained access";
  }
  EXPECT_TRUE(userHasAll);
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str()), ERROR_SUCCESS);
}

TEST(ResetKeySecurity, LetsTheUserDeleteAKeyThatDeniedIt) {
  TestRegistryKey key(L"KeySecurity");
  const std::wstring path = key.Path() + L"\\Locked";
  ASSERT_TRUE(CreateUserKey(path));
  std::vector<BYTE> user = TokenUser();
  std::wstring name = L"CURRENT_USER\\" + path;
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_EQ(GetNamedSecurityInfoW(name.c_str(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                                  nullptr, &descriptor),
            static_cast<DWORD>(ERROR_SUCCESS));
  EXPLICIT_ACCESSW deny = {};
  deny.grfAccessPermissions = DELETE;
  deny.grfAccessMode = DENY_ACCESS;
  deny.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  deny.Trustee.ptstrName = static_cast<LPWSTR>(UserSid(user));
  PACL denying = nullptr;
  ASSERT_EQ(SetEntriesInAclW(1, &deny, dacl, &denying), static_cast<DWORD>(ERROR_SUCCESS));
  ASSERT_EQ(SetNamedSecurityInfoW(&name[0], SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, denying,
                                  nullptr),
            static_cast<DWORD>(ERROR_SUCCESS));
  LocalFree(denying);
  LocalFree(descriptor);

  const LONG refused = RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
  if (refused == ERROR_SUCCESS) GTEST_SKIP() << "this platform does not enforce the access lists of registry keys";
  EXPECT_EQ(refused, ERROR_ACCESS_DENIED);
  EXPECT_TRUE(ResetKeySecurity(HKEY_CURRENT_USER, path));
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str()), ERROR_SUCCESS);
}

// A list that cannot be read is left as it is (writing one from nothing would leave this user
// alone in it).
TEST(ResetKeySecurity, AnUnreadableListIsNotReplaced) {
  TestRegistryKey key(L"KeySecurity");
  const std::wstring path = key.Path() + L"\\Unreadable";
  ASSERT_TRUE(CreateUserKey(path));
  // Owned by the system; everyone may change the list but nobody may read it.
  PSECURITY_DESCRIPTOR sd = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"O:SYD:P(A;;WD;;;WD)", SDDL_REVISION_1, &sd,
                                                                   nullptr));
  HKEY h;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC | WRITE_OWNER, &h), ERROR_SUCCESS);
  const LONG set = RegSetKeySecurity(h, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, sd);
  RegCloseKey(h);
  LocalFree(sd);
  // Give the list back so the test key can be removed.
  struct Restore {
    std::wstring path;
    ~Restore() {
      PSECURITY_DESCRIPTOR open = nullptr;
      ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;KA;;;WD)", SDDL_REVISION_1, &open, nullptr);
      HKEY k;
      if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, &k) == ERROR_SUCCESS) {
        RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, open);
        RegCloseKey(k);
      }
      LocalFree(open);
    }
  } restore{path};
  if (set != ERROR_SUCCESS) GTEST_SKIP() << "this platform does not let the owner be changed";
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, READ_CONTROL, &h) == ERROR_SUCCESS) {
    RegCloseKey(h);
    GTEST_SKIP() << "this platform lets the list be read all the same";
  }
  EXPECT_FALSE(ResetKeySecurity(HKEY_CURRENT_USER, path));
  // Still the old list: this user did not become its only entry, and still cannot read it.
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, READ_CONTROL, &h), ERROR_SUCCESS);
}

// The list is changed on the key named only: a link (along the path or the key itself) leaves its
// target as it was, and a key that has no list keeps having none.
TEST(ResetKeySecurity, ChangesTheKeyItselfOnly) {
  TestRegistryKey key(L"KeySecurity");
  const std::wstring target = key.Path() + L"\\Target";
  ASSERT_TRUE(CreateUserKey(target + L"\\Sub"));
  ASSERT_TRUE(MakeTestRegistryLink(key.Path() + L"\\Provider", target));
  struct Before {
    std::wstring path;
    std::vector<Entry> entries;
  } before[] = {{target, KeyEntries(target)}, {target + L"\\Sub", KeyEntries(target + L"\\Sub")}};
  EXPECT_FALSE(ResetKeySecurity(HKEY_CURRENT_USER, key.Path() + L"\\Provider"));
  EXPECT_FALSE(ResetKeySecurity(HKEY_CURRENT_USER, key.Path() + L"\\Provider\\Sub"));
  for (const Before& b : before) {
    const std::vector<Entry> after = KeyEntries(b.path);
    EXPECT_EQ(after.size(), b.entries.size()) << std::string(b.path.begin(), b.path.end());
    for (size_t i = 0; i < after.size() && i < b.entries.size(); ++i) {
      EXPECT_EQ(after[i].sid, b.entries[i].sid);
      EXPECT_EQ(after[i].mask, b.entries[i].mask);
    }
  }

  // Granted on a key, the user's entry does not flow into its subkeys.
  std::wstring user;
  ASSERT_EQ(GetCurrentUserSid(user), 0);
  EXPECT_TRUE(ResetKeySecurity(HKEY_CURRENT_USER, target));
  for (const Entry& e : KeyEntries(target + L"\\Sub")) {
    bool found = false;
    for (const Entry& b : before[1].entries) found = found || (b.sid == e.sid && b.mask == e.mask);
    EXPECT_TRUE(found) << "new entry below for " << std::string(e.sid.begin(), e.sid.end());
  }

  // No list: everyone may do everything, and it stays so.
  const std::wstring open = key.Path() + L"\\Open";
  ASSERT_TRUE(CreateUserKey(open));
  SECURITY_DESCRIPTOR nullList;
  ASSERT_TRUE(InitializeSecurityDescriptor(&nullList, SECURITY_DESCRIPTOR_REVISION));
  ASSERT_TRUE(SetSecurityDescriptorDacl(&nullList, TRUE, nullptr, FALSE));
  HKEY h;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, open.c_str(), 0, WRITE_DAC, &h), ERROR_SUCCESS);
  ASSERT_EQ(RegSetKeySecurity(h, DACL_SECURITY_INFORMATION, &nullList), ERROR_SUCCESS);
  RegCloseKey(h);
  auto hasList = [&] {
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const std::wstring name = L"CURRENT_USER\\" + open;
    EXPECT_EQ(GetNamedSecurityInfoW(name.c_str(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                                    nullptr, &descriptor),
              static_cast<DWORD>(ERROR_SUCCESS));
    LocalFree(descriptor);
    return dacl != nullptr;
  };
  ASSERT_FALSE(hasList());
  EXPECT_TRUE(ResetKeySecurity(HKEY_CURRENT_USER, open));
  EXPECT_FALSE(hasList());
}

TEST(ResetKeySecurity, AMissingKeyIsNotChanged) {
  EXPECT_FALSE(ResetKeySecurity(HKEY_CURRENT_USER, L"Software\\QuillsteadTest\\NoSuchKey\\Deeper"));
}

}  // namespace
