// Every name of one registry key comes to one canonical name.
#include "registry/reg_key_aliases.h"

#include <gtest/gtest.h>

#include "base/registry_key.h"
#include "base/strings.h"

namespace {

const HKEY CR = HKEY_CLASSES_ROOT, CU = HKEY_CURRENT_USER, LM = HKEY_LOCAL_MACHINE, U = HKEY_USERS,
           CC = HKEY_CURRENT_CONFIG;

TEST(CanonicalRegKeyName, EveryNameOfAKeyComesToOne) {
  TRegKeyAliases aliases;
  aliases.UserSid = L"S-1-5-21-7-8-9-1001";
  aliases.ControlSet = 2;
  aliases.HardwareProfile = 1;
  struct Case {
    HKEY root;
    const wchar_t* path;
    const wchar_t* name;
  };
  const Case cases[] = {
      {CU, L"\\Software\\App", L"hkcu\\software\\app"},
      {CU, L"  Software\\\\App\\ ", L"hkcu\\software\\app"},
      {U, L"\\S-1-5-21-7-8-9-1001\\Software\\App", L"hkcu\\software\\app"},
      {U, L"s-1-5-21-7-8-9-1001", L"hkcu"},
      // Another user's key, and a SID that only begins like this user's, stay theirs.
      {U, L"\\S-1-5-21-7-8-9-500\\Software\\App", L"hku\\s-1-5-21-7-8-9-500\\software\\app"},
      {U, L"\\S-1-5-21-7-8-9-10012\\Software", L"hku\\s-1-5-21-7-8-9-10012\\software"},
      // The class views.
      {CR, L"\\.txt", L"hkcr\\.txt"},
      {LM, L"\\SOFTWARE\\Classes\\.txt", L"hkcr\\.txt"},
      {LM, L"Software\\Classes", L"hkcr"},
      {CU, L"\\Software\\Classes\\.txt", L"hkcr\\.txt"},
      {U, L"\\S-1-5-21-7-8-9-1001_Classes\\.txt", L"hkcr\\.txt"},
      {U, L"\\S-1-5-21-7-8-9-1001\\Software\\Classes\\.txt", L"hkcr\\.txt"},
      {LM, L"\\SOFTWARE\\ClassesX", L"hklm\\software\\classesx"},
      // The current configuration and control set.
      {CC, L"\\Software\\Fonts", L"hklm\\system\\currentcontrolset\\hardware profiles\\current\\software\\fonts"},
      {LM, L"\\SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts",
       L"hklm\\system\\currentcontrolset\\hardware profiles\\current\\software\\fonts"},
      {LM, L"\\SYSTEM\\ControlSet002\\Hardware Profiles\\0001\\Software\\Fonts",
       L"hklm\\system\\currentcontrolset\\hardware profiles\\current\\software\\fonts"},
      {LM, L"\\SYSTEM\\ControlSet002\\Services\\Svc", L"hklm\\system\\currentcontrolset\\services\\svc"},
      // A control set or profile that is not the current one is another key.
      {LM, L"\\SYSTEM\\ControlSet001\\Services\\Svc", L"hklm\\system\\controlset001\\services\\svc"},
      {LM, L"\\SYSTEM\\CurrentControlSet\\Hardware Profiles\\0002",
       L"hklm\\system\\currentcontrolset\\hardware profiles\\0002"},
  };
  for (const Case& c : cases) EXPECT_EQ(CanonicalRegKeyName(c.root, c.path, aliases), c.name) << c.path;

  // Without aliases known, only the fixed names meet.
  const TRegKeyAliases none;
  EXPECT_EQ(CanonicalRegKeyName(U, L"\\S-1-5-21-7-8-9-1001\\Software", none), L"hku\\s-1-5-21-7-8-9-1001\\software");
  EXPECT_EQ(CanonicalRegKeyName(LM, L"\\SYSTEM\\ControlSet002", none), L"hklm\\system\\controlset002");
  EXPECT_EQ(CanonicalRegKeyName(CC, L"", none), L"hklm\\system\\currentcontrolset\\hardware profiles\\current");
}

TEST(CanonicalRegKeyName, ThisMachineKnowsItsUser) {
  const std::wstring user = CurrentUserKeyName();
  ASSERT_FALSE(user.empty());
  const std::wstring& sid = ThisMachineRegKeyAliases().UserSid;
  ASSERT_GT(sid.size(), 4u);
  EXPECT_EQ(sid.substr(0, 4), L"S-1-");
  EXPECT_TRUE(SameText(L"\\REGISTRY\\USER\\" + sid, user)) << user;
}

}  // namespace
