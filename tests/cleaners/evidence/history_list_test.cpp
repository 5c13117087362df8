// Loading [HistoryList]: categories, items, codes and the limits of the list.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cleaners/evidence/history_list.h"
#include "tests/base/test_program_folder.h"

namespace {

using Items = std::vector<std::pair<std::wstring, int>>;
using Categories = std::vector<std::pair<std::wstring, Items>>;

Categories Loaded() {
  Categories loaded;
  for (int j = 1; j <= CategoryCount; ++j) {
    Items items;
    for (int k = 1; k <= CategoryInfos[j].Count; ++k) items.emplace_back(HisItems[j][k].Name, HisItems[j][k].Code);
    loaded.emplace_back(CategoryInfos[j].Name, items);
  }
  return loaded;
}

struct ParseCase {
  const char* name;
  std::string ini;
  Categories expected;
};

class HistoryListParse : public testing::TestWithParam<ParseCase> {};

TEST_P(HistoryListParse, GivesTheCategoriesAndItems) {
  TestProgramFolder folder;
  folder.WriteFile(L"Cleaner.ini", GetParam().ini);
  LoadHistoryList();
  EXPECT_EQ(Loaded(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryListParse,
    testing::Values(
        ParseCase{"CategoryThenItems", "[HistoryList]\r\nSystem=0\r\nRun=2\r\nClipboard=5\r\n",
                  {{L"System", {{L"Run", 2}, {L"Clipboard", 5}}}}},
        ParseCase{"TwoCategoriesInARowGiveAnEmptyOne", "[HistoryList]\nA=0\nB=0\nx=1\n",
                  {{L"A", {}}, {L"B", {{L"x", 1}}}}},
        ParseCase{"NonNumericCodeIsMinusOne", "[HistoryList]\nA=0\nodd=abc\nneg=-5\nhex=0x65\n",
                  {{L"A", {{L"odd", -1}, {L"neg", -5}, {L"hex", 101}}}}},
        ParseCase{"LinesBeforeTheFirstCategoryAreIgnored", "[HistoryList]\nstray=7\nA=0\nx=1\n", {{L"A", {{L"x", 1}}}}},
        ParseCase{"OtherSectionsAreNotRead", "[WasteFileType]\n*.tmp=1\n[HistoryList]\nA=0\n[Other]\nB=0\n",
                  {{L"A", {}}}},
        ParseCase{"NoSection", "[Other]\nA=0\n", {}}, ParseCase{"EmptyFile", "", {}}),
    [](const testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

TEST(HistoryList, MissingFileGivesNoCategories) {
  TestProgramFolder folder;
  folder.WriteFile(L"Cleaner.ini", "[HistoryList]\nA=0\nx=1\n");
  LoadHistoryList();
  ASSERT_EQ(CategoryCount, 1);
  DeleteFileW((folder.Path() + L"Cleaner.ini").c_str());
  LoadHistoryList();
  EXPECT_EQ(CategoryCount, 0);
  EXPECT_EQ(CategoryInfos[1].Count, 0);
}

TEST(HistoryList, ItemsStartCheckedInTheLoadedStateOnEveryLoad) {
  TestProgramFolder folder;
  folder.WriteFile(L"Cleaner.ini", "[HistoryList]\nA=0\nx=1\ny=2\n");
  LoadHistoryList();
  HisItems[1][1].Checked = false;
  HisItems[1][2].State = kHisStateDone;
  LoadHistoryList();
  for (int k = 1; k <= 2; ++k) {
    EXPECT_TRUE(HisItems[1][k].Checked) << k;
    EXPECT_EQ(HisItems[1][k].State, kHisStateLoaded) << k;
  }
}

TEST(HistoryList, CategoriesBeyondTheLimitAndTheirItemsAreIgnored) {
  std::string ini = "[HistoryList]\n";
  for (int j = 1; j <= kMaxHistoryCategories + 2; ++j)
    ini += "cat" + std::to_string(j) + "=0\nitem" + std::to_string(j) + "=" + std::to_string(j) + "\n";
  TestProgramFolder folder;
  folder.WriteFile(L"Cleaner.ini", ini);
  LoadHistoryList();
  ASSERT_EQ(CategoryCount, kMaxHistoryCategories);
  EXPECT_EQ(CategoryInfos[kMaxHistoryCategories].Name, L"cat100");
  EXPECT_EQ(CategoryInfos[kMaxHistoryCategories].Count, 1);
  EXPECT_EQ(HisItems[kMaxHistoryCategories][1].Name, L"item100");
  EXPECT_EQ(HisItems[kMaxHistoryCategories][1].Code, 100);
}

TEST(HistoryList, ItemsBeyondTheLimitAreIgnoredAndTheNextCategoryLoads) {
  std::string ini = "[HistoryList]\nbig=0\n";
  for (int k = 1; k <= kMaxHistoryItems + 5; ++k) ini += "item" + std::to_string(k) + "=" + std::to_string(k) + "\n";
  ini += "next=0\nlast=9\n";
  TestProgramFolder folder;
  folder.WriteFile(L"Cleaner.ini", ini);
  LoadHistoryList();
  ASSERT_EQ(CategoryCount, 2);
  EXPECT_EQ(CategoryInfos[1].Count, kMaxHistoryItems);
  EXPECT_EQ(HisItems[1][kMaxHistoryItems].Name, L"item200");
  EXPECT_EQ(Loaded()[1], (std::pair<std::wstring, Items>{L"next", {{L"last", 9}}}));
}

}  // namespace

namespace {

class HistoryChecks : public testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteFile(L"Cleaner.ini", "[HistoryList]\nA=0\na1=1\na2=2\nB=0\nb1=3\nEmpty=0\n");
    LoadHistoryList();
  }
  TestProgramFolder folder_;
};

TEST_F(HistoryChecks, ACategoryFollowsItsItems) {
  EXPECT_EQ(CategoryCheckState(1), THisCheckState::Checked);
  EXPECT_EQ(CategoryCheckState(3), THisCheckState::Unchecked);  // no items
  HisItems[1][2].Checked = false;
  EXPECT_EQ(CategoryCheckState(1), THisCheckState::Mixed);
  HisItems[1][1].Checked = false;
  EXPECT_EQ(CategoryCheckState(1), THisCheckState::Unchecked);
  SetCategoryChecked(1, true);
  EXPECT_EQ(CategoryCheckState(1), THisCheckState::Checked);
  EXPECT_EQ(CategoryCheckState(2), THisCheckState::Checked);
}

TEST_F(HistoryChecks, SelectAllReachesEveryItem) {
  SetAllHistoryItemsChecked(false);
  for (int j = 1; j <= 3; ++j) EXPECT_EQ(CategoryCheckState(j), THisCheckState::Unchecked) << j;
  SetAllHistoryItemsChecked(true);
  EXPECT_EQ(CategoryCheckState(1), THisCheckState::Checked);
  EXPECT_EQ(CategoryCheckState(2), THisCheckState::Checked);
}

}  // namespace
