// One-click maintenance over its repair areas on fixture data: the ActiveX, file-association and
// system areas each scanned alone and repaired with one row unticked (one table, one rule: the
// ticked rows change the registry, the unticked row stays), all six areas in one run with the
// records it writes and what really changed, and an abort in each area with "Re-Scan".
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "base/date_time.h"
#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "common/last_run.h"
#include "oneclick_page_fixture.h"
#include "scan_fixture.h"

namespace {

using TArea = TfrmOneClick::TAreaIndex;

// Finds the row of a result tree whose text in a column is the given one.
PVirtualNode RowWithText(TVirtualStringTree* tree, TColumnIndex column, const std::wstring& text) {
  for (PVirtualNode node = tree->GetFirst(); node; node = tree->GetNext(node))
    if (tree->Text(node, column) == text) return node;
  return nullptr;
}

// A repair area scanned alone: its tree shows Rows rows of which Found need repairing; the row
// whose column Column reads Untick is unticked before "Repair All"; Repaired and Stayed say what
// the registry holds afterwards.
struct FixAreaCase {
  const char* name;
  bool TOneClickOptions::*option;
  TArea area;
  TVirtualStringTree* TfrmOneClick::*tree;
  size_t rows;
  long long found;
  std::wstring scanSummary;
  TColumnIndex column;
  std::function<std::wstring(const TFixAreaKeys&)> untick;
  std::function<void(const TFixAreaKeys&)> repaired;
  std::function<void(const TFixAreaKeys&)> stayed;
  std::wstring repairSummary;
  int repairPoint;  // the option's own term, the others at their floors, less 5
};

using OneClickAreasTest = OneClickPageTest;

RawValue Flags(const std::wstring& clsid) {
  return GetValue(HKEY_LOCAL_MACHINE, ActiveXKeyPath(clsid), L"Compatibility Flags");
}

const FixAreaCase kFixAreaCases[] = {
    {"ActiveX", &TOneClickOptions::ActiveX, TfrmOneClick::kActiveX, &TfrmOneClick::vstActiveX, 3, 2,
     L"2 ActiveX items could cause protential threats to your PC", 1,
     [](const TFixAreaKeys& k) { return k.activeXA; },
     [](const TFixAreaKeys& k) {
       EXPECT_EQ(Flags(k.activeXB), Dword(1024)) << "other flags overwritten with the kill bit";
       EXPECT_EQ(Flags(k.activeXC), Dword(1024));
     },
     [](const TFixAreaKeys& k) {
       EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, ActiveXKeyPath(k.activeXA)));
     },
     L"No Malicious ActiveX found and system status is Good", 5 + 10 + 5 + 10 + 3 + 3 - 5},
    {"file associations", &TOneClickOptions::File, TfrmOneClick::kFile, &TfrmOneClick::vstFixFile, 2, 2,
     L"2 File(s) Association can be repaired.", 0, [](const TFixAreaKeys&) { return std::wstring(L"qsob"); },
     [](const TFixAreaKeys& k) {
       EXPECT_EQ(GetValue(HKEY_CLASSES_ROOT, k.classA + L"\\shell\\open\\command", L""),
                 StoredText(REG_EXPAND_SZ, L"fixture.exe \"%1\""));
     },
     [](const TFixAreaKeys& k) {
       EXPECT_EQ(GetValue(HKEY_CLASSES_ROOT, k.classB, L""), StoredText(REG_SZ, L"changed b"));
       EXPECT_EQ(GetValue(HKEY_CLASSES_ROOT, k.classC, L""), StoredText(REG_SZ, L"same value"));
     },
     L"No File Association changed and system status is Good.", 5 + 10 + 5 + 3 + 5 + 3 - 5},
    {"system", &TOneClickOptions::Sys, TfrmOneClick::kSys, &TfrmOneClick::vstSys, 4, 3,
     L"3 non-optimized items lower your system performance.", 0,
     [](const TFixAreaKeys&) { return std::wstring(L"Fixture text fix"); },
     [](const TFixAreaKeys& k) {
       EXPECT_EQ(GetValue(HKEY_CURRENT_USER, k.sysFix, L"value"), Dword(1));
       EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, k.sysFix + L"\\Gone"));
     },
     [](const TFixAreaKeys& k) {
       EXPECT_EQ(GetValue(HKEY_CURRENT_USER, k.sysFix, L"text"), StoredText(REG_SZ, L"broken"));
       EXPECT_EQ(GetValue(HKEY_CURRENT_USER, k.sysFix, L"zero").type, static_cast<DWORD>(REG_NONE))
           << "a fix that agrees is not applied";
     },
     L"All items optimized and system status is Good.", 5 + 10 + 5 + 3 + 3 + 5 - 5},
};

