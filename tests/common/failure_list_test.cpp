// The failure box text: every failure on its own line, long lists cut with a count of the rest.
#include "common/failure_list.h"

#include <gtest/gtest.h>

TEST(FailureListTest, ListsEachFailureUnderTheHeading) {
  EXPECT_EQ(FailureListText(L"Failed:", {L"a", L"b"}), L"Failed:\r\na\r\nb");
  EXPECT_EQ(FailureListText(L"Failed:", {}), L"Failed:");
}

TEST(FailureListTest, LongListsAreCutWithACountOfTheRest) {
  std::vector<std::wstring> failures;
  for (size_t i = 0; i < kFailureLinesShown + 3; ++i) failures.push_back(L"f" + std::to_wstring(i));
  std::wstring text = FailureListText(L"H", failures);
  EXPECT_NE(text.find(L"\r\nf" + std::to_wstring(kFailureLinesShown - 1) + L"\r\n"), std::wstring::npos);
  EXPECT_EQ(text.find(L"f" + std::to_wstring(kFailureLinesShown) + L"\r\n"), std::wstring::npos);
  EXPECT_EQ(text.substr(text.size() - 15), L"... and 3 more.");
}
