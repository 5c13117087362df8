// The registry editor runs by its full path: a regedit.exe planted in the current folder never
// runs, and the real editor does the import.
#include "registry/reg_editor.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/child_process.h"
#include "base/system_programs.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/support/planted_programs.h"

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
