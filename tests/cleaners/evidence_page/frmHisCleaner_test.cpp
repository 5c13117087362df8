// The evidence cleaner page inside a page host, on a fixture evidence list: the tri-state
// rows, a run over the checked items with their statuses, a second click during a run, the
// navigation while it runs, and the last-run record.
#include "cleaners/evidence_page/frmHisCleaner.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "cleaners/evidence/history_handlers.h"
#include "cleaners/evidence/history_list.h"
#include "common/last_run.h"
#include "common/time_ago.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/cleaners/evidence_page/evidence_tree_rows.h"
#include "tests/support/page_test_fixture.h"

namespace {

// Category 1: the temporary folder (7), the Recycle Bin (6), a code without a handler;
// category 2 has no items; category 3: the Recycle Bin again.
const char kCleanerIni[] =
    "[HistoryList]\r\nSystem=0\r\nTemporary folder=7\r\nRecycle Bin=6\r\nUnknown trace=9999\r\n"
    "Nothing here=0\r\nMore=0\r\nRecycle Bin again=6\r\n";

class EvidencePageTest : public PageTest<TfrmHisCleaner> {
 protected:
  EvidencePageTest() : PageTest(L"TfrmHisCleaner", L"btnEvidenceCleaner") {}

  void SetUp() override {
    program_.WriteFile(L"Cleaner.ini", kCleanerIni);
    ASSERT_TRUE(ForceDirectories(windows_.Path() + L"Temp"));
    WriteBytes(windows_.Path() + L"Temp\\trace.tmp", "trace");
    SetSpecialFolderLookupForTesting([this](int csidl, std::wstring& path) {
      if (csidl != CSIDL_WINDOWS || noWindowsFolder) return false;
      path = windows_.Path().substr(0, windows_.Path().size() - 1);
      return true;
    });
    SetRecycleBinEmptierForTesting([this](HWND) {
      ++recycleRuns;
      if (onRecycle) onRecycle();
      return true;
    });
    answer = [this](const TRecordedBox& box) {
      if (box.text == L" Evidence Cleaning Completed.") statusesAtBox = Statuses();
      return IDOK;
    };
    PageTest::SetUp();
  }

  void TearDown() override {
    PageTest::TearDown();
    SetRecycleBinEmptierForTesting(nullptr);
    SetSpecialFolderLookupForTesting(nullptr);
  }

  TfrmHisCleaner* Open() {
    page_ = OpenPage();
    return page_;
  }

  PVirtualNode Category(int j) { return EvidenceTreeRows{page_->vst}.Category(j); }
  PVirtualNode Item(int j, int k) { return EvidenceTreeRows{page_->vst}.Item(j, k); }
  TCheckState Shown(PVirtualNode node) { return EvidenceTreeRows{page_->vst}.Shown(node); }
  std::vector<std::wstring> Statuses() {
    std::vector<std::wstring> texts;
    for (int k = 1; k <= 3; ++k) texts.push_back(HisItems[1][k].StatusText);
    texts.push_back(HisItems[3][1].StatusText);
    return texts;
  }

