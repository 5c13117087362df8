// The registry cleaner page inside a page host, driven through its buttons, boxes and rows on
// keys seeded in the throwaway prefix: the start view, scanning chosen categories, stopping, the
// results tree, the backup question and its answers, a failed backup, cleaning and stopping it,
// the summary and the last-run records, and the page after a scan that ends in an error.
#include "registry/reg_editor.h"
#include "registry/cleaner_page/frmRegCleaner.h"
#include "registry/cleaner_page/reg_result_rows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/ini_file.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "common/last_run.h"
#include "registry/reg_backup.h"
#include "reg_cleaner_page_fixture.h"

namespace {

const HKEY CU = HKEY_CURRENT_USER;
const std::wstring kRunMru = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
const std::wstring kRunOnce = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr int kMruCategory = 10;
constexpr int kStartupCategory = 12;

const wchar_t kStopQuestion[] = L"Sure you want to stop scanning?";
const wchar_t kCleaned[] = L"清理成功";
const wchar_t kFailed[] = L"清理失败";

class RegCleanerPageTest : public RegCleanerPageFixture {
 protected:
  // Four RunMRU values of this test's own: each is a problem of category 10.
  void SeedMru(int count = 4) {
    for (int i = 0; i < count; ++i) Fx.SetString(CU, kRunMru, Fx.Tag() + L"v" + IntToStr(i), L"cmd " + IntToStr(i));
  }

  bool MruValueExists(int i) const {
    TRegistry reg(KEY_READ);
    reg.SetRootKey(CU);
    return reg.OpenKeyReadOnly(kRunMru) && reg.ValueExists(Fx.Tag() + L"v" + IntToStr(i));
  }

  // Scans, answers the backup question and cleans what the seeds left selected.
  void ScanAndClean(TfrmRegCleaner* page, int answer) {
    page->btnScan->Click();
    KeepOnlySeeds(page);
    answers = {answer};
    page->btnClear->Click();
  }
};

}  // namespace

TEST_F(RegCleanerPageTest, OpensFromItsButtonOnTheStartViewWithEveryCategoryTicked) {
  TfrmRegCleaner* page = OpenPage();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Parent(), PageArea());
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts1);
  for (int i = 0; i < page->pgc1->PageCount(); ++i) EXPECT_FALSE(page->pgc1->Pages(i)->TabVisible()) << i;
  EXPECT_EQ(page->Label6->Caption(), Host().Greeting() + L" Registry Cleaner");
  EXPECT_EQ(page->Label7->Caption(), L"Optimizes and Fix your system  by removing  invaid registrys errors.");
  EXPECT_EQ(page->lblLast->Caption(), L"Not Scanned");
  EXPECT_EQ(page->lblLastDT->Caption(), L"");
  EXPECT_EQ(page->lblLastScan->Caption(), L"0");
  EXPECT_EQ(page->lblLastClear->Caption(), L"0");
  EXPECT_TRUE(page->chkSeleAllItem->Checked());
  for (int n = 1; n <= kRegCategoryCount; ++n) {
    SCOPED_TRACE(n);
    ASSERT_NE(page->CategoryBox(n), nullptr);
    ASSERT_NE(page->CategoryLabel(n), nullptr);
    ASSERT_NE(page->CategoryPicture(n), nullptr);
    EXPECT_TRUE(page->CategoryBox(n)->Checked());
    EXPECT_EQ(page->CategoryBox(n)->Tag(), n);
    EXPECT_EQ(page->CategoryBox(n)->Caption(), RegCategoryNames[n]);
  }
  EXPECT_TRUE(NavigationEnabled());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(RegCleanerPageTest, UntickingSelectAllUnticksEveryCategoryAndScanAsksForOne) {
  TfrmRegCleaner* page = OpenPage();
  ASSERT_NE(page, nullptr);
  page->chkSeleAllItem->SetChecked(false);
  for (int n = 1; n <= kRegCategoryCount; ++n) EXPECT_FALSE(page->CategoryBox(n)->Checked()) << n;
  page->btnScan->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Please select at least one option from the list that needs to be scanned for errors.");
  EXPECT_EQ(boxes[0].caption, L"Quillstead v4.1");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts1);
  EXPECT_TRUE(NavigationEnabled());
}

