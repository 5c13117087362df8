// The update sequence against the local test server, in a throwaway program folder.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/files.h"
#include "base/ini_file.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "test_server.h"
#include "updater/update/update_engine.h"
#include "updater/update/update_files.h"

namespace {

std::string Narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

std::string Pattern(size_t n, int seed) {
  std::string bytes(n, '\0');
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>((i * 7 + seed) % 253);
  return bytes;
}

class UpdateEngineTest : public testing::Test {
 protected:
  void SetUp() override {
    SetProgramFolderForTesting(folder_.Path());
    PutServerFile("upd/one.dll", one_);
    PutServerFile("upd/sub/two.dat", two_);
    PutServerFile("upd/three.exe", three_);
    TIniFile(UpdateIniPath()).WriteString(L"List", L"File", TestServerUrl("ok", "u.txt"));
    ServeVersionFile({"ok", "ok", "ok"});
    ClearServerLog();
  }
  void TearDown() override { SetProgramFolderForTesting(L""); }

  // The server's version file naming the three files, each fetched in the given mode.
  void ServeVersionFile(const std::vector<std::string>& modes, const std::string& exeName = "three.exe /updated",
                        const std::vector<std::string>& names = {"upd/one.dll", "upd/sub/two.dat", "upd/three.exe"}) {
    std::string list;
    for (size_t i = 0; i < names.size(); ++i) list += (i ? "," : "") + Narrow(TestServerUrl(modes[i], names[i]));
    PutServerFile("u.txt", "[Version]\r\nver=4.2\r\n[Update]\r\nDate=2026-12-01\r\n[Server]\r\nFileList=" + list +
                               "\r\nExeName=" + exeName + "\r\n");
  }

  static std::string Utf16VersionFile(const std::wstring& fileList, const std::wstring& exeName) {
    return Utf16File(L"[Version]\r\nver=4.2\r\n[Server]\r\nFileList=" + fileList + L"\r\nExeName=" + exeName + L"\r\n");
  }

  TUpdateCallbacks Callbacks() {
    TUpdateCallbacks callbacks;
    callbacks.ShowMessage = [this](const std::wstring& text) { messages_.push_back(text); };
    callbacks.FileStateChanged = [this](int index, TFileState state) {
      states_.push_back(std::to_wstring(index) + L" " + FileStateText(state));
    };
    callbacks.Progress = [this](const std::wstring& text, int percent) {
      lastPercent_ = percent;
      progressTexts_.push_back(text);
    };
    return callbacks;
  }

  // Every file below Temp\, subfolders included.

  void ExpectNothingRecorded() {
    EXPECT_EQ(ReadLocalVersion(), L"0");
    EXPECT_TRUE(FileExists(SysIniPath()));
  }