// Each area on one page, one after the other (each option alone): the scan finds what the fixtures
// seeded, "Repair All" changes what the ticked rows name and leaves the unticked row alone.
TEST_F(OneClickAreasTest, EachRepairAreaRepairsOnlyItsTickedRows) {
  SeedFixAreas();
  TfrmOneClick* page = OpenPage();
  ASSERT_NE(page, nullptr);
  for (const FixAreaCase& c : kFixAreaCases) {
    SCOPED_TRACE(c.name);
    page->SetOptions(Only(c.option));
    page->StartScan();
    const TfrmOneClick::TArea& area = page->Area(c.area);
    ASSERT_TRUE(area.Done);
    EXPECT_EQ(area.Found, c.found);
    EXPECT_EQ(area.Good, 0);
    EXPECT_EQ(page->SummaryLines(), std::vector<std::wstring>{c.scanSummary});
    ASSERT_EQ(page->btn->Caption(), L"Repair All");
    TVirtualStringTree* tree = page->*c.tree;
    ASSERT_EQ(tree->RootNodeCount(), c.rows);
    PVirtualNode unticked = RowWithText(tree, c.column, c.untick(fixKeys));
    ASSERT_NE(unticked, nullptr);
    tree->SetCheckState(unticked, TCheckState::csUncheckedNormal);

    page->btn->Click();
    c.repaired(fixKeys);
    c.stayed(fixKeys);
    EXPECT_EQ(area.Cleaned, c.found - 1);
    EXPECT_EQ(area.Failures, 0);
    EXPECT_FALSE(area.Failed);
    EXPECT_EQ(page->SummaryLines(), std::vector<std::wstring>{c.repairSummary});
    EXPECT_EQ(page->btn->Caption(), L"Finish");
    EXPECT_FALSE(NavigationLocked());
    int point = 0, found = 0, cleaned = 0;
    TDateTime when = 0;
    LoadLastOneClickInfo(point, when, found, cleaned);
    EXPECT_EQ(point, c.repairPoint);
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(cleaned, c.found - 1);
    page->btn->Click();  // Finish
    ASSERT_EQ(page->pgc->ActivePage(), page->tsStart);
  }
  EXPECT_TRUE(boxes.empty());
}

// The stored scan score from what the page found: the terms in twentieths of a point (an area
// left out or not completed at its lower value), the sum rounded half to even.
int StoredScanPoint(const TfrmOneClick& page) {
  auto done = [&](TArea area) { return page.Area(area).Done; };
  auto found = [&](TArea area) { return page.Area(area).Found; };
  const long long twentieths =
      (done(TfrmOneClick::kJunk) ? std::max(300 - found(TfrmOneClick::kJunk), 100LL) : 100) +
      (done(TfrmOneClick::kReg) ? std::max(1000 - found(TfrmOneClick::kReg), 200LL) : 200) +
      (done(TfrmOneClick::kHis) ? 200 : 100) +
      (done(TfrmOneClick::kActiveX) ? std::max(200 - 10 * found(TfrmOneClick::kActiveX), 60LL) : 60) +
      (done(TfrmOneClick::kFile) && found(TfrmOneClick::kFile) <= 0 ? 100 : 60) +
      (done(TfrmOneClick::kSys) && found(TfrmOneClick::kSys) <= 0 ? 100 : 60);
  long long point = twentieths / 20;
  const long long rest = twentieths % 20;
  if (rest > 10 || (rest == 10 && point % 2 == 1)) ++point;
  return static_cast<int>(point);
}

