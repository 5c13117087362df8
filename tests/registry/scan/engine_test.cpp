// The engine itself: category names and dispatch, records appended by the scanner helpers, the
// per-entry pump and stop check, and the separation of the two instances.
#include <gtest/gtest.h>

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

namespace {

int gPumped = 0;

LRESULT CALLBACK CountingProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
  if (Message == WM_APP) ++gPumped;
  return DefWindowProcW(Window, Message, WParam, LParam);
}

}  // namespace

TEST(RegScanEngine, NextEntryPumpsThenStopsOrReports) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = CountingProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QsScanPumpTest";
  RegisterClassW(&wc);
  HWND window = CreateWindowW(L"QsScanPumpTest", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(window, nullptr);

  TScanReports reports;
  TScanProgressEvent onProgress = [&](uint8_t Kind, const std::wstring& Text) { reports.emplace_back(Kind, Text); };
  RegScanState = kRegStateRunning;
  gPumped = 0;
  PostMessageW(window, WM_APP, 0, 0);
  EXPECT_TRUE(RegScanEngine.NextEntry(onProgress, L"entry 1"));
  EXPECT_EQ(gPumped, 1);
  EXPECT_TRUE(RegScanEngine.NextEntry());
  // A stop requested while the queue is pumped (by the page's stop button) is seen at once.
  PostMessageW(window, WM_APP, 0, 0);
  RegScanState = kRegStateStop;
  EXPECT_FALSE(RegScanEngine.NextEntry(onProgress, L"entry 2"));
  EXPECT_EQ(gPumped, 2);
  EXPECT_FALSE(RegScanEngine.NextEntry());
  EXPECT_EQ(reports, (TScanReports{{0, L"entry 1"}}));
  // Finished (1) is no stop request.
  RegScanState = kRegStateFinished;
  EXPECT_TRUE(RegScanEngine.NextEntry());
  DestroyWindow(window);
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
