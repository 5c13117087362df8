// The cached usage record: read within the value's bytes whatever their number, and the last-use
// date text.
#include "tools/uninstall/slow_info_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/date_time.h"

namespace {

void PutU32(std::vector<BYTE>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<BYTE>(v >> (8 * i));
}

// A record as Windows stores it: 552 bytes, the name zero-terminated in its field.
std::vector<BYTE> Record(bool hasName, int64_t size, FILETIME lastUsed, int32_t frequency, const std::wstring& name,
                         size_t bytes = 552) {
  std::vector<BYTE> b(std::max<size_t>(bytes, 28 + 2 * name.size()), 0);
  PutU32(b, 0, 552);
  PutU32(b, 4, hasName ? 1 : 0);
  PutU32(b, 8, static_cast<uint32_t>(size));
  PutU32(b, 12, static_cast<uint32_t>(static_cast<uint64_t>(size) >> 32));
  PutU32(b, 16, lastUsed.dwLowDateTime);
  PutU32(b, 20, lastUsed.dwHighDateTime);
  PutU32(b, 24, static_cast<uint32_t>(frequency));
  for (size_t i = 0; i < name.size(); ++i) {
    b[28 + 2 * i] = static_cast<BYTE>(name[i] & 0xFF);
    b[29 + 2 * i] = static_cast<BYTE>(name[i] >> 8);
  }
  b.resize(bytes);
  return b;
}

FILETIME Time(int year, int month, int day) {
  SYSTEMTIME st = {};
  st.wYear = static_cast<WORD>(year);
  st.wMonth = static_cast<WORD>(month);
  st.wDay = static_cast<WORD>(day);
  st.wHour = 13;
  FILETIME ft;
  SystemTimeToFileTime(&st, &ft);
  return ft;
}

}  // namespace

TEST(SlowInfoCache, AWholeRecordGivesEveryField) {
  TSlowInfoCache r;
  ASSERT_TRUE(ParseSlowInfoCache(Record(true, 5LL << 32 | 7, Time(2024, 3, 5), 12, L"C:\\Apps\\app.exe"), r));
  EXPECT_TRUE(r.HasName);
  EXPECT_EQ(r.InstalledSize, 5LL << 32 | 7);
  EXPECT_EQ(r.Frequency, 12);
  EXPECT_EQ(r.Name, L"C:\\Apps\\app.exe");
  EXPECT_EQ(r.LastUsed.dwHighDateTime, Time(2024, 3, 5).dwHighDateTime);
}

TEST(SlowInfoCache, SignedFieldsKeepTheirSign) {
  TSlowInfoCache r;
  ASSERT_TRUE(ParseSlowInfoCache(Record(false, -1, {}, -1, L"ignored"), r));
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
    EXPECT_EQ(ParseSlowInfoCache(Record(true, 100, Time(2023, 1, 2), 4, name, c.bytes), r), c.parsed) << c.what;
    if (c.parsed) {
      EXPECT_EQ(r.Name, c.name) << c.what;
      EXPECT_EQ(r.InstalledSize, 100) << c.what;
      EXPECT_EQ(r.Frequency, 4) << c.what;
    }
  }
}

TEST(SlowInfoCache, ANameWithoutTerminatorStopsAtItsField) {
  // A value larger than the record whose name field is full: the name ends with the field.
  std::vector<BYTE> data = Record(true, 1, {}, 1, std::wstring(300, L'a'), 900);
  TSlowInfoCache r;
  ASSERT_TRUE(ParseSlowInfoCache(data, r));
  EXPECT_EQ(r.Name, std::wstring(kSlowInfoCacheNameChars, L'a'));
}

TEST(SlowInfoCache, LastUseIsAShortDateOrNotAvailable) {
  SetProgramDateFormats();
  EXPECT_EQ(LastUsedText(Time(2024, 3, 5)), L"2024-03-05");
  FILETIME lowZero = Time(2024, 3, 5);
  lowZero.dwLowDateTime = 0;
  EXPECT_EQ(LastUsedText(lowZero), L"N/A");
  EXPECT_EQ(LastUsedText({123, 0}), L"N/A");
  EXPECT_EQ(LastUsedText({}), L"N/A");
  // Beyond what the platform converts (the sign bit of the 64-bit count set).
  EXPECT_EQ(LastUsedText({1, 0x90000000u}), L"N/A");
}
