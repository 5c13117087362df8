// Shortcut files, the favorites tree, and backing the favorites up and restoring them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/base/host_files.h"
#include "tests/tools/favorites/favorites_fixture.h"
#include "tools/favorites/favorite_files.h"
#include "tools/favorites/favorites_copy.h"
#include "tools/favorites/favorites_tree.h"

namespace {

class FavoritesEngineTest : public ::testing::Test, public FavoritesFixture {};

// "name" for a top-level row, "parent/name" below a folder row; shortcuts get "=url".
std::vector<std::wstring> Describe(const std::vector<TFavoriteRow>& rows) {
  std::vector<std::wstring> out;
  for (const TFavoriteRow& row : rows)
    out.push_back((row.Parent >= 0 ? rows[row.Parent].Name + L"/" : L"") + row.Name +
                  (row.IsShortcut ? L"=" + row.Url : L""));
  return out;
}

}  // namespace

TEST(FavoriteFilesTest, PathParts) {
  const std::pair<const wchar_t*, std::vector<std::wstring>> cases[] = {
      {L"a\\b\\c.url", {L"a", L"b"}},
      {L"c.url", {}},
      {L"\\a\\b", {L"", L"a"}},
      {L"a\\", {L"a"}},
      {L"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitPathParts(c.first), c.second) << c.first;
}

TEST(FavoriteFilesTest, RelativePositions) {
  EXPECT_EQ(RelativeFavoritePath(L"C:\\B\\Favorites", L"C:\\B\\Favorites\\News\\b.url"), L"News\\b.url");
  EXPECT_EQ(RelativeFavoritePath(L"C:\\B\\Favorites\\", L"c:\\b\\favorites\\a.url"), L"a.url");
  EXPECT_EQ(RelativeFavoritePath(L"C:\\B\\Favorites", L"C:\\B\\FavoritesOld\\a.url"), L"C:\\B\\FavoritesOld\\a.url");
  EXPECT_EQ(RelativeFavoritePath(L"C:\\B\\Favorites", L"a.url"), L"a.url");
}

TEST_F(FavoritesEngineTest, ShortcutAddressesOrTheDefault) {
  WriteShortcut(favorites, L"with.url", "http://news.example/today");
  WriteShortcut(favorites, L"without.url", "");
  EXPECT_EQ(ReadShortcutUrl(favorites + L"\\with.url"), L"http://news.example/today");
  EXPECT_EQ(ReadShortcutUrl(favorites + L"\\without.url"), kDefaultShortcutUrl);
  EXPECT_EQ(ReadShortcutUrl(favorites + L"\\missing.url"), kDefaultShortcutUrl);
  EXPECT_EQ(std::wstring(kDefaultShortcutUrl).substr(0, 7), L"http://");
  EXPECT_EQ(std::wstring(kDefaultShortcutUrl).back(), L'/');
}

TEST_F(FavoritesEngineTest, FindsShortcutsInEveryFolder) {
  WriteShortcut(favorites, L"a.url", "http://a/");
  WriteShortcut(favorites, L"B.URL", "http://b/");
  WriteBytes(favorites + L"\\notes.txt", "not a shortcut");
  WriteShortcut(favorites, L"News\\c.url", "http://c/");
  WriteShortcut(favorites, L"News\\Local\\d.url", "http://d/");
  std::vector<std::wstring> found;
  FindUrlFiles(favorites, found);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::wstring>{favorites + L"\\B.URL", favorites + L"\\News\\Local\\d.url",
                                              favorites + L"\\News\\c.url", favorites + L"\\a.url"}));
}

TEST_F(FavoritesEngineTest, AFolderLinkLeadingBackUpIsNeitherWalkedNorCopied) {
  WriteShortcut(favorites, L"News\\b.url", "http://b/");
  const std::wstring link = favorites + L"\\News\\Loop";
  if (!CreateSymbolicLinkW(link.c_str(), favorites.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY))
    GTEST_SKIP() << "this system makes no folder links here (error " << GetLastError() << ")";
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(link.c_str(), &data);
  const bool listed = find != INVALID_HANDLE_VALUE && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  if (!listed) {
    RemoveDirectoryW(link.c_str());
    GTEST_SKIP() << "folder listings here do not show the link as a reparse point";
  }
  std::vector<std::wstring> found;
  FindUrlFiles(favorites, found);
  EXPECT_EQ(found, std::vector<std::wstring>{favorites + L"\\News\\b.url"});
  TFavoritesCopyResult result = CopyFolderTree(favorites, backup);
  ASSERT_EQ(result.Failures.size(), 1u);
  EXPECT_NE(result.Failures[0].find(L"Loop is a link"), std::wstring::npos);
  EXPECT_EQ(ReadShortcutUrl(backup + L"\\News\\b.url"), L"http://b/");
  RemoveDirectoryW(link.c_str());
}

