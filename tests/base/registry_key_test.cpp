#include "base/registry_key.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "base/exception.h"
#include "tests/base/locked_key.h"
#include "tests/base/test_keys.h"

namespace {

void SetRaw(const std::wstring& path, const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(key);
}

}  // namespace

TEST(RegistryKey, OpenCreateAndPaths) {
  TestRegistryKey test(L"RegKeyPaths");
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  EXPECT_FALSE(reg.OpenKey(L"\\" + test.Path() + L"\\A", false));
  EXPECT_EQ(reg.CurrentKey(), nullptr);
  ASSERT_TRUE(reg.OpenKey(L"\\" + test.Path() + L"\\A", true));
  EXPECT_EQ(reg.CurrentPath(), test.Path() + L"\\A");
  // A relative path goes below the open key, a leading backslash below the root.
  ASSERT_TRUE(reg.OpenKey(L"B", true));
  EXPECT_EQ(reg.CurrentPath(), test.Path() + L"\\A\\B");
  EXPECT_TRUE(TestKeyExists(test.Path() + L"\\A\\B"));
  ASSERT_TRUE(reg.OpenKey(L"\\" + test.Path(), false));
  EXPECT_EQ(reg.CurrentPath(), test.Path());
  EXPECT_TRUE(reg.KeyExists(L"A\\B"));
  EXPECT_TRUE(reg.KeyExists(L"\\" + test.Path() + L"\\A"));
  EXPECT_FALSE(reg.KeyExists(L"\\A\\B"));
  // A failed open leaves no key open: nothing of the previous key shows through.
  reg.WriteString(L"v", L"x");
  EXPECT_FALSE(reg.OpenKey(L"Missing", false));
  EXPECT_EQ(reg.CurrentKey(), nullptr);
  EXPECT_EQ(reg.CurrentPath(), L"");
  EXPECT_FALSE(reg.ValueExists(L"v"));
  EXPECT_EQ(reg.ReadString(L"v"), L"");
  std::vector<std::wstring> names{L"stale"};
  reg.GetKeyNames(names);
  EXPECT_TRUE(names.empty());
  EXPECT_THROW(reg.WriteString(L"v", L"y"), ERegistryException);
  // Without an open key, a relative path is below the root.
  EXPECT_TRUE(reg.OpenKey(test.Path() + L"\\A", false));
}