TEST_F(RegCleanerPageTest, ScanShowsItsProgressAndListsWhatTheChosenCategoriesFound) {
  SeedMru(3);
  TfrmRegCleaner* page = OpenFor({kMruCategory});
  ASSERT_NE(page, nullptr);
  bool navigationDuringScan = false;
  TTabSheet* tabDuringScan = nullptr;
  std::wstring rowWhileScanning;
  int pictureWhileScanning = -1;
  onPump = [&] {
    if (!page->Scanning()) return;
    navigationDuringScan = navigationDuringScan || NavigationEnabled();
    tabDuringScan = page->pgc1->ActivePage();
    rowWhileScanning = page->CategoryLabel(kMruCategory)->Caption();
    pictureWhileScanning = page->RowPicture(kMruCategory);
  };
  page->btnScan->Click();

  EXPECT_FALSE(navigationDuringScan);
  EXPECT_EQ(tabDuringScan, page->ts2);
  EXPECT_EQ(pictureWhileScanning, 1);
  const int found = static_cast<int>(Records().size());
  ASSERT_EQ(SeededRecords().size(), 3u);
  // The row shows the category's name with its running count, its picture whether it found any.
  EXPECT_EQ(page->CategoryLabel(kMruCategory)->Caption(), L"Histoty/MRU Lists(" + IntToStr(found) + L")");
  EXPECT_EQ(page->RowPicture(kMruCategory), 7);
  EXPECT_EQ(page->RowPicture(1), 6);  // not chosen: still waiting, its row greyed
  EXPECT_FALSE(page->CategoryLabel(1)->Enabled());
  EXPECT_TRUE(page->CategoryLabel(kMruCategory)->Enabled());
  EXPECT_EQ(page->lblErrNum->Caption(), IntToStr(found) + L" Problem(s) Found");
  EXPECT_EQ(page->pb2->Max(), 2);
  EXPECT_EQ(page->pb2->Position(), 2);

  EXPECT_EQ(page->pgc1->ActivePage(), page->ts3);
  EXPECT_TRUE(NavigationEnabled());
  EXPECT_EQ(page->Label6->Caption(), L"Scan Results");
  EXPECT_EQ(page->Label7->Caption(), L"Registry Cleaner has completely the analysis of your system.");
  EXPECT_EQ(page->lblResult->Caption(), IntToStr(found) + L" Problems/Errors Found.");
  EXPECT_TRUE(page->chkResultAll->Checked());
  ASSERT_EQ(page->vdtScanResult->RootNodeCount(), static_cast<uint32_t>(found));
  for (PVirtualNode node = page->vdtScanResult->GetFirst(); node; node = page->vdtScanResult->GetNext(node)) {
    EXPECT_EQ(page->vdtScanResult->CheckState(node), TCheckState::csCheckedNormal);
    EXPECT_EQ(Records()[node->Index]->Selected, 1);
  }
  EXPECT_TRUE(boxes.empty());

  // The last-run record and the per-category details of this scan.
  const LastRegRecord last = LastReg();
  EXPECT_EQ(last.scanNum, found);
  EXPECT_EQ(last.clearNum, 0);
  EXPECT_EQ(page->lblLastScan->Caption(), IntToStr(found));
  EXPECT_NE(page->lblLast->Caption(), L"Not Scanned");
  RegDetailInfo[kMruCategory] = TDetailInfo{};
  LoadLastRegDetail();
  EXPECT_EQ(RegDetailInfo[kMruCategory].Name, L"Histoty/MRU Lists");
  EXPECT_EQ(RegDetailInfo[kMruCategory].ScanNum, found);
  EXPECT_EQ(RegDetailInfo[1].Name, L"Font Sections");
  EXPECT_EQ(RegDetailInfo[1].ScanNum, 0);
}

