// Listing drivers from class keys, finding the files their INF names, and backing them up.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/base/host_files.h"
#include "tests/tools/driver/driver_fixture.h"
#include "tools/driver/driver_files.h"
#include "tools/driver/driver_list.h"

namespace {

std::vector<std::wstring> Descriptions(const std::vector<TDriverRow>& rows) {
  std::vector<std::wstring> out;
  for (const TDriverRow& row : rows) out.push_back(row.Description);
  return out;
}

class DriverListTest : public ::testing::Test, public DriverFixture {
 protected:
  void SetUp() override {
    SetString(L"A_Display", L"", L"", L"Display adapters");
    AddDriver(L"A_Display", L"0000", L"Acme Video", L"Acme", L"oem1.inf");
    AddDriver(L"A_Display", L"0001", L"Acme Video", L"Acme");          // same as the row before
    AddDriver(L"A_Display", L"0002", L"Basic Display", L"Microsoft");
    AddDriver(L"A_Display", L"0003", L"Acme Video", L"Acme");          // again after another one
    AddDriver(L"A_Display", L"0004", L"", L"Acme");                    // no description
    AddDriver(L"A_Display", L"Properties", L"Not a driver", L"Acme");  // longer than four characters
    SetString(L"B_Net", L"", L"", L"Network adapters");
    AddDriver(L"B_Net", L"0000", L"Old Net", nullptr);                 // no provider at all
    AddDriver(L"B_Net", L"0001", L"Fast Net", L"Microsoft Corp");      // not exactly "Microsoft"
    HKEY odd = Create(L"B_Net", L"0002");                              // a description that is no text
    DWORD number = 7;
    RegSetValueExW(odd, L"DriverDesc", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    RegCloseKey(odd);
    SetString(L"C_Empty", L"", L"", L"A class without drivers");
  }
};

}  // namespace

TEST_F(DriverListTest, OtherProvidersOnlyByDefault) {
  std::vector<TDriverRow> rows = ListDrivers(TDriverListMode::NotMicrosoft, places);
  // The third "Acme Video" follows the first row listed, so it adds nothing here.
  EXPECT_EQ(Descriptions(rows), (std::vector<std::wstring>{L"Acme Video", L"Fast Net"}));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].ClassDescription, L"Display adapters");
  EXPECT_EQ(rows[0].InstanceKey, places.ClassKey + L"\\A_Display\\0000");
  EXPECT_EQ(rows[1].ClassDescription, L"Network adapters");
}

TEST_F(DriverListTest, AllDriversKeepARepeatedDescriptionAfterAnotherOne) {
  std::vector<TDriverRow> rows = ListDrivers(TDriverListMode::All, places);
  EXPECT_EQ(Descriptions(rows), (std::vector<std::wstring>{L"Acme Video", L"Basic Display", L"Acme Video",
                                                           L"Old Net", L"Fast Net"}));
  EXPECT_EQ(rows[2].InstanceKey, places.ClassKey + L"\\A_Display\\0003");
}

TEST_F(DriverListTest, ListingWritesNothingIntoTheRegistry) {
  ListDrivers(TDriverListMode::NotMicrosoft, places);
  ListDrivers(TDriverListMode::All, places);
  EXPECT_FALSE(ValueExists(L"B_Net", L"0000", L"ProviderName"));
  EXPECT_FALSE(ValueExists(L"C_Empty", L"", L"DriverDesc"));
  EXPECT_FALSE(ValueExists(L"A_Display", L"0001", L"InfPath"));
}

TEST_F(DriverListTest, AMissingClassKeyListsNothing) {
  places.ClassKey += L"\\NoSuchKey";
  EXPECT_TRUE(ListDrivers(TDriverListMode::All, places).empty());
}

TEST(DriverFilesTest, ExtensionsChooseTheFolder) {
  TDriverPlaces places;
  places.WindowsFolder = L"C:\\W";
  places.SystemFolder = L"C:\\W\\S";
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"a.exe", L"C:\\W\\S"},          {L"a.DLL", L"C:\\W\\S"},
      {L"a.SYS", L"C:\\W\\S\\drivers"}, {L"a.hlp", L"C:\\W\\help"},
      {L"a.Chm", L"C:\\W\\help"},       {L"a.icm", L"C:\\W\\S\\spool\\drivers\\color"},
      {L"a.inf", L"C:\\W\\inf"},        {L"a.tvp", L"C:\\W\\nview"},
      {L"a.cat", L"C:\\W\\S"},          {L"noextension", L"C:\\W\\S"},
  };
  for (const auto& c : cases) EXPECT_EQ(DriverFileFolder(c.first, places), c.second) << c.first;
}

