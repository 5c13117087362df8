// Category 10: every value and first-level subkey of the five recently-used lists, under the
// user's and the machine's keys.
#include <gtest/gtest.h>

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
  return MakeRegItem(Root, RootName, K, KeyPath, ValueName, RootName + K, L"Redundant or Invalid Registry Key",
                     L"The key is redundant or invalid registry key,iIt can be deleteed", 10, Action);
}

class Cat10MruLists : public OwnEngineScanTest {};

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
    EXPECT_TRUE(HasEntryReport(Reports, Text)) << WideToUtf8(Text);
}

// A stop requested while an entry is examined ends the walk at the next entry: the examined entry
// keeps its record, and nothing after it is examined, the machine's lists included.
TEST_F(Cat10MruLists, StopEndsTheWalkAtTheNextEntry) {
  const std::wstring T = Fx.Tag();
  Fx.SetString(HKEY_CURRENT_USER, kLastVisited, T + L"a", L"x");
  Fx.SetString(HKEY_CURRENT_USER, kLastVisited, T + L"b", L"x");
  Fx.CreateKey(HKEY_CURRENT_USER, kLastVisited + L"\\" + T + L"c");
  Fx.SetString(HKEY_LOCAL_MACHINE, kRecentDocs, T + L"d", L"x");
  std::wstring StopAt;
  size_t ReportsAfterStop = 0;
  Engine.ClearRegItems();
  Engine.GetScanProc(10)([&](uint8_t Kind, const std::wstring& Text) {
    if (Kind != 0) return;
    if (ScanState == kRegStateStop) {
      ++ReportsAfterStop;
    } else if (Text.find(T) != std::wstring::npos) {
      StopAt = Text;
      ScanState = kRegStateStop;
    }
  });
  EXPECT_EQ(ReportsAfterStop, 0u);
  // Values come before subkeys: the walk stopped at one of the two values.
  const std::wstring Prefix = L"HKEY_CURRENT_USER" + kLastVisited + L"\\";
  ASSERT_EQ(StopAt.rfind(Prefix, 0), 0u) << WideToUtf8(StopAt);
  const std::wstring Value = StopAt.substr(Prefix.size());
  EXPECT_TRUE(Value == T + L"a" || Value == T + L"b") << WideToUtf8(Value);
  EXPECT_EQ(RecordsMentioning(CopyRecords(Engine.Items), T),
            std::vector<TRegItem>{Mru(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", kLastVisited, kLastVisited, Value, 2)});
}

}  // namespace
