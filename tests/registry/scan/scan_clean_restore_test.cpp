// The whole road on seeded problems, with the platform's real registry editor: scan, back the
// registry up, clean what was found, restore the backup, and every seeded key and value is back
// exactly. The seeds carry what real registries hold: shared-DLL value names that are long paths,
// key paths beyond 255 characters, Chinese names and data, and RunOnceEx entries of both roots.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/date_time.h"
#include "base/strings.h"
#include "registry/reg_backup.h"
#include "registry/scan/reg_clean.h"
#include "scan_fixture.h"
#include "tests/base/test_program_folder.h"

namespace {

const HKEY LM = HKEY_LOCAL_MACHINE, CU = HKEY_CURRENT_USER;
const std::wstring kShared = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
const std::wstring kRunOnceEx = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx";
const std::wstring kRunMru = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";

// Every key (as "path\") and value (as "path\:name" = type and bytes) of a subtree.
using TSnapshot = std::map<std::wstring, std::pair<DWORD, std::vector<BYTE>>>;

void Dump(HKEY Root, const std::wstring& Path, TSnapshot& Out) {
  HKEY key;
  if (RegOpenKeyExW(Root, Path.c_str() + 1, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  Out[Path + L"\\"] = {};
  std::vector<wchar_t> name(32768);
  std::vector<BYTE> data(1 << 20);
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()), type;
    if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
    Out[Path + L"\\:" + std::wstring(name.data(), nameLength)] = {type, std::vector<BYTE>(data.begin(), data.begin() + size)};
  }
  std::vector<std::wstring> subkeys;
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    subkeys.emplace_back(name.data(), nameLength);
  }
  RegCloseKey(key);
  for (const std::wstring& subkey : subkeys) Dump(Root, Path + L"\\" + subkey, Out);
}

TSnapshot SeededBranches() {
  TSnapshot snapshot;
  Dump(LM, kShared, snapshot);
  Dump(LM, kRunOnceEx, snapshot);
  Dump(CU, kRunOnceEx, snapshot);
  Dump(CU, kRunMru, snapshot);
  return snapshot;
}

std::vector<const TRegItem*> Tagged(const TRegItemList& Items, const std::wstring& Tag) {
  std::vector<const TRegItem*> tagged;
  for (const auto& item : Items)
    if ((item->KeyPath + L"|" + item->ValueName).find(Tag) != std::wstring::npos) tagged.push_back(item.get());
  return tagged;
}

class ScanCleanRestore : public ::testing::Test {
 protected:
  ~ScanCleanRestore() override {
    RegScanEngine.ClearRegItems();
    RegScanState = RegCleanState = kRegStateFinished;
  }
  void Scan() {
    RegScanEngine.ClearRegItems();
    RegScanState = kRegStateRunning;
    for (int32_t category : {3, 10, 12}) RegScanEngine.GetScanProc(category)(nullptr);
    RegScanState = kRegStateFinished;
  }

  TestProgramFolder Program;
  TScanFixture Fx;
};

TEST_F(ScanCleanRestore, TheSeededProblemsComeBackExactly) {
  const std::wstring T = Fx.Tag();
  const std::wstring longDll = Fx.Folder() + std::wstring(300, L'd') + T + L".dll";
  const std::wstring program = Fx.AddFile(L"present.exe");
  const std::wstring deep = L"\\" + T + L"deep\\" + std::wstring(200, L'a') + L"\\" + std::wstring(200, L'b');
  Fx.SetDword(LM, kShared, longDll, 2);
  for (HKEY root : {LM, CU}) {
    Fx.SetString(root, kRunOnceEx, T + L"启动", L"C:\\不存在\\程序" + T + L".exe /q");
    Fx.SetString(root, kRunOnceEx, T + L"kept", L"\"" + program + L"\" /x");
    Fx.CreateKey(root, kRunOnceEx + L"\\" + T + L"empty\\0001");
    Fx.CreateKey(root, kRunOnceEx + deep);
  }
  const BYTE binary[] = {0, 1, 0xFE, 0xFF};
  const wchar_t multi[] = L"一\0two\0";
  Fx.SetValue(CU, kRunMru, T + L"bin", REG_BINARY, binary, sizeof(binary));
  Fx.SetValue(CU, kRunMru, T + L"multi", REG_MULTI_SZ, multi, sizeof(multi));
  Fx.SetExpandString(CU, kRunMru, T + L"expand", L"%SystemRoot%\\数据");
  Fx.SetDword(CU, kRunMru + L"\\" + T + L"sub", L"", 0xDEADBEEF);
  Fx.SetString(CU, kRunMru + L"\\" + T + L"sub\\下", L"名前", L"値");
  const TSnapshot before = SeededBranches();

  Scan();
  std::vector<const TRegItem*> found = Tagged(RegItems, T);
  // The long DLL name, per root a Chinese value and two empty trees (one beyond 255 characters),
  // and four MRU entries.
  ASSERT_EQ(found.size(), 11u);
  for (const auto& item : RegItems) item->Selected = 0;
  for (const TRegItem* item : found) const_cast<TRegItem*>(item)->Selected = 1;

  std::wstring backup;
  ASSERT_TRUE(TakeRegistryBackup(Now(), backup));

  RegCleanState = kRegStateRunning;
  TRegCleanResult result = CleanRegItems(nullptr);
  EXPECT_EQ(result.Cleaned, 11);
  EXPECT_EQ(result.Failed, 0);
  for (const TRegItem* item : found) EXPECT_EQ(item->Status, L"清理成功") << WideToUtf8(item->KeyPath + L"|" + item->ValueName);
  Scan();
  EXPECT_TRUE(Tagged(RegItems, T).empty());
  TSnapshot cleaned = SeededBranches();
  EXPECT_EQ(cleaned.count(L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx\\:" + T + L"kept"), 1u);
  EXPECT_NE(cleaned, before);

  ASSERT_TRUE(ImportRegistry(backup));
  EXPECT_EQ(SeededBranches(), before);
}

}  // namespace