TEST_F(RegCleanerPageTest, RowsFollowTheirRecordsAndSelectAllTogglesThemAll) {
  SeedMru(2);
  TfrmRegCleaner* page = OpenFor({kMruCategory});
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  ASSERT_EQ(page->pgc1->ActivePage(), page->ts3);
  TVirtualStringTree* tree = page->vdtScanResult;
  PVirtualNode first = tree->GetFirst();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(tree->CheckType(first), TCheckType::ctCheckBox);
  EXPECT_EQ(tree->DefaultNodeHeight(), 49);
  tree->SetCheckState(first, TCheckState::csUncheckedNormal);
  EXPECT_EQ(Records()[0]->Selected, 0);
  tree->SetCheckState(first, TCheckState::csCheckedNormal);
  EXPECT_EQ(Records()[0]->Selected, 1);

  page->chkResultAll->SetChecked(false);
  for (PVirtualNode node = tree->GetFirst(); node; node = tree->GetNext(node)) {
    EXPECT_EQ(Records()[node->Index]->Selected, 0);
    EXPECT_EQ(tree->CheckState(node), TCheckState::csUncheckedNormal);
  }
  // Nothing selected: cleaning asks for a selection and does nothing else.
  page->btnClear->Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"You haven't select any,please select item to clean");
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts3);
  EXPECT_TRUE(MruValueExists(0));

  page->chkResultAll->SetChecked(true);
  for (PVirtualNode node = tree->GetFirst(); node; node = tree->GetNext(node))
    EXPECT_EQ(Records()[node->Index]->Selected, 1);
  // Every row is painted (three texts and the state picture) without touching the records.
  tree->Repaint();
  EXPECT_EQ(Records().size(), tree->RootNodeCount());
}

TEST_F(RegCleanerPageTest, CleaningWithoutABackupDeletesTheSelectedRecordsAndSummarises) {
  SeedMru(4);
  TfrmRegCleaner* page = OpenFor({kMruCategory});
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  KeepOnlySeeds(page);
  // Untick one seed: it is neither cleaned nor counted as selected.
  TVirtualStringTree* tree = page->vdtScanResult;
  for (PVirtualNode node = tree->GetFirst(); node; node = tree->GetNext(node))
    if (Records()[node->Index]->ValueName == Fx.Tag() + L"v3")
      tree->SetCheckState(node, TCheckState::csUncheckedNormal);
  const int found = static_cast<int>(Records().size());

  bool navigationDuringClean = false;
  TTabSheet* tabDuringClean = nullptr;
  onPump = [&] {
    if (!page->Cleaning()) return;
    navigationDuringClean = NavigationEnabled();
    tabDuringClean = page->pgc1->ActivePage();
  };
  answers = {IDNO};
  page->btnClear->Click();

  ASSERT_GE(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, IntToStr(found) +
                               L" entries found, out of which 3 were selected for removal.\r"
                               L"As a safety precaution, a complete backup of the Registry should be\r"
                               L"made before any cleaning. This allows you to undo any changes\r"
                               L"made to your PC.\r\rSelect Yes to take a full backup.");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
  EXPECT_EQ(boxes.back().text, L"Cleaning Completed!");
  EXPECT_EQ(boxes.back().type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_TRUE(editorCalls().empty());  // no backup

  EXPECT_TRUE(navigationDuringClean);
  EXPECT_EQ(tabDuringClean, page->ts4);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(MruValueExists(i)) << i;
  EXPECT_TRUE(MruValueExists(3));
  for (TRegItem* item : SeededRecords())
    EXPECT_EQ(item->Status, item->ValueName == Fx.Tag() + L"v3" ? L"" : kCleaned) << WideToUtf8(item->ValueName);

  EXPECT_EQ(page->pgc1->ActivePage(), page->ts5);
  EXPECT_TRUE(NavigationEnabled());
  EXPECT_EQ(page->Label6->Caption(), L"Registry Cleaning Completely");
  EXPECT_EQ(page->Label7->Caption(), L"Thank you for using Registry Cleaner.");
  EXPECT_EQ(page->pb1->Position(), page->pb1->Max());
  EXPECT_EQ(page->lblError->Caption(), L"3");
  EXPECT_EQ(page->lblFix->Caption(), L"3");
  EXPECT_EQ(page->lblProcessResult->Caption(), L"清理结束！");
  EXPECT_EQ(page->lblProcessDetail->Caption(),
            L"本次共扫描错误数量：" + IntToStr(found) + L"\r\n共选取了 3 个需要清理的错误\r\n清理了 3 个错误");
  const LastRegRecord last = LastReg();
  EXPECT_EQ(last.scanNum, found);
  EXPECT_EQ(last.clearNum, 3);
  LoadLastRegDetail();
  EXPECT_EQ(RegDetailInfo[kMruCategory].ClearNum, 3);
  // The report of the run is indexed in Cleaner.ini.
  TStringList logs;
  TIniFile(program_.Path() + L"Cleaner.ini").ReadSection(L"RegLogFiles", logs);
  EXPECT_EQ(logs.Count(), 1);

  // Finish: back to the start view with every category ticked and the record shown.
  page->btnFinish->Click();
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts1);
  EXPECT_EQ(page->Label6->Caption(), Host().Greeting() + L" Registry Cleaner");
  for (int n = 1; n <= kRegCategoryCount; ++n) EXPECT_TRUE(page->CategoryBox(n)->Checked()) << n;
  EXPECT_EQ(page->lblLastClear->Caption(), L"3");
  EXPECT_EQ(page->lblProcessResult->Caption(), L"");
}