TEST_F(FavoritesEngineTest, TreeOfTopLevelShortcutsAndTwoFolderLevels) {
  WriteShortcut(backup, L"a.url", "http://a/");
  WriteShortcut(backup, L"News\\b.url", "http://b/");
  WriteShortcut(backup, L"News\\Local\\c.url", "http://c/");
  WriteShortcut(backup, L"News\\Local\\Deeper\\d.url", "");
  std::vector<TFavoriteRow> rows = FavoriteRows(backup);
  EXPECT_EQ(Describe(rows), (std::vector<std::wstring>{L"a.url=http://a/", L"News", L"News/b.url=http://b/",
                                                       L"News/Local", L"Local/c.url=http://c/",
                                                       std::wstring(L"Local/d.url=") + kDefaultShortcutUrl}));
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[4].Position, L"News\\Local\\c.url");
  EXPECT_EQ(rows[5].Position, L"News\\Local\\Deeper\\d.url");
  EXPECT_EQ(rows[0].Position, L"a.url");
}

TEST_F(FavoritesEngineTest, SameSecondLevelNamesBelowDifferentFoldersGetRowsOfTheirOwn) {
  WriteShortcut(backup, L"A\\X\\p.url", "http://p/");
  WriteShortcut(backup, L"B\\X\\q.url", "http://q/");
  std::vector<TFavoriteRow> rows = FavoriteRows(backup);
  EXPECT_EQ(Describe(rows), (std::vector<std::wstring>{L"A", L"A/X", L"X/p.url=http://p/", L"B", L"B/X",
                                                       L"X/q.url=http://q/"}));
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[2].Parent, 1);
  EXPECT_EQ(rows[5].Parent, 4);
}

TEST_F(FavoritesEngineTest, AnEmptyOrMissingBackupHasNoRows) {
  EXPECT_TRUE(FavoriteRows(backup).empty());
  ForceDirectories(backup);
  EXPECT_TRUE(FavoriteRows(backup).empty());
}