TEST(RegistryKey, ValuesOfEveryKind) {
  TestRegistryKey test(L"RegKeyValues");
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(reg.OpenKey(L"\\" + test.Path(), false));
  reg.WriteString(L"Str", L"text \u6ce8");
  reg.WriteExpandString(L"Exp", L"%windir%\\x");
  reg.WriteInteger(L"Int", -5);
  const BYTE bytes[] = {1, 0, 2};
  reg.WriteBinaryData(L"Bin", bytes, sizeof(bytes));
  reg.WriteString(L"", L"default");

  EXPECT_EQ(reg.ReadString(L"Str"), L"text \u6ce8");
  EXPECT_EQ(reg.ReadString(L"Exp"), L"%windir%\\x");  // not expanded
  EXPECT_EQ(reg.ReadString(L""), L"default");
  EXPECT_EQ(reg.ReadString(L"Absent"), L"");
  EXPECT_EQ(reg.ReadInteger(L"Int"), -5);
  EXPECT_EQ(reg.ReadBinaryData(L"Bin"), std::vector<BYTE>(bytes, bytes + 3));
  EXPECT_TRUE(reg.ReadBinaryData(L"Absent").empty());
  EXPECT_EQ(reg.GetDataType(L"Exp"), static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_EQ(reg.GetDataType(L"Absent"), static_cast<DWORD>(REG_NONE));
  EXPECT_EQ(reg.GetDataSize(L"Int"), 4);
  EXPECT_EQ(reg.GetDataSize(L"Absent"), -1);
  EXPECT_TRUE(reg.ValueExists(L"Bin"));
  EXPECT_FALSE(reg.ValueExists(L"Absent"));

  std::vector<std::wstring> values;
  reg.GetValueNames(values);
  std::sort(values.begin(), values.end());
  EXPECT_EQ(values, std::vector<std::wstring>({L"", L"Bin", L"Exp", L"Int", L"Str"}));
  EXPECT_FALSE(reg.HasSubKeys());
  TRegKeyInfo info;
  ASSERT_TRUE(reg.GetKeyInfo(info));
  EXPECT_EQ(info.NumValues, 5u);
  EXPECT_TRUE(reg.DeleteValue(L"Bin"));
  EXPECT_FALSE(reg.DeleteValue(L"Bin"));
}

TEST(RegistryKey, ReadStringStopsAtFirstZeroCharacter) {
  TestRegistryKey test(L"RegKeyZero");
  const wchar_t data[] = L"ab\0cd";
  SetRaw(test.Path(), L"S", REG_SZ, data, sizeof(data));
  // Odd byte counts and data without a terminator are read as far as they go.
  SetRaw(test.Path(), L"Odd", REG_SZ, L"xyz", 5);
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(reg.OpenKeyReadOnly(L"\\" + test.Path()));
  EXPECT_EQ(reg.ReadString(L"S"), L"ab");
  EXPECT_EQ(reg.ReadString(L"Odd"), L"xy");
}

TEST(RegistryKey, WrongTypesRaise) {
  TestRegistryKey test(L"RegKeyTypes");
  DWORD dword = 7;
  SetRaw(test.Path(), L"Dword", REG_DWORD, &dword, 4);
  const wchar_t multi[] = L"a\0b\0";
  SetRaw(test.Path(), L"Multi", REG_MULTI_SZ, multi, sizeof(multi));
  SetRaw(test.Path(), L"Short", REG_DWORD, &dword, 2);
  SetRaw(test.Path(), L"Text", REG_SZ, L"12", 6);
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(reg.OpenKey(L"\\" + test.Path(), false));
  for (const wchar_t* name : {L"Dword", L"Multi"}) {
    try {
      reg.ReadString(name);
      ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
      EXPECT_EQ(e.Message(), L"Invalid data type for '" + std::wstring(name) + L"'");
    }
  }
  EXPECT_EQ(reg.ReadInteger(L"Dword"), 7);
  EXPECT_THROW(reg.ReadInteger(L"Short"), ERegistryException);
  EXPECT_THROW(reg.ReadInteger(L"Text"), ERegistryException);
  EXPECT_THROW(reg.ReadInteger(L"Absent"), ERegistryException);
}

TEST(RegistryKey, KeyWithoutWriteAccessOpensReadOnlyOnly) {
  TestRegistryKey test(L"RegKeyAcl");
  const std::wstring path = test.Path() + L"\\Locked";
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, L"v", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4);
  RegCloseKey(key);
  // Everyone may read; nobody may write (until the lock goes, so the test key can be removed).
  WriteLockedKey lock(HKEY_CURRENT_USER, path);
  if (!lock.Enforced()) GTEST_SKIP() << "this platform does not enforce registry key security";

  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  EXPECT_FALSE(reg.OpenKey(L"\\" + path, false));
  EXPECT_FALSE(reg.OpenKey(L"\\" + path, true));
  EXPECT_TRUE(reg.KeyExists(L"\\" + path));
  ASSERT_TRUE(reg.OpenKeyReadOnly(L"\\" + path));
  EXPECT_EQ(reg.ReadString(L"v"), L"x");
  EXPECT_THROW(reg.WriteString(L"v", L"y"), ERegistryException);
}

TEST(RegistryKey, DeleteKeyRemovesTheWholeSubtree) {
  TestRegistryKey test(L"RegKeyDelete");
  DWORD one = 1;
  SetRaw(test.Path() + L"\\Tree\\A\\A1\\A2", L"v", REG_DWORD, &one, 4);
  SetRaw(test.Path() + L"\\Tree\\B", L"v", REG_DWORD, &one, 4);
  SetRaw(test.Path() + L"\\Keep", L"v", REG_DWORD, &one, 4);
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(reg.OpenKey(L"\\" + test.Path(), false));
  std::vector<std::wstring> keys;
  reg.GetKeyNames(keys);
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(keys, std::vector<std::wstring>({L"Keep", L"Tree"}));
  EXPECT_TRUE(reg.HasSubKeys());
  EXPECT_TRUE(reg.DeleteKey(L"Tree"));
  EXPECT_FALSE(TestKeyExists(test.Path() + L"\\Tree"));
  EXPECT_TRUE(TestKeyExists(test.Path() + L"\\Keep"));
  // A key that is already gone is no failure: what the caller wanted holds.
  EXPECT_TRUE(reg.DeleteKey(L"Tree"));
  EXPECT_FALSE(reg.DeleteKey(L""));
  EXPECT_FALSE(reg.DeleteKey(L"\\"));
  EXPECT_TRUE(reg.DeleteKey(L"\\" + test.Path() + L"\\Keep"));
  EXPECT_FALSE(TestKeyExists(test.Path() + L"\\Keep"));
  EXPECT_TRUE(TestKeyExists(test.Path()));
}