TEST(DriverFilesTest, BackupNamesLoseTheCharactersFoldersCannotHold) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"Acme: Video/Card", L"Acme VideoCard"},
      {L"  a*b?c\"d<e>f|g\\h  ", L"abcdefgh"},
      {L"Foo Inc.", L"Foo Inc"},
      {L"..", L""},
      {L"CON", L""},
      {L"<>|", L""},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(DriverBackupName(c.first), c.second) << c.first;
}

namespace {

class DriverFilesFixture : public ::testing::Test, public DriverFixture {};

}  // namespace

TEST_F(DriverFilesFixture, TheInfNamesTheFilesFoundOnDiskInTheirOwnSpelling) {
  AddDriver(L"Cls", L"0000", L"Acme Video", L"Acme", L"oem1.inf");
  std::wstring inf = WriteWindowsFile(L"inf\\oem1.inf",
                                      "[Version]\r\nSignature=\"$Windows NT$\"\r\n"
                                      "[SourceDisksFiles]\r\nX.SYS = 1,,\r\nacme.dll=1\r\nmissing.sys=1\r\nacme.hlp=1\r\n");
  std::wstring sys = WriteWindowsFile(L"system32\\drivers\\x.sys", "driver");
  std::wstring dll = WriteWindowsFile(L"system32\\acme.dll", "library");
  std::wstring help = WriteWindowsFile(L"help\\ACME.HLP", "help");
  const std::wstring instance = places.ClassKey + L"\\Cls\\0000";
  EXPECT_EQ(DriverInfPath(instance, places), places.WindowsFolder + L"\\inf\\oem1.inf");
  EXPECT_EQ(FindDriverFile(places.SystemFolder + L"\\drivers", L"X.SYS"), sys);
  EXPECT_EQ(FindDriverFile(places.SystemFolder + L"\\drivers\\", L"nothere.sys"), L"");
  EXPECT_EQ(CollectDriverFiles(instance, places), (std::vector<std::wstring>{sys, dll, help, inf}));
}

TEST_F(DriverFilesFixture, AUnicodeInfIsReadToo) {
  AddDriver(L"Cls", L"0000", L"Wide", L"Acme", L"oem9.inf");
  const std::wstring text = L"\xFEFF[SourceDisksFiles]\r\nwide.sys=1\r\n";
  WriteWindowsFile(L"inf\\oem9.inf", std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2));
  std::wstring sys = WriteWindowsFile(L"system32\\drivers\\wide.sys", "wide driver");
  EXPECT_EQ(CollectDriverFiles(places.ClassKey + L"\\Cls\\0000", places),
            (std::vector<std::wstring>{sys, places.WindowsFolder + L"\\inf\\oem9.inf"}));
}

TEST_F(DriverFilesFixture, AnInstanceWithoutAUsableInfNamesNoFiles) {
  AddDriver(L"Cls", L"0000", L"No Inf", L"Acme");
  AddDriver(L"Cls", L"0001", L"Path Inf", L"Acme", L"..\\system32\\evil.inf");
  EXPECT_EQ(DriverInfPath(places.ClassKey + L"\\Cls\\0000", places), L"");
  EXPECT_TRUE(CollectDriverFiles(places.ClassKey + L"\\Cls\\0000", places).empty());
  EXPECT_TRUE(CollectDriverFiles(places.ClassKey + L"\\Cls\\0001", places).empty());
}

TEST_F(DriverFilesFixture, BackupCopiesEachFileIntoTheDriversFolderBelowTheCurrentDirectory) {
  AddDriver(L"Cls", L"0000", L"Acme: Video/Card", L"Acme", L"oem2.inf");
  WriteWindowsFile(L"inf\\oem2.inf", "[SourceDisksFiles]\r\nX.SYS=1\r\n");
  WriteWindowsFile(L"system32\\drivers\\x.sys", "driver bytes");
  CurrentDirectoryInTestFolder cwd;
  const std::wstring folder = cwd.Path() + L"BackUp\\Drivers\\Acme VideoCard";
  ForceDirectories(folder);
  WriteBytes(folder + L"\\x.sys", "an older copy");

  TDriverBackupResult result =
      BackupDriverFiles(L"Acme: Video/Card", CollectDriverFiles(places.ClassKey + L"\\Cls\\0000", places));
  EXPECT_TRUE(result.Succeeded());
  EXPECT_EQ(result.Folder, folder);
  EXPECT_EQ(ReadBytes(folder + L"\\x.sys"), "driver bytes");
  EXPECT_EQ(ReadBytes(folder + L"\\oem2.inf"), "[SourceDisksFiles]\r\nX.SYS=1\r\n");
}

