#include "cleaners/junk/fixed_drives.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "cleaners/junk/waste_lists.h"

// The test prefix has exactly one drive, c:, and no z: (the host's root).
TEST(FixedDrivesTest, ListsTheFixedDrivesOfThePrefix) {
  LoadFixedDrives();
  ASSERT_FALSE(DiskDrivers.empty());
  wchar_t previous = 0;
  bool sawC = false;
  for (const auto& drive : DiskDrivers) {
    EXPECT_GT(drive->Letter, previous);
    previous = drive->Letter;
    EXPECT_NE(drive->Letter, L'Z');
    EXPECT_EQ(drive->Root, std::wstring(1, drive->Letter) + L":\\");
    EXPECT_EQ(GetDriveTypeW(drive->Root.c_str()), UINT(DRIVE_FIXED));
    const std::wstring suffix = std::wstring(L" (") + drive->Letter + L":)";
    ASSERT_GT(drive->Caption.size(), suffix.size());
    EXPECT_EQ(drive->Caption.substr(drive->Caption.size() - suffix.size()), suffix);
    EXPECT_TRUE(drive->Selected);
    EXPECT_GT(drive->TotalBytes, 0);
    EXPECT_LE(drive->FreeBytes, drive->TotalBytes);
    EXPECT_EQ(drive->FileCount, 0);
    if (drive->Letter == L'C') sawC = true;
  }
  EXPECT_TRUE(sawC);

  const size_t count = DiskDrivers.size();
  LoadFixedDrives();  // loading again replaces the list
  EXPECT_EQ(DiskDrivers.size(), count);
}