  TestFolder folder_;
  const std::string one_ = Pattern(30000, 1), two_ = Pattern(70000, 2), three_ = "tiny program";
  std::vector<std::wstring> messages_, states_, progressTexts_;
  int lastPercent_ = 0;
};

TEST_F(UpdateEngineTest, CompleteUpdatePutsEveryFileInPlaceAndRecordsTheVersion) {
  ForceDirectories(folder_.Path() + L"upd");
  WriteBytes(folder_.Path() + L"upd\\one.dll", "old version");
  ForceDirectories(folder_.Path() + L"Temp\\upd");
  WriteBytes(folder_.Path() + L"Temp\\upd\\one.dll.tmp", "left by an earlier run");

  TUpdateEngine engine(Callbacks());
  ASSERT_TRUE(engine.Prepare());
  EXPECT_EQ(CountFilesBelow(folder_.Path() + L"Temp\\"), 0);
  EXPECT_EQ(VersionText(), L"Version:4.2 Last Time:2026-12-01");
  ASSERT_EQ(engine.Files().size(), 3u);
  EXPECT_EQ(engine.Files()[1].Caption, L"two.dat");
  EXPECT_EQ(engine.Files()[1].LocalName, L"upd/sub/two.dat");
  EXPECT_EQ(engine.Files()[2].State, TFileState::Waiting);
  int percent = -1;
  EXPECT_TRUE(engine.ProbeCurrentFile(percent));
  EXPECT_EQ(percent, 0);

  ASSERT_EQ(engine.Run(), TUpdateResult::Finished);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(ReadBytes(folder_.Path() + L"upd\\one.dll"), one_);
  EXPECT_EQ(ReadBytes(folder_.Path() + L"upd\\sub\\two.dat"), two_);
  EXPECT_EQ(ReadBytes(folder_.Path() + L"upd\\three.exe"), three_);
  EXPECT_EQ(ReadLocalVersion(), L"4.2");
  EXPECT_NE(TIniFile(AppIniPath()).ReadString(L"UpdateTime", L"Date", L""), L"");
  EXPECT_FALSE(FileExists(SysIniPath()));
  EXPECT_EQ(ReadFileIndex(), 0);
  EXPECT_TRUE(TIniFile(UpdateIniPath()).ValueExists(L"Server", L"FileIndex"));
  EXPECT_EQ(CountFilesBelow(folder_.Path() + L"Temp\\"), 0);
  EXPECT_EQ(states_, (std::vector<std::wstring>{L"0 进行中", L"0 已完成", L"1 进行中", L"1 已完成", L"2 进行中",
                                                L"2 已完成"}));
  EXPECT_EQ(lastPercent_, 100);
  EXPECT_EQ(progressTexts_.back(), L"0.01KB / 0.01KB - 0.00M / 0.00M");
  EXPECT_EQ(engine.ExeCommandLine(), L"\"" + folder_.Path() + L"three.exe\" /updated");
}

TEST_F(UpdateEngineTest, CancelInTheSecondFileThenUpdateResumesIt) {
  ServeVersionFile({"ok", "slow", "ok"});
  TUpdateCallbacks callbacks = Callbacks();
  TUpdateEngine* running = nullptr;
  int chunksOfSecond = 0;
  callbacks.ProcessMessages = [&] {
    if (running->CurrentIndex() == 1 && running->Files()[1].State == TFileState::Downloading && ++chunksOfSecond == 5)
      running->Cancel();
  };
  TUpdateEngine engine(callbacks);
  running = &engine;
  ASSERT_TRUE(engine.Prepare());
  ASSERT_EQ(engine.Run(), TUpdateResult::Cancelled);
  EXPECT_EQ(engine.CurrentIndex(), 1);
  EXPECT_EQ(engine.Files()[0].State, TFileState::Done);
  EXPECT_EQ(engine.Files()[1].State, TFileState::Waiting);
  EXPECT_EQ(ReadBytes(folder_.Path() + L"upd\\one.dll"), one_);
  EXPECT_FALSE(FileExists(folder_.Path() + L"upd\\sub\\two.dat"));
  std::string part = ReadBytes(folder_.Path() + L"Temp\\upd\\sub\\two.dat.tmp");
  ASSERT_GT(part.size(), 0u);
  ASSERT_LT(part.size(), two_.size());
  ExpectNothingRecorded();

  ClearServerLog();
  chunksOfSecond = -1000000;
  ASSERT_EQ(engine.Run(), TUpdateResult::Finished);
  EXPECT_EQ(ReadBytes(folder_.Path() + L"upd\\sub\\two.dat"), two_);
  std::vector<std::string> log = ServerLog();
  ASSERT_EQ(log.size(), 4u);  // the second file's HEAD and GET, the third's; never the first
  EXPECT_EQ(log[1].substr(0, log[1].find("\r\n")), "GET /slow/upd/sub/two.dat HTTP/1.1");
  EXPECT_NE(log[1].find("RANGE: bytes=" + std::to_string(part.size()) + "-\r\n"), std::string::npos);
  EXPECT_EQ(ReadLocalVersion(), L"4.2");
}

TEST_F(UpdateEngineTest, StartsAtTheRecordedFileIndex) {
  // Only a place in the list of three counts; anything else (a stale or planted value, the
  // list's length included) starts from the first file.
  for (int index : {2, -1, 3, 99}) {
    SCOPED_TRACE(index);
    WriteFileIndex(index);
    const bool resumes = index == 2;
    TUpdateEngine engine(Callbacks());
    ASSERT_TRUE(engine.Prepare());
    EXPECT_EQ(engine.CurrentIndex(), resumes ? 2 : 0);
    EXPECT_EQ(engine.Files()[0].State, resumes ? TFileState::Done : TFileState::Waiting);
    EXPECT_EQ(engine.Files()[1].State, resumes ? TFileState::Done : TFileState::Waiting);
    EXPECT_EQ(engine.Files()[2].State, TFileState::Waiting);
    int percent = -1;
    EXPECT_TRUE(engine.ProbeCurrentFile(percent));
    ClearServerLog();
    ASSERT_EQ(engine.Run(), TUpdateResult::Finished);
    EXPECT_EQ(ServerLog().size(), resumes ? 2u : 6u);
    EXPECT_EQ(FileExists(folder_.Path() + L"upd\\one.dll"), !resumes);
    EXPECT_EQ(ReadFileIndex(), 0);
    EXPECT_EQ(ReadLocalVersion(), L"4.2");
    DeleteFileW((folder_.Path() + L"upd\\one.dll").c_str());
  }
}

// A version file the server announces as endless, a listed file larger than the drive's free
// space: refused with a box, nothing recorded or put in place, Temp\ left without the bytes.
TEST_F(UpdateEngineTest, OversizedFilesAreRefused) {
  TIniFile(UpdateIniPath()).WriteString(L"List", L"File", TestServerUrl("ok", "size/1000000000000000/u.txt"));
  TUpdateEngine engine(Callbacks());
  EXPECT_FALSE(engine.Prepare());
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_[0].find(L"at most 65536"), std::wstring::npos) << Narrow(messages_[0]);
  EXPECT_EQ(CountFilesBelow(folder_.Path() + L"Temp\\"), 1);  // the empty temporary file
  EXPECT_FALSE(FileExists(SysIniPath()));

