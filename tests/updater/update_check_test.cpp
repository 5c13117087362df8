// The main program's update check against the local test server.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/files.h"
#include "base/ini_file.h"
#include "test_server.h"
#include "tests/base/test_folder.h"
#include "updater/update/update_check.h"
#include "updater/update/update_files.h"

namespace {

class UpdateCheckTest : public testing::Test {
 protected:
  void SetUp() override {
    SetProgramFolderForTesting(folder_.Path());
    TIniFile(UpdateIniPath()).WriteString(L"List", L"File", TestServerUrl("ok", "u.txt"));
    ServeVersion("4.10");
    Install(L"4.9");
  }
  void TearDown() override { SetProgramFolderForTesting(L""); }

  void ServeVersion(const std::string& version) {
    PutServerFile("u.txt", version.empty() ? "" : "[Version]\r\nver=" + version + "\r\n");
  }
  void Install(const std::wstring& version) {
    ForceDirectories(folder_.Path() + L"Config");
    TIniFile(AppIniPath()).WriteString(L"Version", L"ver", version);
  }

  TUpdateCheckCallbacks Callbacks() {
    TUpdateCheckCallbacks callbacks;
    callbacks.ShowInfo = [this](const std::wstring& text) { boxes_.push_back(L"info: " + text); };
    callbacks.ShowWarning = [this](const std::wstring& text) { boxes_.push_back(L"warning: " + text); };
    callbacks.AskYesNo = [this](const std::wstring& text) {
      boxes_.push_back(L"question: " + text);
      return answer_;
    };
    callbacks.OpenWebSite = [this] { boxes_.push_back(L"web site"); };
    return callbacks;
  }

  TestFolder folder_;
  std::vector<std::wstring> boxes_;
  bool answer_ = true;
};

const std::wstring kQuestion = std::wstring(L"question: ") + kUpdateQuestionText;
const std::wstring kNoUpdate = std::wstring(L"info: ") + kNoUpdateText;
const std::wstring kNoConfig = std::wstring(L"info: ") + kNoServerConfigText;

TEST_F(UpdateCheckTest, NewerServerVersionOffersTheWebSite) {
  for (bool userStarted : {true, false}) {
    SCOPED_TRACE(userStarted);
    boxes_.clear();
    RunUpdateCheck(userStarted, Callbacks());
    EXPECT_EQ(boxes_, (std::vector<std::wstring>{kQuestion, L"web site"}));
    EXPECT_EQ(ReadServerVersion(), L"4.10");
    EXPECT_FALSE(FileExists(folder_.Path() + L"u.txt.tmp"));
  }
  boxes_.clear();
  answer_ = false;
  RunUpdateCheck(true, Callbacks());
  EXPECT_EQ(boxes_, (std::vector<std::wstring>{kQuestion}));
}

TEST_F(UpdateCheckTest, SameOrOlderServerVersionIsNewsOnlyToTheUser) {
  for (const wchar_t* installed : {L"4.10", L"4.10.0", L"5.0"}) {
    SCOPED_TRACE(testing::Message() << installed);
    Install(installed);
    boxes_.clear();
    RunUpdateCheck(true, Callbacks());
    EXPECT_EQ(boxes_, (std::vector<std::wstring>{kNoUpdate}));
    boxes_.clear();
    RunUpdateCheck(false, Callbacks());
    EXPECT_TRUE(boxes_.empty());
  }
}

TEST_F(UpdateCheckTest, RefusedConnectionWarnsOnlyTheUser) {
  TIniFile(UpdateIniPath()).WriteString(L"List", L"File", L"http://127.0.0.1:" + std::to_wstring(UnusedPort()) + L"/u.txt");
  TIniFile(SysIniPath()).WriteString(L"Version", L"ver", L"9.9");

  RunUpdateCheck(false, Callbacks());
  EXPECT_TRUE(boxes_.empty());
  EXPECT_FALSE(FileExists(SysIniPath()));
  RunUpdateCheck(true, Callbacks());
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].find(L"warning: \rInternet connection failed!\r\r"), 0u);
}

