// The transfer against the local test server: the bytes on the wire, resume, cancel, and
// every way a server can misbehave ending in a failure that leaves no wrong byte behind.
#include <gtest/gtest.h>

#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "test_server.h"
#include "updater/http/http_download.h"
#include "updater/http/http_error.h"

namespace {

const char kUserAgent[] = "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; .NET CLR 1.0.3705)\r\n";

class HttpDownloadTest : public testing::Test {
 protected:
  void SetUp() override { ClearServerLog(); }

  std::wstring File() const { return folder_.Path() + L"file.bin.tmp"; }

  TDownloadResult Download(const std::string& mode, const std::string& name, TDownloadCallbacks callbacks = {},
                           unsigned long timeoutMs = 60000) {
    TDownloadRequest request;
    request.Host = TestServerHost();
    request.Path = std::wstring(mode.begin(), mode.end()) + L"/" + std::wstring(name.begin(), name.end());
    request.FileName = File();
    request.TimeoutMs = timeoutMs;
    return DownloadFile(request, callbacks);
  }

  // The GET request's range line, as the server received it.
  static std::string RangeLine(const std::string& request) {
    size_t at = request.find("RANGE: ");
    return at == std::string::npos ? std::string() : request.substr(at, request.find("\r\n", at) - at);
  }

  TestFolder folder_;
};

TEST_F(HttpDownloadTest, HeadThenRangedGetOnTwoConnections) {
  ASSERT_EQ(Download("ok", "size/10000/a.bin"), TDownloadResult::Complete);
  EXPECT_EQ(ReadBytes(File()), GeneratedBytes(10000));

  std::string host = "Host: 127.0.0.1:" + std::to_string(TestServerPort()) + "\r\n";
  std::vector<std::string> log = ServerLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], "HEAD /ok/size/10000/a.bin HTTP/1.1\r\nPragma: no-cache\r\nCache-Control: no-cache\r\n" +
                        std::string(kUserAgent) + host + "\r\n");
  EXPECT_EQ(log[1], "GET /ok/size/10000/a.bin HTTP/1.1\r\nAccept: image/gif, image/x-xbitmap, image/jpeg, "
                    "image/pjpeg, */*\r\n" + std::string(kUserAgent) + "RANGE: bytes=0-\r\n" + host + "\r\n");
}