  messages_.clear();
  TIniFile(UpdateIniPath()).WriteString(L"List", L"File", TestServerUrl("ok", "u.txt"));
  ServeVersionFile({"ok", "ok", "ok"}, "three.exe", {"upd/one.dll", "size/1000000000000000/huge.dll", "upd/three.exe"});
  ASSERT_TRUE(engine.Prepare());
  EXPECT_EQ(engine.Run(), TUpdateResult::Failed);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].find(UpdateErrorText(L"The file needs 1000000000000000 more bytes")), 0u) << Narrow(messages_[0]);
  EXPECT_FALSE(FileExists(folder_.Path() + L"size\\1000000000000000\\huge.dll"));
  EXPECT_FALSE(FileExists(folder_.Path() + L"upd\\three.exe"));
  ExpectNothingRecorded();
}

// Names with characters that the system code page maps onto "\\", "/" or "." by best fit are
// plain names of the program folder: they go out escaped as UTF-8, never as a path that climbs,
// land inside the folder, and a program of that name is looked for inside it only.
TEST_F(UpdateEngineTest, BestFitCharactersStayWhatTheyAre) {
  const std::wstring climbing = L"upd/..\uFF3C..\uFF3Cone.dll";
  PutServerFile("upd/..\xEF\xBC\xBC..\xEF\xBC\xBCone.dll", one_);
  PutServerFile("u.txt", Utf16VersionFile(TestServerUrl("ok", "") + climbing + L"," + TestServerUrl("ok", "upd/three.exe"),
                                          L"\uFF0E\uFF0E\uFF3Cthree.exe /x"));
  TUpdateEngine engine(Callbacks());
  ASSERT_TRUE(engine.Prepare());
  ASSERT_EQ(engine.Files().size(), 2u);
  EXPECT_EQ(engine.Files()[0].LocalName, climbing);
  EXPECT_EQ(engine.ExeApplicationName(), folder_.Path() + L"\uFF0E\uFF0E\uFF3Cthree.exe");
  EXPECT_EQ(engine.ExeCommandLine(), L"\"" + folder_.Path() + L"\uFF0E\uFF0E\uFF3Cthree.exe\" /x");
  ClearServerLog();
  ASSERT_EQ(engine.Run(), TUpdateResult::Finished);
  std::vector<std::string> log = ServerLog();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[1].substr(0, log[1].find("\r\n")), "GET /ok/upd/..%EF%BC%BC..%EF%BC%BCone.dll HTTP/1.1");
  EXPECT_EQ(ReadBytes(folder_.Path() + L"upd\\..\uFF3C..\uFF3Cone.dll"), one_);
  EXPECT_FALSE(FileExists(ExtractFilePath(ExcludeTrailingBackslash(folder_.Path())) + L"one.dll"));
  EXPECT_FALSE(engine.StartProgram());  // no such program in the folder
}