// A link key met while deleting is deleted itself; the tree it points to stays, whether the link is
// the key named or one below it.
TEST(RegistryKey, DeleteKeyNeverFollowsARegistryLink) {
  TestRegistryKey test(L"RegKeyLink");
  const std::wstring target = test.Path() + L"\\Target";
  DWORD one = 1;
  SetRaw(target + L"\\Inner", L"v", REG_DWORD, &one, 4);
  SetRaw(target, L"v", REG_DWORD, &one, 4);
  SetRaw(test.Path() + L"\\Tree\\Plain", L"v", REG_DWORD, &one, 4);
  ASSERT_TRUE(MakeTestRegistryLink(test.Path() + L"\\Tree\\Link", target));
  ASSERT_TRUE(MakeTestRegistryLink(test.Path() + L"\\TopLink", target));
  // The platform follows the links: opening them reaches the target.
  ASSERT_TRUE(TestKeyExists(test.Path() + L"\\Tree\\Link\\Inner"));

  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  EXPECT_TRUE(reg.DeleteKey(L"\\" + test.Path() + L"\\Tree"));
  EXPECT_FALSE(TestLinkKeyExists(test.Path() + L"\\Tree"));
  EXPECT_TRUE(reg.DeleteKey(L"\\" + test.Path() + L"\\TopLink"));
  EXPECT_FALSE(TestLinkKeyExists(test.Path() + L"\\TopLink"));
  EXPECT_TRUE(TestValueExists(target, L"v"));
  EXPECT_TRUE(TestValueExists(target + L"\\Inner", L"v"));
}

// A value is deleted in the key named, never behind a link that key is.
TEST(RegistryKey, DeleteRegValueNeverReachesThroughALink) {
  TestRegistryKey test(L"RegValueLink");
  const std::wstring target = test.Path() + L"\\Target";
  DWORD one = 1;
  SetRaw(target, L"v", REG_DWORD, &one, 4);
  SetRaw(test.Path() + L"\\Plain", L"v", REG_DWORD, &one, 4);
  ASSERT_TRUE(MakeTestRegistryLink(test.Path() + L"\\Link", target));
  ASSERT_TRUE(TestValueExists(test.Path() + L"\\Link", L"v"));  // the platform reads through it
  EXPECT_EQ(DeleteRegValue(HKEY_CURRENT_USER, test.Path() + L"\\Link", L"v"), TRegDeleteResult::Failed);
  EXPECT_TRUE(TestValueExists(target, L"v"));
  EXPECT_EQ(DeleteRegValue(HKEY_CURRENT_USER, test.Path() + L"\\Plain", L"v"), TRegDeleteResult::Deleted);
  EXPECT_EQ(DeleteRegValue(HKEY_CURRENT_USER, test.Path() + L"\\Plain", L"v"), TRegDeleteResult::Absent);
  EXPECT_EQ(DeleteRegValue(HKEY_CURRENT_USER, test.Path() + L"\\Missing", L"v"), TRegDeleteResult::Absent);
}

