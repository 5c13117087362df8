// Keys Windows and this program rely on are never proposed: the fixed list's match, and three
// repairs in a row over a user branch of the test's own, where each repair empties the parents of
// what the last one deleted.
#include "registry/scan/protected_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/reg_clean.h"
#include "scan_test_util.h"
#include "tests/base/test_program_folder.h"

namespace {

const HKEY LM = HKEY_LOCAL_MACHINE;
const HKEY CU = HKEY_CURRENT_USER;
const HKEY US = HKEY_USERS;

// Whether text begins with start, letter case aside.
bool StartsText(const std::wstring& start, const std::wstring& text) {
  return text.size() >= start.size() && SameText(text.substr(0, start.size()), start);
}

TEST(ProtectedKeys, DeletingAProtectedKeyOrOneAboveItIsRefused) {
  struct Case {
    HKEY root;
    const wchar_t* path;
    bool refused;
  } cases[] = {
      {LM, L"\\SYSTEM\\CurrentControlSet\\Services\\Winsock2", true},
      {LM, L"\\SYSTEM\\ControlSet001\\Services\\WinSock2\\", true},  // a numbered control set, any case
      {LM, L"\\SYSTEM\\CurrentControlSet\\Services\\Winsock2\\Parameters\\Protocol_Catalog9\\Catalog_Entries", true},
      {LM, L"\\SYSTEM\\CurrentControlSet\\Services\\Winsock\\Parameters", true},
      {LM, L"\\SYSTEM\\CurrentControlSet\\Services", true},  // above Winsock
      {LM, L"\\SYSTEM\\CurrentControlSet\\Services\\WinsockHelper", false},
      {LM, L"\\SYSTEM\\CurrentControlSet\\Services\\QsGone", false},
      {CU, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", true},
      {CU, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce\\", true},
      {LM, L"\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run", true},
      {US, L"\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", true},
      {US, L"\\S-1-5-21-1-2-3-1000\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", true},
      {US, L"\\S-1-5-21-1-2-3-1000", true},  // a user's whole branch
      {CU, L"\\Software\\Microsoft\\Windows NT\\CurrentVersion", true},
      {CU, L"\\Software\\Microsoft\\Windows\\CurrentVersion", true},
      {CU, L"\\Software\\Microsoft", true},  // above them
      {CU, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies", true},
      {LM, L"\\SOFTWARE\\Policies", true},
      // Only the keys themselves: what lies below them may go.
      {CU, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\QsEmpty", false},
      {CU, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", false},
      {CU, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QsGone", false},
      {CU, L"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\QsEmpty", false},
      {CU, L"\\Software\\QsVendor", false},
      {CU, L"\\Software\\Microsoft\\Windows\\CurrentVersionX", false},
      {LM, L"\\SYSTEM\\ControlSet\\Services\\Winsock2", false},  // no number: no control set
  };
  for (const Case& c : cases) EXPECT_EQ(DeletesProtectedKey(c.root, c.path), c.refused) << WideToUtf8(c.path);
}

// Values: only a protected tree keeps them; a startup entry in Run may still be cleaned.
TEST(ProtectedKeys, ValuesAreKeptOnlyInsideAProtectedTree) {
  struct Case {
    uint8_t action;
    const wchar_t* baseKey;
    const wchar_t* keyPath;
    bool touches;
  } cases[] = {
      {2, L"", L"\\SYSTEM\\CurrentControlSet\\Services\\Winsock2\\Parameters", true},
      {2, L"", L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", false},
      {2, L"", L"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", false},
      {0, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"\\Software\\QsVendor", true},
      {0, L"\\Software\\QsVendor", L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", false},
      {1, L"\\Software\\QsVendor", L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", true},
  };
  for (const Case& c : cases) {
    const TRegItem item = MakeRegItem(CU, L"HKEY_CURRENT_USER", c.baseKey, c.keyPath, L"name", L"", L"Problem",
                                      L"Why", 12, c.action);
    EXPECT_EQ(TouchesProtectedKey(item), c.touches) << int(c.action) << " " << WideToUtf8(c.keyPath);
  }
}

// A user branch of the test's own below HKEY_USERS, laid out as Windows lays out a user's keys,
// with the protected keys empty and an empty chain below Policies. Three repairs in a row, each
// cleaning every record of the branch: none ever names a protected key, the chain goes one key
// per repair, and Policies stays when it is left empty.
class ProtectedKeysRepairs : public OwnEngineScanTest {};

TEST_F(ProtectedKeysRepairs, ThreeRepairsNeverProposeThemAndTheChainStopsBelowThem) {
  TestProgramFolder program;  // the clean's report goes there
  const std::wstring user = L"\\QsUser" + Fx.Tag();
  const std::wstring windows = user + L"\\Software\\Microsoft\\Windows\\CurrentVersion";
  const std::wstring policies = windows + L"\\Policies";
  const std::vector<std::wstring> kept = {
      windows + L"\\Run",
      windows + L"\\RunOnce",
      policies,
      user + L"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
      user + L"\\System\\CurrentControlSet\\Services\\Winsock2\\Parameters\\Protocol_Catalog9",
  };
  for (const std::wstring& key : kept) Fx.CreateKey(US, key);
  Fx.CreateKey(US, policies + L"\\QsPolicy\\QsEmpty");
  {
    TRegistry reg(KEY_READ);
    reg.SetRootKey(US);
    ASSERT_TRUE(reg.KeyExists(policies + L"\\QsPolicy\\QsEmpty")) << "keys below HKEY_USERS cannot be made";
  }

  const std::vector<std::wstring> expectedPerRepair = {policies + L"\\QsPolicy\\QsEmpty", policies + L"\\QsPolicy",
                                                      L""};
  for (size_t repair = 0; repair < expectedPerRepair.size(); ++repair) {
    SCOPED_TRACE(repair);
    Engine.ClearRegItems();
    Engine.GetScanProc(15)(nullptr);
    std::vector<std::wstring> proposed;
    for (const auto& item : Engine.Items) {
      const bool ours = StartsText(user + L"\\", item->KeyPath);
      item->Selected = ours ? 1 : 0;
      if (ours) proposed.push_back(item->KeyPath);
    }
    for (const std::wstring& key : kept)
      for (const std::wstring& path : proposed)
        EXPECT_FALSE(SameText(path, key) || StartsText(path + L"\\", key)) << WideToUtf8(path);
    EXPECT_EQ(proposed, expectedPerRepair[repair].empty() ? std::vector<std::wstring>{}
                                                         : std::vector<std::wstring>{expectedPerRepair[repair]});
    CleanState = kRegStateRunning;
    const TRegCleanResult result = CleanRegItems(Engine, TRegCleanReport::Category, nullptr);
    EXPECT_EQ(result.Failed, 0);
  }
  TRegistry reg(KEY_READ);
  reg.SetRootKey(US);
  for (const std::wstring& key : kept) EXPECT_TRUE(reg.KeyExists(key)) << WideToUtf8(key);
  EXPECT_FALSE(reg.KeyExists(policies + L"\\QsPolicy"));
}

}  // namespace
