// Loading and freeing the exclusion list of Cleaner.ini [RegExcludeList].
#include <gtest/gtest.h>

#include <fstream>

#include "base/files.h"
#include "base/strings.h"
#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"

namespace {

// Points the program folder at the fixture's folder and writes Cleaner.ini there.
class TCleanerIni {
 public:
  TCleanerIni(TScanFixture& Fixture, const std::string& Text) {
    SetProgramFolderForTesting(Fixture.Folder());
    if (Text.empty()) return;
    std::wstring file = Fixture.Folder() + L"Cleaner.ini";
    std::ofstream(WideToAnsi(file), std::ios::binary) << Text;
    Fixture.OnTeardown([file] { DeleteFileW(file.c_str()); });
  }
  ~TCleanerIni() { SetProgramFolderForTesting(L""); }
};

struct Entry {
  HKEY root;
  std::wstring path;
};

void ExpectEntries(const TRegExcludeList& List, const std::vector<Entry>& Expected) {
  ASSERT_EQ(List.size(), Expected.size());
  for (size_t i = 0; i < Expected.size(); ++i) {
    EXPECT_EQ(List[i]->RootKey, Expected[i].root) << i;
    EXPECT_EQ(List[i]->Path, Expected[i].path) << i;
  }
}

}  // namespace

TEST(RegExcludeList, LinesInFileOrder) {
  TScanFixture fx;
  TCleanerIni ini(fx,
                  "[Other]\r\nHKEY_CURRENT_USER\\Software\\No=HKEY_CURRENT_USER\r\n"
                  "[RegExcludeList]\r\n"
                  "HKEY_CURRENT_USER\\Software\\Kept=HKEY_CURRENT_USER\r\n"
                  "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\App=HKEY_LOCAL_MACHINE\r\n"
                  "HKEY_CLASSES_ROOT\\CLSID\\{1}=HKEY_CLASSES_ROOT\r\n"
                  "HKEY_USERS\\.DEFAULT\\Software\\X=HKEY_USERS\r\n"
                  "HKEY_CURRENT_CONFIG\\Software\\Y=HKEY_CURRENT_CONFIG\r\n"
                  // The root is dropped by its length, whatever the characters are.
                  "ABCDEFGHIJKLMNOPQ\\Software\\Z=HKEY_CURRENT_USER\r\n"
                  // Root names in any letter case, full or short; the key's own root counts.
                  "hkey_users\\Software\\Lower=hkey_users\r\n"
                  "HKCU\\Software\\Short\\=HKEY_CURRENT_USER\r\n"
                  // A root name that is not understood stands for no root.
                  "HKEY_NOWHERE\\Software\\Unknown=HKEY_NOWHERE\r\n"
                  // A key shorter than its value gives an empty path.
                  "HKCU=HKEY_CURRENT_USER\r\n"
                  // An empty value: the key's own root.
                  "HKEY_USERS\\Whole=\r\n"
                  "[Later]\r\nHKEY_CURRENT_USER\\Software\\Not=HKEY_CURRENT_USER\r\n");
  TRegScanEngine engine{0}, other{1};
  engine.LoadRegExcludeList();
  ExpectEntries(engine.ExcludeItems, {
                                         {HKEY_CURRENT_USER, L"\\Software\\Kept"},
                                         {HKEY_LOCAL_MACHINE, L"\\SOFTWARE\\Vendor\\App"},
                                         {HKEY_CLASSES_ROOT, L"\\CLSID\\{1}"},
                                         {HKEY_USERS, L"\\.DEFAULT\\Software\\X"},
                                         {HKEY_CURRENT_CONFIG, L"\\Software\\Y"},
                                         {HKEY_CURRENT_USER, L"\\Software\\Z"},
                                         {HKEY_USERS, L"\\Software\\Lower"},
                                         {HKEY_CURRENT_USER, L"\\Software\\Short"},
                                         {nullptr, L"\\Software\\Unknown"},
                                         {HKEY_CURRENT_USER, L""},
                                         {HKEY_USERS, L"\\Whole"},
                                     });
  // Loading again appends; the other instance's list stays empty.
  EXPECT_TRUE(other.ExcludeItems.empty());
  engine.LoadRegExcludeList();
  EXPECT_EQ(engine.ExcludeItems.size(), 22u);
  EXPECT_EQ(engine.ExcludeItems[11]->Path, L"\\Software\\Kept");
  engine.FreeRegExcludeList();
  EXPECT_TRUE(engine.ExcludeItems.empty());
}

TEST(RegExcludeList, MissingFileOrSectionGivesNothing) {
  TScanFixture fx;
  TRegScanEngine engine{1};
  {
    TCleanerIni ini(fx, "");
    engine.LoadRegExcludeList();
    EXPECT_TRUE(engine.ExcludeItems.empty());
  }
  TCleanerIni ini(fx, "[LastInfo_Reg]\r\nScanNum=3\r\n");
  engine.LoadRegExcludeList();
  EXPECT_TRUE(engine.ExcludeItems.empty());
}