  TestFolder windows_{L"qs_evidence_windows_"};
  bool noWindowsFolder = false;
  int recycleRuns = 0;
  std::function<void()> onRecycle;
  std::vector<std::wstring> statusesAtBox;
  TfrmHisCleaner* page_ = nullptr;
};

TEST_F(EvidencePageTest, OpensWithEveryItemCheckedAndNoRecord) {
  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(page_->Label6->Caption(), Host().Greeting() + L" Evidence Cleaner");
  EXPECT_TRUE(page_->chkSeleAllItem->Checked());
  ASSERT_EQ(page_->vst->RootNodeCount(), 3u);
  EXPECT_EQ(page_->vst->Text(Category(1), 0), L"System");
  EXPECT_EQ(page_->vst->Text(Item(1, 2), 0), L"Recycle Bin");
  EXPECT_TRUE(page_->vst->Expanded(Category(1)));
  EXPECT_EQ(Shown(Category(1)), TCheckState::csCheckedNormal);
  EXPECT_EQ(Shown(Item(1, 3)), TCheckState::csCheckedNormal);
  // A category without items shows unchecked and, once counted, no expand button.
  EXPECT_EQ(page_->vst->ChildCount(Category(2)), 0u);
  EXPECT_FALSE(page_->vst->HasChildren(Category(2)));
  EXPECT_EQ(Shown(Category(2)), TCheckState::csUncheckedNormal);
  EXPECT_EQ(page_->lblLast->Caption(), L"Not Scanned");
  EXPECT_EQ(page_->lblLastDT->Caption(), L"");
}

TEST_F(EvidencePageTest, CategoryAndItemBoxesFollowEachOther) {
  ASSERT_NE(Open(), nullptr);
  page_->vst->SetCheckState(Item(1, 2), TCheckState::csUncheckedNormal);
  EXPECT_FALSE(HisItems[1][2].Checked);
  EXPECT_EQ(Shown(Category(1)), TCheckState::csMixedNormal);

  page_->vst->SetCheckState(Category(1), TCheckState::csUncheckedNormal);
  for (int k = 1; k <= 3; ++k) EXPECT_FALSE(HisItems[1][k].Checked) << k;
  EXPECT_EQ(Shown(Item(1, 1)), TCheckState::csUncheckedNormal);

  page_->vst->SetCheckState(Category(1), TCheckState::csCheckedNormal);
  for (int k = 1; k <= 3; ++k) EXPECT_TRUE(HisItems[1][k].Checked) << k;

  page_->chkSeleAllItem->SetChecked(false);
  ASSERT_FALSE(page_->chkSeleAllItem->Checked());
  EXPECT_FALSE(HisItems[3][1].Checked);
  EXPECT_EQ(Shown(Category(3)), TCheckState::csUncheckedNormal);
  EXPECT_EQ(Shown(Item(1, 1)), TCheckState::csUncheckedNormal);
}

TEST_F(EvidencePageTest, RunClearsTheCheckedItemsShowsStatusesAndRecordsTheDate) {
  ASSERT_NE(Open(), nullptr);
  page_->vst->SetCheckState(Category(3), TCheckState::csUncheckedNormal);
  bool navigationDuringRun = true;
  onRecycle = [&] {
    navigationDuringRun = !NavigationLocked();
    // A second click while the list is being worked on starts nothing.
    page_->btnScan->Click();
    page_->ImageEx1->Click();
  };
  const TDateTime before = Now();
  page_->btnScan->Click();

  EXPECT_EQ(recycleRuns, 1);
  EXPECT_FALSE(navigationDuringRun);
  EXPECT_FALSE(NavigationLocked());
  EXPECT_FALSE(FileExists(windows_.Path() + L"Temp\\trace.tmp"));
  // The unknown code reports nothing; the unchecked item keeps the reset state.
  EXPECT_EQ(statusesAtBox, (std::vector<std::wstring>{L"Completed", L"Completed", L"", L""}));
  EXPECT_EQ(HisItems[1][1].State, 1);
  EXPECT_EQ(HisItems[3][1].State, -1);
  EXPECT_TRUE(HisItems[1][3].Checked);
  EXPECT_FALSE(HisItems[3][1].Checked);
  EXPECT_EQ(BoxesShown(), std::vector<std::wstring>{L" Evidence Cleaning Completed.|Quillstead v4.1"});
  // After the box the statuses are emptied again.
  EXPECT_EQ(Statuses(), (std::vector<std::wstring>{L"", L"", L"", L""}));
  EXPECT_EQ(page_->CurrentCategory, 1);
  EXPECT_EQ(page_->CurrentItem, 3);

  const TDateTime stored = LoadLastHisInfo();
  EXPECT_GE(stored, before - 1.0 / 86400);
  EXPECT_EQ(page_->lblLastDT->Caption(), FormatDateTime(kLastRunLongFormat, stored));
  EXPECT_EQ(page_->lblLast->Caption(), FormatTimeAgo(stored));
}

TEST_F(EvidencePageTest, FailingItemShowsCompletedAndTheRunGoesOn) {
  ASSERT_NE(Open(), nullptr);
  noWindowsFolder = true;
  page_->btnScan->Click();
  EXPECT_EQ(HisItems[1][1].State, 100);
  EXPECT_EQ(statusesAtBox, (std::vector<std::wstring>{L"Completed", L"Completed", L"", L"Completed"}));
  EXPECT_EQ(recycleRuns, 2);
  EXPECT_TRUE(FileExists(windows_.Path() + L"Temp\\trace.tmp"));
  EXPECT_FALSE(NavigationLocked());
}

TEST_F(EvidencePageTest, NothingCheckedStillRecordsTheRunAndShowsTheBox) {
  ASSERT_NE(Open(), nullptr);
  page_->chkSeleAllItem->SetChecked(false);
  page_->btnScan->Click();
  EXPECT_EQ(recycleRuns, 0);
  EXPECT_TRUE(FileExists(windows_.Path() + L"Temp\\trace.tmp"));
  EXPECT_FALSE(IsNeverRun(LoadLastHisInfo()));
  EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(EvidencePageTest, RunScrollsTheRunningItemIntoView) {
  // The Recycle Bin item lies far below the rows the tree shows at first.
  std::string ini = "[HistoryList]\r\nMany=0\r\n";
  for (int i = 1; i <= 30; ++i) ini += "Unknown " + std::to_string(i) + "=9999\r\n";
  ini += "Recycle Bin=6\r\n";
  program_.WriteFile(L"Cleaner.ini", ini);
  ASSERT_NE(Open(), nullptr);
  ASSERT_EQ(page_->vst->OffsetY(), 0);
  bool shown = false;
  onRecycle = [&] {
    const TRect row = page_->vst->GetDisplayRect(Item(1, 31), 0, false);
    const TRect client = page_->vst->ClientRect();
    shown = row.top >= page_->vst->HeaderHeight() && row.bottom <= client.bottom;
  };
  page_->btnScan->Click();
  EXPECT_EQ(recycleRuns, 1);
  EXPECT_TRUE(shown);
  // After the run the first row is in view again.
  EXPECT_EQ(page_->vst->OffsetY(), 0);
}

}  // namespace