// A path that runs through a link names a key elsewhere: whatever is asked below the link, nothing
// is deleted, in the link's target or anywhere else.
TEST(RegistryKey, NothingIsDeletedBelowALinkAlongThePath) {
  TestRegistryKey test(L"RegLinkAlong");
  const std::wstring target = test.Path() + L"\\Target";
  const std::wstring below = test.Path() + L"\\Holder\\Link\\B";
  ASSERT_TRUE(WriteTestString(target + L"\\B\\C\\D", L"v", L"x"));
  ASSERT_TRUE(WriteTestString(target + L"\\B", L"v", L"x"));
  ASSERT_TRUE(WriteTestString(test.Path() + L"\\Holder", L"v", L"x"));
  ASSERT_TRUE(MakeTestRegistryLink(test.Path() + L"\\Holder\\Link", target));
  ASSERT_TRUE(TestValueExists(below, L"v"));  // the platform follows the link
  struct Case {
    const wchar_t* what;
    std::function<bool()> refused;
  };
  const Case cases[] = {
      {L"key with subtree", [&] { return DeleteRegKey(HKEY_CURRENT_USER, below, true) == TRegDeleteResult::Failed; }},
      {L"key alone", [&] { return DeleteRegKey(HKEY_CURRENT_USER, below + L"\\C\\D", false) == TRegDeleteResult::Failed; }},
      {L"doubled backslash",
       [&] { return DeleteRegKey(HKEY_CURRENT_USER, test.Path() + L"\\Holder\\\\Link\\B", true) == TRegDeleteResult::Failed; }},
      {L"value", [&] { return DeleteRegValue(HKEY_CURRENT_USER, below, L"v") == TRegDeleteResult::Failed; }},
      {L"subkeys", [&] { return !DeleteRegSubKeys(HKEY_CURRENT_USER, below); }},
      {L"relative to an open key", [&] {
         TRegistry reg;
         reg.SetRootKey(HKEY_CURRENT_USER);
         return reg.OpenKey(L"\\" + test.Path(), false) && !reg.DeleteKey(L"Holder\\Link\\B");
       }},
      {L"value of a key opened through the link", [&] {
         TRegistry reg;
         reg.SetRootKey(HKEY_CURRENT_USER);
         return reg.OpenKey(L"\\" + below, false) && reg.ValueExists(L"v") && !reg.DeleteValue(L"v");
       }},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(c.refused()) << c.what;
    EXPECT_TRUE(TestValueExists(target + L"\\B\\C\\D", L"v")) << c.what;
    EXPECT_TRUE(TestValueExists(target + L"\\B", L"v")) << c.what;
    EXPECT_TRUE(TestLinkKeyExists(test.Path() + L"\\Holder\\Link")) << c.what;
  }
  // Absent below a link is still no deletion: the missing key is looked for nowhere else.
  EXPECT_EQ(DeleteRegKey(HKEY_CURRENT_USER, test.Path() + L"\\Holder\\Link\\Missing", true), TRegDeleteResult::Failed);
  // The path up to the link is plain: the holder itself goes, and the link with it, not its target.
  EXPECT_EQ(DeleteRegKey(HKEY_CURRENT_USER, test.Path() + L"\\Holder", true), TRegDeleteResult::Deleted);
  EXPECT_TRUE(TestValueExists(target + L"\\B\\C\\D", L"v"));
}

// Emptying a key of its subkeys leaves the key; a key that is a link is emptied of nothing, so its
// target keeps its subkeys.
TEST(RegistryKey, DeleteRegSubKeysKeepsTheKeyAndNeverEmptiesALinksTarget) {
  TestRegistryKey test(L"RegSubKeys");
  DWORD one = 1;
  SetRaw(test.Path() + L"\\Target\\Inner", L"v", REG_DWORD, &one, 4);
  SetRaw(test.Path() + L"\\List\\A\\Deep", L"v", REG_DWORD, &one, 4);
  SetRaw(test.Path() + L"\\List\\B", L"v", REG_DWORD, &one, 4);
  SetRaw(test.Path() + L"\\List", L"own", REG_DWORD, &one, 4);
  ASSERT_TRUE(MakeTestRegistryLink(test.Path() + L"\\Link", test.Path() + L"\\Target"));
  EXPECT_TRUE(DeleteRegSubKeys(HKEY_CURRENT_USER, test.Path() + L"\\List"));
  EXPECT_TRUE(TestValueExists(test.Path() + L"\\List", L"own"));
  EXPECT_FALSE(TestKeyExists(test.Path() + L"\\List\\A"));
  EXPECT_FALSE(TestKeyExists(test.Path() + L"\\List\\B"));
  EXPECT_TRUE(DeleteRegSubKeys(HKEY_CURRENT_USER, test.Path() + L"\\Link"));
  EXPECT_TRUE(TestValueExists(test.Path() + L"\\Target\\Inner", L"v"));
  EXPECT_TRUE(DeleteRegSubKeys(HKEY_CURRENT_USER, test.Path() + L"\\Missing"));
}

