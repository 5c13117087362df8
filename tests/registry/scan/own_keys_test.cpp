// The program never proposes to clean its own key: the shipped exclusion list names it, so a
// scan of a fresh install marks it excluded and cleaning leaves it.
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/reg_clean.h"
#include "scan_test_util.h"
#include "tests/base/test_files.h"
#include "tests/base/test_program_folder.h"

TEST(OwnKeys, TheShippedExclusionListKeepsTheProgramsOwnKey) {
  TRegScanEngine engine{0};
  TScanFixture fx;
  TestProgramFolder program;
  program.WriteFile(L"Cleaner.ini", ReadRcData(L"SHIPPED_CLEANER_INI"));
  // A fresh install: the program's key exists and holds nothing yet. Values other tests of this
  // prefix left in it are set aside and put back afterwards.
  const std::wstring own = L"\\SOFTWARE\\Quillstead";
  fx.CreateKey(HKEY_LOCAL_MACHINE, own);
  TRegistry reg;
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(reg.OpenKey(own, false));
  ASSERT_FALSE(reg.HasSubKeys());
  std::vector<std::wstring> names;
  reg.GetValueNames(names);
  for (const std::wstring& name : names) {
    DWORD type;
    std::vector<BYTE> data;
    ASSERT_TRUE(ReadRegValue(reg.CurrentKey(), name, type, data));
    fx.OnTeardown([own, name, type, data] {
      RegSetKeyValueW(HKEY_LOCAL_MACHINE, own.c_str() + 1, name.c_str(), type, data.data(),
                      static_cast<DWORD>(data.size()));
    });
    reg.DeleteValue(name);
  }
  reg.CloseKey();

  engine.FreeRegExcludeList();
  engine.LoadRegExcludeList();
  RunCategory(engine, 6);
  for (auto& item : engine.Items) item->Selected = 1;
  ApplyRegExcludeList(engine);
  int ownRecords = 0;
  for (const auto& item : engine.Items) {
    if (LowerCase(item->KeyPath) != L"\\software\\quillstead") continue;
    ++ownRecords;
    EXPECT_EQ(item->Excluded, 1) << WideToUtf8(item->RootName + item->KeyPath);
  }
  // The scan does see the empty key: without the exclusion it would be cleaned.
  EXPECT_EQ(ownRecords, 1);

  // Clean only the program's own record: it stays.
  for (auto& item : engine.Items) item->Selected = LowerCase(item->KeyPath) == L"\\software\\quillstead";
  engine.CleanState = kRegStateRunning;
  CleanRegItems(engine, TRegCleanReport::Category, nullptr);
  engine.CleanState = kRegStateFinished;
  EXPECT_TRUE(reg.KeyExists(own));
}
