#include "cleaners/junk/waste_config.h"

#include <gtest/gtest.h>

#include "cleaners/junk/last_waste_info.h"
#include "cleaners/junk/waste_lists.h"
#include "tests/base/test_program_folder.h"

namespace {

// Cleaner.ini in a program folder of the test's own.
class WasteConfigTest : public ::testing::Test {
 protected:
  void WriteIni(const std::string& text) { folder_.WriteFile(L"Cleaner.ini", text); }
  std::string IniText() const { return ReadBytes(folder_.Path() + L"Cleaner.ini"); }

  TestProgramFolder folder_;
};

}  // namespace

TEST_F(WasteConfigTest, FileTypesInFileOrderWithTheirRecommendations) {
  WriteIni(
      "[WasteFileType]\r\n"
      "*.tmp=  Temporary files  \r\n"
      "*.chk=Fragments\r\n"
      "thumbs.db=\r\n"
      "[WasteFileTypeRecommend]\r\n"
      "RecommendState=10\r\n");
  LoadWasteFileTypes();
  ASSERT_EQ(WasteFileTypes.size(), 3u);
  const struct {
    const wchar_t* pattern;
    const wchar_t* description;
    bool recommended;
  } expected[] = {{L"*.tmp", L"Temporary files", true}, {L"*.chk", L"Fragments", false}, {L"thumbs.db", L"", false}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(WasteFileTypes[i]->Pattern, expected[i].pattern);
    EXPECT_EQ(WasteFileTypes[i]->Description, expected[i].description);
    EXPECT_EQ(WasteFileTypes[i]->Recommended, expected[i].recommended) << i;
    EXPECT_TRUE(WasteFileTypes[i]->Enabled);
  }

  // A longer state is ignored past the list; loading again replaces the list.
  WriteIni("[WasteFileType]\r\n*.gid=Help\r\n[WasteFileTypeRecommend]\r\nRecommendState=1111\r\n");
  LoadWasteFileTypes();
  ASSERT_EQ(WasteFileTypes.size(), 1u);
  EXPECT_EQ(WasteFileTypes[0]->Pattern, L"*.gid");
  EXPECT_TRUE(WasteFileTypes[0]->Recommended);
}

TEST_F(WasteConfigTest, ExclusionsAndOptions) {
  WriteIni(
      "[WasteCleanExcludePath]\r\n"
      "C:\\Windows=\r\n"
      "*\\temp\\=ignored\r\n"
      "[WasteCleanExcludeFile]\r\n"
      "desktop.ini=Folder settings\r\n"
      "ntuser.*=\r\n"
      "[WasteCleanOption]\r\n"
      "SkipReadOnly=1\r\n"
      "SkipSystem=0\r\n"
      "SkipHide=2\r\n"
      "ScanZero=yes\r\n");
  LoadExcludeFolders();
  ASSERT_EQ(WasteExcludeFolders.size(), 2u);
  EXPECT_EQ(WasteExcludeFolders[0]->Path, L"C:\\Windows\\");
  EXPECT_EQ(WasteExcludeFolders[1]->Path, L"*\\temp\\");
  EXPECT_EQ(WasteExcludeFolders[0]->Caption, L"自定义");

  LoadExcludeFiles();
  ASSERT_EQ(WasteExcludeFiles.size(), 2u);
  EXPECT_EQ(WasteExcludeFiles[0]->Pattern, L"desktop.ini");
  EXPECT_EQ(WasteExcludeFiles[0]->Description, L"Folder settings");
  EXPECT_EQ(WasteExcludeFiles[1]->Pattern, L"ntuser.*");
  EXPECT_TRUE(WasteExcludeFiles[1]->Enabled);

  WasteCleanOptions.CanRecover = true;
  LoadWasteCleanOptions();
  EXPECT_TRUE(WasteCleanOptions.SkipReadOnly);
  EXPECT_FALSE(WasteCleanOptions.SkipSystem);
  EXPECT_TRUE(WasteCleanOptions.SkipHide);     // any non-zero number
  EXPECT_FALSE(WasteCleanOptions.ScanZero);    // not a number: the default
  EXPECT_FALSE(WasteCleanOptions.CanRecover);  // missing: the default
}

TEST_F(WasteConfigTest, MissingFileGivesEmptyListsAndOptionsOff) {
  WasteCleanOptions = {true, true, true, true, true};
  LoadWasteFileTypes();
  LoadExcludeFolders();
  LoadExcludeFiles();
  LoadWasteCleanOptions();
  EXPECT_TRUE(WasteFileTypes.empty());
  EXPECT_TRUE(WasteExcludeFolders.empty());
  EXPECT_TRUE(WasteExcludeFiles.empty());
  EXPECT_FALSE(WasteCleanOptions.SkipReadOnly || WasteCleanOptions.SkipSystem || WasteCleanOptions.SkipHide ||
               WasteCleanOptions.ScanZero || WasteCleanOptions.CanRecover);
}

TEST_F(WasteConfigTest, LastRunRecordIsWrittenAndReadInTheProgramFormats) {
  EXPECT_EQ(LoadLastWasteInfo().When, 0);
  // Whatever changed the formats, the record keeps its own.
  FormatSettings().ShortDateFormat = L"dd/mm/yyyy";
  FormatSettings().DateSeparator = L'/';
  FormatSettings().LongTimeFormat = L"hh.nn";
  const TDateTime when = EncodeDate(2011, 1, 2) + EncodeTime(3, 4, 5, 0);
  StoreLastWasteInfo(1234, 1200, when);
  EXPECT_EQ(IniText(), "[LastInfo_Waste]\r\nDateTime=2011-01-02 03:04:05\r\nScanNum=1234\r\nClearNum=1200\r\n");

  FormatSettings().ShortDateFormat = L"mm.dd.yy";
  FormatSettings().DateSeparator = L'.';
  const TLastWasteInfo info = LoadLastWasteInfo();
  EXPECT_EQ(info.When, when);
  EXPECT_EQ(info.ScanNum, 1234);
  EXPECT_EQ(info.ClearNum, 1200);
}
