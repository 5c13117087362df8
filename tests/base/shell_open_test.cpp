// What the shell is handed: a URL always as a URL of its own scheme, never as a text the shell
// may read as a file path; a folder as a folder.
#include "base/shell_open.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ShellOpenTest : public testing::Test {
 protected:
  void SetUp() override {
    SetShellOpenForTesting([this](const TShellOpenCall& call) {
      calls.push_back(call.ClassName + L"|" + call.File + L"|" + std::to_wstring(call.ShowCommand));
    });
  }
  void TearDown() override { SetShellOpenForTesting(nullptr); }
  std::vector<std::wstring> calls;
};

TEST_F(ShellOpenTest, AUrlIsHandedWithItsSchemeAsTheClass) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"http://x/../../../../app/x.exe", L"http|http://x/../../../../app/x.exe|1"},
      {L"HTTPS://example.com/", L"https|HTTPS://example.com/|1"},
      {L"mailto:help@example.com", L"mailto|mailto:help@example.com|1"},
      {L"ms-help+x.1:a", L"ms-help+x.1|ms-help+x.1:a|1"},
      // No scheme: nothing reaches the shell.
      {L"C:\\Windows\\notepad.exe", nullptr},
      {L"c:x.exe", nullptr},
      {L"x.exe", nullptr},
      {L"1http://x/", nullptr},
      {L"ht tp://x/", nullptr},
      {L"\\\\server\\share\\x.exe", nullptr},
      {L":x", nullptr},
      {L"", nullptr},
  };
  for (const auto& c : cases) {
    calls.clear();
    ShellOpenUrl(c.first, SW_SHOWNORMAL);
    EXPECT_EQ(calls, c.second ? std::vector<std::wstring>{c.second} : std::vector<std::wstring>{}) << c.first;
  }
}

TEST_F(ShellOpenTest, AFolderIsHandedAsItIs) {
  ShellOpenFolder(L"C:\\Program Files\\", SW_SHOW);
  EXPECT_EQ(calls, std::vector<std::wstring>{L"|C:\\Program Files\\|5"});
}

}  // namespace
