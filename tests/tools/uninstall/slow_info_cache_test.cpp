// The cached usage record: read within the value's bytes whatever their number, and the last-use
// date text.
#include "tools/uninstall/slow_info_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/date_time.h"
#include "tests/tools/uninstall/uninstall_fixture.h"

TEST(SlowInfoCache, AWholeRecordGivesEveryField) {
  TSlowInfoCache r;
  ASSERT_TRUE(ParseSlowInfoCache(CacheRecord(true, 5LL << 32 | 7, Day(2024, 3, 5), 12, L"C:\\Apps\\app.exe"), r));
  EXPECT_TRUE(r.HasName);
  EXPECT_EQ(r.InstalledSize, 5LL << 32 | 7);
  EXPECT_EQ(r.Frequency, 12);
  EXPECT_EQ(r.Name, L"C:\\Apps\\app.exe");
  EXPECT_EQ(r.LastUsed.dwHighDateTime, Day(2024, 3, 5).dwHighDateTime);
}

TEST(SlowInfoCache, SignedFieldsKeepTheirSign) {
  TSlowInfoCache r;
  ASSERT_TRUE(ParseSlowInfoCache(CacheRecord(false, -1, {}, -1, L"ignored"), r));
  EXPECT_EQ(r.InstalledSize, -1);
  EXPECT_EQ(r.Frequency, -1);
  EXPECT_FALSE(r.HasName);
  EXPECT_EQ(r.Name, L"");  // without HasName the field is not read
}

// Short and malformed values: what lies beyond the stored bytes is never read.
TEST(SlowInfoCache, ShortAndCutRecordsAreReadWithinTheirBytes) {
  const std::wstring name = L"C:\\Program Files\\Tool\\tool.exe";
  struct Case {
    const char* what;
    size_t bytes;
    bool parsed;
    std::wstring name;
  } cases[] = {
      {"empty", 0, false, L""},
      {"one byte short of the fixed part", 27, false, L""},
      {"the fixed part alone", 28, true, L""},
      {"cut inside the third character", 28 + 5, true, name.substr(0, 2)},
      {"cut before the terminating zero", 28 + 2 * name.size(), true, name},
      {"full size", 552, true, name},
  };
  for (const Case& c : cases) {
    TSlowInfoCache r;
    EXPECT_EQ(ParseSlowInfoCache(CacheRecord(true, 100, Day(2023, 1, 2), 4, name, c.bytes), r), c.parsed) << c.what;
    if (c.parsed) {
      EXPECT_EQ(r.Name, c.name) << c.what;
      EXPECT_EQ(r.InstalledSize, 100) << c.what;
      EXPECT_EQ(r.Frequency, 4) << c.what;
    }
  }
}

TEST(SlowInfoCache, ANameWithoutTerminatorStopsAtItsField) {
  // A value larger than the record whose name field is full: the name ends with the field.
  std::vector<BYTE> data = CacheRecord(true, 1, {}, 1, std::wstring(300, L'a'), 900);
  TSlowInfoCache r;
  ASSERT_TRUE(ParseSlowInfoCache(data, r));
  EXPECT_EQ(r.Name, std::wstring(kSlowInfoCacheNameChars, L'a'));
}

TEST(SlowInfoCache, LastUseIsAShortDateOrNotAvailable) {
  SetProgramDateFormats();
  EXPECT_EQ(LastUsedText(Day(2024, 3, 5)), L"2024-03-05");
  FILETIME lowZero = Day(2024, 3, 5);
  lowZero.dwLowDateTime = 0;
  EXPECT_EQ(LastUsedText(lowZero), L"N/A");
  EXPECT_EQ(LastUsedText({123, 0}), L"N/A");
  EXPECT_EQ(LastUsedText({}), L"N/A");
  // Beyond what the platform converts (the sign bit of the 64-bit count set).
  EXPECT_EQ(LastUsedText({1, 0x90000000u}), L"N/A");
  // Converts (the year 30827), but is no date the program holds: not the empty date 1899-12-30.
  EXPECT_EQ(LastUsedText({0xFFFFFFFFu, 0x7FFFFFFFu}), L"N/A");
}