TEST_F(HttpDownloadTest, ResumesFromWhatTheFileHolds) {
  const std::string content = GeneratedBytes(50000);
  struct Case {
    std::string held;
    std::string range;  // "" when no GET is needed
  } cases[] = {
      {content.substr(0, 12345), "RANGE: bytes=12345-"},
      {content, ""},
      // Larger than the server's file: not a part of it, so it starts again.
      {std::string(60000, 'x'), "RANGE: bytes=0-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.range);
    ClearServerLog();
    WriteBytes(File(), c.held);
    ASSERT_EQ(Download("ok", "size/50000/a.bin"), TDownloadResult::Complete);
    EXPECT_EQ(ReadBytes(File()), content);
    std::vector<std::string> log = ServerLog();
    ASSERT_EQ(log.size(), c.range.empty() ? 1u : 2u);
    if (!c.range.empty()) {
      EXPECT_EQ(RangeLine(log[1]), c.range);
    }
  }
}

TEST_F(HttpDownloadTest, OffsetsBeyondFourGigabytes) {
  // A sparse file holding all but the last 1000 bytes of a 5 GB file.
  const long long size = 5LL << 30, held = size - 1000;
  HANDLE h = CreateFileW(File().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  LARGE_INTEGER end;
  end.QuadPart = held;
  ASSERT_TRUE(SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && SetEndOfFile(h));
  CloseHandle(h);

  ASSERT_EQ(Download("ok", "size/5368709120/big.bin"), TDownloadResult::Complete);
  EXPECT_EQ(RangeLine(ServerLog().at(1)), "RANGE: bytes=5368708120-");
  h = CreateFileW(File().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  LARGE_INTEGER fileSize;
  GetFileSizeEx(h, &fileSize);
  EXPECT_EQ(fileSize.QuadPart, size);
  SetFilePointerEx(h, end, nullptr, FILE_BEGIN);
  std::string tail(1000, '\0');
  DWORD read = 0;
  ReadFile(h, &tail[0], 1000, &read, nullptr);
  CloseHandle(h);
  std::string expected;
  for (long long i = held; i < size; ++i) expected += static_cast<char>(i % 251);
  EXPECT_EQ(tail, expected);
}

TEST_F(HttpDownloadTest, FreshTransferDropsWhatTheFileHeld) {
  WriteBytes(File(), "stale bytes");
  TDownloadRequest request{TestServerHost(), L"ok/size/3000/a.bin", File(), false};
  ASSERT_EQ(DownloadFile(request, {}), TDownloadResult::Complete);
  EXPECT_EQ(ReadBytes(File()), GeneratedBytes(3000));
}

TEST_F(HttpDownloadTest, CancelKeepsThePartForTheNextTransfer) {
  const std::string content = GeneratedBytes(40000);
  bool cancel = false;
  long long lastReceived = 0;
  int pumps = 0;
  TDownloadCallbacks callbacks;
  callbacks.Cancelled = [&] { return cancel; };
  callbacks.Progress = [&](long long offset, long long received, long long replyLength) {
    EXPECT_EQ(offset, 0);
    EXPECT_EQ(replyLength, 40000);
    EXPECT_GT(received, lastReceived);
    lastReceived = received;
  };
  callbacks.ProcessMessages = [&] { cancel = ++pumps == 3; };
  ASSERT_EQ(Download("slow", "size/40000/a.bin", callbacks), TDownloadResult::Cancelled);
  std::string part = ReadBytes(File());
  EXPECT_EQ(static_cast<long long>(part.size()), lastReceived);
  ASSERT_GT(part.size(), 0u);
  ASSERT_LT(part.size(), content.size());
  EXPECT_EQ(part, content.substr(0, part.size()));

  ClearServerLog();
  ASSERT_EQ(Download("ok", "size/40000/a.bin"), TDownloadResult::Complete);
  EXPECT_EQ(ReadBytes(File()), content);
  EXPECT_EQ(RangeLine(ServerLog().at(1)), "RANGE: bytes=" + std::to_string(part.size()) + "-");
}

TEST_F(HttpDownloadTest, CancelWhileReadingHeadersRequestsNothingMore) {
  TDownloadCallbacks callbacks;
  callbacks.Cancelled = [] { return true; };
  EXPECT_EQ(Download("ok", "size/1000/a.bin", callbacks), TDownloadResult::Cancelled);
  EXPECT_EQ(ServerLog().size(), 1u);
  EXPECT_EQ(ReadBytes(File()), "");
}

TEST_F(HttpDownloadTest, EveryFaultFailsWithoutAWrongByte) {
  const std::string content = GeneratedBytes(20000);
  struct Case {
    const char* mode;
    size_t held;  // bytes in the file before the transfer
  } cases[] = {
      {"norange", 0},    {"norange", 700},   {"ignorerange", 700}, {"twolength", 0}, {"nolength", 0},
      {"badlength", 0},  {"notfound", 0},    {"cut", 0},           {"cut", 700},     {"overlong", 0},
      {"overlong", 700}, {"wrongstart", 0},  {"wrongstart", 700},  {"longline", 0},  {"manyheaders", 0},
      {"chunked", 0},    {"chunked", 700},   {"fourdigits", 0},    {"fourdigits", 700},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mode << " holding " << c.held);
    WriteBytes(File(), content.substr(0, c.held));
    EXPECT_THROW(Download(c.mode, "size/20000/a.bin"), EHttpError);
    std::string after = ReadBytes(File());
    EXPECT_GE(after.size(), c.held);
    EXPECT_LT(after.size(), content.size());
    EXPECT_EQ(after, content.substr(0, after.size()));
  }
}

TEST_F(HttpDownloadTest, ACutTransferResumesWhereItStopped) {
  const std::string content = GeneratedBytes(30000);
  EXPECT_THROW(Download("cut", "size/30000/a.bin"), EHttpError);
  size_t held = ReadBytes(File()).size();
  ASSERT_GT(held, 0u);
  ClearServerLog();
  ASSERT_EQ(Download("ok", "size/30000/a.bin"), TDownloadResult::Complete);
  EXPECT_EQ(ReadBytes(File()), content);
  EXPECT_EQ(RangeLine(ServerLog().at(1)), "RANGE: bytes=" + std::to_string(held) + "-");
}

TEST_F(HttpDownloadTest, AcceptableRepliesThatAreNotTheUsualOnes) {
  // A plain 200 from the start, bytes after the announced body, a connection kept open.
  for (const char* mode : {"ignorerange", "extra", "keepalive"}) {
    SCOPED_TRACE(mode);
    ClearServerLog();
    WriteBytes(File(), "");
    ASSERT_EQ(Download(mode, "size/25000/a.bin"), TDownloadResult::Complete);
    EXPECT_EQ(ReadBytes(File()), GeneratedBytes(25000));
    EXPECT_EQ(ServerLog().size(), 2u);
  }
}

TEST_F(HttpDownloadTest, SilentServerTimesOut) {
  WriteBytes(File(), "");
  try {
    Download("stall", "size/5000/a.bin", {}, 1000);
    FAIL() << "no error";
  } catch (const EHttpError& e) {
    EXPECT_NE(e.Message().find(L"1000 ms"), std::wstring::npos) << e.what();
  }
  EXPECT_EQ(ReadBytes(File()), "");
}

double SecondsSince(ULONGLONG start) { return (GetTickCount64() - start) / 1000.0; }

// A server that drips its reply's headers, and one that never accepts the connection: the
// window gets its turn all the while, and Cancel ends the transfer at once.
TEST_F(HttpDownloadTest, CancelEndsEveryWaitAtOnce) {
  const std::wstring blackhole = L"127.0.0.1:" + std::to_wstring(BlackholePort());
  struct Case {
    const char* what;
    std::wstring host, path;
  } cases[] = {
      {"header bytes dripping", TestServerHost(), L"drip/size/1000/a.bin"},
      {"a connect never answered", blackhole, L"ok/size/1000/a.bin"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ULONGLONG start = GetTickCount64();
    int pumps = 0;
    TDownloadCallbacks callbacks;
    callbacks.Cancelled = [&] { return SecondsSince(start) > 1.0; };
    callbacks.ProcessMessages = [&] { ++pumps; };
    TDownloadRequest request{c.host, c.path, File(), false, 60000};
    EXPECT_EQ(DownloadFile(request, callbacks), TDownloadResult::Cancelled);
    EXPECT_LT(SecondsSince(start), 2.0);
    EXPECT_GE(pumps, 5);
    EXPECT_EQ(ReadBytes(File()), "");
    EXPECT_EQ(QueryFileSize(c.host, c.path, callbacks), -1);
  }
}

// The same waits with nobody cancelling: each connect and each header block has its deadline,
// and passing it is reported as the time-out it is.
TEST_F(HttpDownloadTest, EveryWaitEndsAsATimeOut) {
  struct Case {
    const char* what;
    std::wstring host, path;
    unsigned long totalMs;
  } cases[] = {
      {"header bytes dripping", TestServerHost(), L"drip/size/1000/a.bin", 0},
      {"a connect never answered", L"127.0.0.1:" + std::to_wstring(BlackholePort()), L"ok/size/1000/a.bin", 0},
      {"a body that stops", TestServerHost(), L"stall/size/1000/a.bin", 0},
      {"a body too slow for the whole transfer's bound", TestServerHost(), L"slow/size/400000/a.bin", 1000},
      {"a body that stops, one wait longer than the whole transfer's bound", TestServerHost(),
       L"stall/size/1000/a.bin", 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ULONGLONG start = GetTickCount64();
    TDownloadRequest request{c.host, c.path, File(), false, c.totalMs ? 60000ul : 1000ul, c.totalMs};
    try {
      DownloadFile(request, {});
      ADD_FAILURE() << "no error";
    } catch (const EHttpTimeout& e) {
      EXPECT_NE(e.Message().find(L"1000 ms"), std::wstring::npos) << e.what();
    }
    EXPECT_LT(SecondsSince(start), 3.0);
  }
}

// A size the server announces beyond the transfer's bound, or beyond the free space of the
// file's drive, is refused after the HEAD: no GET, not a byte written.
TEST_F(HttpDownloadTest, OversizedFilesAreRefusedBeforeTheirBody) {
  struct Case {
    const wchar_t* path;
    long long maxSize;
    const wchar_t* reason;
  } cases[] = {
      {L"ok/size/1000000000000000/huge.bin", 0, L"free"},
      {L"ok/size/100000/u.txt", 65536, L"at most 65536"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.path);
    ClearServerLog();
    WriteBytes(File(), "");
    TDownloadRequest request{TestServerHost(), c.path, File()};
    request.MaxSize = c.maxSize;
    try {
      DownloadFile(request, {});
      ADD_FAILURE() << "no error";
    } catch (const EHttpError& e) {
      EXPECT_NE(e.Message().find(c.reason), std::wstring::npos) << e.what();
    }
    EXPECT_EQ(ReadBytes(File()), "");
    EXPECT_EQ(ServerLog().size(), 1u);
  }
  // Exactly the bound is fine.
  TDownloadRequest request{TestServerHost(), L"ok/size/65536/u.txt", File(), false};
  request.MaxSize = 65536;
  EXPECT_EQ(DownloadFile(request, {}), TDownloadResult::Complete);
}

TEST_F(HttpDownloadTest, RefusedConnectionFails) {
  TDownloadRequest request{L"127.0.0.1:" + std::to_wstring(UnusedPort()), L"ok/u.txt", File()};
  EXPECT_THROW(DownloadFile(request, {}), EHttpError);
  EXPECT_THROW(QueryFileSize(request.Host, request.Path), EHttpError);
}

TEST_F(HttpDownloadTest, QueryFileSizeAsksOnlyForTheHead) {
  EXPECT_EQ(QueryFileSize(TestServerHost(), L"ok/size/4321/a.bin"), 4321);
  EXPECT_THROW(QueryFileSize(TestServerHost(), L"notfound/size/4321/a.bin"), EHttpError);
  EXPECT_THROW(QueryFileSize(TestServerHost(), L"nolength/size/4321/a.bin"), EHttpError);
  std::vector<std::string> log = ServerLog();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].substr(0, 5), "HEAD ");
}

}  // namespace
