// Update.ini, Sys.ini, Config\App.ini and the helpers around them.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/files.h"
#include "base/ini_file.h"
#include "tests/base/host_files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "updater/update/command_line.h"
#include "base/safe_names.h"
#include "updater/update/update_files.h"

namespace {

class UpdateFilesTest : public testing::Test {
 protected:
  void SetUp() override { SetProgramFolderForTesting(folder_.Path()); }
  void TearDown() override { SetProgramFolderForTesting(L""); }
  TestFolder folder_;
};

TEST(SplitString, DropsEmptyPiecesAndTrimsNothing) {
  struct Case {
    const wchar_t* text;
    std::vector<std::wstring> pieces;
  } cases[] = {
      {L"a,,b", {L"a", L"b"}},
      {L",a,b,", {L"a", L"b"}},
      {L"", {}},
      {L",,,", {}},
      {L" a , b ", {L" a ", L" b "}},
      {L"http://h/u.txt", {L"http://h/u.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text);
    EXPECT_EQ(SplitString(c.text, L",").Strings(), c.pieces);
  }
  EXPECT_EQ(SplitString(L"a::b::::c", L"::").Strings(), (std::vector<std::wstring>{L"a", L"b", L"c"}));
}

TEST(CompareVersions, DottedNumbersByNumberElseByText) {
  struct Case {
    const wchar_t* a;
    const wchar_t* b;
    int sign;
  } cases[] = {
      {L"4.10", L"4.9", 1},   {L"4.1.1", L"4.1", 1}, {L"10.0", L"9.0", 1}, {L"4.1", L"4.1.0", 0},
      {L"4.1.2", L"4.1.10", -1}, {L"0", L"4.1", -1},  {L"4.1", L"4.1", 0},
      // Not numbers on both sides: compared as text by character codes.
      {L"4.1b", L"4.1a", 1},  {L"4.1beta", L"4.10", 1}, {L"", L"0", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " vs " << c.b);
    int result = CompareVersions(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign);
    result = CompareVersions(c.b, c.a);
    EXPECT_EQ((result > 0) - (result < 0), -c.sign);
  }
}

TEST(SafeNames, RefusesEverythingThatLeavesTheFolderOrNamesADevice) {
  for (const wchar_t* good : {L"file.dll", L"sub/file.dll", L"a\\b\\c.txt", L"Read me.txt", L"COM10.txt", L"CONSOLE.exe",
                              L"文件.txt"}) {
    SCOPED_TRACE(testing::Message() << good);
    EXPECT_TRUE(IsSafeRelativePath(good));
  }
  for (const wchar_t* bad : {L"", L"../x.dll", L"a/../../x.dll", L"..", L"./x", L"C:x.dll", L"C:\\Windows\\x.dll",
                             L"/etc/x", L"\\x.dll", L"\\\\server\\share\\x", L"a//b", L"a/", L"x.dll:stream",
                             L"bad\x01name", L"tab\tname", L"CON", L"nul.txt", L"sub/aux.dll", L"Com1", L"LPT9.log",
                             L"conin$", L"dot.", L"blank ", L"a*b", L"a?b", L"a|b", L"a<b", L"a\"b"}) {
    SCOPED_TRACE(testing::Message() << bad);
    EXPECT_FALSE(IsSafeRelativePath(bad));
  }
}

TEST_F(UpdateFilesTest, DeleteFilesInEmptiesTheTreeButKeepsFolders) {
  std::wstring temp = folder_.Path() + L"Temp";
  ForceDirectories(temp + L"\\sub\\deeper");
  for (const wchar_t* name : {L"\\a.tmp", L"\\sub\\b.tmp", L"\\sub\\deeper\\c.tmp", L"\\locked.tmp", L"\\hidden.tmp"})
    WriteBytes(temp + name, "x");
  SetFileAttributesW((temp + L"\\locked.tmp").c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesW((temp + L"\\hidden.tmp").c_str(), FILE_ATTRIBUTE_HIDDEN);

  DeleteFilesIn(temp);  // no trailing backslash
  EXPECT_FALSE(FileExists(temp + L"\\a.tmp"));
  EXPECT_FALSE(FileExists(temp + L"\\sub\\b.tmp"));
  EXPECT_FALSE(FileExists(temp + L"\\sub\\deeper\\c.tmp"));
  EXPECT_FALSE(FileExists(temp + L"\\hidden.tmp"));
  EXPECT_TRUE(FileExists(temp + L"\\locked.tmp"));  // the platform refuses; nothing is said
  EXPECT_TRUE(DirectoryExists(temp + L"\\sub\\deeper"));
  SetFileAttributesW((temp + L"\\locked.tmp").c_str(), FILE_ATTRIBUTE_ARCHIVE);
  DeleteFilesIn(folder_.Path() + L"missing");

  // A file link among them goes at most itself: what it points to stays.
  WriteBytes(folder_.Path() + L"precious.doc", "precious");
  ASSERT_TRUE(MakeHostLink(temp + L"\\sub\\linked.tmp", folder_.Path() + L"precious.doc"));
  DeleteFilesIn(temp);
  EXPECT_EQ(ReadBytes(folder_.Path() + L"precious.doc"), "precious");
  RemoveHostLink(temp + L"\\sub\\linked.tmp");
}

TEST_F(UpdateFilesTest, ReadersAndTheirDefaults) {
  EXPECT_EQ(ReadUpdateListUrl(), L"");
  EXPECT_EQ(ReadUpdateList().Count(), 0);
  EXPECT_EQ(ReadFileIndex(), 0);
  EXPECT_EQ(ReadServerVersion(), L"0");
  EXPECT_EQ(ReadLocalVersion(), L"0");
  EXPECT_EQ(VersionText(), L"Version:0 Last Time:");

  TIniFile(UpdateIniPath()).WriteString(L"List", L"File", L"http://a/u.txt,http://b/u.txt");
  WriteFileIndex(2);
  TIniFile sys(SysIniPath());
  sys.WriteString(L"Version", L"ver", L"4.2");
  sys.WriteString(L"Update", L"Date", L"2026-12-01");
  sys.WriteString(L"Server", L"FileList", L"http://a/x/one.dll,,http://a/x/two.exe");
  sys.WriteString(L"Server", L"ExeName", L"Quillstead.exe");

  EXPECT_EQ(ReadUpdateListUrl(), L"http://a/u.txt,http://b/u.txt");
  EXPECT_EQ(ReadUpdateList().Strings(), (std::vector<std::wstring>{L"http://a/u.txt", L"http://b/u.txt"}));
  EXPECT_EQ(ReadFileIndex(), 2);
  std::wstring exeName;
  EXPECT_EQ(LoadFileList(exeName).Strings(), (std::vector<std::wstring>{L"http://a/x/one.dll", L"http://a/x/two.exe"}));
  EXPECT_EQ(exeName, L"Quillstead.exe");
  EXPECT_EQ(VersionText(), L"Version:4.2 Last Time:2026-12-01");
}

TEST_F(UpdateFilesTest, SaveInstalledVersionCreatesConfig) {
  TIniFile(SysIniPath()).WriteString(L"Version", L"ver", L"4.3");
  ASSERT_FALSE(DirectoryExists(folder_.Path() + L"Config"));
  SaveInstalledVersion();
  EXPECT_EQ(ReadLocalVersion(), L"4.3");
  EXPECT_NE(TIniFile(AppIniPath()).ReadString(L"UpdateTime", L"Date", L""), L"");
}

}  // namespace

TEST(UpdaterCommandLine, RunsOnlyWithItsSwitches) {
  struct Case {
    std::vector<std::wstring> params;
    bool run;
    bool autoMode;
  } cases[] = {
      {{L"\\internet", L"\\exec"}, true, false},
      {{L"\\internet", L"\\exec", L"\\auto"}, true, true},
      {{L"\\internet", L"\\exec", L"\\auto", L"x"}, true, false},
      {{L"\\internet", L"\\exec", L"\\AUTO"}, true, false},
      {{L"\\internet", L"\\exec", L"x"}, true, false},
      {{L"\\INTERNET", L"\\exec"}, false, false},
      {{L"\\exec", L"\\internet"}, false, false},
      {{L"\\internet"}, false, false},
      {{}, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    TUpdaterCommandLine line = ParseUpdaterCommandLine(c.params);
    EXPECT_EQ(line.Run, c.run);
    EXPECT_EQ(line.AutoMode, c.autoMode);
  }
}
