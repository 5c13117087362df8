// Category 9: the user's per-extension Explorer settings and their "Open with" lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exception.h"
#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"
#include "scan_test_util.h"

namespace {

const std::wstring kFileExts = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
const std::wstring kAppPaths = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
const std::wstring kUser = L"HKEY_CURRENT_USER";

TRegItem FileExt(const std::wstring& X, const std::wstring& KeyPath, const std::wstring& ValueName, uint8_t Action) {
  return MakeRegItem(HKEY_CURRENT_USER, kUser, kFileExts + L"\\" + X, KeyPath, ValueName, kUser + KeyPath,
                     L"Miss or Invalid Path", L"The key " + X + L" contains a bad path for the value.", 9, Action);
}

class Cat09FileExts : public OwnEngineScanTest {
 protected:
  std::wstring Ext(const std::wstring& Suffix) { return L"." + Fx.Tag() + Suffix; }
  std::wstring Key(const std::wstring& Suffix) { return kFileExts + L"\\" + Ext(Suffix); }
};

TEST_F(Cat09FileExts, FindsEmptyExtensionsAndUnknownOpenWithPrograms) {
  std::vector<TRegItem> Before = RunCategory(Engine, 9);
  const HKEY U = HKEY_CURRENT_USER;
  const std::wstring Registered = Fx.Tag() + L"app.exe";
  Fx.CreateKey(HKEY_LOCAL_MACHINE, kAppPaths + L"\\" + Registered);
  const std::wstring OnDisk = Fx.AddFile(L"viewer.exe");

  // An extension that holds only empty keys.
  Fx.CreateKey(U, Key(L"_a") + L"\\OpenWithProgids");
  // An Open-with list: missing programs are problems, programs on disk, on PATH or registered as
  // App Paths are not, and the MRUList value is never examined.
  const std::wstring OpenWith = Key(L"_b") + L"\\OpenWithList";
  Fx.SetString(U, OpenWith, L"a", L"C:\\nowhere\\" + Fx.Tag() + L".exe");
  Fx.SetString(U, OpenWith, L"b", L"notepad.exe");
  Fx.SetString(U, OpenWith, L"c", Registered);
  Fx.SetString(U, OpenWith, L"d", L"\"" + OnDisk + L"\" %1");
  Fx.SetString(U, OpenWith, L"MRUList", L"C:\\nowhere\\mru.exe");
  Fx.SetString(U, OpenWith, L" mrulist ", L"C:\\nowhere\\mru.exe");
  Fx.SetString(U, OpenWith, L"e", Fx.Tag() + L"unknown.exe");
  // Near miss: a bad program outside an OpenWithList key.
  Fx.SetString(U, Key(L"_c") + L"\\OpenWithOther", L"a", L"C:\\nowhere\\x.exe");

  TScanReports Reports;
  std::vector<TRegItem> Found = RecordsMentioning(NewRecords(Before, RunCategory(Engine, 9, &Reports)), Fx.Tag());

  const std::vector<TRegItem> Expected = {
      FileExt(Ext(L"_a"), Key(L"_a"), L"", 1),
      FileExt(Ext(L"_b"), OpenWith, L"a", 2),
      FileExt(Ext(L"_b"), OpenWith, L"e", 2),
  };
  EXPECT_EQ(Found, Expected);
  ExpectAddressable(Found);
  ASSERT_FALSE(Reports.empty());
  EXPECT_EQ(Reports.front(), TScanReports::value_type(0, kUser + kFileExts));
  EXPECT_TRUE(HasEntryReport(Reports, kUser + Key(L"_c")));
}

// What one run learned about files is not kept for the next.
TEST_F(Cat09FileExts, EachRunLooksAtTheFilesAgain) {
  Fx.SetString(HKEY_CURRENT_USER, Key(L"_a") + L"\\OpenWithList", L"a", Fx.Folder() + L"later.exe");
  EXPECT_EQ(RecordsMentioning(RunCategory(Engine, 9), Fx.Tag()).size(), 1u);
  Fx.AddFile(L"later.exe");
  EXPECT_TRUE(RecordsMentioning(RunCategory(Engine, 9), Fx.Tag()).empty());
}

// An Open-with value that is not text ends the scan with the registry key object's error.
TEST_F(Cat09FileExts, NonTextOpenWithValueEndsTheScan) {
  Fx.SetDword(HKEY_CURRENT_USER, Key(L"_a") + L"\\OpenWithList", L"a", 1);
  EXPECT_THROW(RunCategory(Engine, 9), ERegistryException);
}

}  // namespace