TEST_F(UpdateEngineTest, HostileNamesAreRefusedBeforeAnythingIsWritten) {
  struct Case {
    std::vector<std::string> names;
    std::string exeName;
  } cases[] = {
      {{"upd/one.dll", "../evil.dll", "upd/three.exe"}, "three.exe"},
      {{"upd/one.dll", "upd/../../evil.dll", "upd/three.exe"}, "three.exe"},
      {{"upd/one.dll", "C:/evil.dll", "upd/three.exe"}, "three.exe"},
      {{"upd/one.dll", "/evil.dll", "upd/three.exe"}, "three.exe"},
      {{"upd/one.dll", "upd/nul", "upd/three.exe"}, "three.exe"},
      {{"upd/one.dll", "upd/sub/two.dat", "upd/three.exe"}, "..\\evil.exe"},
      {{"upd/one.dll", "upd/sub/two.dat", "upd/three.exe"}, "C:\\Windows\\notepad.exe"},
      {{"upd/one.dll", "upd/sub/two.dat", "upd/three.exe"}, "\"C:\\evil.exe\" /x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.names[1] + " " + c.exeName);
    messages_.clear();
    ServeVersionFile({"ok", "ok", "ok"}, c.exeName, c.names);
    TUpdateEngine engine(Callbacks());
    EXPECT_FALSE(engine.Prepare());
    EXPECT_TRUE(engine.Files().empty());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].find(UpdateErrorText(L"Refused ")), 0u) << Narrow(messages_[0]);
    EXPECT_EQ(engine.Run(), TUpdateResult::Failed);  // nothing to update
    EXPECT_FALSE(FileExists(folder_.Path() + L"upd\\one.dll"));
    ExpectNothingRecorded();
  }
  EXPECT_FALSE(FileExists(ExtractFilePath(ExcludeTrailingBackslash(folder_.Path())) + L"evil.dll"));
}

TEST_F(UpdateEngineTest, FailedTransferStopsWithoutTouchingTheProgramFile) {
  for (const char* mode : {"cut", "norange", "notfound", "overlong"}) {
    SCOPED_TRACE(mode);
    messages_.clear();
    states_.clear();
    ForceDirectories(folder_.Path() + L"upd\\sub");
    WriteBytes(folder_.Path() + L"upd\\sub\\two.dat", "old version");
    ServeVersionFile({"ok", mode, "ok"});
    TUpdateEngine engine(Callbacks());
    ASSERT_TRUE(engine.Prepare());
    ASSERT_EQ(engine.Run(), TUpdateResult::Failed);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].find(UpdateErrorText(L"")), 0u);
    EXPECT_EQ(engine.Files()[1].State, TFileState::Downloading);
    EXPECT_EQ(ReadBytes(folder_.Path() + L"upd\\sub\\two.dat"), "old version");
    EXPECT_FALSE(FileExists(folder_.Path() + L"upd\\three.exe"));
    ExpectNothingRecorded();
  }
}

