// The engine itself: category names and dispatch, records appended by the scanner helpers, the
// per-entry pump and stop check, and the separation of the two instances.
#include <gtest/gtest.h>

#include "base/message_pump.h"
#include "base/strings.h"
#include "registry/scan/reg_scan_engine.h"
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
  for (int category : {-1, 0, 16, 1000}) EXPECT_FALSE(RegScanEngine.GetScanProc(category)) << category;
  for (int category = 1; category <= kRegCategoryCount; ++category) {
    EXPECT_TRUE(RegScanEngine.GetScanProc(category)) << category;
    EXPECT_TRUE(OneClickRegScanEngine.GetScanProc(category)) << category;
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
  for (TRegScanEngine* engine : {&RegScanEngine, &OneClickRegScanEngine}) {
    engine->ClearRegItems();
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
    EXPECT_EQ(added.Selected, engine == &OneClickRegScanEngine ? 1 : 0);
    EXPECT_EQ(reports, (TScanReports{{1, L""}}));
    engine->ClearRegItems();
    EXPECT_TRUE(engine->Items.empty());
  }
}

// The engine pumps through the program's installed pump; the program's Stop button is handled
// inside that pump, and the stop is seen before the entry is reported.
TEST(RegScanEngine, NextEntryPumpsThenStopsOrReports) {
  int pumped = 0;
  bool stopInPump = false;
  TMessagePump previous = SetMessagePump([&] {
    ++pumped;
    if (stopInPump) RegScanState = kRegStateStop;
  });

  TScanReports reports;
  TScanProgressEvent onProgress = [&](uint8_t Kind, const std::wstring& Text) { reports.emplace_back(Kind, Text); };
  RegScanState = kRegStateRunning;
  EXPECT_TRUE(RegScanEngine.NextEntry(onProgress, L"entry 1"));
  EXPECT_EQ(pumped, 1);
  EXPECT_TRUE(RegScanEngine.NextEntry());
  stopInPump = true;
  EXPECT_FALSE(RegScanEngine.NextEntry(onProgress, L"entry 2"));
  EXPECT_EQ(pumped, 3);
  EXPECT_FALSE(RegScanEngine.NextEntry());
  EXPECT_EQ(reports, (TScanReports{{0, L"entry 1"}}));
  // Finished (1) is no stop request.
  stopInPump = false;
  RegScanState = kRegStateFinished;
  EXPECT_TRUE(RegScanEngine.NextEntry());
  SetMessagePump(previous);
}

TEST(RegScanEngine, InstancesShareNoState) {
  EXPECT_NE(&RegItems, &OneClickRegItems);
  EXPECT_NE(&RegExcludeItems, &OneClickRegExcludeItems);
  EXPECT_EQ(&RegItems, &RegScanEngine.Items);
  EXPECT_EQ(&OneClickRegItems, &OneClickRegScanEngine.Items);
  EXPECT_EQ(&RegScanEngine.ScanState, &RegScanState);
  EXPECT_EQ(&RegScanEngine.CleanState, &RegCleanState);
  EXPECT_EQ(&OneClickRegScanEngine.ScanState, &OneClickScanState);
  EXPECT_EQ(&OneClickRegScanEngine.CleanState, &OneClickCleanState);

  // One seeded problem, scanned by each instance while the other's stop is requested.
  TScanFixture fx;
  const std::wstring fonts = L"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
  RegScanEngine.ClearRegItems();
  OneClickRegScanEngine.ClearRegItems();
  fx.SetString(HKEY_LOCAL_MACHINE, fonts, fx.Tag() + L" (TrueType)", fx.Tag() + L"-missing.ttf");

  RegScanState = kRegStateStop;
  std::vector<TRegItem> oneClick = RunCategory(OneClickRegScanEngine, 1);
  EXPECT_EQ(RegScanState, kRegStateStop);
  EXPECT_EQ(OneClickScanState, kRegStateFinished);
  EXPECT_TRUE(RegItems.empty());
  std::vector<TRegItem> found = RecordsMentioning(oneClick, fx.Tag());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Selected, 1);

  OneClickScanState = kRegStateStop;
  std::vector<TRegItem> first = RunCategory(RegScanEngine, 1);
  found = RecordsMentioning(first, fx.Tag());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Selected, 0);
  EXPECT_EQ(OneClickRegItems.size(), oneClick.size());  // untouched by the first instance's scan

  RegScanEngine.ClearRegItems();
  EXPECT_EQ(OneClickRegItems.size(), oneClick.size());
  OneClickRegScanEngine.ClearRegItems();
  OneClickScanState = kRegStateFinished;
}
