// One-click maintenance inside a page host on fixture data: the junk folders point at the test's
// own folders (the temporary folder and the Windows folder of the environment), the resource
// modules and ActiveX.dat are absent unless a test writes them. Covered: the empty selection,
// a junk scan and a repair of only the ticked rows with the records it writes, an abort, an
// area that finds nothing, an area that fails, and a second click during a repair.
#include "cleaners/oneclick_page/frmOneClick.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "cleaners/junk/waste_lists.h"
#include "common/last_run.h"
#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/support/page_test_fixture.h"
#include "oneclick_page_fixture.h"

namespace {

TEST_F(OneClickPageTest, NoOptionTickedShowsItsBoxAndNothingElse) {
  TfrmOneClick* page = OpenWith(TOneClickOptions{false, false, false, false, false, false});
  ASSERT_NE(page, nullptr);
  page->StartScan();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, L"Halvorine v4.1");
  EXPECT_EQ(boxes[0].text.rfind(L"Please select at least one option", 0), 0u);
  EXPECT_EQ(page->pgc->ActivePage(), page->tsStart);
  EXPECT_FALSE(NavigationLocked());
}

TEST_F(OneClickPageTest, JunkScanThenRepairOfOnlyTheTickedRows) {
  TfrmOneClick* page = OpenWith(Only(&TOneClickOptions::WasteFile));
  ASSERT_NE(page, nullptr);
  bool lockedWhileScanning = false;
  onPump = [&] { lockedWhileScanning = lockedWhileScanning || (page->Scanning() && NavigationLocked()); };
  page->StartScan();
  onPump = nullptr;
  EXPECT_TRUE(lockedWhileScanning);
  EXPECT_FALSE(NavigationLocked()) << "navigation back when the scan ends";
  EXPECT_FALSE(page->tmr1->Enabled());
  EXPECT_EQ(page->btn->Caption(), L"Repair All");
  const std::vector<PVirtualNode> rows = FixtureJunkRows(page);
  ASSERT_EQ(rows.size(), 2u) << "the two *.tmp files of the temporary folder, not keep.txt";
  EXPECT_GE(page->Area(TfrmOneClick::kJunk).Found, 2);
  ASSERT_EQ(page->SummaryLines().size(), 1u);
  EXPECT_NE(page->SummaryLines()[0].find(L"Junk File(s) Found"), std::wstring::npos);

  int point = 0, found = 0, cleaned = 0;
  TDateTime when = 0;
  LoadLastOneClickInfo(point, when, found, cleaned);
  EXPECT_EQ(found, page->Area(TfrmOneClick::kJunk).Found);
  EXPECT_NE(static_cast<long long>(when), 0);

  // The first fixture file stays ticked, the second is unticked.
  const std::wstring kept = WasteFiles[rows[1]->Index]->Path;
  const std::wstring removed = WasteFiles[rows[0]->Index]->Path;
  page->vstFile->SetCheckState(rows[1], TCheckState::csUncheckedNormal);
  int clicksDuringRepair = 0;
  onPump = [&] {
    if (page->Repairing() && clicksDuringRepair++ == 0) page->btn->Click();
  };
  page->btn->Click();
  onPump = nullptr;
  EXPECT_FALSE(FileExists(removed));
  EXPECT_TRUE(FileExists(kept)) << "an unticked row is never repaired";
  EXPECT_TRUE(FileExists(temp_.Path() + L"keep.txt"));
  EXPECT_GT(clicksDuringRepair, 0);
  EXPECT_EQ(page->btn->Caption(), L"Finish");
  EXPECT_FALSE(NavigationLocked());

  const TfrmOneClick::TArea& junk = page->Area(TfrmOneClick::kJunk);
  TDateTime wasteWhen = 0;
  int wasteFound = 0, wasteCleaned = 0;
  LoadLastWasteInfo(wasteWhen, wasteFound, wasteCleaned);
  EXPECT_EQ(wasteCleaned, junk.Cleaned) << "the files really deleted";
  EXPECT_EQ(wasteFound, junk.Found);
  EXPECT_LT(junk.Cleaned, junk.Found);
  LoadLastOneClickInfo(point, when, found, cleaned);
  EXPECT_EQ(cleaned, junk.Cleaned);
  EXPECT_EQ(point, 34) << "junk 15 and the unticked areas at their floors (registry 10, 5, 3, 3, 3), less 5";

  page->btn->Click();  // Finish
  EXPECT_EQ(page->pgc->ActivePage(), page->tsStart);
}

