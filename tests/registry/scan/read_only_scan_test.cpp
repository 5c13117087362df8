// Scanning needs nothing but read access, cleaning needs write access: a key that the account
// may read but not change is found by the scan, and cleaning it fails instead of pretending.
#include <gtest/gtest.h>
#include <windows.h>

#include <sddl.h>

#include "base/strings.h"
#include "registry/scan/reg_clean.h"
#include "scan_fixture.h"
#include "scan_test_util.h"
#include "tests/base/test_program_folder.h"

namespace {

const std::wstring kAppPaths = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";

// Gives everyone the rights of Sddl on the key (the rest of them denied).
bool SetKeyRights(HKEY Root, const std::wstring& Path, const wchar_t* Sddl) {
  PSECURITY_DESCRIPTOR sd = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(Sddl, SDDL_REVISION_1, &sd, nullptr)) return false;
  HKEY key;
  bool ok = RegOpenKeyExW(Root, Path.c_str() + 1, 0, WRITE_DAC, &key) == ERROR_SUCCESS;
  if (ok) {
    ok = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
    RegCloseKey(key);
  }
  LocalFree(sd);
  return ok;
}

TEST(ReadOnlyScan, AKeyThatMayOnlyBeReadIsFoundButNotCleaned) {
  TRegScanEngine engine{0};
  TScanFixture fx;
  TestProgramFolder program;
  const std::wstring app = fx.Tag() + L"-locked.exe";
  const std::wstring key = kAppPaths + L"\\" + app;
  fx.SetString(HKEY_LOCAL_MACHINE, key, L"", L"C:\\nowhere\\" + app);
  ASSERT_TRUE(SetKeyRights(HKEY_LOCAL_MACHINE, key, L"D:P(A;;KRWD;;;WD)"));
  fx.OnTeardown([key] { SetKeyRights(HKEY_LOCAL_MACHINE, key, L"D:P(A;;KA;;;WD)"); });
  HKEY probe;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str() + 1, 0, KEY_ALL_ACCESS, &probe) == ERROR_SUCCESS) {
    RegCloseKey(probe);
    GTEST_SKIP() << "this Wine grants full access to a key whose rights say read-only";
  }

  std::vector<TRegItem> found = RecordsMentioning(RunCategory(engine, 5), app);
  ASSERT_EQ(found.size(), 1u);

  engine.ClearRegItems();
  for (uint8_t action : {2, 1}) {
    auto item = std::make_unique<TRegItem>(found[0]);
    item->Action = action;
    item->Selected = 1;
    engine.Items.push_back(std::move(item));
  }
  engine.CleanState = kRegStateRunning;
  TRegCleanResult result = CleanRegItems(engine, TRegCleanReport::Category, nullptr);
  engine.CleanState = kRegStateFinished;
  EXPECT_EQ(result.Cleaned, 0);
  EXPECT_EQ(engine.Items[0]->Status, L"清理失败");
  EXPECT_EQ(engine.Items[1]->Status, L"清理失败");
  TRegistry reg(KEY_READ);
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(reg.OpenKeyReadOnly(key));
  EXPECT_EQ(reg.ReadString(L""), L"C:\\nowhere\\" + app);
}

}  // namespace
