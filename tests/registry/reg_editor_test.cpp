// The registry editor runs by its full path: a regedit.exe planted in the current folder never
// runs, and the real editor does the import.
#include "registry/reg_editor.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/child_process.h"
#include "base/files.h"
#include "base/strings.h"
#include "base/system_programs.h"
#include "tests/base/host_files.h"
#include "tests/base/locked_key.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/base/test_keys.h"
#include "tests/support/planted_programs.h"
#include "registry/reg_file.h"

TEST(RegistryEditor, APlantedRegeditInTheCurrentFolderNeverRuns) {
  TestFolder files;
  const std::wstring key = L"Software\\QuillsteadTest\\editor_" + std::to_wstring(GetCurrentProcessId());
  const std::wstring reg = files.Path() + L"import.reg";
  WriteBytes(reg, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(key.begin(), key.end()) +
                      "]\r\n\"Imported\"=\"yes\"\r\n\r\n");
  PlantedPrograms planted({L"regedit.exe"});
  DWORD exitCode = 1;
  ASSERT_TRUE(RunChildProcess(L"regedit /s \"" + reg + L"\"", exitCode));
  ASSERT_TRUE(planted.Ran()) << "a bare name finds the planted program in this prefix";
  EXPECT_NE(RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str()), ERROR_SUCCESS);  // the planted copy imported nothing

  EXPECT_EQ(RegistryEditorCommand(L"/s x"), L"\"" + WindowsFolder() + L"\\regedit.exe\" /s x");
  EXPECT_TRUE(RunRegistryEditor(L"/s \"" + reg + L"\""));
  EXPECT_FALSE(planted.Ran());
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str()), ERROR_SUCCESS);
}

namespace {

// A key of the test's own below HKEY_CURRENT_USER, removed afterwards, as the editor names it.
class EditorKey : public TestRegistryKey {
 public:
  EditorKey() : TestRegistryKey(L"import") {}
  std::wstring RegName() const { return L"HKEY_CURRENT_USER\\" + Path(); }
  std::string RegNameA() const { return "HKEY_CURRENT_USER\\" + std::string(Path().begin(), Path().end()); }
  bool Exists(const std::wstring& sub = L"") const { return TestKeyExists(sub.empty() ? Path() : Path() + L"\\" + sub); }
};

}  // namespace

// An export made by the editor is a complete file; imported after the key was deleted, the key
// is back and the import says so.
TEST(RegistryEditor, AnExportImportsBackAndIsChecked) {
  EditorKey key;
  HKEY h;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (key.Path() + L"\\Child").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &h, nullptr),
            ERROR_SUCCESS);
  const wchar_t multi[] = L"one\0two\0";
  RegSetValueExW(h, L"Multi", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(multi), sizeof multi);
  RegCloseKey(h);
  TestFolder files;
  ASSERT_TRUE(ExportRegKey(files.Path() + L"key.reg", key.RegName()));
  TRegFile exported;
  std::wstring problem;
  ASSERT_TRUE(ReadRegFile(files.Path() + L"key.reg", exported, problem)) << problem;
  EXPECT_EQ(exported.Keys.size(), 2u);

  RegDeleteTreeW(HKEY_CURRENT_USER, key.Path().c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, key.Path().c_str());
  ASSERT_FALSE(key.Exists());
  const TRegImportResult result = ImportRegFile(files.Path() + L"key.reg");
  EXPECT_EQ(result.Status, TRegImportStatus::Done);
  EXPECT_EQ(result.Keys, 2u);
  EXPECT_EQ(result.Values, 1u);
  EXPECT_TRUE(key.Exists(L"Child"));
  EXPECT_EQ(RegImportFailureText(result), L"");

  // A key that is not there exports nothing worth calling a backup.
  EXPECT_FALSE(ExportRegKey(files.Path() + L"none.reg", key.RegName() + L"\\NoSuchKey"));
}

// A link in the export file's place is neither deleted through nor written through.
TEST(RegistryEditor, AnExportNeverGoesThroughALinkInTheFilesPlace) {
  EditorKey key;
  ASSERT_TRUE(key.Exists());
  TestFolder files, outside;
  WriteBytes(outside.Path() + L"precious.doc", "precious");
  const std::wstring link = files.Path() + L"key.reg";
  ASSERT_TRUE(MakeHostLink(link, outside.Path() + L"precious.doc")) << "the host's ln could not be started";
  EXPECT_FALSE(ExportRegKey(link, key.RegName()));
  EXPECT_EQ(ReadBytes(outside.Path() + L"precious.doc"), "precious");
  RemoveHostLink(link);
}