TEST_F(OneClickPageTest, AbortDuringTheJunkScanKeepsWhatWasFound) {
  TOneClickOptions options = Only(&TOneClickOptions::WasteFile);
  options.File = true;
  TfrmOneClick* page = OpenWith(options);
  ASSERT_NE(page, nullptr);
  int questions = 0;
  bool scanningAfterNo = false;
  onPump = [&] {
    if (questions > 0 || !page->Scanning() || page->pgcScan->ActivePage() != page->tsWaste) return;
    // "No" first: the scan goes on, and no second scan starts inside it; then "Yes".
    questions = 1;
    reply = IDNO;
    page->btn->Click();
    page->btnScanClick(page);
    scanningAfterNo = page->Scanning() && page->btn->Caption() == L"Abort";
    questions = 2;
    reply = IDYES;
    page->btn->Click();
  };
  page->StartScan();
  onPump = nullptr;
  EXPECT_EQ(questions, 2);
  EXPECT_TRUE(scanningAfterNo);
  int asked = 0;
  for (const TRecordedBox& box : boxes) asked += box.text == L"Sure want to stop Scaning?";
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(page->btn->Caption(), L"Re-Scan");
  EXPECT_FALSE(NavigationLocked());
  EXPECT_FALSE(page->Area(TfrmOneClick::kJunk).Done);
  EXPECT_FALSE(page->Area(TfrmOneClick::kFile).Done) << "later areas are skipped";
  EXPECT_EQ(page->SummaryLines()[1], L"Scan Abort!Please take full scan to file assciation scan.");
  int point = 0, found = 0, cleaned = 0;
  TDateTime when = 0;
  LoadLastOneClickInfo(point, when, found, cleaned);
  EXPECT_EQ(point, 29) << "every area at its lower value";
}

TEST_F(OneClickPageTest, AnAreaThatFindsNothingGetsACleanLine) {
  TfrmOneClick* page = OpenWith(Only(&TOneClickOptions::Sys));
  ASSERT_NE(page, nullptr);
  page->StartScan();
  const TfrmOneClick::TArea& sys = page->Area(TfrmOneClick::kSys);
  EXPECT_TRUE(sys.Done);
  EXPECT_EQ(sys.Good, 1);
  EXPECT_EQ(page->SummaryLines(), std::vector<std::wstring>{L"All items optimized and system status is Good."});
  EXPECT_EQ(page->btn->Caption(), L"Finish");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(OneClickPageTest, AFailingAreaIsMarkedAndTheRunEndsCleanly) {
  TfrmOneClick* page = OpenWith(Only(&TOneClickOptions::ActiveX));  // no ActiveX.dat beside the program
  ASSERT_NE(page, nullptr);
  page->StartScan();
  const TfrmOneClick::TArea& activeX = page->Area(TfrmOneClick::kActiveX);
  EXPECT_TRUE(activeX.Failed);
  EXPECT_FALSE(activeX.Done);
  EXPECT_EQ(activeX.Good, 0);
  EXPECT_FALSE(NavigationLocked());
  EXPECT_FALSE(page->tmr1->Enabled());
  EXPECT_NE(page->btn->Caption(), L"Abort");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find(L"ActiveX"), std::wstring::npos);
}

}  // namespace

namespace {

// The registry area on three RunMRU values of the test's own (category 10): only seeds are left
// ticked, one of them unticked; the cleaned counts per category come from what was removed.
TEST_F(OneClickPageTest, RegistryRepairRemovesTheTickedSeedsAndCountsThemPerCategory) {
  TScanFixture fx;
  const std::wstring runMru = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
  for (int i = 0; i < 3; ++i) fx.SetString(HKEY_CURRENT_USER, runMru, fx.Tag() + L"v" + std::to_wstring(i), L"cmd");
  TfrmOneClick* page = OpenWith(Only(&TOneClickOptions::Reg));
  ASSERT_NE(page, nullptr);
  page->StartScan();
  ASSERT_EQ(page->btn->Caption(), L"Repair All");
  int seeds = 0;
  TVirtualStringTree* tree = page->vdtReg;
  for (PVirtualNode node = tree->GetFirst(); node; node = tree->GetNext(node)) {
    const TRegItem& item = *page->RegistryEngine().Items[node->Index];
    const bool seed = item.ValueName.rfind(fx.Tag(), 0) == 0;
    seeds += seed;
    if (!seed || item.ValueName == fx.Tag() + L"v2") tree->SetCheckState(node, TCheckState::csUncheckedNormal);
  }
  ASSERT_EQ(seeds, 3);
  EXPECT_GE(OneClickDetailInfo[10].ScanNum, 3);
  page->btn->Click();

  auto exists = [&](int i) {
    TRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_CURRENT_USER);
    return reg.OpenKeyReadOnly(runMru) && reg.ValueExists(fx.Tag() + L"v" + std::to_wstring(i));
  };
  EXPECT_FALSE(exists(0));
  EXPECT_FALSE(exists(1));
  EXPECT_TRUE(exists(2)) << "an unticked row is never repaired";
  EXPECT_EQ(page->Area(TfrmOneClick::kReg).Cleaned, 2);
  EXPECT_EQ(OneClickDetailInfo[10].ClearNum, 2);
  TDateTime when = 0;
  int found = 0, cleaned = 0;
  LoadLastRegInfo(when, found, cleaned);
  EXPECT_EQ(cleaned, 2) << "the records really removed";
  LoadLastRegDetail();
  EXPECT_EQ(RegDetailInfo[10].ClearNum, 2);
  EXPECT_FALSE(NavigationLocked());
}

}  // namespace