TEST_F(RegCleanerPageTest, YesBacksTheRegistryUpFirstAndIndexesTheBackup) {
  SeedMru(2);
  TfrmRegCleaner* page = OpenFor({kMruCategory});
  ASSERT_NE(page, nullptr);
  int progressMaxDuringClean = 0;
  onPump = [&] {
    if (page->Cleaning()) progressMaxDuringClean = page->pb1->Max();
  };
  ScanAndClean(page, IDYES);

  ASSERT_EQ(editorCalls().size(), 1u);
  EXPECT_EQ(editorCalls()[0].rfind(RegistryEditorCommand(L"/e \"") + program_.Path() + L"Backup\\Registry\\", 0), 0u)
      << WideToUtf8(editorCalls()[0]);
  EXPECT_EQ(progressMaxDuringClean, 3);  // the backup is one more step than the two records
  const std::vector<TRegBackupEntry> backups = LoadRegBackupList();
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_TRUE(FileExists(RegBackupFolder() + backups[0].FileName));
  EXPECT_EQ(backups[0].Key + L".reg", backups[0].FileName);
  EXPECT_FALSE(MruValueExists(0));
  EXPECT_FALSE(MruValueExists(1));
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts5);
  EXPECT_EQ(page->lblFix->Caption(), L"2");
}

TEST_F(RegCleanerPageTest, CancelLeavesEverythingAsItWas) {
  SeedMru(2);
  TfrmRegCleaner* page = OpenFor({kMruCategory});
  ASSERT_NE(page, nullptr);
  ScanAndClean(page, IDCANCEL);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts3);
  EXPECT_FALSE(page->Cleaning());
  EXPECT_TRUE(MruValueExists(0));
  EXPECT_TRUE(MruValueExists(1));
  EXPECT_TRUE(editorCalls().empty());
  for (TRegItem* item : SeededRecords()) EXPECT_EQ(item->Status, L"");
}

// A backup that fails is reported, is not indexed, and cleaning waits for the user to decide
// again: Cancel returns to the results with nothing cleaned, No cleans without a backup, and Yes
// tries the backup once more.
TEST_F(RegCleanerPageTest, AFailedBackupIsReportedAndCleaningWaitsForTheUser) {
  struct Case {
    const char* name;
    std::vector<int> answers;
    bool cleaned;
    size_t editorRuns;
  };
  for (const Case& c : {Case{"cancel", {IDYES, IDCANCEL}, false, 1}, Case{"no", {IDYES, IDNO}, true, 1},
                        Case{"retry then no", {IDYES, IDYES, IDNO}, true, 2}}) {
    SCOPED_TRACE(c.name);
    SeedMru(1);
    TfrmRegCleaner* page = OpenFor({kMruCategory});
    ASSERT_NE(page, nullptr);
    page->btnScan->Click();
    KeepOnlySeeds(page);
    boxes.clear();
    editorCalls().clear();
    SetBackupWorks(false);
    answers = c.answers;
    page->btnClear->Click();

    EXPECT_EQ(editorCalls().size(), c.editorRuns);
    EXPECT_TRUE(LoadRegBackupList().empty());
    EXPECT_TRUE(DirectoryExists(RegBackupFolder()));
    ASSERT_GE(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].text, L"Registry Backup Failed!");
    EXPECT_EQ(boxes[1].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(boxes[2].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));  // asked again
    EXPECT_EQ(MruValueExists(0), !c.cleaned);
    EXPECT_FALSE(page->Cleaning());
    EXPECT_TRUE(NavigationEnabled());
    EXPECT_EQ(page->pgc1->ActivePage(), c.cleaned ? page->ts5 : page->ts3);
    EXPECT_EQ(page->Label6->Caption(), c.cleaned ? L"Registry Cleaning Completely" : L"Scan Results");
    page->btnFinish->Click();
  }
}

