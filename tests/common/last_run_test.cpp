#include "common/last_run.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>

#include "base/exception.h"
#include "base/files.h"
#include "base/strings.h"
#include "common/time_ago.h"
#include "tests/base/test_folder.h"
#include "tests/base/test_files.h"

namespace {

// Cleaner.ini in a program folder of the test's own.
class LastRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.Path().empty());
    SetProgramFolderForTesting(dir_.Path());
    SetProgramDateFormats();
    for (int i = 1; i <= kDetailInfoCount; ++i) RegDetailInfo[i] = OneClickDetailInfo[i] = TDetailInfo();
  }
  void TearDown() override { SetProgramFolderForTesting(L""); }
  std::string FileText() const { return ReadBytes(dir_.Path() + L"Cleaner.ini"); }

  TestFolder dir_;
  const TDateTime when_ = EncodeDate(2010, 12, 31) + EncodeTime(14, 5, 9, 0);
};

}  // namespace

TEST_F(LastRunTest, FileIsCleanerIniInTheProgramFolder) {
  EXPECT_EQ(CleanerIniFileName(), dir_.Path() + L"Cleaner.ini");
}

TEST_F(LastRunTest, WritersProduceTheirKeysInOrder) {
  SaveLastRegInfo(12, 0, when_);
  SaveLastWasteInfo(30, 29, EncodeDate(2011, 1, 2));
  SaveLastHisInfo(when_);
  SaveLastMemoryInfo(when_);
  SaveLastOneClickInfo(87, 5, 4, when_);
  EXPECT_EQ(FileText(),
            "[LastInfo_Reg]\r\nDateTime=2010-12-31 14:05:09\r\nScanNum=12\r\nClearNum=0\r\n"
            "[LastInfo_Waste]\r\nDateTime=2011-01-02\r\nScanNum=30\r\nClearNum=29\r\n"
            "[LastInfo_His]\r\nDateTime=2010-12-31 14:05:09\r\n"
            "[LastInfo_Memory]\r\nDateTime=2010-12-31 14:05:09\r\n"
            "[LastOneClickProcess]\r\nPoint=87\r\nDateTime=2010-12-31 14:05:09\r\nScanNum=5\r\nClearNum=4\r\n");
}

TEST_F(LastRunTest, DetailWritersTakeTheirOwnArray) {
  for (int i = 1; i <= kDetailInfoCount; ++i) {
    RegDetailInfo[i] = {L"Cat" + IntToStr(i), i * 10, i};
    OneClickDetailInfo[i] = {L"One" + IntToStr(i), i, 0};
  }
  SaveLastRegDetail();
  std::string expected = "[LastRegDetail]\r\n";
  for (int i = 1; i <= kDetailInfoCount; ++i) {
    std::string n = std::to_string(i);
    expected += "Name" + n + "=Cat" + n + "\r\nScanNum" + n + "=" + std::to_string(i * 10) + "\r\nClearNum" + n +
                "=" + n + "\r\n";
  }
  EXPECT_EQ(FileText(), expected);

  SaveOneClickRegDetail();
  for (int i = 1; i <= kDetailInfoCount; ++i) RegDetailInfo[i] = TDetailInfo{L"stale", -5, -5};
  LoadLastRegDetail();
  for (int i = 1; i <= kDetailInfoCount; ++i) {
    EXPECT_EQ(RegDetailInfo[i].Name, L"One" + IntToStr(i));
    EXPECT_EQ(RegDetailInfo[i].ScanNum, i);
    EXPECT_EQ(RegDetailInfo[i].ClearNum, 0);
  }
}

TEST_F(LastRunTest, ReadersRoundTrip) {
  SaveLastRegInfo(12, 3, when_);
  SaveLastWasteInfo(30, 29, when_ + 1);
  SaveLastHisInfo(when_ + 2);
  SaveLastMemoryInfo(when_ + 3);
  SaveLastOneClickInfo(87, 5, 4, when_ + 4);
  TDateTime d;
  int scan, clear, point;
  LoadLastRegInfo(d, scan, clear);
  EXPECT_NEAR(d, when_, 1e-9);
  EXPECT_EQ(scan, 12);
  EXPECT_EQ(clear, 3);
  LoadLastWasteInfo(d, scan, clear);
  EXPECT_NEAR(d, when_ + 1, 1e-9);
  EXPECT_EQ(scan, 30);
  EXPECT_EQ(clear, 29);
  EXPECT_NEAR(LoadLastHisInfo(), when_ + 2, 1e-9);
  EXPECT_NEAR(LoadLastMemoryInfo(), when_ + 3, 1e-9);
  LoadLastOneClickInfo(point, d, scan, clear);
  EXPECT_EQ(point, 87);
  EXPECT_NEAR(d, when_ + 4, 1e-9);
  EXPECT_EQ(scan, 5);
  EXPECT_EQ(clear, 4);
}

TEST_F(LastRunTest, MidnightIsWrittenAsTheDateAloneAndReadsBack) {
  const TDateTime midnight = EncodeDate(2010, 12, 31);
  SaveLastHisInfo(midnight);
  EXPECT_EQ(FileText(), "[LastInfo_His]\r\nDateTime=2010-12-31\r\n");
  EXPECT_EQ(LoadLastHisInfo(), midnight);
}

TEST_F(LastRunTest, MissingAndBrokenValuesGiveDefaults) {
  int point = 5, scan = 5, clear = 5;
  TDateTime d = 5;
  LoadLastOneClickInfo(point, d, scan, clear);
  EXPECT_EQ(point, -1);
  EXPECT_EQ(d, 0);
  EXPECT_EQ(scan, 0);
  EXPECT_EQ(clear, 0);
  LoadLastRegDetail();
  EXPECT_EQ(RegDetailInfo[15].Name, L"");

  WriteBytes(CleanerIniFileName(),
             "[LastInfo_Reg]\r\nDateTime=31-12-2010 14:05:09\r\nScanNum=many\r\nClearNum=7\r\n"
             "[LastOneClickProcess]\r\nDateTime=2010-12-31\r\n");
  LoadLastRegInfo(d, scan, clear);
  EXPECT_EQ(d, 0);
  EXPECT_EQ(scan, 0);
  EXPECT_EQ(clear, 7);
  EXPECT_EQ(FormatLastRunDate(kLastRunLongFormat, d, kNotScanned), L"Not Scanned");
  LoadLastOneClickInfo(point, d, scan, clear);
  EXPECT_EQ(point, -1);
  EXPECT_EQ(d, EncodeDate(2010, 12, 31));
}

TEST_F(LastRunTest, UnwritableFileRaisesTheWriteError) {
  WriteBytes(CleanerIniFileName(), "[LastInfo_Reg]\r\nScanNum=1\r\n");
  ASSERT_TRUE(SetFileAttributesW(CleanerIniFileName().c_str(), FILE_ATTRIBUTE_READONLY));
  try {
    SaveLastRegInfo(2, 0, when_);
    ADD_FAILURE() << "no exception";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), L"Unable to write to " + dir_.Path() + L"Cleaner.ini");
  }
  SetFileAttributesW(CleanerIniFileName().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(FileText(), "[LastInfo_Reg]\r\nScanNum=1\r\n");
}

TEST_F(LastRunTest, DetailArraysAreIndexedByCategory) {
  EXPECT_NO_THROW(RegDetailInfo[1]);
  EXPECT_NO_THROW(RegDetailInfo[15]);
  EXPECT_THROW(RegDetailInfo[0], std::out_of_range);
  EXPECT_THROW(OneClickDetailInfo[16], std::out_of_range);
}
