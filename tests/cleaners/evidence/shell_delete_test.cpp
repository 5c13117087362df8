// Deleting through the shell: folders come back empty, patterns take their files, and files-only
// leaves the subfolders.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/files.h"
#include "cleaners/evidence/shell_delete.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

namespace {

void Touch(const std::wstring& file) {
  ForceDirectories(ExtractFilePath(file));
  WriteBytes(file, "trace");
}

TEST(ShellDeletePath, AFolderIsEmptiedAndKept) {
  TestFolder root;
  const std::wstring folder = root.Path() + L"Temp";
  Touch(folder + L"\\a.tmp");
  Touch(folder + L"\\sub\\b.tmp");
  EXPECT_TRUE(ShellDeletePath(folder, true, 0));
  EXPECT_TRUE(DirectoryExists(folder));
  EXPECT_FALSE(FileExists(folder + L"\\a.tmp"));
  EXPECT_FALSE(DirectoryExists(folder + L"\\sub"));
}

TEST(ShellDeletePath, APatternTakesItsFilesAndCreatesNothing) {
  TestFolder root;
  Touch(root.Path() + L"a.lnk");
  Touch(root.Path() + L"b.lnk");
  Touch(root.Path() + L"c.txt");
  EXPECT_TRUE(ShellDeletePath(root.Path() + L"*.lnk", true, 0));
  EXPECT_FALSE(FileExists(root.Path() + L"a.lnk"));
  EXPECT_FALSE(FileExists(root.Path() + L"b.lnk"));
  EXPECT_TRUE(FileExists(root.Path() + L"c.txt"));
  EXPECT_FALSE(DirectoryExists(root.Path() + L"*.lnk"));
}

TEST(ShellDeletePath, FilesOnlyLeavesTheSubfolders) {
  TestFolder root;
  Touch(root.Path() + L"a.tmp");
  Touch(root.Path() + L"sub\\b.tmp");
  EXPECT_TRUE(ShellDeletePath(root.Path() + L"*", false, 0));
  EXPECT_FALSE(FileExists(root.Path() + L"a.tmp"));
  EXPECT_TRUE(DirectoryExists(root.Path() + L"sub"));
}

TEST(ShellDeletePath, AMissingFolderFailsAndIsCreated) {
  TestFolder root;
  const std::wstring folder = root.Path() + L"Prefetch";
  EXPECT_FALSE(ShellDeletePath(folder, true, 0));
  EXPECT_TRUE(DirectoryExists(folder));
}

}  // namespace
