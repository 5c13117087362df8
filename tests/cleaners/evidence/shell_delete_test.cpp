// Recycling the files of a folder: the matching files go, the folder, its subfolders and anything
// behind a link stay.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/files.h"
#include "cleaners/evidence/shell_delete.h"
#include "tests/base/host_files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

namespace {

void Touch(const std::wstring& file) {
  ForceDirectories(ExtractFilePath(file));
  WriteBytes(file, "trace");
}

TEST(RecycleFilesIn, APatternTakesItsFilesOnly) {
  TestFolder root;
  Touch(root.Path() + L"a.lnk");
  Touch(root.Path() + L"B.LNK");
  Touch(root.Path() + L"c.txt");
  Touch(root.Path() + L"folder.lnk\\d.lnk");
  EXPECT_TRUE(RecycleFilesIn(root.Path(), L"*.lnk"));
  EXPECT_FALSE(FileExists(root.Path() + L"a.lnk"));
  EXPECT_FALSE(FileExists(root.Path() + L"B.LNK"));
  EXPECT_TRUE(FileExists(root.Path() + L"c.txt"));
  EXPECT_TRUE(FileExists(root.Path() + L"folder.lnk\\d.lnk"));
}

TEST(RecycleFilesIn, TheFolderAndItsSubfoldersStay) {
  TestFolder root;
  const std::wstring folder = root.Path() + L"Temp";
  Touch(folder + L"\\a.tmp");
  Touch(folder + L"\\unpacked\\b.tmp");
  EXPECT_TRUE(RecycleFilesIn(folder, L"*"));
  EXPECT_TRUE(DirectoryExists(folder));
  EXPECT_FALSE(FileExists(folder + L"\\a.tmp"));
  EXPECT_TRUE(FileExists(folder + L"\\unpacked\\b.tmp"));
  // Nothing left to match is no failure.
  EXPECT_TRUE(RecycleFilesIn(folder, L"*"));
}

TEST(RecycleFilesIn, AFileLinkLeavesItsTarget) {
  TestFolder root, outside;
  WriteBytes(outside.Path() + L"precious.txt", "precious");
  ASSERT_TRUE(MakeHostLink(root.Path() + L"cookie.txt", outside.Path() + L"precious.txt"))
      << "the host's ln could not be started";
  RecycleFilesIn(root.Path(), L"*.txt");
  EXPECT_EQ(ReadBytes(outside.Path() + L"precious.txt"), "precious");
  RemoveHostLink(root.Path() + L"cookie.txt");
}

TEST(RecycleFilesIn, AMissingFolderFailsAndIsNotCreated) {
  TestFolder root;
  const std::wstring folder = root.Path() + L"Prefetch";
  EXPECT_FALSE(RecycleFilesIn(folder, L"*"));
  EXPECT_FALSE(DirectoryExists(folder));
}

}  // namespace