// All six options in one run: registry seeds, junk files, the evidence item, the fixture ActiveX
// list and fix module. Only rows the prefix had before the fixtures are unticked; everything the
// fixtures seeded is repaired, and each area's record says what was really removed.
TEST_F(OneClickAreasTest, AllSixAreasInOneRunWithTheirRecords) {
  SeedFixAreas();
  TScanFixture fx;
  const std::wstring runMru = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
  for (int i = 0; i < 3; ++i) fx.SetString(HKEY_CURRENT_USER, runMru, fx.Tag() + L"v" + std::to_wstring(i), L"cmd");
  ASSERT_TRUE(ForceDirectories(windows_.Path() + L"Temp"));
  WriteBytes(windows_.Path() + L"Temp\\trace.tmp", "trace of use");

  TfrmOneClick* page = OpenWith(TOneClickOptions{true, true, true, true, true, true});
  ASSERT_NE(page, nullptr);
  const TDateTime start = Now();
  page->StartScan();
  for (int i = 0; i < TfrmOneClick::kAreaCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(page->Area(static_cast<TArea>(i)).Done);
    EXPECT_FALSE(page->Area(static_cast<TArea>(i)).Failed);
  }
  ASSERT_EQ(page->btn->Caption(), L"Repair All");
  ASSERT_EQ(page->SummaryLines().size(), 6u);
  const TfrmOneClick::TArea& junk = page->Area(TfrmOneClick::kJunk);
  const TfrmOneClick::TArea& reg = page->Area(TfrmOneClick::kReg);
  EXPECT_GE(reg.Found, 3);
  EXPECT_GE(junk.Found, 2);
  EXPECT_EQ(page->Area(TfrmOneClick::kHis).Found, 1);
  EXPECT_EQ(page->Area(TfrmOneClick::kActiveX).Found, 2);
  EXPECT_EQ(page->Area(TfrmOneClick::kFile).Found, 2);
  EXPECT_EQ(page->Area(TfrmOneClick::kSys).Found, 3);

  // The scan's records: the one-click record with its score, and the registry and junk parts.
  int point = 0, found = 0, cleaned = 0;
  TDateTime when = 0;
  LoadLastOneClickInfo(point, when, found, cleaned);
  EXPECT_EQ(point, StoredScanPoint(*page));
  EXPECT_EQ(found, junk.Found + reg.Found + 1 + 2 + 2 + 3) << "the evidence area counts once";
  EXPECT_EQ(cleaned, 0);
  TDateTime regWhen = 0, wasteWhen = 0;
  int regFound = 0, regCleaned = 0, wasteFound = 0, wasteCleaned = 0;
  LoadLastRegInfo(regWhen, regFound, regCleaned);
  EXPECT_EQ(regFound, reg.Found);
  LoadLastWasteInfo(wasteWhen, wasteFound, wasteCleaned);
  EXPECT_EQ(wasteFound, junk.Found);
  LoadLastRegDetail();
  EXPECT_GE(RegDetailInfo[10].ScanNum, 3);

  // Leave ticked only what the fixtures seeded: the prefix's own problems and junk stay.
  TVirtualStringTree* regTree = page->vdtReg;
  for (PVirtualNode node = regTree->GetFirst(); node; node = regTree->GetNext(node))
    if (page->RegistryEngine().Items[node->Index]->ValueName.rfind(fx.Tag(), 0) != 0)
      regTree->SetCheckState(node, TCheckState::csUncheckedNormal);
  const std::vector<PVirtualNode> fixtureJunk = FixtureJunkRows(page);
  ASSERT_EQ(fixtureJunk.size(), 2u);
  for (PVirtualNode node = page->vstFile->GetFirst(); node; node = page->vstFile->GetNext(node))
    if (std::find(fixtureJunk.begin(), fixtureJunk.end(), node) == fixtureJunk.end())
      page->vstFile->SetCheckState(node, TCheckState::csUncheckedNormal);

  page->btn->Click();
  EXPECT_EQ(page->btn->Caption(), L"Finish");
  EXPECT_FALSE(NavigationLocked());
  EXPECT_FALSE(page->tmr1->Enabled());
  EXPECT_TRUE(boxes.empty());

  // What really changed.
  TRegistry mru(KEY_READ);
  mru.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(mru.OpenKeyReadOnly(runMru));
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(mru.ValueExists(fx.Tag() + L"v" + std::to_wstring(i))) << i;
  EXPECT_FALSE(FileExists(temp_.Path() + L"a.tmp"));
  EXPECT_FALSE(FileExists(temp_.Path() + L"b.tmp"));
  EXPECT_TRUE(FileExists(temp_.Path() + L"keep.txt"));
  EXPECT_FALSE(FileExists(windows_.Path() + L"Temp\\trace.tmp"));
  EXPECT_EQ(Flags(fixKeys.activeXA), Dword(1024));
  EXPECT_EQ(Flags(fixKeys.activeXB), Dword(1024));
  EXPECT_EQ(GetValue(HKEY_CLASSES_ROOT, fixKeys.classA + L"\\shell\\open\\command", L""),
            StoredText(REG_EXPAND_SZ, L"fixture.exe \"%1\""));
  EXPECT_EQ(GetValue(HKEY_CLASSES_ROOT, fixKeys.classB, L""), StoredText(REG_EXPAND_SZ, L"restored b"));
  EXPECT_EQ(GetValue(HKEY_CURRENT_USER, fixKeys.sysFix, L"value"), Dword(1));
  EXPECT_EQ(GetValue(HKEY_CURRENT_USER, fixKeys.sysFix, L"text"), StoredText(REG_SZ, L"fixed"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, fixKeys.sysFix + L"\\Gone"));

  // Each area's count of what it really removed or repaired, and the records of the repair.
  const long long expectedCleaned[] = {2, 3, 1, 2, 2, 3};  // in area order: junk, registry, evidence ...
  for (int i = 0; i < TfrmOneClick::kAreaCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(page->Area(static_cast<TArea>(i)).Cleaned, expectedCleaned[i]);
    EXPECT_EQ(page->Area(static_cast<TArea>(i)).Failures, 0);
    EXPECT_EQ(page->Area(static_cast<TArea>(i)).Good, 1);
  }
  LoadLastOneClickInfo(point, when, found, cleaned);
  EXPECT_EQ(point, 90) << "every area repaired without a failure";
  EXPECT_EQ(found, junk.Found + reg.Found + 1 + 2 + 2 + 3);
  EXPECT_EQ(cleaned, 2 + 3 + 1 + 2 + 2 + 3);
  LoadLastRegInfo(regWhen, regFound, regCleaned);
  EXPECT_EQ(regFound, reg.Found);
  EXPECT_EQ(regCleaned, 3);
  LoadLastRegDetail();
  EXPECT_EQ(RegDetailInfo[10].ClearNum, 3);
  LoadLastWasteInfo(wasteWhen, wasteFound, wasteCleaned);
  EXPECT_EQ(wasteFound, junk.Found);
  EXPECT_EQ(wasteCleaned, 2);
  EXPECT_GE(LoadLastHisInfo(), start - 1.0 / 24);
}

}  // namespace

