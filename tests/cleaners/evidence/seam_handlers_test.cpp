// The handlers that go through the platform's objects: the Recycle Bin and the browser history
// object (both replaced by recorders), the clipboard and the stored form entries.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "cleaners/evidence/browser_history.h"
#include "cleaners/evidence/history_handlers.h"
#include "base/current_user.h"
#include "cleaners/evidence/user_security.h"
#include "handler_recorder.h"

namespace {

TEST(RecycleBinHandler, EmptiesTheBinOwnedByTheCallersWindow) {
  std::vector<HWND> owners;
  SetRecycleBinEmptierForTesting([&](HWND owner) {
    owners.push_back(owner);
    return true;
  });
  SinkRecorder recorder;
  recorder.SetWnd(reinterpret_cast<HWND>(0x1234));
  EXPECT_EQ(recorder.Run(6), (std::vector<int>{0, 1}));
  SetRecycleBinEmptierForTesting(nullptr);
  EXPECT_EQ(owners, std::vector<HWND>{reinterpret_cast<HWND>(0x1234)});
  EXPECT_TRUE(recorder.Errors().empty());
}

TEST(RecycleBinHandler, WithoutTheShellModuleShowsItsBoxAndStaysRunning) {
  SetRecycleBinEmptierForTesting([](HWND) { return false; });
  SinkRecorder recorder;
  EXPECT_EQ(recorder.Run(6), (std::vector<int>{0}));
  SetRecycleBinEmptierForTesting(nullptr);
  EXPECT_EQ(recorder.Errors(), std::vector<std::wstring>{L"无法装载shell32.dll|历史纪录清理"});
}

struct HistoryObjectCase {
  const char* name;
  bool cleared;
  std::vector<int> states;
};

class BrowserHistoryHandler : public testing::TestWithParam<HistoryObjectCase> {};

TEST_P(BrowserHistoryHandler, ReportsWhatTheObjectDid) {
  int calls = 0;
  const bool cleared = GetParam().cleared;
  SetUrlHistoryClearerForTesting([&] {
    ++calls;
    return cleared;
  });
  SinkRecorder recorder;
  EXPECT_EQ(recorder.Run(101), GetParam().states);
  SetUrlHistoryClearerForTesting(nullptr);
  EXPECT_EQ(calls, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, BrowserHistoryHandler,
                         testing::Values(HistoryObjectCase{"Cleared", true, {0, 1}},
                                         HistoryObjectCase{"Refused", false, {0, 100}}),
                         [](const testing::TestParamInfo<HistoryObjectCase>& info) { return info.param.name; });

TEST(BrowserHistoryHandler, AnObjectThatCannotBeCreatedReachesTheCaller) {
  SetUrlHistoryClearerForTesting([]() -> bool { throw std::runtime_error("no history object"); });
  SinkRecorder recorder;
  EXPECT_THROW(recorder.Run(101), std::runtime_error);
  SetUrlHistoryClearerForTesting(nullptr);
}

TEST(BrowserHistory, TheRealObjectClearsOrSaysWhyNot) {
  bool cleared = false;
  try {
    cleared = ClearUrlHistory();
  } catch (const std::exception& e) {
    GTEST_SKIP() << "the browser history object is not available here: " << e.what();
  }
  if (!cleared) GTEST_SKIP() << "Wine's URL history object does not implement ClearHistory";
}

TEST(ClipboardHandler, EmptiesTheClipboard) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const wchar_t text[] = L"password123";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(text));
  memcpy(GlobalLock(memory), text, sizeof(text));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  ASSERT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));

  SinkRecorder recorder;
  EXPECT_EQ(recorder.Run(5), (std::vector<int>{0, 1}));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
}

TEST(StoredFormsHandler, DeletesTheFormEntriesKeyOfTheCurrentUser) {
  RedirectedUserKeys keys;
  ASSERT_TRUE(keys.Redirected());
  std::wstring sid;
  ASSERT_EQ(GetCurrentUserSid(sid), 0);
  const std::wstring data = L"Software\\Microsoft\\Protected Storage System Provider\\" + sid + L"\\Data";
  const std::wstring entries = data + L"\\e161255a-37c3-11d2-bcaa-00c04fd929db";
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, entries.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, L"entry", 0, REG_BINARY, reinterpret_cast<const BYTE*>("x"), 1);
  RegCloseKey(key);

  SinkRecorder recorder;
  EXPECT_EQ(recorder.Run(105), (std::vector<int>{0, 1}));
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, entries.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, data.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

}  // namespace
