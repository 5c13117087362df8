// The installed-programs list over fixture software list keys: values, filters, the cached
// record, values of unexpected types, both passes, the texts, and removing an entry.
#include "tools/uninstall/uninstall_items.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <string>
#include <vector>

#include "base/date_time.h"
#include "base/files.h"
#include "tests/base/test_keys.h"
#include "tests/tools/uninstall/uninstall_fixture.h"

namespace {

// A software list key and a cache key of the test's own below HKEY_CURRENT_USER.
class UninstallItemsTest : public ::testing::Test {
 protected:
  void SetUp() override { SetProgramDateFormats(); }
  std::wstring List(const std::wstring& program = L"") const {
    return key_.Path() + L"\\List" + (program.empty() ? L"" : L"\\" + program);
  }
  std::wstring Cache(const std::wstring& program) const { return key_.Path() + L"\\Cache\\" + program; }
  TUninstallPass Pass() const { return {HKEY_CURRENT_USER, L"\\" + List(), L"\\" + key_.Path() + L"\\Cache"}; }
  std::vector<TUninstallItem> Scan() const {
    std::vector<TUninstallItem> items;
    ScanUninstallItems({Pass()}, items);
    return items;
  }
  std::vector<std::wstring> Names() const {
    std::vector<std::wstring> names;
    for (const TUninstallItem& item : Scan()) names.push_back(item.DisplayName);
    return names;
  }
  void PutCache(const std::wstring& program, const std::vector<BYTE>& record) {
    PutValue(HKEY_CURRENT_USER, Cache(program), L"SlowInfoCache", REG_BINARY, record.data(), record.size());
  }