TEST_F(RegCleanerPageTest, StoppingTheScanKeepsWhatWasFound) {
  SeedMru(3);
  TfrmRegCleaner* page = OpenFor({kMruCategory, 15});
  ASSERT_NE(page, nullptr);
  // Stop as soon as the first problem is found; category 15 never starts.
  answers = {IDYES};
  onPump = [&] {
    if (page->Scanning() && !Records().empty() && ScanState() != kRegStateStop) page->btnCancelScan->Click();
  };
  page->btnScan->Click();
  ASSERT_GE(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, kStopQuestion);
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(Records().size(), 1u);
  EXPECT_EQ(page->RowPicture(15), 6);
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts3);
  EXPECT_EQ(page->vdtScanResult->RootNodeCount(), 1u);
  EXPECT_TRUE(NavigationEnabled());
  const LastRegRecord last = LastReg();
  EXPECT_EQ(last.scanNum, 1);
}

TEST_F(RegCleanerPageTest, NoAnswerToTheStopQuestionLetsTheScanRunOn) {
  SeedMru(3);
  TfrmRegCleaner* page = OpenFor({kMruCategory});
  ASSERT_NE(page, nullptr);
  answers = {IDNO};
  bool asked = false;
  onPump = [&] {
    if (page->Scanning() && !Records().empty() && !asked) {
      asked = true;
      page->btnCancelScan->Click();
    }
  };
  page->btnScan->Click();
  EXPECT_TRUE(asked);
  EXPECT_EQ(SeededRecords().size(), 3u);
  EXPECT_EQ(ScanState(), kRegStateFinished);
}

TEST_F(RegCleanerPageTest, AScanStoppedBeforeAnyFindReturnsToTheStartWithoutAMessage) {
  SeedMru(1);  // an entry to examine: the stop comes before its record
  TfrmRegCleaner* page = OpenFor({kMruCategory});
  ASSERT_NE(page, nullptr);
  answers = {IDYES};
  onPump = [&] {
    if (page->Scanning() && ScanState() != kRegStateStop) page->btnCancelScan->Click();
  };
  page->btnScan->Click();
  EXPECT_TRUE(Records().empty());
  ASSERT_EQ(BoxTexts(), std::vector<std::wstring>{kStopQuestion});
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts1);
  EXPECT_TRUE(NavigationEnabled());
  EXPECT_EQ(page->lblProcessDetail->Caption(), L"扫描被终止，共扫描错误注册表项目：0 个");
  EXPECT_EQ(page->lblLastScan->Caption(), L"0");
  EXPECT_NE(page->lblLast->Caption(), L"Not Scanned");
}

TEST_F(RegCleanerPageTest, AScanThatEndsInAnErrorShowsItAndLeavesThePageUsable) {
  SeedMru(2);
  Fx.SetDword(CU, kRunOnce, Fx.Tag(), 1);  // not text: the startup scanner raises
  TfrmRegCleaner* page = OpenFor({kMruCategory, kStartupCategory});
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();

  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Invalid data type for '" + Fx.Tag() + L"'");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONWARNING));
  EXPECT_FALSE(page->Scanning());
  // The run that raised left the engine finished, not running.
  EXPECT_EQ(ScanState(), kRegStateFinished);
  EXPECT_TRUE(NavigationEnabled());
  // What the first category found is shown and can be cleaned.
  EXPECT_EQ(SeededRecords().size(), 2u);
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts3);
  EXPECT_EQ(page->vdtScanResult->RootNodeCount(), Records().size());
  EXPECT_NE(page->RowPicture(kStartupCategory), 1);
  // An unfinished scan is not recorded as the last one.
  const LastRegRecord last = LastReg();
  EXPECT_EQ(last.when, 0);

  // Another scan can start and the navigation works.
  EXPECT_FALSE(NavigationLocked());
  EXPECT_EQ(OpenFor({kMruCategory}), page);
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts1);
  boxes.clear();
  page->btnScan->Click();
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts3);
}

