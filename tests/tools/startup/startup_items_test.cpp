// Listing and removing startup entries on fixture Run keys below HKEY_CURRENT_USER and fixture
// startup folders: order, set-aside entries, value types that are not programs, hidden files,
// startupdata shown in the common folder, and what removal deletes.
#include "tools/startup/startup_items.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "tests/base/host_files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/base/test_keys.h"

namespace {

void SetDword(const std::wstring& key, const std::wstring& name, DWORD value) {
  HKEY h;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(h, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(h);
}

class StartupItemsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const wchar_t* sub : {L"common", L"user", L"startupdata", L"bin"}) ForceDirectories(root_.Path() + sub);
    sources_.RunKeys = {{HKEY_CURRENT_USER, L"\\" + keys_.Path() + L"\\Run"},
                        {HKEY_CURRENT_USER, L"\\" + keys_.Path() + L"\\RunOnceEx"},
                        {HKEY_CURRENT_USER, L"\\" + keys_.Path() + L"\\Missing"}};
    sources_.CommonStartupFolder = root_.Path() + L"common";
    sources_.UserStartupFolder = root_.Path() + L"user";
    sources_.DisabledFolder = root_.Path() + L"startupdata";
  }
  std::wstring Run() const { return keys_.Path() + L"\\Run"; }
  std::wstring Names(const std::vector<TStartupItem>& items) {
    std::wstring text;
    for (const auto& item : items) text += (item.Active ? L"" : L"-") + item.Name + L";";
    return text;
  }

  TestRegistryKey keys_{L"startup"};
  TestFolder root_;
  TStartupSources sources_;
};

