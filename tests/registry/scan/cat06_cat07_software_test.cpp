// Categories 6 and 7: first-level program keys below the software key of the machine (6) and of
// the user (7) whose whole tree holds no value.
#include "scan_test_util.h"

namespace {

struct SoftwareCase {
  int32_t category;
  HKEY root;
  const wchar_t* rootName;
};

class ScanSoftware : public ::testing::TestWithParam<SoftwareCase> {};

}  // namespace

TEST_P(ScanSoftware, EmptyProgramKeys) {
  TRegScanEngine engine{0};
  const SoftwareCase& c = GetParam();
  TScanFixture fx;
  const std::wstring t = fx.Tag();
  std::vector<TRegItem> before = RunCategory(engine, c.category);
  auto key = [&](const std::wstring& Name) { return L"\\Software\\" + Name; };
  fx.CreateKey(c.root, key(t + L"-Empty"));
  fx.CreateKey(c.root, key(t + L"-EmptyTree\\a\\b"));
  fx.CreateKey(c.root, key(t + L"-EmptyTree\\c"));
  fx.SetDword(c.root, key(t + L"-DeepValue\\a\\b\\c"), L"n", 0);
  fx.CreateKey(c.root, key(t + L"-DeepValue\\d"));
  fx.SetString(c.root, key(t + L"-Valued"), L"v", L"");
  fx.SetString(c.root, key(t + L"-DefaultOnly"), L"", L"");
  fx.CreateKey(c.root, key(t + L"-BlankSub\\ "));
  // Never reported, whatever their letter case and blanks around them.
  const std::wstring skipped[] = {L"  MICROSOFT ", L"microsoft\t", L" Classes", L"CLASSES  "};
  for (const std::wstring& name : skipped) fx.CreateKey(c.root, key(name));

  TScanReports reports;
  std::vector<TRegItem> after = RunCategory(engine, c.category, &reports);
  ExpectAddressable(RecordsMentioning(after, t));
  auto record = [&](const std::wstring& Name) {
    return MakeRegItem(c.root, c.rootName, L"\\SoftWare", L"\\SoftWare\\" + Name, L"",
                       std::wstring(c.rootName) + L"\\SoftWare\\" + Name, L"Redundant or Invalid Registry Key",
                       Name + L" contains redundant or invalid registry key,It can be deleteed.", c.category, 1);
  };
  std::vector<TRegItem> added = NewRecords(before, after);
  // Other programs' test keys may come and go meanwhile; only this fixture's count here.
  EXPECT_SAME_RECORDS(RecordsMentioning(added, t), (std::vector<TRegItem>{
                                                        record(t + L"-Empty"),
                                                        record(t + L"-EmptyTree"),
                                                    }));
  for (const TRegItem& item : added) {
    for (const std::wstring& name : skipped) EXPECT_NE(item.KeyPath, L"\\SoftWare\\" + name);
  }
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports[0], (std::pair<uint8_t, std::wstring>(0, std::wstring(c.rootName) + L"\\SoftWare")));
  // Skipped keys are still reported as they are walked.
  for (const std::wstring& name : {skipped[0], t + L"-Valued"}) {
    EXPECT_EQ(std::count(reports.begin(), reports.end(),
                         std::pair<uint8_t, std::wstring>(0, std::wstring(c.rootName) + L"\\SoftWare\\" + name)),
              1)
        << WideToUtf8(name);
  }
}

INSTANTIATE_TEST_SUITE_P(Roots, ScanSoftware,
                         ::testing::Values(SoftwareCase{6, HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE"},
                                           SoftwareCase{7, HKEY_CURRENT_USER, L"HKEY_CURRENT_USER"}));