  TestRegistryKey key_{L"Uninstall"};
};

TEST_F(UninstallItemsTest, AProgramWithItsCachedRecordHasEveryField) {
  const HKEY u = HKEY_CURRENT_USER;
  const std::wstring longCommand = L"C:\\Apps\\uninst.exe /remove " + std::wstring(700, L'x');
  PutText(u, List(L"Alpha"), L"DisplayName", L"Alpha App");
  PutText(u, List(L"Alpha"), L"UninstallString", longCommand);
  PutText(u, List(L"Alpha"), L"DisplayIcon", L"%SystemRoot%\\system32\\notepad.exe,0", REG_EXPAND_SZ);
  PutText(u, List(L"Alpha"), L"InstallDate", L"20240105");
  PutText(u, List(L"Alpha"), L"DisplayVersion", L"1.2.3");
  PutText(u, List(L"Alpha"), L"HelpLink", L"http://alpha.example/help");
  PutCache(L"Alpha", CacheRecord(true, 2097152, Day(2024, 2, 29), 12, L"C:\\Apps\\Alpha\\alpha.exe"));

  std::vector<TUninstallItem> items = Scan();
  ASSERT_EQ(items.size(), 1u);
  const TUninstallItem& a = items[0];
  EXPECT_EQ(a.DisplayName, L"Alpha App");
  EXPECT_EQ(a.UninstallString, longCommand);  // never cut
  EXPECT_EQ(a.DisplayIcon, ExpandEnvironmentText(L"%SystemRoot%\\system32\\notepad.exe"));
  EXPECT_EQ(a.ExeFile, L"C:\\Apps\\Alpha\\alpha.exe");  // the cached name wins over the icon's file
  EXPECT_EQ(a.InstallLocation, L"C:\\Apps\\Alpha\\");
  EXPECT_EQ(a.InstallDate, L"2024-01-05");
  EXPECT_EQ(a.DisplayVersion, L"1.2.3");
  EXPECT_EQ(a.HelpLink, L"http://alpha.example/help");
  EXPECT_TRUE(a.HasCache);
  EXPECT_EQ(a.Size, 2097152);
  EXPECT_EQ(a.Frequency, 12);
  EXPECT_EQ(a.LastUsed, L"2024-02-29");
  EXPECT_FALSE(a.TSAware);
  EXPECT_EQ(a.Root, HKEY_CURRENT_USER);
  EXPECT_EQ(a.Key, L"\\" + List(L"Alpha"));
}

TEST_F(UninstallItemsTest, WithoutACachedRecordTheUsageIsUnknown) {
  const HKEY u = HKEY_CURRENT_USER;
  PutText(u, List(L"Beta"), L"DisplayName", L"Beta");
  PutText(u, List(L"Beta"), L"DisplayIcon", L"\"C:\\Tools\\beta.exe\",1");
  PutText(u, List(L"Gamma"), L"DisplayName", L"Gamma");
  PutText(u, List(L"Gamma"), L"DisplayIcon", L"C:\\Tools\\gamma.ico");
  // A record too short for its fixed part counts as none.
  PutCache(L"Gamma", std::vector<BYTE>(20, 0x7F));
  PutText(u, List(L"Delta"), L"DisplayName", L"Delta");
  // A record without the name keeps the executable the icon named.
  PutText(u, List(L"Delta"), L"DisplayIcon", L"C:\\Tools\\delta.exe");
  PutCache(L"Delta", CacheRecord(false, 0, {}, 0, L"C:\\Elsewhere\\other.exe"));

  std::vector<TUninstallItem> items = Scan();
  ASSERT_EQ(items.size(), 3u);
  const TUninstallItem& beta = items[0];
  EXPECT_EQ(beta.ExeFile, L"C:\\Tools\\beta.exe");
  EXPECT_EQ(beta.InstallLocation, L"C:\\Tools\\");
  EXPECT_FALSE(beta.HasCache);
  EXPECT_EQ(beta.Size, -1);
  EXPECT_EQ(beta.Frequency, -1);
  EXPECT_EQ(beta.LastUsed, L"N/A");
  EXPECT_EQ(beta.InstallDate, L"N/A");
  EXPECT_EQ(beta.DisplayVersion, L"N/A");
  const TUninstallItem& delta = items[1];
  EXPECT_TRUE(delta.HasCache);
  EXPECT_EQ(delta.ExeFile, L"C:\\Tools\\delta.exe");
  EXPECT_EQ(delta.Size, 0);
  EXPECT_EQ(delta.LastUsed, L"N/A");
  const TUninstallItem& gamma = items[2];
  EXPECT_EQ(gamma.ExeFile, L"");  // an icon file is no executable
  EXPECT_FALSE(gamma.HasCache);
  EXPECT_EQ(gamma.Size, -1);
}

TEST_F(UninstallItemsTest, NamelessEntriesSystemComponentsAndHotfixesAreLeftOut) {
  const HKEY u = HKEY_CURRENT_USER;
  struct Entry {
    const wchar_t* key;
    const wchar_t* name;
    const wchar_t* releaseType;
    DWORD systemComponent;  // ~0: none
  } entries[] = {
      {L"A1", L"Listed", nullptr, ~0u},
      {L"A2", L"Component", nullptr, 1},
      {L"A3", L"Component 256", nullptr, 256},
      {L"A4", L"Component 0", nullptr, 0},
      {L"A5", L"Hotfix", L"Hotfix", ~0u},
      {L"A6", L"HotFix upper", L"HOTFIX", ~0u},
      {L"A7", L"Update", L"Update", ~0u},
      {L"A8", L"   ", nullptr, ~0u},
      {L"A9", nullptr, nullptr, ~0u},
  };
  for (const Entry& e : entries) {
    PutText(u, List(e.key), L"UninstallString", L"x.exe");
    if (e.name) PutText(u, List(e.key), L"DisplayName", e.name);
    if (e.releaseType) PutText(u, List(e.key), L"ReleaseType", e.releaseType);
    if (e.systemComponent != ~0u) PutDword(u, List(e.key), L"SystemComponent", e.systemComponent);
  }
  EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Listed", L"Component 256", L"Component 0", L"Update"}));
}

TEST_F(UninstallItemsTest, ValuesOfAnUnexpectedTypeAreShownOrSkippedAndTheListingGoesOn) {
  const HKEY u = HKEY_CURRENT_USER;
  const BYTE one[] = {1};
  // Numbers where text is wanted are shown in decimal; binary data counts as absent.
  PutText(u, List(L"B1"), L"DisplayName", L"Numbers");
  PutDword(u, List(L"B1"), L"DisplayVersion", 7);
  PutDword(u, List(L"B1"), L"InstallDate", 20240101);
  PutValue(u, List(L"B1"), L"HelpLink", REG_BINARY, one, 1);
  PutValue(u, List(L"B1"), L"UninstallString", REG_BINARY, one, 1);
  // A flag stored as text counts as the number it holds.
  PutText(u, List(L"B2"), L"DisplayName", L"Text flag");
  PutText(u, List(L"B2"), L"SystemComponent", L"1");
  PutText(u, List(L"B3"), L"DisplayName", L"Text TSAware");
  PutText(u, List(L"B3"), L"TSAware", L" 1 ");
  // A flag stored as binary data or as text that is no number counts as not set.
  PutText(u, List(L"B4"), L"DisplayName", L"Odd flags");
  PutValue(u, List(L"B4"), L"SystemComponent", REG_BINARY, one, 1);
  PutText(u, List(L"B4"), L"TSAware", L"yes");
  // A name of binary data is no name; a list of names shows its first one.
  PutValue(u, List(L"B5"), L"DisplayName", REG_BINARY, one, 1);
  const wchar_t multi[] = L"First\0Second\0";
  PutValue(u, List(L"B6"), L"DisplayName", REG_MULTI_SZ, multi, sizeof(multi));
  // A string stored without its terminating zero, and with an odd byte count.
  const wchar_t unterminated[] = {L'R', L'a', L'w'};
  PutValue(u, List(L"B7"), L"DisplayName", REG_SZ, unterminated, sizeof(unterminated));
  PutValue(u, List(L"B7"), L"DisplayVersion", REG_SZ, "1.0", 3);
  PutText(u, List(L"B8"), L"DisplayName", L"Last");

  std::vector<TUninstallItem> items = Scan();
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[0].DisplayName, L"Numbers");
  EXPECT_EQ(items[0].DisplayVersion, L"7");
  EXPECT_EQ(items[0].InstallDate, L"2024-01-01");
  EXPECT_EQ(items[0].HelpLink, L"");
  EXPECT_EQ(items[0].UninstallString, L"");
  EXPECT_EQ(items[1].DisplayName, L"Text TSAware");
  EXPECT_TRUE(items[1].TSAware);
  EXPECT_EQ(items[2].DisplayName, L"Odd flags");
  EXPECT_FALSE(items[2].TSAware);
  EXPECT_EQ(items[3].DisplayName, L"First");
  EXPECT_EQ(items[4].DisplayName, L"Raw");
  EXPECT_EQ(items[4].DisplayVersion.size(), 1u);  // one whole character of the three bytes
  EXPECT_EQ(items[5].DisplayName, L"Last");
}