TEST_F(UpdateEngineTest, FailedCopyStopsAndRecordsNothing) {
  // A folder where the second file must go: it cannot be replaced.
  ForceDirectories(folder_.Path() + L"upd\\sub\\two.dat");
  TUpdateEngine engine(Callbacks());
  ASSERT_TRUE(engine.Prepare());
  ASSERT_EQ(engine.Run(), TUpdateResult::Failed);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_[0].find(L"Cannot copy \"upd/sub/two.dat\" into place"), std::wstring::npos) << Narrow(messages_[0]);
  EXPECT_TRUE(DirectoryExists(folder_.Path() + L"upd\\sub\\two.dat"));
  EXPECT_FALSE(FileExists(folder_.Path() + L"upd\\sub\\two.dat.update"));
  EXPECT_FALSE(FileExists(folder_.Path() + L"upd\\three.exe"));
  ExpectNothingRecorded();
}

TEST_F(UpdateEngineTest, UnwritableVersionRecordFailsTheFinish) {
  ForceDirectories(folder_.Path() + L"Config");
  WriteBytes(AppIniPath(), "[Version]\r\nver=4.1\r\n");
  SetFileAttributesW(AppIniPath().c_str(), FILE_ATTRIBUTE_READONLY);
  TUpdateEngine engine(Callbacks());
  ASSERT_TRUE(engine.Prepare());
  EXPECT_EQ(engine.Run(), TUpdateResult::Failed);
  SetFileAttributesW(AppIniPath().c_str(), FILE_ATTRIBUTE_ARCHIVE);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_[0].find(L"Unable to write to"), std::wstring::npos) << Narrow(messages_[0]);
  EXPECT_EQ(ReadLocalVersion(), L"4.1");
  EXPECT_TRUE(FileExists(SysIniPath()));
}

TEST_F(UpdateEngineTest, VersionFileThatCannotBeFetched) {
  TIniFile(SysIniPath()).WriteString(L"Version", L"ver", L"3.0");
  TIniFile(UpdateIniPath()).WriteString(L"List", L"File", TestServerUrl("notfound", "u.txt"));
  TUpdateEngine engine(Callbacks());
  EXPECT_FALSE(engine.Prepare());
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].find(UpdateErrorText(L"")), 0u);
  EXPECT_EQ(ReadServerVersion(), L"3.0");

  // No address at all: nothing to fetch and nothing to say.
  messages_.clear();
  TIniFile(UpdateIniPath()).WriteString(L"List", L"File", L"");
  EXPECT_FALSE(engine.Prepare());
  EXPECT_TRUE(messages_.empty());
}

TEST_F(UpdateEngineTest, ProbeShowsTheShareAlreadyHeld) {
  TUpdateEngine engine(Callbacks());
  ASSERT_TRUE(engine.Prepare());
  ForceDirectories(folder_.Path() + L"Temp\\upd");
  WriteBytes(folder_.Path() + L"Temp\\upd\\one.dll.tmp", one_.substr(0, one_.size() / 4));
  int percent = -1;
  ASSERT_TRUE(engine.ProbeCurrentFile(percent));
  EXPECT_EQ(percent, 25);
  std::vector<std::string> log = ServerLog();
  ASSERT_EQ(log.size(), 3u);  // the version file's HEAD and GET, then this HEAD
  EXPECT_EQ(log[2].substr(0, 25), "HEAD /ok/upd/one.dll HTTP");

  ServeVersionFile({"notfound", "ok", "ok"});
  ASSERT_TRUE(engine.Prepare());
  EXPECT_FALSE(engine.ProbeCurrentFile(percent));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].find(L"连接错误，请联系管理员!\r\n详细报告："), 0u);
}

}  // namespace