// "Finish" on the cleaning tab stops the run at its next record: the completion message still
// comes, the summary says it was cancelled, and what was deleted before the stop is recorded.
TEST_F(RegCleanerPageTest, StoppingTheCleaningKeepsWhatWasDoneAndSaysSo) {
  SeedMru(4);
  TfrmRegCleaner* page = OpenFor({kMruCategory});
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  KeepOnlySeeds(page);
  const int found = static_cast<int>(Records().size());
  int handled = 0;
  onPump = [&] {
    if (!page->Cleaning()) return;
    // The first pump comes before the first record: stop once one record was handled.
    if (++handled == 2) page->btnCancelClear->Click();
  };
  answers = {IDNO};
  page->btnClear->Click();

  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"Cleaning Completed!");
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts5);
  EXPECT_EQ(page->lblProcessResult->Caption(), L"清理被取消！");
  EXPECT_EQ(page->lblProcessDetail->Caption(), L"");
  std::vector<TRegItem*> seeded = SeededRecords();
  int cleaned = 0;
  for (TRegItem* item : seeded) cleaned += item->Status == kCleaned;
  EXPECT_EQ(cleaned, 1);
  EXPECT_EQ(page->lblFix->Caption(), L"1");
  const LastRegRecord last = LastReg();
  EXPECT_EQ(last.scanNum, found);
  EXPECT_EQ(last.clearNum, 1);
  // A stopped run writes no report.
  TStringList logs;
  TIniFile(program_.Path() + L"Cleaner.ini").ReadSection(L"RegLogFiles", logs);
  EXPECT_EQ(logs.Count(), 0);
}

// A record the exclusion list covers is shown excluded and unticked, cannot be ticked (alone or
// with "select all"), is left alone, and the summary counts it as excluded, not as fixed.
TEST_F(RegCleanerPageTest, AnExcludedRecordIsShownUntickedLeftAloneAndCountedAsExcluded) {
  SeedMru(2);
  const std::wstring excluded = kRunMru + L"\\" + Fx.Tag() + L"k";
  Fx.CreateKey(CU, excluded);
  // Case and blanks do not matter to the exclusion match.
  program_.WriteFile(L"Cleaner.ini",
                    WideToAnsi(L"[RegExcludeList]\r\nHKEY_CURRENT_USER " + UpperCase(excluded) + L"=HKEY_CURRENT_USER\r\n"));
  TfrmRegCleaner* page = OpenFor({kMruCategory});
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  KeepOnlySeeds(page);
  std::vector<TRegItem*> seeded = SeededRecords();
  ASSERT_EQ(seeded.size(), 3u);
  PVirtualNode excludedRow = nullptr;
  for (PVirtualNode node = page->vdtScanResult->GetFirst(); node; node = page->vdtScanResult->GetNext(node))
    if (Records()[node->Index]->KeyPath == excluded) excludedRow = node;
  ASSERT_NE(excludedRow, nullptr);
  const TRegItem& shown = *Records()[excludedRow->Index];
  EXPECT_EQ(shown.Excluded, 1);
  EXPECT_EQ(shown.Selected, 0);
  EXPECT_EQ(page->vdtScanResult->CheckState(excludedRow), TCheckState::csUncheckedNormal);
  EXPECT_EQ(RegResultLines(shown)[0].Text, shown.ProblemType + L" (Excluded)");
  page->vdtScanResult->SetCheckState(excludedRow, TCheckState::csCheckedNormal);
  EXPECT_EQ(shown.Selected, 0) << "ticked by hand";
  EXPECT_EQ(page->vdtScanResult->CheckState(excludedRow), TCheckState::csUncheckedNormal);
  page->chkResultAll->SetChecked(!page->chkResultAll->Checked());
  page->chkResultAll->SetChecked(true);
  EXPECT_EQ(shown.Selected, 0) << "ticked by select all";
  KeepOnlySeeds(page);
  answers = {IDNO};
  page->btnClear->Click();

  for (TRegItem* item : seeded) {
    SCOPED_TRACE(WideToUtf8(item->KeyPath + L"|" + item->ValueName));
    const bool isExcluded = item->KeyPath == excluded;
    EXPECT_EQ(item->Excluded, isExcluded ? 1 : 0);
    EXPECT_EQ(item->Status, isExcluded ? L"" : kCleaned);
  }
  TRegistry reg(KEY_READ);
  reg.SetRootKey(CU);
  EXPECT_TRUE(reg.KeyExists(excluded));
  EXPECT_EQ(page->lblError->Caption(), L"2");
  EXPECT_EQ(page->lblFix->Caption(), L"2");
  EXPECT_NE(page->lblProcessDetail->Caption().find(L"\r\n排除列表保留了 1 个错误"), std::wstring::npos)
      << WideToUtf8(page->lblProcessDetail->Caption());
  EXPECT_EQ(page->pb1->Position(), page->pb1->Max());
  const LastRegRecord last = LastReg();
  EXPECT_EQ(last.clearNum, 2);
}

