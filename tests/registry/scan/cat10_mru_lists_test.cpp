// Category 10: every value and first-level subkey of the five recently-used lists, under the
// user's and the machine's keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"
#include "scan_test_util.h"

namespace {

const std::wstring kExplorer = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::wstring kLastVisited = kExplorer + L"\\ComDlg32\\LastVisitedMRU";
const std::wstring kOpenSave = kExplorer + L"\\ComDlg32\\OpenSaveMRU";
const std::wstring kRecentDocs = kExplorer + L"\\RecentDocs";
const std::wstring kRunMru = kExplorer + L"\\RunMRU";
const std::wstring kStreamMru = kExplorer + L"\\StreamMRU";

TRegItem Mru(HKEY Root, const std::wstring& RootName, const std::wstring& K, const std::wstring& KeyPath,
             const std::wstring& ValueName, uint8_t Action) {
  TRegItem Item;
  Item.RootKey = Root;
  Item.RootName = RootName;
  Item.BaseKey = K;
  Item.KeyPath = KeyPath;
  Item.ValueName = ValueName;
  Item.ValueData = RootName + K;
  Item.ProblemType = L"Redundant or Invalid Registry Key";
  Item.Description = L"The key is redundant or invalid registry key,iIt can be deleteed";
  Item.Category = 10;
  Item.Action = Action;
  return Item;
}

class Cat10MruLists : public ::testing::Test {
 protected:
  uint8_t ScanState = kRegStateRunning;
  uint8_t CleanState = kRegStateRunning;
  TRegScanEngine Engine{ScanState, CleanState, 0};
  TScanFixture Fx;
};

TEST_F(Cat10MruLists, EveryEntryOfEveryListIsAProblem) {
  std::vector<TRegItem> Before = RunCategory(Engine, 10);
  const HKEY U = HKEY_CURRENT_USER, M = HKEY_LOCAL_MACHINE;
  const std::wstring T = Fx.Tag();
  const std::wstring UserName = L"HKEY_CURRENT_USER", MachineName = L"HKEY_LOCAL_MACHINE";

  Fx.SetString(U, kLastVisited, T + L"v", L"anything");
  Fx.SetDword(U, kOpenSave + L"\\" + T + L"s", L"a", 1);   // a subkey: its content is not walked
  Fx.CreateKey(U, kRunMru + L"\\" + T + L"k\\Nested");
  Fx.SetString(U, kStreamMru, T + L"w", L"");
  Fx.SetString(M, kRecentDocs, T + L"m", L"x");
  Fx.CreateKey(M, kRecentDocs + L"\\" + T + L"n");
  // Near misses: keys beside the lists.
  Fx.SetString(U, kRunMru + L"x", T + L"near", L"x");
  Fx.SetString(U, kExplorer, T + L"near", L"x");

  TScanReports Reports;
  std::vector<TRegItem> Found = RecordsMentioning(NewRecords(Before, RunCategory(Engine, 10, &Reports)), T);

  const std::vector<TRegItem> Expected = {
      Mru(U, UserName, kLastVisited, kLastVisited, T + L"v", 2),
      Mru(U, UserName, kOpenSave, kOpenSave + L"\\" + T + L"s", L"", 1),
      Mru(U, UserName, kRunMru, kRunMru + L"\\" + T + L"k", L"", 1),
      Mru(U, UserName, kStreamMru, kStreamMru, T + L"w", 2),
      Mru(M, MachineName, kRecentDocs, kRecentDocs, T + L"m", 2),
      Mru(M, MachineName, kRecentDocs, kRecentDocs + L"\\" + T + L"n", L"", 1),
  };
  EXPECT_EQ(Found, Expected);
  ExpectAddressable(Found);

  ASSERT_FALSE(Reports.empty());
  EXPECT_EQ(Reports.front(),
            TScanReports::value_type(
                0, L"HKEY_CURRENT_UESER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32"));
  for (const std::wstring& Text : {UserName + kLastVisited + L"\\" + T + L"v",
                                   MachineName + kRecentDocs + L"\\" + T + L"n"})
    EXPECT_NE(std::find(Reports.begin(), Reports.end(), TScanReports::value_type(0, Text)), Reports.end());
}

}  // namespace
