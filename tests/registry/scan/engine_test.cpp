// The engine itself: category names and dispatch, records appended by the scanner helpers, the
// per-entry pump and stop check, and the separation of the two instances the registry tasks own.
#include <gtest/gtest.h>

#include "base/message_pump.h"
#include "base/strings.h"
#include "registry/scan/reg_scan_engine.h"
#include "registry/scan/registry_task.h"
#include "scan_fixture.h"

TEST(RegScanEngine, CategoryNames) {
  const wchar_t* expected[] = {
      L"Font Sections",     L"Help Files Sections",      L"Share DLL Sections",     L"ActiveX OLE Com Sections",
      L"Appliations Path",  L"System Software Settings", L"User Software Settings", L"Uninstall Sections",
      L"File Extensions",   L"Histoty/MRU Lists",        L"System Services",        L"Startup Programs",
      L"File Associations", L"Sounds Sections",          L"Empty Registry Keys"};
  for (int i = 1; i <= kRegCategoryCount; ++i) {
    EXPECT_EQ(std::wstring(RegCategoryNames[i]), expected[i - 1]) << i;
  }
}

TEST(RegScanEngine, GetScanProcKnowsCategoriesOneToFifteen) {
  TRegScanEngine cleaner{0}, oneClick{1};
  for (int category : {-1, 0, 16, 1000}) EXPECT_FALSE(cleaner.GetScanProc(category)) << category;
  for (int category = 1; category <= kRegCategoryCount; ++category) {
    EXPECT_TRUE(cleaner.GetScanProc(category)) << category;
    EXPECT_TRUE(oneClick.GetScanProc(category)) << category;
  }
}

// Scanners and the expected records of the category tests are both built by MakeRegItem, so its
// field order is checked here on its own.
TEST(RegScanEngine, MakeRegItemFillsTheTenFieldsInOrder) {
  const TRegItem item = MakeRegItem(HKEY_USERS, L"root", L"\\base", L"\\base\\path", L"value", L"data", L"problem",
                                    L"description", 13, 2);
  EXPECT_EQ(item.RootKey, HKEY_USERS);
  EXPECT_EQ(item.RootName, L"root");
  EXPECT_EQ(item.BaseKey, L"\\base");
  EXPECT_EQ(item.KeyPath, L"\\base\\path");
  EXPECT_EQ(item.ValueName, L"value");
  EXPECT_EQ(item.ValueData, L"data");
  EXPECT_EQ(item.ProblemType, L"problem");
  EXPECT_EQ(item.Description, L"description");
  EXPECT_EQ(item.Category, 13);
  EXPECT_EQ(item.Action, 2);
  EXPECT_EQ(item.Status, L"");
  EXPECT_EQ(item.Selected, 0);
  EXPECT_EQ(item.Excluded, 0);
}

TEST(RegScanEngine, AddRegItemFillsTheInstanceFieldsAndReportsKindOne) {
  TScanReports reports;
  TScanProgressEvent onProgress = [&](uint8_t Kind, const std::wstring& Text) { reports.emplace_back(Kind, Text); };
  TRegScanEngine cleaner{0}, oneClick{1};
  for (TRegScanEngine* engine : {&cleaner, &oneClick}) {
    TRegItem item;
    item.RootKey = HKEY_CURRENT_USER;
    item.KeyPath = L"\\Software\\X";
    item.Category = 7;
    item.Action = 1;
    item.Status = L"stale";
    item.Selected = 7;
    item.Excluded = 1;
    reports.clear();
    engine->AddRegItem(item, onProgress);
    engine->AddRegItem(item, TScanProgressEvent());  // an unassigned callback is skipped
    ASSERT_EQ(engine->Items.size(), 2u);
    const TRegItem& added = *engine->Items[0];
    EXPECT_EQ(added.KeyPath, L"\\Software\\X");
    EXPECT_EQ(added.Category, 7);
    EXPECT_EQ(added.Action, 1);
    EXPECT_EQ(added.Status, L"");
    EXPECT_EQ(added.Excluded, 0);
    EXPECT_EQ(added.Selected, engine == &oneClick ? 1 : 0);
    EXPECT_EQ(reports, (TScanReports{{1, L""}}));
    engine->ClearRegItems();
    EXPECT_TRUE(engine->Items.empty());
  }
}

// The engine pumps through the program's installed pump; the program's Stop button is handled
// inside that pump, and the stop is seen before the entry is reported.
TEST(RegScanEngine, NextEntryPumpsThenStopsOrReports) {
  TRegScanEngine engine{0};
  int pumped = 0;
  bool stopInPump = false;
  TMessagePump previous = SetMessagePump([&] {
    ++pumped;
    if (stopInPump) engine.ScanState = kRegStateStop;
  });

  TScanReports reports;
  TScanProgressEvent onProgress = [&](uint8_t Kind, const std::wstring& Text) { reports.emplace_back(Kind, Text); };
  engine.ScanState = kRegStateRunning;
  EXPECT_TRUE(engine.NextEntry(onProgress, L"entry 1"));
  EXPECT_EQ(pumped, 1);
  EXPECT_TRUE(engine.NextEntry());
  stopInPump = true;
  EXPECT_FALSE(engine.NextEntry(onProgress, L"entry 2"));
  EXPECT_EQ(pumped, 3);
  EXPECT_FALSE(engine.NextEntry());
  EXPECT_EQ(reports, (TScanReports{{0, L"entry 1"}}));
  // Finished (1) is no stop request.
  stopInPump = false;
  engine.ScanState = kRegStateFinished;
  EXPECT_TRUE(engine.NextEntry());
  SetMessagePump(previous);
}

// The registry cleaner page's task and one-click maintenance's task, made as the pages make them,
// each with an engine of its own.
TEST(RegScanEngine, InstancesShareNoState) {
  TRegistryTask cleanerTask(TRegCleanReport::Category, 0), oneClickTask(TRegCleanReport::ValueData, 1);
  TRegScanEngine& cleaner = cleanerTask.Engine();
  TRegScanEngine& oneClick = oneClickTask.Engine();
  EXPECT_NE(&cleaner, &oneClick);
  EXPECT_EQ(cleaner.ScanState, kRegStateFinished);
  EXPECT_EQ(oneClick.CleanState, kRegStateFinished);

  // One seeded problem, scanned by each instance while the other's stop is requested.
  TScanFixture fx;
  const std::wstring fonts = L"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
  fx.SetString(HKEY_LOCAL_MACHINE, fonts, fx.Tag() + L" (TrueType)", fx.Tag() + L"-missing.ttf");

  cleaner.ScanState = kRegStateStop;
  std::vector<TRegItem> oneClickFound = RunCategory(oneClick, 1);
  EXPECT_EQ(cleaner.ScanState, kRegStateStop);
  EXPECT_EQ(oneClick.ScanState, kRegStateFinished);
  EXPECT_TRUE(cleaner.Items.empty());
  std::vector<TRegItem> found = RecordsMentioning(oneClickFound, fx.Tag());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Selected, 1);

  oneClick.ScanState = kRegStateStop;
  std::vector<TRegItem> first = RunCategory(cleaner, 1);
  found = RecordsMentioning(first, fx.Tag());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Selected, 0);
  EXPECT_EQ(oneClick.Items.size(), oneClickFound.size());  // untouched by the first instance's scan

  cleaner.ClearRegItems();
  EXPECT_EQ(oneClick.Items.size(), oneClickFound.size());
}
