#include "registry/reg_names.h"

#include <gtest/gtest.h>

#include "base/strings.h"

TEST(RegNames, RootNamesBothWays) {
  struct Case {
    const wchar_t* name;
    HKEY root;
  } roots[] = {{L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},   {L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
               {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {L"HKEY_USERS", HKEY_USERS},
               {L"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG}};
  for (const Case& c : roots) {
    EXPECT_EQ(RootNameToHKey(c.name), c.root) << WideToUtf8(c.name);
    EXPECT_EQ(HKeyToRootName(c.root), c.name);
  }
  EXPECT_EQ(HKeyToRootName(HKEY_PERFORMANCE_DATA), L"HKEY_LOCAL_MACHINE");  // 0x80000004
  EXPECT_EQ(HKeyToRootName(nullptr), L"HKEY_LOCAL_MACHINE");
}

// Full names and the usual short forms in any letter case name their root; anything else names
// none, and never HKEY_LOCAL_MACHINE by default.
TEST(RegNames, RootSpellings) {
  struct Case {
    const wchar_t* name;
    HKEY root;
  } cases[] = {
      {L"  HKEY_USERS\t", HKEY_USERS},        {L"hkey_users", HKEY_USERS},
      {L"hkey_current_user", HKEY_CURRENT_USER}, {L"HKCU", HKEY_CURRENT_USER},
      {L"hkcu", HKEY_CURRENT_USER},           {L"HkLm", HKEY_LOCAL_MACHINE},
      {L"HKCR", HKEY_CLASSES_ROOT},           {L"hku", HKEY_USERS},
      {L" HKCC ", HKEY_CURRENT_CONFIG},       {L"Hkey_Current_Config", HKEY_CURRENT_CONFIG},
      {L"", nullptr},                         {L"HKEY_NOWHERE", nullptr},
      {L"HKLM\\Software", nullptr},           {L"HKEY_LOCAL_MACHINEX", nullptr},
      {L"HKEY_PERFORMANCE_DATA", nullptr},    {L"HKPD", nullptr},
  };
  for (const Case& c : cases) EXPECT_EQ(RootNameToHKey(c.name), c.root) << WideToUtf8(c.name);
}

TEST(RegNames, RootValuesAreSignExtended) {
  EXPECT_EQ(RootKeyFromValue(0x80000001), HKEY_CURRENT_USER);
  EXPECT_EQ(RootKeyValue(HKEY_CURRENT_USER), 0x80000001u);
  // The handle opens the real root.
  HKEY key;
  ASSERT_EQ(RegOpenKeyExW(RootKeyFromValue(0x80000001), L"Software", 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);
  // A root widened without its sign is still recognised by name.
  HKEY zeroExtended = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000003u));
  EXPECT_EQ(HKeyToRootName(zeroExtended), L"HKEY_USERS");
}

TEST(RegNames, ValueTypeNamesBothWays) {
  const wchar_t* names[] = {L"REG_NONE",  L"REG_SZ",    L"REG_EXPAND_SZ",        L"REG_BINARY",
                            L"REG_DWORD", L"REG_DWORD_BIG_ENDIAN", L"", L"REG_MULTI_SZ",
                            L"REG_RESOURCE_LIST"};
  for (DWORD type = 0; type <= 8; ++type) {
    EXPECT_EQ(RegTypeToName(type), names[type]) << type;
    if (type != 6) {
      EXPECT_EQ(RegNameToType(names[type]), type) << type;
    }
  }
  EXPECT_EQ(RegTypeToName(9), L"");
  EXPECT_EQ(RegTypeToName(0xFFFFFFFF), L"");
  EXPECT_EQ(RegNameToType(L"REG_DWORD_LITTLE_ENDIAN"), 4u);
  EXPECT_EQ(RegNameToType(L" REG_SZ "), 1u);
  EXPECT_EQ(RegNameToType(L"REG_LINK"), 0xFFFFFFFFu);
  EXPECT_EQ(RegNameToType(L"reg_sz"), 0xFFFFFFFFu);
  EXPECT_EQ(RegNameToType(L""), 0xFFFFFFFFu);
  EXPECT_EQ(RegNameToType(L"REG_QWORD"), 0xFFFFFFFFu);
}
