#include "cleaners/junk/junk_texts.h"

#include <gtest/gtest.h>

#include "cleaners/junk/waste_lists.h"

TEST(JunkTextsTest, FormatByteSize) {
  const struct {
    int64_t bytes;
    const wchar_t* text;
  } cases[] = {
      {0, L"0.0 KB"},
      {512, L"0.5 KB"},
      {1023, L"1.0 KB"},
      {1048575, L"1024.0 KB"},
      {1048576, L"1.0 MB"},
      {1610612736, L"1.5 GB"},
      {1073741823, L"1024.0 MB"},
      {int64_t(5) << 40, L"5120.0 GB"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatByteSize(c.bytes), c.text) << c.bytes;
}

TEST(JunkTextsTest, WrapPathTextBreaksBeforeEveryMultipleOfTheWidth) {
  const std::wstring path(130, L'x');
  EXPECT_EQ(WrapPathText(path, 60), std::wstring(59, L'x') + L"\r\n" + std::wstring(60, L'x') + L"\r\n" +
                                        std::wstring(11, L'x'));
  EXPECT_EQ(WrapPathText(L"c:\\a.tmp", 60), L"c:\\a.tmp");
  EXPECT_EQ(WrapPathText(L"abcd", 2), L"a\r\nbc\r\nd");
  EXPECT_EQ(WrapPathText(L"", 60), L"");
  EXPECT_EQ(WrapPathText(L"abc", 0), L"abc");
}

TEST(JunkTextsTest, TotalsAndSelectedDrives) {
  ClearWasteFiles();
  EXPECT_EQ(TotalWasteSize(), L"0.0 KB");
  for (const int64_t size : {int64_t(3) << 30, int64_t(1) << 30}) {
    WasteFiles.push_back(std::make_unique<TWasteFile>());
    WasteFiles.back()->Size = size;
  }
  EXPECT_EQ(TotalWasteSize(), L"4.0 GB");  // 64-bit sum
  ClearWasteFiles();

  ClearDiskDrivers();
  EXPECT_EQ(SelectedDriveIndex(0), 0);
  for (const bool selected : {false, true, false, true}) {
    DiskDrivers.push_back(std::make_unique<TDiskDriver>());
    DiskDrivers.back()->Selected = selected;
  }
  EXPECT_EQ(SelectedDriveIndex(0), 1);
  EXPECT_EQ(SelectedDriveIndex(1), 3);
  EXPECT_EQ(SelectedDriveIndex(2), 0);
  ClearDiskDrivers();
}
