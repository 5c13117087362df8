// The junk folders of one-click maintenance: a folder that would be a drive's or a share's root
// is never scanned.
#include "cleaners/oneclick/one_click_folders.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/base/saved_variable.h"

namespace {

TEST(OneClickFoldersTest, RootsAreNeverScannable) {
  const std::pair<const wchar_t*, bool> cases[] = {
      {L"", false},
      {L"\\", false},
      {L"\\\\", false},
      {L"C:", false},
      {L"C:\\", false},
      {L"c:/", false},
      {L" C:\\ ", false},
      {L"temp", false},
      {L"\\\\srv\\share\\", false},
      {L"\\\\srv\\", false},
      // Dot segments that climb back to a root.
      {L"C:\\.", false},
      {L"C:\\Windows\\..", false},
      {L"C:\\Windows\\..\\", false},
      {L"C:/Temp/./../", false},
      {L"C:\\Temp\\..\\..\\..", false},
      {L"\\Windows\\..", false},
      {L"\\\\srv\\share\\cache\\..", false},
      {L"C:\\Temp\\..\\Windows\\.\\Prefetch\\", true},
      {L"\\Prefetch\\", true},
      {L"C:\\Temp\\", true},
      {L"C:\\Windows\\Prefetch\\", true},
      {L"\\\\srv\\share\\cache\\", true},
  };
  for (const auto& [folder, scannable] : cases) {
    EXPECT_EQ(IsScannableJunkFolder(folder), scannable) << std::string(folder, folder + wcslen(folder));
  }
}

TEST(OneClickFoldersTest, MissingVariablesGiveNoDriveRoot) {
  SavedVariable temp(L"temp"), root(L"SystemRoot");
  SetEnvironmentVariableW(L"temp", nullptr);
  SetEnvironmentVariableW(L"SystemRoot", L"C:\\Win");
  EXPECT_EQ(GetEnvFolder(L"temp"), L"\\");
  for (const std::wstring& folder : OneClickJunkFolders()) {
    EXPECT_TRUE(IsScannableJunkFolder(folder)) << std::string(folder.begin(), folder.end());
    EXPECT_NE(folder, L"\\");
  }
  EXPECT_EQ(OneClickJunkFolders().front(), L"C:\\Win\\Prefetch\\");

  SetEnvironmentVariableW(L"temp", L"C:\\Users\\Temp");
  const auto folders = OneClickJunkFolders();
  EXPECT_EQ(folders.back(), L"C:\\Users\\Temp\\");
}

}  // namespace
