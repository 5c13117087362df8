// Category 15: keys without subkeys and values below HKEY_CURRENT_USER and HKEY_USERS.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"
#include "scan_test_util.h"

namespace {

// Q is the empty key's path below the root with a trailing backslash; the two roots name the
// record's value differently.
TRegItem EmptyKey(HKEY Root, const wchar_t* RootName, const std::wstring& Q, const std::wstring& ValueName) {
  const std::wstring Key = L"\\" + Q.substr(0, Q.size() - 1);
  return MakeRegItem(Root, RootName, Key, Key, ValueName, L"", L"Empty Key", Q + L" is empty,it can be deleteed",
                     15, 1);
}
TRegItem UserKey(const std::wstring& Q) { return EmptyKey(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", Q, Q); }
TRegItem UsersKey(const std::wstring& Q) { return EmptyKey(HKEY_USERS, L"HKEY_USERS", Q, L"\\" + Q); }

class Cat15EmptyKeys : public OwnEngineScanTest {
 protected:
  // The test's own keys: Software\QuillsteadTest\<tag>\ (with the trailing backslash).
  std::wstring Base() { return L"Software\\QuillsteadTest\\" + Fx.Tag() + L"\\"; }
};

// Only leaf keys without values are problems. The current user's keys appear once, under
// HKEY_CURRENT_USER, although HKEY_USERS shows them again in the user's own branch.
TEST_F(Cat15EmptyKeys, FindsEmptyLeavesOnceUnderEachRoot) {
  std::vector<TRegItem> Before = RunCategory(Engine, 15);
  const HKEY U = HKEY_CURRENT_USER;
  const std::wstring Q = Base();
  Fx.CreateKey(U, L"\\" + Q + L"a");
  Fx.SetString(U, L"\\" + Q + L"b", L"x", L"y");
  Fx.CreateKey(U, L"\\" + Q + L"c\\d");
  Fx.SetString(U, L"\\" + Q + L"e\\f", L"", L"");  // a default value counts as a value
  Fx.CreateKey(U, L"\\" + Q + L"g\\h\\i");
  const std::wstring Default = L".Default\\" + Q;
  Fx.CreateKey(HKEY_USERS, L"\\" + Default + L"j");

  TScanReports Reports;
  std::vector<TRegItem> Found = RecordsMentioning(NewRecords(Before, RunCategory(Engine, 15, &Reports)), Fx.Tag());

  const std::vector<TRegItem> Expected = {
      UserKey(Q + L"a\\"),
      UserKey(Q + L"c\\d\\"),
      UserKey(Q + L"g\\h\\i\\"),
      UsersKey(Default + L"j\\"),
  };
  EXPECT_EQ(Found, Expected);
  ExpectAddressable(Found);
  ASSERT_FALSE(Reports.empty());
  EXPECT_EQ(Reports.front(), TScanReports::value_type(0, L""));
  // The walk reports the key whose subkey it enters next.
  bool SawParent = false;
  for (const auto& R : Reports) SawParent |= R.second == L"HKEY_CURRENT_USER\\" + Q + L"g\\h\\";
  EXPECT_TRUE(SawParent);
}

// A stop requested during the walk ends it at the next subkey: nothing further is examined or
// recorded, HKEY_USERS included.
TEST_F(Cat15EmptyKeys, StopEndsTheWalkAtTheNextSubkey) {
  const HKEY U = HKEY_CURRENT_USER;
  const std::wstring Q = Base();
  Fx.CreateKey(U, L"\\" + Q + L"a");
  Fx.CreateKey(U, L"\\" + Q + L"b");
  Fx.CreateKey(HKEY_USERS, L"\\.Default\\" + Q + L"c");
  const std::wstring StopAt = L"HKEY_CURRENT_USER\\" + Q;
  size_t ReportsAfterStop = 0;
  Engine.ClearRegItems();
  Engine.GetScanProc(15)([&](uint8_t Kind, const std::wstring& Text) {
    if (Kind != 0) return;
    if (ScanState == kRegStateStop) ++ReportsAfterStop;
    if (Text == StopAt) ScanState = kRegStateStop;
  });
  EXPECT_EQ(ReportsAfterStop, 0u);
  std::vector<TRegItem> Found = RecordsMentioning(CopyRecords(Engine.Items), Fx.Tag());
  EXPECT_LE(Found.size(), 1u);
  for (const TRegItem& Item : Found) EXPECT_EQ(Item, UserKey(Q + L"a\\"));
}

}  // namespace
