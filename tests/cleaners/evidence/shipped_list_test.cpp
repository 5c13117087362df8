// The [HistoryList] shipped in Cleaner.ini: it loads, and every item has a handler.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "cleaners/evidence/history_handlers.h"
#include "cleaners/evidence/history_list.h"
#include "tests/base/test_files.h"
#include "tests/base/test_program_folder.h"

namespace {

TEST(ShippedHistoryList, EveryItemHasAHandler) {
  const std::string ini = ReadRcData(L"SHIPPED_CLEANER_INI");
  ASSERT_FALSE(ini.empty());
  TestProgramFolder folder;
  folder.WriteFile(L"Cleaner.ini", ini);
  LoadHistoryList();
  ASSERT_GT(CategoryCount, 0);
  int items = 0;
  for (int j = 1; j <= CategoryCount; ++j) {
    EXPECT_GT(CategoryInfos[j].Count, 0) << "empty category " << j;
    for (int k = 1; k <= CategoryInfos[j].Count; ++k, ++items)
      EXPECT_TRUE(HistoryHandlerForCode(HisItems[j][k].Code).Known()) << "code " << HisItems[j][k].Code;
  }
  EXPECT_GT(items, 0);
}

TEST(ShippedHistoryList, DoesNotEmptyTheRecycleBinUnasked) {
  TestProgramFolder folder;
  folder.WriteFile(L"Cleaner.ini", ReadRcData(L"SHIPPED_CLEANER_INI"));
  LoadHistoryList();
  for (int j = 1; j <= CategoryCount; ++j)
    for (int k = 1; k <= CategoryInfos[j].Count; ++k) EXPECT_NE(HisItems[j][k].Code, 6);
}

}  // namespace
