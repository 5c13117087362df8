// Category 8: uninstall entries that are empty, name no program, or point at missing folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"
#include "scan_test_util.h"

namespace {

const std::wstring kUninstall = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const std::wstring kMachine = L"HKEY_LOCAL_MACHINE";

TRegItem Uninstall(const std::wstring& U, const std::wstring& ValueName, const std::wstring& ValueData,
                   const std::wstring& Description, uint8_t Action) {
  return MakeRegItem(HKEY_LOCAL_MACHINE, kMachine, kUninstall, kUninstall + L"\\" + U, ValueName, ValueData,
                     L"Invalid Uninstaller entry:" + U, Description, 8, Action);
}

std::wstring Empty(const std::wstring& U) { return L"This entry's " + U + L" is empty,It can be deleteed."; }
std::wstring Missing(const std::wstring& U) {
  return L"This entry's " + U + L" referens a program that is missing or does not exist.";
}

class Cat08Uninstall : public OwnEngineScanTest {
 protected:
  std::wstring Entry(const std::wstring& Suffix) { return Fx.Tag() + Suffix; }
  std::wstring Key(const std::wstring& Suffix) { return kUninstall + L"\\" + Entry(Suffix); }
};

TEST_F(Cat08Uninstall, FindsEmptyAndBrokenEntriesAndSparesSoundOnes) {
  std::vector<TRegItem> Before = RunCategory(Engine, 8);
  const HKEY M = HKEY_LOCAL_MACHINE;
  const std::wstring Folder = Fx.AddFolder(L"installed");
  const std::wstring Gone = Fx.Folder() + L"gone";

  // An entry holding only empty subkeys: one record for the whole entry, nothing else.
  Fx.CreateKey(M, Key(L"_a") + L"\\Sub\\Deeper");
  // No display name and no uninstall command.
  Fx.SetString(M, Key(L"_b"), L"Publisher", L"Somebody");
  // A sound entry whose install location is empty.
  Fx.SetString(M, Key(L"_c"), L"DisplayName", L"App C");
  Fx.SetString(M, Key(L"_c"), L"UninstallString", L"C:\\c\\uninst.exe");
  Fx.SetString(M, Key(L"_c"), L"InstallLocation", L"");
  // Near miss: the install location exists (blanks around it are trimmed away).
  Fx.SetString(M, Key(L"_d"), L"DisplayName", L"App D");
  Fx.SetString(M, Key(L"_d"), L"InstallLocation", L"  " + Folder + L"  ");
  // The install source is gone: the record shows the source text as it is stored.
  Fx.SetString(M, Key(L"_e"), L"UninstallString", L"C:\\e\\uninst.exe");
  Fx.SetString(M, Key(L"_e"), L"InstallSource", Gone + L" ");
  // Near miss: the install source exists; an uninstall command alone names a program.
  Fx.SetString(M, Key(L"_f"), L"UninstallString", L"C:\\f\\uninst.exe");
  Fx.SetString(M, Key(L"_f"), L"InstallSource", Folder);
  // Everything wrong at once: three records in this order.
  Fx.SetString(M, Key(L"_g"), L"DisplayName", L" ");
  Fx.SetString(M, Key(L"_g"), L"InstallLocation", Gone);
  Fx.SetString(M, Key(L"_g"), L"InstallSource", Gone);
  // A display name of an unexpected type reads as empty on its own; the uninstall command still
  // names the program, so the entry stays.
  Fx.SetDword(M, Key(L"_h"), L"DisplayName", 7);
  Fx.SetString(M, Key(L"_h"), L"UninstallString", L"C:\\h\\uninst.exe");
  // A value below the entry makes the tree non-empty, but the entry itself names no program.
  Fx.SetString(M, Key(L"_i") + L"\\Sub", L"Anything", L"x");

  TScanReports Reports;
  std::vector<TRegItem> Found = RecordsMentioning(NewRecords(Before, RunCategory(Engine, 8, &Reports)), Fx.Tag());

  const std::wstring A = Entry(L"_a"), B = Entry(L"_b"), C = Entry(L"_c"), E = Entry(L"_e"), G = Entry(L"_g"),
                     I = Entry(L"_i");
  const std::vector<TRegItem> Expected = {
      Uninstall(A, A, kMachine + Key(L"_a"), Empty(A), 1),
      Uninstall(B, B, kMachine + Key(L"_b"), Missing(B), 1),
      Uninstall(C, L"InstallLocation", kMachine + Key(L"_c"), Missing(C), 2),
      Uninstall(E, L"InstallSource", Gone + L" ", Missing(E), 2),
      Uninstall(G, G, kMachine + Key(L"_g"), Missing(G), 1),
      Uninstall(G, L"InstallLocation", kMachine + Key(L"_g"), Missing(G), 2),
      Uninstall(G, L"InstallSource", Gone, Missing(G), 2),
      Uninstall(I, I, kMachine + Key(L"_i"), Missing(I), 1),
  };
  EXPECT_EQ(Found, Expected);
  ExpectAddressable(Found);

  ASSERT_FALSE(Reports.empty());
  EXPECT_EQ(Reports.front(), TScanReports::value_type(0, kMachine + kUninstall));
  EXPECT_TRUE(HasEntryReport(Reports, kMachine + Key(L"_d")));
}

TEST_F(Cat08Uninstall, EachAppendIsReportedOnce) {
  Fx.CreateKey(HKEY_LOCAL_MACHINE, Key(L"_a"));
  TScanReports Reports;
  std::vector<TRegItem> All = RunCategory(Engine, 8, &Reports);
  EXPECT_EQ(std::count_if(Reports.begin(), Reports.end(), [](const auto& R) { return R.first == 1; }),
            static_cast<long>(All.size()));
  for (const auto& R : Reports) {
    if (R.first == 1) {
      EXPECT_TRUE(R.second.empty());
    }
  }
}

// A stop requested while an entry is examined ends the walk at the next entry: the records of
// the examined entry stay, nothing after it is examined.
TEST_F(Cat08Uninstall, StopEndsTheWalkAtTheNextEntry) {
  Fx.CreateKey(HKEY_LOCAL_MACHINE, Key(L"_a"));
  Fx.CreateKey(HKEY_LOCAL_MACHINE, Key(L"_b"));
  const std::wstring StopAt = kMachine + Key(L"_a");
  std::vector<std::wstring> Examined;
  Engine.ClearRegItems();
  Engine.GetScanProc(8)([&](uint8_t Kind, const std::wstring& Text) {
    if (Kind != 0) return;
    Examined.push_back(Text);
    if (Text == StopAt) ScanState = kRegStateStop;
  });
  const std::wstring A = Entry(L"_a");
  EXPECT_EQ(RecordsMentioning(CopyRecords(Engine.Items), Fx.Tag()),
            std::vector<TRegItem>{Uninstall(A, A, kMachine + Key(L"_a"), Empty(A), 1)});
  ASSERT_FALSE(Examined.empty());
  EXPECT_EQ(Examined.back(), StopAt);
}

}  // namespace