// Without the subtree only a key that has no subkeys goes.
TEST(RegistryKey, DeleteRegKeyAloneKeepsAKeyWithSubkeys) {
  TestRegistryKey test(L"RegKeyAlone");
  DWORD one = 1;
  SetRaw(test.Path() + L"\\Parent\\Child", L"v", REG_DWORD, &one, 4);
  EXPECT_EQ(DeleteRegKey(HKEY_CURRENT_USER, test.Path() + L"\\Parent", false), TRegDeleteResult::Failed);
  EXPECT_TRUE(TestKeyExists(test.Path() + L"\\Parent\\Child"));
  EXPECT_EQ(DeleteRegKey(HKEY_CURRENT_USER, test.Path() + L"\\Parent\\Child", false), TRegDeleteResult::Deleted);
  EXPECT_EQ(DeleteRegKey(HKEY_CURRENT_USER, test.Path() + L"\\Parent\\Child", false), TRegDeleteResult::Absent);
  EXPECT_EQ(DeleteRegKey(HKEY_CURRENT_USER, test.Path() + L"\\Missing\\Child", true), TRegDeleteResult::Absent);
  EXPECT_EQ(DeleteRegKey(HKEY_CURRENT_USER, L"", true), TRegDeleteResult::Failed);
}

TEST(RegistryKey, ReadTextOrEmptyTakesOddTypesAsEmpty) {
  TestRegistryKey test(L"RegKeyTextOrEmpty");
  const wchar_t text[] = L"%TEMP%\\x";
  const DWORD number = 7;
  const BYTE bytes[] = {'a', 0, 'b', 0};
  SetRaw(test.Path(), L"expand", REG_EXPAND_SZ, text, sizeof text);
  SetRaw(test.Path(), L"dword", REG_DWORD, &number, sizeof number);
  SetRaw(test.Path(), L"binary", REG_BINARY, bytes, sizeof bytes);
  TRegistry reg;
  reg.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(reg.OpenKeyReadOnly(L"\\" + test.Path()));
  EXPECT_EQ(ReadTextOrEmpty(reg, L"expand"), L"%TEMP%\\x");
  EXPECT_EQ(ReadTextOrEmpty(reg, L"dword"), L"");
  EXPECT_EQ(ReadTextOrEmpty(reg, L"binary"), L"");
  EXPECT_EQ(ReadTextOrEmpty(reg, L"absent"), L"");
}

