#include "base/files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/base/host_files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

TEST(Files, ProgramFolderIsTheExecutableFolderWithBackslash) {
  wchar_t module[MAX_PATH * 4];
  DWORD n = GetModuleFileNameW(nullptr, module, MAX_PATH * 4);
  ASSERT_GT(n, 0u);
  std::wstring folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), L'\\');
  EXPECT_EQ(ExtractFileName(module), ExtractFileName(std::wstring(module)));
  EXPECT_TRUE(FileExists(folder + ExtractFileName(module)));
  EXPECT_TRUE(DirectoryExists(folder));

  SetProgramFolderForTesting(L"C:\\somewhere");
  EXPECT_EQ(ProgramFolder(), L"C:\\somewhere\\");
  SetProgramFolderForTesting(L"");
  EXPECT_EQ(ProgramFolder(), folder);
}

TEST(Files, ExistenceTellsFilesFromFolders) {
  TestFolder dir;
  ASSERT_FALSE(dir.Path().empty());
  std::wstring file = dir.Path() + L"a.txt";
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(DirectoryExists(file));
  EXPECT_FALSE(FileExists(dir.Path()));
  EXPECT_TRUE(DirectoryExists(dir.Path()));
  EXPECT_TRUE(DirectoryExists(ExcludeTrailingBackslash(dir.Path())));
  EXPECT_FALSE(FileExists(dir.Path() + L"missing.txt"));
  EXPECT_FALSE(DirectoryExists(dir.Path() + L"missing"));
}

TEST(Files, ForceDirectoriesCreatesEveryLevel) {
  TestFolder dir;
  std::wstring deep = dir.Path() + L"Backup\\Registry\\x";
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep + L"\\"));  // already there
  EXPECT_FALSE(ForceDirectories(L""));
  // A file in the way cannot become a folder.
  std::wstring file = dir.Path() + L"f";
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_FALSE(ForceDirectories(file + L"\\sub"));
}

TEST(Files, PathParts) {
  struct Case {
    const wchar_t* path;
    const wchar_t* folder;
    const wchar_t* name;
    const wchar_t* ext;
  } cases[] = {
      {L"C:\\a\\b.txt", L"C:\\a\\", L"b.txt", L".txt"},
      {L"C:b.tar.gz", L"C:", L"b.tar.gz", L".gz"},
      {L"C:\\a.dir\\noext", L"C:\\a.dir\\", L"noext", L""},
      {L"plain", L"", L"plain", L""},
      {L"C:\\a\\", L"C:\\a\\", L"", L""},
      {L"x/y.z", L"x/", L"y.z", L".z"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.path), c.folder);
    EXPECT_EQ(ExtractFileName(c.path), c.name);
    EXPECT_EQ(ExtractFileExt(c.path), c.ext);
  }
  EXPECT_EQ(ChangeFileExt(L"C:\\a\\b.txt", L".bak"), L"C:\\a\\b.bak");
  EXPECT_EQ(ChangeFileExt(L"C:\\a.d\\b", L".bak"), L"C:\\a.d\\b.bak");
  EXPECT_EQ(IncludeTrailingBackslash(L"C:\\a"), L"C:\\a\\");
  EXPECT_EQ(IncludeTrailingBackslash(L"C:\\a\\"), L"C:\\a\\");
  EXPECT_EQ(ExcludeTrailingBackslash(L"C:\\a\\"), L"C:\\a");
  EXPECT_EQ(ExcludeTrailingBackslash(L"C:\\a"), L"C:\\a");
}

TEST(Files, ExpandEnvironmentText) {
  SetEnvironmentVariableW(L"QS_FILES_TEST", L"value");
  EXPECT_EQ(ExpandEnvironmentText(L"<%QS_FILES_TEST%>"), L"<value>");
  EXPECT_EQ(ExpandEnvironmentText(L"%QS_NOT_SET_EVER%"), L"%QS_NOT_SET_EVER%");
}

TEST(Files, EnvironmentVariableIsEmptyWhenNotSet) {
  SetEnvironmentVariableW(L"QS_FILES_TEST", L"value");
  EXPECT_EQ(EnvironmentVariable(L"QS_FILES_TEST"), L"value");
  SetEnvironmentVariableW(L"QS_FILES_TEST", L"");
  EXPECT_EQ(EnvironmentVariable(L"QS_FILES_TEST"), L"");
  EXPECT_EQ(EnvironmentVariable(L"QS_NOT_SET_EVER"), L"");
}

TEST(Files, DeleteFolderTreeRemovesNestedContent) {
  std::wstring root = CreateUniqueTempFolder(L"qs_del_");
  ASSERT_FALSE(root.empty());
  ASSERT_TRUE(ForceDirectories(root + L"a\\b"));
  std::wstring file = root + L"a\\b\\f.txt";
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_READONLY, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_TRUE(DeleteFolderTree(root));
  EXPECT_FALSE(DirectoryExists(root));
}

// A folder whose place holds a host link (a "BackUp\Favorites.new" pointing at the user's
// documents, say): deleting the tree removes the link at most, and every file behind it stays.
TEST(Files, DeleteFolderTreeNeverEmptiesWhatALinkPointsTo) {
  TestFolder own(L"qs_del_links_");
  const std::wstring target = own.Path() + L"documents";
  ASSERT_TRUE(ForceDirectories(target + L"\\letters"));
  WriteBytes(target + L"\\keep.txt", "keep");
  WriteBytes(target + L"\\letters\\deep.txt", "deep");
  const std::wstring outsideFile = own.Path() + L"outside.txt";
  WriteBytes(outsideFile, "outside");
  // The root itself is a link; a real folder holds a folder link and a file link.
  const std::wstring rootLink = own.Path() + L"Favorites.new";
  const std::wstring tree = own.Path() + L"tree";
  ASSERT_TRUE(ForceDirectories(tree));
  WriteBytes(tree + L"\\plain.txt", "plain");
  ASSERT_TRUE(MakeHostLink(rootLink, target)) << "the host's ln could not be started";
  ASSERT_TRUE(MakeHostLink(tree + L"\\out", target));
  ASSERT_TRUE(MakeHostLink(tree + L"\\file.txt", outsideFile));
  ASSERT_TRUE(GetFileAttributesW(rootLink.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);

  const bool rootGone = DeleteFolderTree(rootLink);
  EXPECT_EQ(rootGone, GetFileAttributesW(rootLink.c_str()) == INVALID_FILE_ATTRIBUTES);
  DeleteFolderTree(tree);
  EXPECT_FALSE(FileExists(tree + L"\\plain.txt"));
  EXPECT_EQ(ReadBytes(target + L"\\keep.txt"), "keep");
  EXPECT_EQ(ReadBytes(target + L"\\letters\\deep.txt"), "deep");
  EXPECT_EQ(ReadBytes(outsideFile), "outside");

  RemoveHostLink(rootLink);
  RemoveHostLink(tree + L"\\out");
  RemoveHostLink(tree + L"\\file.txt");
}