TEST_F(StartupItemsTest, ListsKeysThenTheirSetAsideValuesThenTheFolders) {
  const std::wstring exe = root_.Path() + L"bin\\app.exe";
  WriteBytes(exe, "MZ");
  ASSERT_TRUE(WriteTestString(Run(), L"App", L"\"" + exe + L"\" /tray"));
  ASSERT_TRUE(WriteTestString(Run() + L"\\dxdDisabled", L"App", exe));
  ASSERT_TRUE(WriteTestString(keys_.Path() + L"\\RunOnceEx", L"Installer", L"Installing", REG_EXPAND_SZ));
  // Not programs: a number and bytes; the listing goes on past them.
  SetDword(keys_.Path() + L"\\RunOnceEx", L"Flags", 20);
  ASSERT_TRUE(WriteTestString(keys_.Path() + L"\\RunOnceEx", L"Raw", L"x", REG_BINARY));
  ASSERT_TRUE(WriteTestString(keys_.Path() + L"\\RunOnceEx", L"Later", L"later.exe"));
  WriteBytes(root_.Path() + L"common\\shared.lnk", "L");
  WriteBytes(root_.Path() + L"user\\mine.lnk", "L");
  WriteBytes(root_.Path() + L"user\\desktop.ini", "[x]");
  SetFileAttributesW((root_.Path() + L"user\\desktop.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
  ForceDirectories(root_.Path() + L"user\\folder");
  WriteBytes(root_.Path() + L"startupdata\\parked.lnk", "L");

  const std::vector<TStartupItem> items = ScanStartupItems(sources_);
  EXPECT_EQ(Names(items), L"App;-App;Installer;Later;shared.lnk;mine.lnk;-parked.lnk;");
  ASSERT_EQ(items.size(), 7u);

  const TStartupItem& app = items[0];
  EXPECT_EQ(app.Kind, kStartupRegistry);
  EXPECT_EQ(app.Command, L"\"" + exe + L"\" /tray");
  EXPECT_EQ(app.ExeFile, exe);
  EXPECT_EQ(app.RootKey, HKEY_CURRENT_USER);
  EXPECT_EQ(app.Location, L"\\" + Run());
  EXPECT_EQ(app.DisabledLocation, L"\\" + Run() + L"\\dxdDisabled");
  EXPECT_EQ(app.ImageIndex, 0);
  EXPECT_EQ(items[1].Location, app.Location);
  EXPECT_EQ(items[2].Command, L"Installing");

  const TStartupItem& mine = items[5];
  EXPECT_EQ(mine.Kind, kStartupFile);
  EXPECT_TRUE(mine.Active);
  EXPECT_EQ(mine.Command, root_.Path() + L"user\\mine.lnk");
  EXPECT_EQ(mine.Location, root_.Path() + L"user\\");
  EXPECT_EQ(mine.DisabledLocation, root_.Path() + L"startupdata\\");
  EXPECT_TRUE(mine.ExeFile.empty());

  // Shown where it would start from, kept in startupdata.
  const TStartupItem& parked = items[6];
  EXPECT_EQ(parked.Command, root_.Path() + L"common\\parked.lnk");
  EXPECT_EQ(parked.Location, root_.Path() + L"common\\");
  EXPECT_EQ(parked.DisabledLocation, root_.Path() + L"startupdata\\");
}

TEST_F(StartupItemsTest, MissingKeysAndFoldersGiveNothing) {
  sources_.CommonStartupFolder = root_.Path() + L"nope";
  sources_.DisabledFolder = L"";
  EXPECT_TRUE(ScanStartupItems(sources_).empty());
}

TEST_F(StartupItemsTest, RemovingTheSetAsideValueKeepsTheActiveOne) {
  ASSERT_TRUE(WriteTestString(Run(), L"Same", L"same.exe"));
  ASSERT_TRUE(WriteTestString(Run() + L"\\dxdDisabled", L"Same", L"same.exe"));
  std::vector<TStartupItem> items = ScanStartupItems(sources_);
  ASSERT_EQ(Names(items), L"Same;-Same;");
  EXPECT_TRUE(RemoveStartupItem(items[1]));
  EXPECT_TRUE(TestValueExists(Run(), L"Same"));
  EXPECT_FALSE(TestValueExists(Run() + L"\\dxdDisabled", L"Same"));
  EXPECT_EQ(Names(ScanStartupItems(sources_)), L"Same;");
  EXPECT_TRUE(RemoveStartupItem(items[0]));
  EXPECT_FALSE(TestValueExists(Run(), L"Same"));
  // Already gone: nothing to do, and nothing else touched.
  EXPECT_TRUE(RemoveStartupItem(items[0]));
}

TEST_F(StartupItemsTest, RemovingFilesDeletesWhereTheyAreKept) {
  WriteBytes(root_.Path() + L"common\\parked.lnk", "active");
  WriteBytes(root_.Path() + L"startupdata\\parked.lnk", "parked");
  std::vector<TStartupItem> items = ScanStartupItems(sources_);
  ASSERT_EQ(Names(items), L"parked.lnk;-parked.lnk;");
  EXPECT_TRUE(RemoveStartupItem(items[1]));
  EXPECT_FALSE(FileExists(root_.Path() + L"startupdata\\parked.lnk"));
  EXPECT_TRUE(FileExists(root_.Path() + L"common\\parked.lnk"));
  EXPECT_TRUE(RemoveStartupItem(items[0]));
  EXPECT_TRUE(ScanStartupItems(sources_).empty());
}

// A startup file that is a link goes at most itself: the file it points to stays.
TEST_F(StartupItemsTest, RemovingAFileLinkNeverDeletesItsTarget) {
  TestFolder outside;
  WriteBytes(outside.Path() + L"precious.doc", "precious");
  const std::wstring link = root_.Path() + L"user\\linked.lnk";
  ASSERT_TRUE(MakeHostLink(link, outside.Path() + L"precious.doc")) << "the host's ln could not be started";
  std::vector<TStartupItem> items = ScanStartupItems(sources_);
  ASSERT_EQ(Names(items), L"linked.lnk;");
  EXPECT_FALSE(RemoveStartupItem(items[0]));
  EXPECT_EQ(ReadBytes(outside.Path() + L"precious.doc"), "precious");
  RemoveHostLink(link);
}

TEST(StartupSourcesTest, BothStartupFoldersAreNamedAndStartupdataIsBesideTheProgram) {
  const TStartupSources sources = DefaultStartupSources();
  EXPECT_EQ(sources.RunKeys.size(), 8u);
  EXPECT_FALSE(sources.CommonStartupFolder.empty());
  EXPECT_FALSE(sources.UserStartupFolder.empty());
  EXPECT_EQ(sources.DisabledFolder, ProgramFolder() + L"startupdata");
}

}  // namespace
