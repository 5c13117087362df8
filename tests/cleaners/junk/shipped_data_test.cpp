// The junk sections of the Cleaner.ini shipped beside the program.
#include <gtest/gtest.h>

#include "cleaners/junk/waste_config.h"
#include "cleaners/junk/waste_filters.h"
#include "cleaners/junk/waste_lists.h"
#include "tests/base/test_program_folder.h"

namespace {

class ShippedDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string ini = ReadRcData(L"SHIPPED_CLEANER_INI");
    ASSERT_FALSE(ini.empty());
    folder_.WriteFile(L"Cleaner.ini", ini);
    LoadWasteFileTypes();
    LoadExcludeFolders();
    LoadExcludeFiles();
    LoadWasteCleanOptions();
  }

  TestProgramFolder folder_;
};

// A scan from the drive root reaches the folder: neither it nor a folder above it is excluded.
bool Reached(const std::wstring& folder) {
  for (size_t end = folder.find(L'\\'); end != std::wstring::npos; end = folder.find(L'\\', end + 1)) {
    if (IsFolderExcluded(folder.substr(0, end + 1), WasteExcludeFolders)) return false;
  }
  return true;
}

}  // namespace

TEST_F(ShippedDataTest, PatternsOnlyCatchFilesACarefulUserGivesUp) {
  ASSERT_FALSE(WasteFileTypes.empty());
  for (const auto& type : WasteFileTypes) {
    EXPECT_FALSE(type->Description.empty()) << testing::PrintToString(type->Pattern);
    EXPECT_EQ(type->Pattern.find_first_of(L"\\/:"), std::wstring::npos) << "a pattern is a file name";
  }
  // Logs, backups, documents, programs and settings are never junk by default.
  const wchar_t* kept[] = {L"setup.log",   L"data.bak",    L"letter.doc",   L"photo.jpg",  L"setup.exe",
                           L"kernel32.dll", L"notes.txt",  L"NTUSER.DAT",   L"config.ini", L"archive.zip",
                           L"song.mp3",    L"book.pdf",    L"mail.pst",     L"main.cpp",   L"driver.sys",
                           L"index.html",  L"README",      L"settings.old", L"draft.wbk",  L"sheet.xls",
                           L"~$letter.doc", L"desktop.ini", L"pagefile.sys", L"a.tmp.txt"};
  for (const wchar_t* name : kept) EXPECT_FALSE(MatchesWasteType(name, WasteFileTypes)) << testing::PrintToString(std::wstring(name));
  for (const wchar_t* name : {L"~DF1234.TMP", L"FILE0001.CHK", L"Thumbs.db", L"winhelp.gid", L"crash.dmp"})
    EXPECT_TRUE(MatchesWasteType(name, WasteFileTypes)) << testing::PrintToString(std::wstring(name));
}

TEST_F(ShippedDataTest, SystemFoldersStayOut) {
  for (const wchar_t* folder :
       {L"c:\\windows\\system32\\", L"c:\\windows\\system32\\drivers\\", L"c:\\windows\\winsxs\\", L"c:\\windows\\installer\\",
        L"c:\\windows\\syswow64\\", L"d:\\program files\\app\\", L"c:\\program files (x86)\\", L"c:\\programdata\\",
        L"c:\\config.msi\\", L"e:\\system volume information\\", L"c:\\$recycle.bin\\", L"c:\\boot\\"}) {
    EXPECT_FALSE(Reached(folder)) << testing::PrintToString(std::wstring(folder));
  }
  for (const wchar_t* folder : {L"c:\\", L"c:\\windows\\", L"c:\\windows\\temp\\", L"c:\\users\\me\\appdata\\local\\temp\\",
                                L"d:\\games\\", L"c:\\windows\\prefetch\\"}) {
    EXPECT_TRUE(Reached(folder)) << testing::PrintToString(std::wstring(folder));
  }
  // Even the one-click scan, which takes every file, leaves these alone.
  for (const wchar_t* name : {L"desktop.ini", L"index.dat", L"NTUSER.DAT", L"UsrClass.dat", L"pagefile.sys"})
    EXPECT_TRUE(MatchesWasteType(name, WasteExcludeFiles)) << testing::PrintToString(std::wstring(name));
}

TEST_F(ShippedDataTest, OptionsSkipReadOnlyAndSystemFilesAndLeaveEmptyFilesAlone) {
  EXPECT_TRUE(WasteCleanOptions.SkipReadOnly);
  EXPECT_TRUE(WasteCleanOptions.SkipSystem);
  EXPECT_FALSE(WasteCleanOptions.ScanZero);
}