TEST_F(UninstallItemsTest, PassesAreReadInOrderUnderTheirOwnRoots) {
  TestRegistryKey second(L"UninstallSecond");
  PutText(HKEY_CURRENT_USER, second.Path() + L"\\List\\Z", L"DisplayName", L"From the second pass");
  PutText(HKEY_CURRENT_USER, List(L"Z"), L"DisplayName", L"From the first pass");
  // A pass whose list key is missing gives nothing and ends nothing.
  std::vector<TUninstallPass> passes{{HKEY_CURRENT_USER, L"\\" + key_.Path() + L"\\Missing", L"\\x"},
                                     Pass(),
                                     {HKEY_CURRENT_USER, L"\\" + second.Path() + L"\\List", L"\\x"}};
  std::vector<TUninstallItem> items{TUninstallItem()};  // emptied first
  ScanUninstallItems(passes, items);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].DisplayName, L"From the first pass");
  EXPECT_EQ(items[1].DisplayName, L"From the second pass");
  EXPECT_EQ(items[1].Key, L"\\" + second.Path() + L"\\List\\Z");
}

TEST(UninstallPasses, TheMachineListThenTheCurrentUsersBranchBelowHkeyUsers) {
  std::vector<BYTE> buffer(1024);
  HANDLE token;
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
  DWORD size;
  ASSERT_TRUE(GetTokenInformation(token, TokenUser, buffer.data(), static_cast<DWORD>(buffer.size()), &size));
  CloseHandle(token);
  wchar_t* sidText = nullptr;
  ASSERT_TRUE(ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &sidText));
  const std::wstring sid = sidText;
  LocalFree(sidText);

  std::vector<TUninstallPass> passes = UninstallPasses();
  ASSERT_EQ(passes.size(), 2u);
  EXPECT_EQ(passes[0].Root, HKEY_LOCAL_MACHINE);
  EXPECT_EQ(passes[0].ListKey, L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
  EXPECT_EQ(passes[0].CacheKey, L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Management\\ARPCache");
  EXPECT_EQ(passes[1].Root, HKEY_USERS);
  EXPECT_EQ(passes[1].ListKey, L"\\" + sid + L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
  EXPECT_EQ(passes[1].CacheKey,
            L"\\" + sid + L"\\Software\\Microsoft\\Windows\\CurrentVersion\\App Management\\ARPCache");
}

// The real keys: a machine entry and one of the current user, which the user's branch below
// HKEY_USERS shows; removing the user's entry removes it from below HKEY_USERS.
TEST(UninstallPasses, EntriesOfTheMachineAndOfTheUserAreFoundAndRemovedUnderTheirRoots) {
  const std::wstring tag = L"QsUninstallTest_" + std::to_wstring(GetCurrentProcessId());
  const std::wstring machineKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + tag;
  const std::wstring userKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + tag;
  PutText(HKEY_LOCAL_MACHINE, machineKey, L"DisplayName", tag + L" machine");
  PutText(HKEY_CURRENT_USER, userKey, L"DisplayName", tag + L" user");
  PutText(HKEY_CURRENT_USER, userKey + L"\\Sub", L"x", L"y");

  std::vector<TUninstallItem> items;
  ScanUninstallItems(UninstallPasses(), items);
  const TUninstallItem* machine = nullptr;
  const TUninstallItem* user = nullptr;
  for (const TUninstallItem& item : items) {
    if (item.DisplayName == tag + L" machine") machine = &item;
    if (item.DisplayName == tag + L" user") user = &item;
  }
  ASSERT_TRUE(machine && user);
  EXPECT_LT(machine, user);  // the machine's pass comes first
  EXPECT_EQ(machine->Root, HKEY_LOCAL_MACHINE);
  EXPECT_EQ(user->Root, HKEY_USERS);

  EXPECT_EQ(RemoveUninstallEntry(*user), TRemoveResult::Removed);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, userKey));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, machineKey));
  EXPECT_EQ(RemoveUninstallEntry(*user), TRemoveResult::AlreadyGone);
  EXPECT_EQ(RemoveUninstallEntry(*machine), TRemoveResult::Removed);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, machineKey));
}