// Windows keeps a few links of its own; only those, leading where Windows points them, are taken.
TEST(RegistryKey, SystemLinksAreTheSystemsOwnAndLeadWhereTheSystemPointsThem) {
  const std::wstring machine = L"\\REGISTRY\\MACHINE";
  const std::wstring user = L"\\REGISTRY\\USER\\S-1-5-21-7-8-9-1001";
  struct Case {
    const wchar_t* link;
    const wchar_t* target;
    bool system;
  };
  const Case cases[] = {
      {L"\\REGISTRY\\MACHINE\\SYSTEM\\CurrentControlSet", L"\\Registry\\Machine\\System\\ControlSet001", true},
      {L"\\Registry\\Machine\\System\\currentcontrolset", L"\\REGISTRY\\MACHINE\\SYSTEM\\ControlSet002", true},
      {L"\\REGISTRY\\MACHINE\\SYSTEM\\CurrentControlSet", L"\\REGISTRY\\MACHINE\\SYSTEM\\ControlSet1", false},
      {L"\\REGISTRY\\MACHINE\\SYSTEM\\CurrentControlSet", L"\\REGISTRY\\MACHINE\\SOFTWARE", false},
      {L"\\REGISTRY\\MACHINE\\SYSTEM\\CurrentControlSet", L"\\REGISTRY\\MACHINE\\SYSTEM\\ControlSet001\\Services", false},
      {L"\\REGISTRY\\MACHINE\\SYSTEM\\ControlSet001\\Hardware Profiles\\Current",
       L"\\Registry\\Machine\\System\\CurrentControlSet\\Hardware Profiles\\0001", true},
      {L"\\REGISTRY\\MACHINE\\SYSTEM\\ControlSet001\\Hardware Profiles\\Current",
       L"\\REGISTRY\\MACHINE\\SYSTEM\\ControlSet001\\Hardware Profiles\\0002", true},
      {L"\\REGISTRY\\MACHINE\\SYSTEM\\ControlSet001\\Hardware Profiles\\Current",
       L"\\REGISTRY\\MACHINE\\SOFTWARE\\Classes", false},
      {L"\\REGISTRY\\MACHINE\\SYSTEM\\ControlSet001\\Hardware Profiles\\Other",
       L"\\REGISTRY\\MACHINE\\SYSTEM\\ControlSet001\\Hardware Profiles\\0001", false},
      {L"\\REGISTRY\\USER\\S-1-5-21-7-8-9-1001\\Software\\Classes", L"\\REGISTRY\\USER\\S-1-5-21-7-8-9-1001_Classes",
       true},
      // The user may replace the link in the user's own key: pointing it at the machine's classes
      // or another user's is not the system's link.
      {L"\\REGISTRY\\USER\\S-1-5-21-7-8-9-1001\\Software\\Classes", L"\\REGISTRY\\MACHINE\\SOFTWARE\\Classes", false},
      {L"\\REGISTRY\\USER\\S-1-5-21-7-8-9-1001\\Software\\Classes", L"\\REGISTRY\\USER\\S-1-5-21-7-8-9-500_Classes",
       false},
      {L"\\REGISTRY\\USER\\S-1-5-21-7-8-9-500\\Software\\Classes", L"\\REGISTRY\\USER\\S-1-5-21-7-8-9-500_Classes",
       false},
      {L"\\REGISTRY\\USER\\S-1-5-21-7-8-9-1001\\Software\\Other", L"\\REGISTRY\\USER\\S-1-5-21-7-8-9-1001_Classes",
       false},
      {L"\\REGISTRY\\MACHINE\\SOFTWARE\\Classes", L"\\REGISTRY\\MACHINE\\SYSTEM\\ControlSet001", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsSystemRegLink(c.link, c.target, machine, user), c.system) << c.link << L" -> " << c.target;
}

namespace {

// Windows' registry links laid out among the test's own keys: <test>\Machine stands for the machine
// hive and <test>\User for the current user's key.
class WindowsLinkLayout {
 public:
  explicit WindowsLinkLayout(const TestRegistryKey& test)
      : machine_(test.Path() + L"\\Machine"), user_(test.Path() + L"\\User") {}
  ~WindowsLinkLayout() { SetSystemRegLinkRootsForTesting(L"", L""); }
  bool Build() {
    if (!WriteTestString(machine_ + L"\\SYSTEM\\ControlSet001\\Services\\Svc\\Parameters", L"v", L"x") ||
        !WriteTestString(machine_ + L"\\SYSTEM\\ControlSet001\\Services\\Mine", L"v", L"x") ||
        !WriteTestString(machine_ + L"\\SYSTEM\\ControlSet001\\Hardware Profiles\\0001\\Software\\App", L"v", L"x") ||
        !WriteTestString(user_ + L"_Classes\\CLSID\\{1}", L"v", L"x") || !WriteTestString(user_ + L"\\Software", L"v", L"x"))
      return false;
    const std::wstring machine = KernelKeyName(HKEY_CURRENT_USER, machine_);
    const std::wstring user = KernelKeyName(HKEY_CURRENT_USER, user_);
    SetSystemRegLinkRootsForTesting(machine, user);
    return MakeTestRegistryLink(machine_ + L"\\SYSTEM\\CurrentControlSet", machine_ + L"\\SYSTEM\\ControlSet001") &&
           MakeTestRegistryLinkToName(machine_ + L"\\SYSTEM\\ControlSet001\\Hardware Profiles\\Current",
                                      machine + L"\\SYSTEM\\CurrentControlSet\\Hardware Profiles\\0001") &&
           MakeTestRegistryLinkToName(user_ + L"\\Software\\Classes", user + L"_Classes") &&
           // Links of the user's making at the same depths.
           MakeTestRegistryLink(machine_ + L"\\SYSTEM\\OtherControlSet", machine_ + L"\\SYSTEM\\ControlSet001") &&
           MakeTestRegistryLink(machine_ + L"\\SYSTEM\\ControlSet001\\Hardware Profiles\\Mine",
                                machine_ + L"\\SYSTEM\\ControlSet001\\Hardware Profiles\\0001") &&
           MakeTestRegistryLink(user_ + L"\\Software\\MyClasses", user_ + L"_Classes");
  }
  const std::wstring& Machine() const { return machine_; }
  const std::wstring& User() const { return user_; }

 private:
  std::wstring machine_, user_;
};

}  // namespace

// Records below CurrentControlSet, HKEY_CURRENT_CONFIG and the user's classes are cleaned through
// Windows' own links; the same records through a link the user made are refused.
TEST(RegistryKey, CleaningWorksBelowTheSystemsOwnLinksOnly) {
  TestRegistryKey test(L"RegSystemLinks");
  WindowsLinkLayout layout(test);
  ASSERT_TRUE(layout.Build());
  const std::wstring controlSet = layout.Machine() + L"\\SYSTEM\\ControlSet001";
  ASSERT_TRUE(TestValueExists(layout.Machine() + L"\\SYSTEM\\CurrentControlSet\\Services\\Svc\\Parameters", L"v"));

  struct Case {
    const wchar_t* what;
    std::function<TRegDeleteResult()> run;
    std::wstring gone;  // the key whose value "v" goes: the key deleted or one below it
  };
  const Case refused[] = {
      {L"key through a user's control set link",
       [&] { return DeleteRegKey(HKEY_CURRENT_USER, layout.Machine() + L"\\SYSTEM\\OtherControlSet\\Services\\Svc", true); },
       controlSet + L"\\Services\\Svc\\Parameters"},
      {L"value through a user's profile link",
       [&] {
         return DeleteRegValue(HKEY_CURRENT_USER,
                               controlSet + L"\\Hardware Profiles\\Mine\\Software\\App", L"v");
       },
       controlSet + L"\\Hardware Profiles\\0001\\Software\\App"},
      {L"key through a user's classes link",
       [&] { return DeleteRegKey(HKEY_CURRENT_USER, layout.User() + L"\\Software\\MyClasses\\CLSID\\{1}", true); },
       layout.User() + L"_Classes\\CLSID\\{1}"},
  };
  for (const Case& c : refused) {
    EXPECT_EQ(c.run(), TRegDeleteResult::Failed) << c.what;
    EXPECT_TRUE(TestValueExists(c.gone, L"v")) << c.what;
  }

  // Inside the tree being deleted a link is still the link itself.
  ASSERT_TRUE(MakeTestRegistryLink(controlSet + L"\\Services\\Svc\\Inner", controlSet + L"\\Services\\Mine"));
  const Case cleaned[] = {
      {L"service key below CurrentControlSet",
       [&] { return DeleteRegKey(HKEY_CURRENT_USER, layout.Machine() + L"\\SYSTEM\\CurrentControlSet\\Services\\Svc", true); },
       controlSet + L"\\Services\\Svc\\Parameters"},
      {L"value below the current hardware profile",
       [&] {
         return DeleteRegValue(HKEY_CURRENT_USER,
                               layout.Machine() + L"\\SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\App",
                               L"v");
       },
       controlSet + L"\\Hardware Profiles\\0001\\Software\\App"},
      {L"class key below the user's classes",
       [&] { return DeleteRegKey(HKEY_CURRENT_USER, layout.User() + L"\\Software\\Classes\\CLSID\\{1}", true); },
       layout.User() + L"_Classes\\CLSID\\{1}"},
  };
  for (const Case& c : cleaned) {
    EXPECT_EQ(c.run(), TRegDeleteResult::Deleted) << c.what;
    EXPECT_FALSE(TestValueExists(c.gone, L"v")) << c.what;
  }
  EXPECT_FALSE(TestKeyExists(controlSet + L"\\Services\\Svc"));
  EXPECT_TRUE(TestValueExists(controlSet + L"\\Services\\Mine", L"v"));
  // The system's own links themselves stay.
  EXPECT_TRUE(TestLinkKeyExists(layout.Machine() + L"\\SYSTEM\\CurrentControlSet"));

  // The user's classes link pointed at the machine's classes is no longer the system's link.
  ASSERT_TRUE(WriteTestString(layout.Machine() + L"\\SOFTWARE\\Classes\\CLSID\\{1}", L"v", L"x"));
  ASSERT_EQ(DeleteRegKey(HKEY_CURRENT_USER, layout.User() + L"\\Software\\Classes", false), TRegDeleteResult::Deleted);
  ASSERT_TRUE(MakeTestRegistryLink(layout.User() + L"\\Software\\Classes", layout.Machine() + L"\\SOFTWARE\\Classes"));
  EXPECT_EQ(DeleteRegKey(HKEY_CURRENT_USER, layout.User() + L"\\Software\\Classes\\CLSID\\{1}", true),
            TRegDeleteResult::Failed);
  EXPECT_TRUE(TestValueExists(layout.Machine() + L"\\SOFTWARE\\Classes\\CLSID\\{1}", L"v"));
}

// One deleter for many records keeps the parents of the last one open; what it kept never lets a
// record through a link made since, nor counts a key gone that is there.
TEST(RegistryKey, ADeleterReusesParentsButNeverAKeyThatWasReplaced) {
  TestRegistryKey test(L"RegDeleter");
  const std::wstring a = test.Path() + L"\\A";
  for (const wchar_t* sub : {L"\\B", L"\\C", L"\\D"}) ASSERT_TRUE(WriteTestString(a + sub, L"v", L"x"));
  ASSERT_TRUE(WriteTestString(a + L"\\B", L"w", L"x"));
  ASSERT_TRUE(WriteTestString(test.Path() + L"\\Target\\B", L"v", L"x"));
  TRegDeleter deleter;
  EXPECT_EQ(deleter.DeleteValue(HKEY_CURRENT_USER, a + L"\\B", L"v"), TRegDeleteResult::Deleted);
  EXPECT_EQ(deleter.DeleteValue(HKEY_CURRENT_USER, a + L"\\B", L"w"), TRegDeleteResult::Deleted);
  EXPECT_EQ(deleter.DeleteKey(HKEY_CURRENT_USER, a + L"\\C", true), TRegDeleteResult::Deleted);
  EXPECT_EQ(deleter.DeleteValue(HKEY_CURRENT_USER, a + L"\\C", L"v"), TRegDeleteResult::Absent);
  EXPECT_FALSE(TestKeyExists(a + L"\\C"));
  EXPECT_TRUE(TestValueExists(a + L"\\D", L"v"));

  // A, kept open, is replaced by a link to a key that has the same subkeys.
  ASSERT_EQ(DeleteRegKey(HKEY_CURRENT_USER, a, true), TRegDeleteResult::Deleted);
  ASSERT_TRUE(MakeTestRegistryLink(a, test.Path() + L"\\Target"));
  EXPECT_EQ(deleter.DeleteValue(HKEY_CURRENT_USER, a + L"\\B", L"v"), TRegDeleteResult::Failed);
  EXPECT_EQ(deleter.DeleteKey(HKEY_CURRENT_USER, a + L"\\B", true), TRegDeleteResult::Failed);
  EXPECT_TRUE(TestValueExists(test.Path() + L"\\Target\\B", L"v"));

  // Made again as a plain key, it is found again.
  ASSERT_EQ(DeleteRegKey(HKEY_CURRENT_USER, a, true), TRegDeleteResult::Deleted);
  ASSERT_TRUE(WriteTestString(a + L"\\B", L"v", L"x"));
  EXPECT_EQ(deleter.DeleteValue(HKEY_CURRENT_USER, a + L"\\B", L"v"), TRegDeleteResult::Deleted);
  EXPECT_FALSE(TestValueExists(a + L"\\B", L"v"));
}