TEST_F(DriverFilesFixture, AnInfWithoutSourceFilesIsBackedUpItself) {
  AddDriver(L"Cls", L"0000", L"Bare", L"Acme", L"oem3.inf");
  WriteWindowsFile(L"inf\\oem3.inf", "[Version]\r\nClass=Net\r\n");
  CurrentDirectoryInTestFolder cwd;
  TDriverBackupResult result = BackupDriverFiles(L"Bare", CollectDriverFiles(places.ClassKey + L"\\Cls\\0000", places));
  EXPECT_TRUE(result.Succeeded());
  EXPECT_EQ(ReadBytes(cwd.Path() + L"BackUp\\Drivers\\Bare\\oem3.inf"), "[Version]\r\nClass=Net\r\n");
}

TEST_F(DriverFilesFixture, FailuresAreReportedAndTheOtherFilesStillCopied) {
  CurrentDirectoryInTestFolder cwd;
  std::wstring present = WriteWindowsFile(L"system32\\present.dll", "here");
  TDriverBackupResult result =
      BackupDriverFiles(L"Mixed", {places.WindowsFolder + L"\\inf\\gone.inf", present});
  EXPECT_FALSE(result.Succeeded());
  ASSERT_EQ(result.Failures.size(), 1u);
  EXPECT_EQ(result.Failures[0].find(L"gone.inf could not be copied"), 0u) << result.Failures[0];
  EXPECT_EQ(ReadBytes(cwd.Path() + L"BackUp\\Drivers\\Mixed\\present.dll"), "here");

  // Nothing to copy is no backup either.
  EXPECT_FALSE(BackupDriverFiles(L"Empty", {}).Succeeded());
  // A name that gives no folder.
  TDriverBackupResult unnamed = BackupDriverFiles(L"..", {present});
  ASSERT_EQ(unnamed.Failures.size(), 1u);
  EXPECT_FALSE(FileExists(cwd.Path() + L"BackUp\\present.dll"));
}

TEST_F(DriverFilesFixture, AFolderThatCannotBeMadeFailsTheDriver) {
  CurrentDirectoryInTestFolder cwd;
  WriteBytes(cwd.Path() + L"BackUp", "a file where the folder belongs");
  std::wstring present = WriteWindowsFile(L"system32\\present.dll", "here");
  TDriverBackupResult result = BackupDriverFiles(L"Blocked", {present});
  ASSERT_EQ(result.Failures.size(), 1u);
  EXPECT_NE(result.Failures[0].find(L"BackUp"), std::wstring::npos) << result.Failures[0];
}

TEST_F(DriverFilesFixture, InfEntriesNamingFoldersAreNoFiles) {
  AddDriver(L"Cls", L"0000", L"Odd", L"Acme", L"oem4.inf");
  const std::wstring inf =
      WriteWindowsFile(L"inf\\oem4.inf", "[SourceDisksFiles]\r\n.=1\r\n..=1\r\ndrivers=1\r\nreal.sys=1\r\n");
  const std::wstring sys = WriteWindowsFile(L"system32\\drivers\\real.sys", "driver");
  EXPECT_EQ(CollectDriverFiles(places.ClassKey + L"\\Cls\\0000", places), (std::vector<std::wstring>{sys, inf}));
  EXPECT_EQ(FindDriverFile(places.SystemFolder, L"drivers"), L"");
  EXPECT_EQ(FindDriverFile(places.SystemFolder, L".."), L"");
}

// The copy of a file ends early, as on a full disk: a kernel status file reports a page's size
// and gives a few bytes. The previous backup must survive, and no temporary file may stay.
TEST_F(DriverFilesFixture, ACopyThatEndsEarlyKeepsThePreviousCopy) {
  CurrentDirectoryInTestFolder cwd;
  const std::wstring folder = cwd.Path() + L"BackUp\\Drivers\\Acme";
  ForceDirectories(folder);
  WriteBytes(folder + L"\\x.sys", "the previous good copy");
  const std::wstring source = places.SystemFolder + L"\\drivers\\x.sys";
  ASSERT_TRUE(RunHostProgram("/bin/ln", {"-s", "/sys/devices/system/cpu/online", HostPath(source)},
                             [&] { return PathIsThere(source); }))
      << "the host's ln could not be started";
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(source.c_str(), GetFileExInfoStandard, &data) || data.nFileSizeLow <= 64)
    GTEST_SKIP() << "this host has no status file that reports more bytes than it holds";

  const TDriverBackupResult result = BackupDriverFiles(L"Acme", {source});
  ASSERT_EQ(result.Failures.size(), 1u);
  EXPECT_EQ(result.Failures[0].find(L"x.sys could not be copied"), 0u) << result.Failures[0];
  EXPECT_EQ(ReadBytes(folder + L"\\x.sys"), "the previous good copy");
  EXPECT_EQ(CountFilesBelow(folder + L"\\"), 1);
  RemoveHostLink(source);
}