TEST(UninstallTexts, SizesFrequenciesAndInstallDates) {
  const std::pair<int64_t, const wchar_t*> sizes[] = {
      {-1, L"N/A"}, {0, L"0.00 Kb"}, {1536, L"1.50 Kb"}, {1048576, L"1024.00 Kb"}, {1048577, L"1.00 Mb"},
      {2097152, L"2.00 Mb"}, {5LL << 40, L"5242880.00 Mb"}};
  for (const auto& s : sizes) EXPECT_EQ(SizeText(s.first), s.second) << s.first;
  const std::pair<int32_t, const wchar_t*> frequencies[] = {{-5, L"未知"}, {-1, L"未知"}, {0, L"很少"}, {2, L"很少"},
                                                            {3, L"一般"},  {9, L"一般"},  {10, L"经常"}, {500, L"经常"}};
  for (const auto& f : frequencies) EXPECT_EQ(FrequencyText(f.first), f.second) << f.first;
  const std::pair<const wchar_t*, const wchar_t*> dates[] = {
      {L"20240105", L"2024-01-05"}, {L"2024015", L"2024015"}, {L"", L"N/A"}, {L"  ", L"N/A"},
      {L"01/05/2024", L"01/05/2024"},   {L"abcdefgh", L"abcd-ef-gh"}};
  for (const auto& d : dates) EXPECT_EQ(InstallDateText(d.first), d.second) << d.first;
}