// A file cut off halfway is refused whole: the editor, which would import its first half and
// end with exit code 0, never sees it.
TEST(RegistryEditor, ACutOffFileImportsNothing) {
  EditorKey key;
  TestFolder files;
  const std::string whole = "REGEDIT4\r\n\r\n[" + key.RegNameA() + "\\First]\r\n\"V\"=\"1\"\r\n\r\n[" + key.RegNameA() +
                            "\\Second]\r\n\"V\"=hex:01,02,\\\r\n  03\r\n\r\n";
  WriteBytes(files.Path() + L"cut.reg", whole.substr(0, whole.size() - 8));
  const TRegImportResult result = ImportRegFile(files.Path() + L"cut.reg");
  EXPECT_EQ(result.Status, TRegImportStatus::Refused);
  EXPECT_NE(RegImportFailureText(result).find(L"Nothing was imported"), std::wstring::npos);
  EXPECT_FALSE(key.Exists(L"First"));
  EXPECT_EQ(ImportRegFile(files.Path() + L"gone.reg").Status, TRegImportStatus::Refused);
}

// The editor ends with exit code 0 even when it could not create some keys (here below a
// volatile key, which cannot have lasting children): the import is partial and says which.
TEST(RegistryEditor, AnImportThatLeavesKeysOutIsPartial) {
  EditorKey key;
  HKEY h;
  // The key itself lasts; only its child is volatile.
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key.Path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(h);
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (key.Path() + L"\\Volatile").c_str(), 0, nullptr,
                            REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &h, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(h);
  TestFolder files;
  WriteBytes(files.Path() + L"partial.reg", "REGEDIT4\r\n\r\n[" + key.RegNameA() + "\\Kept]\r\n\r\n[" +
                                                key.RegNameA() + "\\Volatile\\Lost]\r\n\"V\"=\"x\"\r\n\r\n");
  const TRegImportResult result = ImportRegFile(files.Path() + L"partial.reg");
  EXPECT_EQ(result.Status, TRegImportStatus::Partial);
  EXPECT_EQ(result.Keys, 2u);
  EXPECT_EQ(result.MissingKeys, std::vector<std::wstring>{key.RegName() + L"\\Volatile\\Lost"});
  EXPECT_EQ(RegImportFailureText(result),
            L"The restore is partial: 1 of 2 keys are missing afterwards, the first:\r\n" + key.RegName() +
                L"\\Volatile\\Lost");
  EXPECT_TRUE(key.Exists(L"Kept"));
}

// The editor skips a value it may not write (here into an existing key that only lets it read)
// and still ends with exit code 0 and the key in place: only the value read back shows it.
TEST(RegistryEditor, AValueTheEditorCouldNotWriteMakesTheRestorePartial) {
  EditorKey key;
  HKEY h;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (key.Path() + L"\\Locked").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &h, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(h);
  TestFolder files;
  WriteBytes(files.Path() + L"locked.reg", "REGEDIT4\r\n\r\n[" + key.RegNameA() + "\\Open]\r\n\"V\"=\"x\"\r\n\r\n[" +
                                               key.RegNameA() + "\\Locked]\r\n\"V\"=\"x\"\r\n\"W\"=dword:1\r\n\r\n");
  WriteLockedKey lock(HKEY_CURRENT_USER, key.Path() + L"\\Locked");
  if (!lock.Enforced()) GTEST_SKIP() << "this platform does not enforce the key's access list";
  const TRegImportResult result = ImportRegFile(files.Path() + L"locked.reg");
  EXPECT_EQ(result.Status, TRegImportStatus::Partial);
  EXPECT_TRUE(result.MissingKeys.empty());
  EXPECT_EQ(result.Values, 3u);
  EXPECT_EQ(result.WrongValues, (std::vector<std::wstring>{key.RegName() + L"\\Locked\\V", key.RegName() + L"\\Locked\\W"}));
  EXPECT_EQ(RegImportFailureText(result), L"The restore is partial: 2 of 3 values are missing or hold other data "
                                          L"afterwards, the first:\r\n" +
                                              key.RegName() + L"\\Locked\\V");
}

// A "[-key]" section takes subkeys (and their values) that an earlier section of the same file
// wrote: what is gone by the file's own order is not missing.
TEST(RegistryEditor, KeysAFileDeletesItselfAreNotMissing) {
  EditorKey key;
  const std::string k = key.RegNameA();
  TestFolder files;
  WriteBytes(files.Path() + L"ordered.reg", "REGEDIT4\r\n\r\n[" + k + "\\Sub]\r\n\"V\"=\"1\"\r\n\r\n[" + k +
                                                "\\Sub\\Deeper]\r\n\"D\"=\"1\"\r\n\r\n[" + k + "\\Kept]\r\n\"V\"=\"1\"\r\n\r\n[-" +
                                                k + "\\Sub]\r\n\r\n[" + k + "\\Kept]\r\n\"V\"=-\r\n\"W\"=\"2\"\r\n\r\n");
  const TRegImportResult result = ImportRegFile(files.Path() + L"ordered.reg");
  EXPECT_EQ(result.Status, TRegImportStatus::Done) << WideToUtf8(RegImportFailureText(result));
  EXPECT_EQ(result.Keys, 1u);
  EXPECT_EQ(result.Values, 1u);
  EXPECT_FALSE(key.Exists(L"Sub"));
  EXPECT_TRUE(key.Exists(L"Kept"));
}
