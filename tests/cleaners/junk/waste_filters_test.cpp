#include "cleaners/junk/waste_filters.h"

#include <gtest/gtest.h>

#include "tests/cleaners/junk/junk_lists.h"

TEST(WasteFiltersTest, ExcludedFolders) {
  const TWasteFolderList folders = FolderList({L"C:\\Windows\\", L"*\\temp\\", L"?:\\Program Files\\"});
  const struct {
    const wchar_t* folder;
    bool excluded;
  } cases[] = {
      {L"c:\\windows\\", true},
      // Only the folder itself matches; the scan never gets below it.
      {L"c:\\windows\\system32\\", false},
      {L"c:\\windowsold\\", false},
      {L"d:\\windows\\", false},
      {L"c:\\users\\me\\temp\\", true},
      {L"c:\\users\\me\\temp\\deeper\\", false},
      {L"c:\\users\\me\\temporary\\", false},
      {L"e:\\program files\\", true},
      {L"c:\\", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsFolderExcluded(c.folder, folders), c.excluded) << testing::PrintToString(std::wstring(c.folder));
  EXPECT_FALSE(IsFolderExcluded(L"c:\\windows\\", TWasteFolderList()));
}

TEST(WasteFiltersTest, WasteTypesMatchEnabledPatternsOnTheNameAlone) {
  TWasteFileTypeList types = TypeList({L"*.tmp", L"*.chk"});
  EXPECT_TRUE(MatchesWasteType(L"A.TMP", types));
  EXPECT_TRUE(MatchesWasteType(L"file0000.chk", types));
  EXPECT_FALSE(MatchesWasteType(L"notes.txt", types));
  types[0]->Enabled = false;
  EXPECT_FALSE(MatchesWasteType(L"a.tmp", types));
  EXPECT_TRUE(MatchesWasteType(L"b.chk", types));
  EXPECT_FALSE(MatchesWasteType(L"a.tmp", TWasteFileTypeList()));
}

TEST(WasteFiltersTest, AttributeFilter) {
  const DWORD R = FILE_ATTRIBUTE_READONLY, H = FILE_ATTRIBUTE_HIDDEN, S = FILE_ATTRIBUTE_SYSTEM,
              A = FILE_ATTRIBUTE_ARCHIVE;
  const struct {
    bool skipReadOnly, skipSystem, skipHide;
    DWORD attributes;
    bool passes;
  } cases[] = {
      {false, false, false, R | H | S | A, true},
      {true, false, false, A, true},
      {true, false, false, R | A, false},
      {true, false, false, H | S, true},
      {false, true, false, S, false},
      {false, true, false, R | H, true},
      {false, false, true, H, false},
      {false, false, true, R | S, true},
      {true, true, true, A, true},
      {true, true, true, H | A, false},
  };
  for (const auto& c : cases) {
    TWasteCleanOptions options;
    options.SkipReadOnly = c.skipReadOnly;
    options.SkipSystem = c.skipSystem;
    options.SkipHide = c.skipHide;
    EXPECT_EQ(PassesAttributeFilter(c.attributes, options), c.passes)
        << c.skipReadOnly << c.skipSystem << c.skipHide << " attributes " << c.attributes;
  }
}
