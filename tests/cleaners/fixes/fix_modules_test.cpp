// Loading fix definitions from resource modules built for these tests: line ends, skipped
// lines, resources larger than any fixed buffer, and modules that are missing, broken or bare.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "cleaners/fixes/fix_lists.h"
#include "cleaners/fixes/fix_resource.h"
#include "fix_registry_fixture.h"
#include "tests/base/test_files.h"
#include "tests/base/test_program_folder.h"

namespace {

const std::wstring kFixtureKey = L"Software\\QuillsteadTest\\FixModules";
const std::wstring kFixtureClass = L"QuillsteadTest.FixModules";

class FixModules : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveFixtureKeys();
    ClearSysItems();
    ClearFileItems();
  }
  void TearDown() override {
    ClearSysItems();
    ClearFileItems();
    RemoveFixtureKeys();
  }
  static void RemoveFixtureKeys() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kFixtureKey.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, kFixtureKey.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\QuillsteadTest");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kFixtureClass.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, kFixtureClass.c_str());
  }
  // The fixture module beside the program under both module names.
  void Install(const wchar_t* resource) {
    const std::string module = ReadRcData(resource);
    ASSERT_FALSE(module.empty());
    folder_.WriteFile(kSysFixModule, module);
    folder_.WriteFile(kFileFixModule, module);
  }
  std::vector<std::wstring> SysDescriptions() const {
    std::vector<std::wstring> out;
    for (const TSysItem& item : SysItems) out.push_back(item.Description);
    return out;
  }
  TestProgramFolder folder_;
};

TEST_F(FixModules, SystemIndexLinesAndTheirTexts) {
  Install(L"FIXTURE_LINES");
  std::vector<std::wstring> seen;
  LoadSysFixes([&](const TSysItem& item) { seen.push_back(item.Description); });
  // CR LF and LF lines alike; "A,B,C" keeps B; a name or description alone is skipped; the last
  // line counts without a line end.
  const std::vector<std::wstring> expected = {L"First fix", L"Second fix", L"Fix without a text", L"Last fix"};
  EXPECT_EQ(SysDescriptions(), expected);
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(SysFixCount, 3);
  ASSERT_EQ(SysItems.size(), 4u);
  EXPECT_EQ(SysItems[1].Text, L"[HKEY_CURRENT_USER\\Software\\QuillsteadTest\\FixModules]\n\"second\"=\"two\"");
  EXPECT_TRUE(SysItems[2].Text.empty());  // its "SYS_" resource is missing
  EXPECT_FALSE(SysItems[2].NeedsFix);

  EXPECT_EQ(ApplySysFixes(), 0);
  EXPECT_EQ(GetValue(HKEY_CURRENT_USER, kFixtureKey, L"first"), Dword(1));
  EXPECT_EQ(GetValue(HKEY_CURRENT_USER, kFixtureKey, L"second"), Wide(REG_SZ, std::wstring(L"two\0", 4)));
  EXPECT_EQ(GetValue(HKEY_CURRENT_USER, kFixtureKey, L"last"), Wide(REG_SZ, std::wstring(L"end\0", 4)));
  for (const TSysItem& item : SysItems) {
    EXPECT_FALSE(item.NeedsFix);
    EXPECT_EQ(item.Fixed, !item.Text.empty());
  }

  // Loaded again, the registry agrees with every fix.
  ClearSysItems();
  LoadSysFixes();
  EXPECT_EQ(SysItems.size(), 4u);
  EXPECT_EQ(SysFixCount, 0);
}

TEST_F(FixModules, FileTableRows) {
  Install(L"FIXTURE_LINES");
  PutValue(HKEY_CLASSES_ROOT, kFixtureClass + L"\\DefaultIcon", L"", Wide(REG_SZ, std::wstring(L"ICON.ICO\0", 9)));
  std::vector<std::wstring> seen;
  LoadFileFixes([&](const TFileItem& item) { seen.push_back(item.ExtName); });
  // The row without a key and the row without a description are skipped; the last row counts
  // without a line end, and agrees apart from letter case.
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"qsa", L"qsd"}));
  EXPECT_EQ(FileFixCount, 1);
  ASSERT_EQ(FileItems.size(), 1u);
  EXPECT_EQ(FileItems[0].RestoreValue, L"fixture.exe \"%1\"");
  EXPECT_EQ(ApplyFileFixes(), 0);
  EXPECT_EQ(GetValue(HKEY_CLASSES_ROOT, kFixtureClass + L"\\shell\\open\\command", L""),
            Wide(REG_EXPAND_SZ, std::wstring(L"fixture.exe \"%1\"\0", 17)));
  EXPECT_EQ(FileItems[0].CurrentValue, L"fixture.exe \"%1\"");
}

TEST_F(FixModules, ResourcesAreReadWholeWhateverTheirSize) {
  Install(L"FIXTURE_BIG");
  LoadSysFixes();
  ASSERT_EQ(SysItems.size(), 1u);
  EXPECT_EQ(SysItems[0].Description, L"Big fix");
  EXPECT_GT(SysItems[0].Text.size(), 8193u);
  EXPECT_TRUE(SysItems[0].NeedsFix);
  EXPECT_EQ(ApplySysFixes(), 0);
  EXPECT_EQ(GetValue(HKEY_CURRENT_USER, kFixtureKey, L"big"), Wide(REG_SZ, std::wstring(L"tail\0", 5)));

  LoadFileFixes();
  ASSERT_EQ(FileItems.size(), 1u);
  EXPECT_EQ(FileItems[0].ExtName, L"qsb");
}

TEST_F(FixModules, MissingBrokenOrBareModulesGiveNoEntries) {
  struct Case {
    const char* name;
    std::string bytes;  // empty: no module at all
  } cases[] = {
      {"missing", ""},
      {"not a module", "MZ but nothing else"},
      {"no definitions", ReadRcData(L"FIXTURE_EMPTY")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestProgramFolder folder;
    if (!c.bytes.empty()) {
      folder.WriteFile(kSysFixModule, c.bytes);
      folder.WriteFile(kFileFixModule, c.bytes);
    }
    SysFixCount = 5;
    FileFixCount = 5;
    LoadSysFixes();
    LoadFileFixes();
    EXPECT_TRUE(SysItems.empty());
    EXPECT_TRUE(FileItems.empty());
    EXPECT_EQ(SysFixCount, 0);
    EXPECT_EQ(FileFixCount, 0);
  }
}

TEST_F(FixModules, OpenFixResource) {
  Install(L"FIXTURE_LINES");
  TFixModule module(kSysFixModule);
  ASSERT_NE(module.Handle(), nullptr);
  std::string bytes;
  EXPECT_TRUE(OpenFixResource(module.Handle(), L"SYS_Second", bytes));
  EXPECT_EQ(bytes, "[HKEY_CURRENT_USER\\Software\\QuillsteadTest\\FixModules]\n\"second\"=\"two\"");
  EXPECT_FALSE(OpenFixResource(module.Handle(), L"SYS_Missing", bytes));
  EXPECT_TRUE(bytes.empty());
  EXPECT_FALSE(OpenFixResource(nullptr, L"SYSTEM", bytes));
}

}  // namespace