// A value that is already gone when its turn comes counts as cleaned; one that cannot be deleted
// is not counted, and the summary names it.
TEST_F(RegCleanerPageTest, AnEntryAlreadyGoneIsCleanedAndAFailedOneIsNamed) {
  SeedMru(2);
  TfrmRegCleaner* page = OpenFor({kMruCategory});
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  KeepOnlySeeds(page);
  {
    TRegistry reg(KEY_ALL_ACCESS);
    reg.SetRootKey(CU);
    ASSERT_TRUE(reg.OpenKey(kRunMru, false));
    ASSERT_TRUE(reg.DeleteValue(Fx.Tag() + L"v1"));
  }
  // The other record now names a value of the root itself, which cleaning never deletes.
  for (TRegItem* item : SeededRecords())
    if (item->ValueName == Fx.Tag() + L"v0") item->KeyPath = L"\\";
  answers = {IDNO};
  page->btnClear->Click();
  int cleaned = 0, failed = 0;
  for (TRegItem* item : SeededRecords()) {
    cleaned += item->Status == kCleaned;
    failed += item->Status == kFailed;
  }
  EXPECT_EQ(cleaned, 1);
  EXPECT_EQ(failed, 1);
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back().text, L"Cleaning Completed!\r\n\r\nThese entries could not be cleaned:\r\nHKEY_CURRENT_USER\\" +
                                   Fx.Tag() + L"v0");
  EXPECT_EQ(boxes.back().type, static_cast<UINT>(MB_OK | MB_ICONWARNING));
  EXPECT_EQ(page->lblError->Caption(), L"2");
  EXPECT_EQ(page->lblFix->Caption(), L"1");
  EXPECT_NE(page->lblProcessDetail->Caption().find(L"清理了 1 个错误\r\n清理失败 1 个错误"), std::wstring::npos);
  const LastRegRecord last = LastReg();
  EXPECT_EQ(last.clearNum, 1);
  LoadLastRegDetail();
  EXPECT_EQ(RegDetailInfo[kMruCategory].ClearNum, 1);
}

// While cleaning runs nothing may start a scan or free the records being cleaned: opening the
// page again keeps the cleaning tab, and Scan and Clean do nothing.
TEST_F(RegCleanerPageTest, WhileCleaningNothingStartsAScanOrAnotherRun) {
  SeedMru(3);
  TfrmRegCleaner* page = OpenFor({kMruCategory});
  ASSERT_NE(page, nullptr);
  page->btnScan->Click();
  KeepOnlySeeds(page);
  const size_t found = Records().size();
  bool tried = false;
  TTabSheet* tabAfterReopen = nullptr;
  onPump = [&] {
    if (!page->Cleaning() || tried) return;
    tried = true;
    OpenPage();
    tabAfterReopen = page->pgc1->ActivePage();
    page->btnScan->Click();
    page->btnClear->Click();
  };
  answers = {IDNO};
  page->btnClear->Click();
  EXPECT_TRUE(tried);
  EXPECT_EQ(tabAfterReopen, page->ts4);
  EXPECT_EQ(Records().size(), found);
  for (TRegItem* item : SeededRecords()) EXPECT_EQ(item->Status, kCleaned);
  // One question, one completion.
  EXPECT_EQ(boxes.size(), 2u);
  // Once the run is over, opening the page shows its start.
  OpenPage();
  EXPECT_EQ(page->pgc1->ActivePage(), page->ts1);
}

// The window the page lives in goes away while a scan pumps: the page stops the engine and nothing is touched
// after it is freed.
TEST_F(RegCleanerPageTest, ClosingTheWindowMidScanStopsTheEngine) {
  SeedMru(3);
  TfrmRegCleaner* page = OpenFor({kMruCategory});
  ASSERT_NE(page, nullptr);
  onPump = [&] {
    if (hostForm_ && page->Scanning()) {
      DeleteHost();
    }
  };
  const std::shared_ptr<TRegistryTask> task = page->Task();
  // Called directly: the button that would have been clicked goes with the window.
  page->btnScanClick(nullptr);
  EXPECT_EQ(hostForm_, nullptr);
  EXPECT_EQ(task->Engine().ScanState, kRegStateStop);
  EXPECT_LE(task->Engine().Items.size(), 1u);
}