// A help link reaches the shell only as a web or mail URL: texts that the shell would take for a
// file or program to run give nothing to open.
TEST(UninstallTexts, OnlyWebAndMailAddressesAreOpenableHelpLinks) {
  const std::pair<const wchar_t*, const wchar_t*> links[] = {
      {L"http://example.com/help", L"http://example.com/help"},
      {L"HTTPS://example.com", L"HTTPS://example.com"},
      {L" www.example.com ", L"http://www.example.com"},
      {L"WWW.example.com/a?b=1#c", L"http://WWW.example.com/a?b=1#c"},
      {L"http://example.com:8080/x", L"http://example.com:8080/x"},
      {L"mailto:help@example.com", L"mailto:help@example.com"},
      {L"mailto:help@example.com?subject=Hi", L"mailto:help@example.com?subject=Hi"},
      // A path that follows "www." or a scheme: the shell would run the file it names.
      {L"www.\\..\\..\\x.exe", L""},
      {L"www.x.exe", L"http://www.x.exe"},
      {L"mailto:\\..\\x.exe", L""},
      {L"mailto:/../x.exe", L""},
      {L"http://example.com\\..\\x.exe", L""},
      // Dot segments climb out of the address into the file system when the shell reads a path.
      {L"http://x/../../../../app/x.exe", L""},
      {L"http://x/a/./b", L""},
      {L"http://x/a/..", L""},
      {L"http://x/%2e%2E/x.exe", L""},
      {L"http://x/.%2e?q", L""},
      {L"http://x/a/...b/.c/d..?p=/../#/..", L"http://x/a/...b/.c/d..?p=/../#/.."},
      {L"http:\\\\example.com", L""},
      {L"http:x.exe", L""},
      {L"http://", L""},
      {L"http:///x.exe", L""},
      {L"http://user@evil.example/", L""},
      {L"http://example.com:/", L""},
      {L"http://exa mple.com", L""},
      {L"http://example.com/\"x.exe", L""},
      {L"C:\\Windows\\notepad.exe", L""},
      {L"file:///C:/x.exe", L""},
      {L"cmd /c del x", L""},
      {L"x.exe", L""},
      {L"mailto:", L""},
      {L"mailto:@example.com", L""},
      {L"www.", L""},
      {L"", L""}};
  for (const auto& l : links) EXPECT_EQ(HelpLinkUrl(l.first), l.second) << l.first;
}

TEST(UninstallTexts, WindowsUpdatesShowOnlyWhenAskedFor) {
  TUninstallItem update;
  update.TSAware = true;
  TUninstallItem program;
  EXPECT_FALSE(IsShownUninstallItem(update, false));
  EXPECT_TRUE(IsShownUninstallItem(update, true));
  EXPECT_TRUE(IsShownUninstallItem(program, false));
  EXPECT_TRUE(IsShownUninstallItem(program, true));
}

TEST(UninstallIcons, TheIconFileWhenItExistsElseTheExecutable) {
  TUninstallItem item;
  item.DisplayIcon = ExpandEnvironmentText(L"%SystemRoot%\\system32\\notepad.exe");
  item.ExeFile = L"C:\\Elsewhere\\app.exe";
  EXPECT_EQ(IconSourceOf(item), item.DisplayIcon);
  item.DisplayIcon = L"C:\\No\\Such\\icon.ico";
  EXPECT_EQ(IconSourceOf(item), L"C:\\Elsewhere\\app.exe");
}

}  // namespace