TEST_F(UpdateCheckTest, MissingOrEmptyVersionFileIsReportedInBothModes) {
  struct Case {
    const char* mode;
    std::string served;
  } cases[] = {{"ok", ""}, {"notfound", "4.10"}, {"nolength", "4.10"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    ServeVersion(c.served);
    TIniFile(UpdateIniPath()).WriteString(L"List", L"File", TestServerUrl(c.mode, "u.txt"));
    boxes_.clear();
    RunUpdateCheck(false, Callbacks());
    EXPECT_EQ(boxes_, (std::vector<std::wstring>{kNoConfig}));
    boxes_.clear();
    RunUpdateCheck(true, Callbacks());
    EXPECT_EQ(boxes_, (std::vector<std::wstring>{kNoConfig, kNoUpdate}));
    EXPECT_FALSE(FileExists(SysIniPath()));
    EXPECT_FALSE(FileExists(folder_.Path() + L"u.txt.tmp"));
  }
}

// A server that keeps the check waiting (dripping its headers, or never taking the connection):
// the window gets its turn all along, and closing the program ends the check at once, silently.
TEST_F(UpdateCheckTest, WaitingServerNeverFreezesTheWindow) {
  const std::wstring urls[] = {TestServerUrl("drip", "u.txt"),
                               L"http://127.0.0.1:" + std::to_wstring(BlackholePort()) + L"/ok/u.txt"};
  for (const std::wstring& url : urls) {
    SCOPED_TRACE(std::string(url.begin(), url.end()));
    TIniFile(UpdateIniPath()).WriteString(L"List", L"File", url);
    boxes_.clear();
    const ULONGLONG start = GetTickCount64();
    int pumps = 0;
    TUpdateCheckCallbacks callbacks = Callbacks();
    callbacks.ProcessMessages = [&] { ++pumps; };
    callbacks.Cancelled = [&] { return GetTickCount64() - start > 1000; };
    RunUpdateCheck(true, callbacks);
    EXPECT_LT(GetTickCount64() - start, 2000u);
    EXPECT_GE(pumps, 5);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_FALSE(FileExists(folder_.Path() + L"u.txt.tmp"));
    EXPECT_FALSE(FileExists(SysIniPath()));
  }
}

// A version file the server announces as endless is refused before its body: a connection
// failure for the user's check, nothing at all for the silent one.
TEST_F(UpdateCheckTest, OversizedVersionFileIsRefused) {
  TIniFile(UpdateIniPath()).WriteString(L"List", L"File", TestServerUrl("ok", "size/1000000000000000/u.txt"));
  for (bool userStarted : {true, false}) {
    SCOPED_TRACE(userStarted);
    boxes_.clear();
    RunUpdateCheck(userStarted, Callbacks());
    if (userStarted) {
      ASSERT_EQ(boxes_.size(), 1u);
      EXPECT_EQ(boxes_[0].find(L"warning: \rInternet connection failed!\r\r"), 0u);
      EXPECT_NE(boxes_[0].find(L"at most 65536"), std::wstring::npos);
    } else {
      EXPECT_TRUE(boxes_.empty());
    }
    EXPECT_FALSE(FileExists(SysIniPath()));
  }
}

TEST_F(UpdateCheckTest, StoredVersionFileIsComparedWithoutTheServer) {
  ClearServerLog();
  OfferStoredUpdate(Callbacks());  // no Sys.ini: nothing newer is known
  EXPECT_EQ(boxes_, (std::vector<std::wstring>{kNoUpdate}));
  boxes_.clear();
  TIniFile(SysIniPath()).WriteString(L"Version", L"ver", L"4.9.1");
  OfferStoredUpdate(Callbacks());
  EXPECT_EQ(boxes_, (std::vector<std::wstring>{kQuestion, L"web site"}));
  EXPECT_TRUE(ServerLog().empty());
}

}  // namespace