TEST_F(FavoritesEngineTest, CopiesEveryFolderAndNeverOverwrites) {
  WriteShortcut(favorites, L"a.url", "http://new-a/");
  WriteShortcut(favorites, L"Locked\\b.url", "http://b/");
  SetFileAttributesW((favorites + L"\\Locked").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
  WriteShortcut(backup, L"a.url", "http://old-a/");
  TFavoritesCopyResult result = CopyFolderTree(favorites, backup);
  EXPECT_TRUE(result.Succeeded());
  EXPECT_EQ(result.Copied, 1);
  EXPECT_EQ(result.Kept, 1);
  EXPECT_EQ(ReadShortcutUrl(backup + L"\\a.url"), L"http://old-a/");
  EXPECT_EQ(ReadShortcutUrl(backup + L"\\Locked\\b.url"), L"http://b/");
  SetFileAttributesW((favorites + L"\\Locked").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FavoritesEngineTest, ABackupInsideTheFavoritesIsNotCopiedIntoItself) {
  WriteShortcut(favorites, L"a.url", "http://a/");
  const std::wstring inside = favorites + L"\\Tools\\BackUp\\Favorites";
  ForceDirectories(inside);  // the program and its backup folder kept among the favorites
  TFavoritesCopyResult result = CopyFolderTree(favorites, inside);
  EXPECT_TRUE(result.Succeeded());
  EXPECT_EQ(ReadShortcutUrl(inside + L"\\a.url"), L"http://a/");
  EXPECT_TRUE(DirectoryExists(inside + L"\\Tools\\BackUp"));
  EXPECT_FALSE(DirectoryExists(inside + L"\\Tools\\BackUp\\Favorites"));
}

TEST_F(FavoritesEngineTest, AMissingSourceFails) {
  EXPECT_FALSE(CopyFolderTree(favorites + L"\\Nowhere", backup).Succeeded());
  EXPECT_FALSE(BackupFavorites(L"", backup, false).Succeeded());
  EXPECT_FALSE(BackupFavorites(favorites + L"\\Nowhere", backup, true).Succeeded());
  EXPECT_FALSE(RestoreFavorites(backup, favorites).Succeeded());  // no backup yet
  EXPECT_FALSE(DirectoryExists(backup));
}

TEST_F(FavoritesEngineTest, ANewBackupReplacesTheOldOneOnceComplete) {
  WriteShortcut(backup, L"old.url", "http://old/");
  WriteShortcut(favorites, L"a.url", "http://a/");
  WriteShortcut(favorites, L"News\\b.url", "http://b/");
  TFavoritesCopyResult result = BackupFavorites(favorites, backup, true);
  ASSERT_TRUE(result.Succeeded()) << (result.Failures.empty() ? "" : std::string(result.Failures[0].begin(), result.Failures[0].end()));
  EXPECT_FALSE(FileExists(backup + L"\\old.url"));
  EXPECT_EQ(ReadShortcutUrl(backup + L"\\News\\b.url"), L"http://b/");
  EXPECT_FALSE(DirectoryExists(backup + L".new"));
}

TEST_F(FavoritesEngineTest, AFailedBackupKeepsTheOldOne) {
  WriteShortcut(backup, L"old.url", "http://old/");
  WriteShortcut(favorites, L"a.url", "http://a/");
  WriteShortcut(favorites, L"busy.url", "http://busy/");
  // Another program holds the shortcut open without sharing it.
  HANDLE busy = CreateFileW((favorites + L"\\busy.url").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(busy, INVALID_HANDLE_VALUE);
  TFavoritesCopyResult result = BackupFavorites(favorites, backup, true);
  CloseHandle(busy);
  ASSERT_EQ(result.Failures.size(), 2u);
  EXPECT_NE(result.Failures[0].find(L"busy.url could not be copied"), std::wstring::npos);
  EXPECT_EQ(result.Failures[1], L"The old backup was kept.");
  EXPECT_EQ(ReadShortcutUrl(backup + L"\\old.url"), L"http://old/");
  EXPECT_FALSE(FileExists(backup + L"\\a.url"));
  EXPECT_FALSE(DirectoryExists(backup + L".new"));
}

// A staging folder that is a link which cannot be removed stops the backup before anything is
// copied: the folder it points to is neither written into nor moved.
TEST_F(FavoritesEngineTest, AStagingLinkStopsTheBackupAndNothingIsTouched) {
  WriteShortcut(backup, L"old.url", "http://old/");
  WriteShortcut(favorites, L"a.url", "http://a/");
  TestFolder outside;
  const std::wstring documents = outside.Path() + L"documents";
  ForceDirectories(documents);
  WriteBytes(documents + L"\\letter.txt", "letter");
  ASSERT_TRUE(MakeHostLink(backup + L".new", documents)) << "the host's ln could not be started";
  TFavoritesCopyResult result = BackupFavorites(favorites, backup, true);
  EXPECT_EQ(ReadBytes(documents + L"\\letter.txt"), "letter");
  EXPECT_FALSE(FileExists(documents + L"\\a.url"));
  // Wine cannot remove a host link on its own; a system that can goes on with a staging folder of
  // its own.
  if (GetFileAttributesW((backup + L".new").c_str()) != INVALID_FILE_ATTRIBUTES) {
    ASSERT_EQ(result.Failures.size(), 1u);
    EXPECT_EQ(result.Failures[0],
              L"The folder " + backup + L".new is in the way and could not be removed; the old backup was kept.");
    EXPECT_EQ(ReadShortcutUrl(backup + L"\\old.url"), L"http://old/");
    EXPECT_FALSE(FileExists(backup + L"\\a.url"));
  }
  RemoveHostLink(backup + L".new");
}

TEST_F(FavoritesEngineTest, WithoutReplacingTheBackupKeepsWhatIsThere) {
  ForceDirectories(backup);
  WriteBytes(backup + L"\\readme.txt", "kept");
  WriteShortcut(favorites, L"a.url", "http://a/");
  EXPECT_TRUE(BackupFavorites(favorites, backup, false).Succeeded());
  EXPECT_EQ(ReadBytes(backup + L"\\readme.txt"), "kept");
  EXPECT_EQ(ReadShortcutUrl(backup + L"\\a.url"), L"http://a/");
}

TEST_F(FavoritesEngineTest, RestoreAddsMissingShortcutsAndKeepsPresentOnes) {
  WriteShortcut(backup, L"a.url", "http://backed-up-a/");
  WriteShortcut(backup, L"News\\b.url", "http://b/");
  WriteShortcut(favorites, L"a.url", "http://current-a/");
  TFavoritesCopyResult result = RestoreFavorites(backup, favorites);
  EXPECT_TRUE(result.Succeeded());
  EXPECT_EQ(result.Kept, 1);
  EXPECT_EQ(ReadShortcutUrl(favorites + L"\\a.url"), L"http://current-a/");
  EXPECT_EQ(ReadShortcutUrl(favorites + L"\\News\\b.url"), L"http://b/");
  EXPECT_FALSE(RestoreFavorites(backup, L"").Succeeded());
}
