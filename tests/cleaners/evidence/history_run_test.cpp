// A run over the checked items: states and status texts, the order of the items, unchecked and
// unknown items, an item whose handler fails, and a second start while one runs.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cleaners/evidence/browser_history.h"
#include "cleaners/evidence/history_run.h"
#include "tests/base/test_message_pump.h"
#include "tests/base/test_program_folder.h"

namespace {

class HistoryRun : public testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteFile(L"Cleaner.ini",
                      "[HistoryList]\r\n"
                      "Browser=0\r\nHistory=101\r\nUnknown=555\r\nNotChecked=101\r\n"
                      "Empty=0\r\n"
                      "Again=0\r\nFailing=101\r\nAfterTheFailure=101\r\n");
    LoadHistoryList();
    HisItems[1][3].Checked = false;
    SetUrlHistoryClearerForTesting([this] {
      ++calls_;
      if (calls_ == 2) throw std::runtime_error("the history object cannot be created");
      return true;
    });
  }
  void TearDown() override { SetUrlHistoryClearerForTesting(nullptr); }

  TestProgramFolder folder_;
  int calls_ = 0;
};

TEST_F(HistoryRun, RunsTheCheckedItemsAndGoesOnAfterAFailure) {
  std::vector<std::pair<int, int>> started;
  std::vector<std::wstring> seen;  // the running item's status whenever something changed
  THistoryRunEvents events;
  events.OnItemStart = [&](int j, int k) { started.emplace_back(j, k); };
  events.OnChanged = [&] {
    if (!started.empty()) seen.push_back(HisItems[started.back().first][started.back().second].StatusText);
  };
  ASSERT_TRUE(RunHistoryItems(nullptr, events));

  EXPECT_EQ(started, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {3, 1}, {3, 2}}));
  EXPECT_EQ(calls_, 3);
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"Cleaning...", L"Completed", L"Cleaning...", L"Completed", L"Cleaning...",
                                             L"Completed"}));
  struct Expected {
    int j, k, state;
    const wchar_t* status;
  };
  for (const Expected& e : {Expected{1, 1, 1, L"Completed"}, Expected{1, 2, -1, L""}, Expected{1, 3, -1, L""},
                            Expected{3, 1, 100, L"Completed"}, Expected{3, 2, 1, L"Completed"}}) {
    EXPECT_EQ(HisItems[e.j][e.k].State, e.state) << e.j << "," << e.k;
    EXPECT_EQ(HisItems[e.j][e.k].StatusText, e.status) << e.j << "," << e.k;
  }
  EXPECT_FALSE(HisItems[1][3].Checked);
  EXPECT_FALSE(HistoryRunActive());
}

TEST_F(HistoryRun, ASecondStartWhileRunningIsRefused) {
  bool secondStarted = true;
  bool activeDuringRun = false;
  {
    ScopedMessagePump pump([&] {
      // A click on the page's button while the run pumps messages.
      activeDuringRun = HistoryRunActive();
      if (secondStarted) secondStarted = RunHistoryItems(nullptr, {});
    });
    ASSERT_TRUE(RunHistoryItems(nullptr, {}));
  }
  EXPECT_TRUE(activeDuringRun);
  EXPECT_FALSE(secondStarted);
  EXPECT_EQ(calls_, 3);
  EXPECT_FALSE(HistoryRunActive());
  EXPECT_TRUE(RunHistoryItems(nullptr, {}));
}

TEST_F(HistoryRun, TheWholeListRunsCheckedOrNot) {
  std::vector<std::pair<int, int>> started;
  THistoryRunEvents events;
  events.OnItemStart = [&](int j, int k) { started.emplace_back(j, k); };
  ASSERT_TRUE(RunHistoryItems(nullptr, events, THistoryRunScope::AllItems));
  EXPECT_EQ(started, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {1, 3}, {3, 1}, {3, 2}}));
  EXPECT_EQ(calls_, 4);
  // The unchecked item ran second, so it met the failing history object.
  EXPECT_EQ(HisItems[1][3].State, kHisStateFailed);
  EXPECT_EQ(HisItems[3][1].State, kHisStateDone);
  EXPECT_FALSE(HisItems[1][3].Checked);
}

TEST(HistoryStatusText, FollowsTheReportedState) {
  struct Case {
    int state;
    const wchar_t* text;
  };
  for (const Case& c : {Case{0, L"Cleaning..."}, Case{1, L"Completed"}, Case{100, L"Completed"}, Case{-1, L""},
                        Case{7, L"previous"}, Case{-2, L"previous"}})
    EXPECT_EQ(HistoryStatusText(c.state, L"previous"), c.text) << c.state;
}

}  // namespace
