// The browser cache purge, on entries the test puts into the prefix's cache.
#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include <string>
#include <vector>

#include "cleaners/evidence/browser_history.h"
#include "handler_recorder.h"
#include "tests/base/test_files.h"

namespace {

std::wstring AddCacheEntry(const std::wstring& url) {
  wchar_t file[MAX_PATH + 1] = {};
  EXPECT_TRUE(CreateUrlCacheEntryW(url.c_str(), 0, L"html", file, 0)) << GetLastError();
  WriteBytes(file, "<html>visited</html>");
  FILETIME never = {};
  EXPECT_TRUE(CommitUrlCacheEntryW(url.c_str(), file, never, never, NORMAL_CACHE_ENTRY, nullptr, 0, nullptr, nullptr))
      << GetLastError();
  return file;
}

bool InCache(const std::wstring& url) {
  DWORD size = 0;
  GetUrlCacheEntryInfoW(url.c_str(), nullptr, &size);
  return GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

TEST(UrlCache, ThePurgeDeletesEveryEntry) {
  std::vector<std::wstring> urls;
  for (int i = 0; i < 5; ++i)
    urls.push_back(L"http://127.0.0.1/quillstead-test/" + std::to_wstring(GetCurrentProcessId()) + L"/page" +
                   std::to_wstring(i) + L".html");
  for (const std::wstring& url : urls) {
    AddCacheEntry(url);
    ASSERT_TRUE(InCache(url)) << std::string(url.begin(), url.end());
  }
  SinkRecorder recorder;
  EXPECT_EQ(recorder.Run(103), (std::vector<int>{0, 1}));
  for (const std::wstring& url : urls) EXPECT_FALSE(InCache(url)) << std::string(url.begin(), url.end());
}

TEST(UrlCache, AnEmptyCacheIsNoError) {
  PurgeUrlCache();
  PurgeUrlCache();
}

}  // namespace
