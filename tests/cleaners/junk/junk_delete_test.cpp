#include "cleaners/junk/junk_delete.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/files.h"
#include "tests/base/host_files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"

namespace {

// The Recycle Bin of the Wine prefix is the freedesktop Trash under XDG_DATA_HOME, which the
// scripts keep inside the build folder; Wine names host paths outside its drives itself.
std::wstring TrashFolder() {
  using DosName = LPWSTR(CDECL*)(LPCSTR);
  const auto toDos =
      reinterpret_cast<DosName>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  char dataHome[1024];
  const DWORD n = GetEnvironmentVariableA("XDG_DATA_HOME", dataHome, sizeof(dataHome));
  if (!toDos || n == 0 || n >= sizeof(dataHome)) return std::wstring();
  const std::string unixPath = std::string(dataHome) + "/Trash";
  LPWSTR dos = toDos(unixPath.c_str());
  if (!dos) return std::wstring();
  std::wstring folder = IncludeTrailingBackslash(dos);
  HeapFree(GetProcessHeap(), 0, dos);
  return folder;
}

class JunkDeleteTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(dir_.Path().empty()); }
  std::wstring Make(const std::wstring& name, DWORD attributes = 0) {
    const std::wstring path = dir_.Path() + name;
    WriteBytes(path, "junk");
    if (attributes) SetFileAttributesW(path.c_str(), attributes);
    return path;
  }
  TestFolder dir_{L"qs_junkdel_"};
};

}  // namespace

TEST_F(JunkDeleteTest, PermanentDeletionRemovesTheFileAndAReadOnlyOneToo) {
  for (const DWORD attributes : {DWORD(0), DWORD(FILE_ATTRIBUTE_READONLY), DWORD(FILE_ATTRIBUTE_HIDDEN)}) {
    const std::wstring path = Make(L"plain" + std::to_wstring(attributes) + L".tmp", attributes);
    EXPECT_TRUE(DeleteJunkFile(path, false)) << "attributes " << attributes;
    EXPECT_FALSE(FileExists(path)) << "attributes " << attributes;
  }
}

TEST_F(JunkDeleteTest, AMissingFileIsNotDeleted) {
  EXPECT_FALSE(DeleteJunkFile(dir_.Path() + L"never-there.tmp", false));
  EXPECT_FALSE(DeleteJunkFile(dir_.Path() + L"never-there.tmp", true));
  // A folder is no junk file.
  ASSERT_TRUE(ForceDirectories(dir_.Path() + L"folder.tmp"));
  EXPECT_FALSE(DeleteJunkFile(dir_.Path() + L"folder.tmp", false));
  EXPECT_TRUE(DirectoryExists(dir_.Path() + L"folder.tmp"));
}

TEST_F(JunkDeleteTest, ALockedFileFailsAndStaysAsItWas) {
  for (const DWORD attributes : {DWORD(FILE_ATTRIBUTE_ARCHIVE), DWORD(FILE_ATTRIBUTE_READONLY)}) {
    const std::wstring path = Make(L"locked" + std::to_wstring(attributes) + L".tmp", attributes);
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(DeleteJunkFile(path, false)) << attributes;
    EXPECT_FALSE(DeleteJunkFile(path, true)) << attributes;
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY, attributes & FILE_ATTRIBUTE_READONLY);
    CloseHandle(h);
    EXPECT_TRUE(DeleteJunkFile(path, false)) << attributes;
  }
}

TEST_F(JunkDeleteTest, RecycleBinDeletionMovesTheFileIntoTheTrash) {
  const std::wstring trash = TrashFolder();
  if (trash.empty()) GTEST_SKIP() << "the host Trash folder cannot be named here";
  const std::wstring name = L"qs_recycled_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                            std::to_wstring(GetTickCount()) + L".tmp";
  const std::wstring path = Make(name);
  ASSERT_TRUE(DeleteJunkFile(path, true));
  EXPECT_FALSE(FileExists(path));
  const std::wstring trashed = trash + L"files\\" + name;
  EXPECT_TRUE(FileExists(trashed)) << testing::PrintToString(trashed);
  EXPECT_EQ(ReadBytes(trashed), "junk");
  DeleteFileW(trashed.c_str());
  DeleteFileW((trash + L"info\\" + name + L".trashinfo").c_str());
}

// A junk-named host link to a file elsewhere lists as a plain file: deleting or recycling it must
// leave the file it points to, and count as not deleted. Folder links are refused the same way.
TEST_F(JunkDeleteTest, ALinkIsNeverDeletedThroughAndCountsAsNotDeleted) {
  TestFolder outside(L"qs_junkdel_outside_");
  WriteBytes(outside.Path() + L"precious.doc", "precious");
  const std::wstring fileLink = dir_.Path() + L"cache.tmp";
  const std::wstring folderLink = dir_.Path() + L"folder.tmp";
  ASSERT_TRUE(MakeHostLink(fileLink, outside.Path() + L"precious.doc")) << "the host's ln could not be started";
  ASSERT_TRUE(MakeHostLink(folderLink, outside.Path()));
  for (const bool toRecycleBin : {false, true}) {
    EXPECT_FALSE(DeleteJunkFile(fileLink, toRecycleBin)) << "to the Recycle Bin: " << toRecycleBin;
    EXPECT_FALSE(DeleteJunkFile(folderLink, toRecycleBin)) << "to the Recycle Bin: " << toRecycleBin;
    EXPECT_EQ(ReadBytes(outside.Path() + L"precious.doc"), "precious");
    EXPECT_EQ(ReadBytes(fileLink), "precious") << "the link itself stays too";
  }
  RemoveHostLink(fileLink);
  RemoveHostLink(folderLink);
}

TEST_F(JunkDeleteTest, AReadOnlyFileKeepsItsFlagInTheRecycleBin) {
  const std::wstring trash = TrashFolder();
  if (trash.empty()) GTEST_SKIP() << "the host Trash folder cannot be named here";
  const std::wstring name = L"qs_recycled_ro_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                            std::to_wstring(GetTickCount()) + L".tmp";
  const std::wstring path = Make(name, FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(DeleteJunkFile(path, true));
  EXPECT_FALSE(FileExists(path));
  const std::wstring trashed = trash + L"files\\" + name;
  const DWORD attributes = GetFileAttributesW(trashed.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << testing::PrintToString(trashed);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_READONLY);
  SetFileAttributesW(trashed.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(trashed.c_str());
  DeleteFileW((trash + L"info\\" + name + L".trashinfo").c_str());
}