namespace {

// The areas in the order the scan takes them.
const TArea kScanOrder[] = {TfrmOneClick::kReg,     TfrmOneClick::kJunk, TfrmOneClick::kHis,
                            TfrmOneClick::kActiveX, TfrmOneClick::kFile, TfrmOneClick::kSys};

const wchar_t* const kAbortSummary[] = {
    L"Scan Abort!Please take full scan to junk file cleaner.",
    L"Scan Abort!Please take full scan to registry cleaner.",
    L"Scan Abort!Please take full scan to clean up privacy.",
    L"Scan Abort!Please take full scan to protect system.",
    L"Scan Abort!Please take full scan to file assciation scan.",
    L"Scan Abort!Please take full scan to optimize system.",
};

// The label of an area the abort stopped or skipped (junk and registry add to what they counted).
const wchar_t* const kAbortLabel[] = {
    L" (User Cancelled)",
    L" (User Cancelled)",
    L"Scan Abort!Please take full scan to clean up privacy",
    L"Scan Abort! Please take full scan to protect system",
    L"Scan Abort! Please take full scan to file assciation scan",
    L"Scan Abort! Please take full scan to optimize system",
};

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The line of an area in the summary list: the ticked areas in area order.
std::wstring SummaryLineOf(TfrmOneClick* page, TArea area) {
  size_t line = 0;
  for (int i = 0; i < area; ++i) line += page->Area(static_cast<TArea>(i)).Option->Checked() ? 1 : 0;
  const std::vector<std::wstring> lines = page->SummaryLines();
  return line < lines.size() ? lines[line] : L"<no line>";
}

// "Abort" answered Yes as each area in turn comes up (before its work starts), then "Re-Scan"
// for the next: the areas before it completed, it and every later one did not; each of those
// says it was aborted (none still reads "Scan in progress") and keeps its abort line in the
// summary; the score counts them at their lower values. Every option is ticked; after the first
// case the registry area is left out, so that no case waits for a whole registry scan.
TEST_F(OneClickAreasTest, AnAbortInEachAreaSkipsTheRest) {
  SeedFixAreas();
  TfrmOneClick* page = OpenWith(TOneClickOptions{true, true, true, true, true, true});
  ASSERT_NE(page, nullptr);
  for (size_t at = 0; at < std::size(kScanOrder); ++at) {
    const TArea abortIn = kScanOrder[at];
    SCOPED_TRACE(abortIn);
    if (at == 1) page->chkReg->SetChecked(false);
    TTabSheet* sheet = page->Area(abortIn).Sheet;
    bool asked = false;
    onPump = [&] {
      if (asked || !page->Scanning() || page->pgcScan->ActivePage() != sheet) return;
      asked = true;
      page->btn->Click();
    };
    boxes.clear();
    if (at == 0)
      page->StartScan();
    else
      page->btn->Click();  // Re-Scan
    onPump = nullptr;
    ASSERT_TRUE(asked);
    EXPECT_EQ(BoxesShown(), std::vector<std::wstring>{L"Sure want to stop Scaning?|Quillstead v4.1"});
    EXPECT_EQ(page->btn->Caption(), L"Re-Scan");
    EXPECT_FALSE(NavigationLocked());
    EXPECT_FALSE(page->tmr1->Enabled());

    EXPECT_EQ(page->SummaryLines().size(), static_cast<size_t>(page->CheckedOptionCount()));
    for (size_t i = 0; i < std::size(kScanOrder); ++i) {
      const TArea area = kScanOrder[i];
      const TfrmOneClick::TArea& shown = page->Area(area);
      if (!shown.Option->Checked()) continue;
      SCOPED_TRACE(area);
      EXPECT_EQ(shown.Done, i < at);
      EXPECT_FALSE(shown.Failed);
      EXPECT_NE(shown.Label->Caption(), L"Scan in progress") << "no area is scanning any more";
      if (i >= at) {
        EXPECT_EQ(SummaryLineOf(page, area), kAbortSummary[area]);
        EXPECT_TRUE(EndsWith(shown.Label->Caption(), kAbortLabel[area])) << WideToUtf8(shown.Label->Caption());
        EXPECT_EQ(shown.Good, 0);
      } else {
        EXPECT_NE(SummaryLineOf(page, area), kAbortSummary[area]);
      }
    }
    int point = 0, found = 0, cleaned = 0;
    TDateTime when = 0;
    LoadLastOneClickInfo(point, when, found, cleaned);
    EXPECT_EQ(point, StoredScanPoint(*page));
  }
}

}  // namespace
