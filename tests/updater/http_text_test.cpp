// Address splitting, reply headers and progress text: the transfer's pure pieces.
#include <gtest/gtest.h>

#include <cstring>

#include "updater/http/download_progress.h"
#include "updater/http/http_error.h"
#include "updater/http/http_messages.h"
#include "updater/http/url.h"

TEST(Url, SplitsHostPathAndLocalName) {
  struct Case {
    const wchar_t* url;
    const wchar_t* host;
    const wchar_t* path;
    const wchar_t* local;
  } cases[] = {
      {L"http://update.example.com/soft/u.txt", L"update.example.com", L"soft/u.txt", L"u.txt"},
      {L"HTTP://Host/dir/file.dll", L"Host", L"dir/file.dll", L"file.dll"},
      {L"host:8080/a/b/c.exe", L"host:8080", L"a/b/c.exe", L"b/c.exe"},
      {L"host/u.txt", L"host", L"u.txt", L"u.txt"},
      {L"http://justhost", L"justhost", L"justhost", L"justhost"},
      {L"", L"", L"", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.url);
    EXPECT_EQ(UrlHost(c.url), c.host);
    EXPECT_EQ(UrlPath(c.url), c.path);
    EXPECT_EQ(UrlLocalName(UrlPath(c.url)), c.local);
  }
}

TEST(Url, HostCarriesAnOptionalPort) {
  EXPECT_EQ(SplitHostPort(L"example.com").Port, 80);
  THostPort withPort = SplitHostPort(L"127.0.0.1:8081");
  EXPECT_EQ(withPort.Name, L"127.0.0.1");
  EXPECT_EQ(withPort.Port, 8081);
  for (const wchar_t* bad : {L"host:", L"host:0", L"host:65536", L"host:80x", L":80", L""}) {
    SCOPED_TRACE(testing::Message() << bad);
    EXPECT_THROW(SplitHostPort(bad), EHttpError);
  }
}

namespace {

THttpReply ReadHeaders(const std::vector<std::string>& lines) {
  THttpReplyReader reader;
  for (const std::string& line : lines)
    if (!reader.AddLine(line)) break;
  return reader.Reply();
}

}  // namespace

TEST(HttpReply, ReadsStatusLengthAndRange) {
  THttpReply reply = ReadHeaders({"HTTP/1.1 206 Partial Content\r\n", "content-length: 100\r\n",
                                  "transfer-encoding:  chunked \r\n",
                                  "CONTENT-RANGE: bytes 5000000000-5000000099/5000000100\r\n", "\r\n",
                                  "Content-Length: 7\r\n"});
  EXPECT_EQ(reply.StatusCode, 206);
  EXPECT_EQ(reply.ContentLength, 100);
  EXPECT_TRUE(reply.HasContentRange);
  EXPECT_EQ(reply.RangeStart, 5000000000LL);
  EXPECT_EQ(reply.RangeEnd, 5000000099LL);
  EXPECT_EQ(reply.RangeTotal, 5000000100LL);
  EXPECT_EQ(reply.TransferEncoding, "chunked");

  // Without the blank after the colon the length is not recognised; a range of an unknown
  // total keeps its start.
  reply = ReadHeaders({"HTTP/1.0 200 OK\r\n", "Content-Length:12\r\n", "Content-Range: bytes 0-9/*\r\n", "\r\n"});
  EXPECT_TRUE(reply.TransferEncoding.empty());
  EXPECT_EQ(reply.ContentLength, -1);
  EXPECT_EQ(reply.RangeStart, 0);
  EXPECT_EQ(reply.RangeTotal, -1);
}

TEST(HttpReply, RefusesBrokenHeaders) {
  const std::vector<std::vector<std::string>> broken = {
      {"SSH-2.0-OpenSSH\r\n"},
      {"HTTP/1.1 abc\r\n"},
      // Exactly three digits, then a blank or the line's end.
      {"HTTP/1.1 2000 OK\r\n"},
      {"HTTP/1.1 20 OK\r\n"},
      {"HTTP/1.1 200OK\r\n"},
      {"HTTP/1.1 200 OK\r\n", "Content-Length: 12abc\r\n"},
      {"HTTP/1.1 200 OK\r\n", "Content-Length: -5\r\n"},
      {"HTTP/1.1 200 OK\r\n", "Content-Length: \r\n"},
      {"HTTP/1.1 200 OK\r\n", "Content-Length: 99999999999999999999\r\n"},
      {"HTTP/1.1 200 OK\r\n", "Content-Length: 10\r\n", "Content-Length: 11\r\n"},
  };
  for (const auto& lines : broken) {
    SCOPED_TRACE(lines.back());
    EXPECT_THROW(ReadHeaders(lines), EHttpError);
  }
  // A status line without its text is whole.
  EXPECT_EQ(ReadHeaders({"HTTP/1.1 200\r\n", "\r\n"}).StatusCode, 200);
  // The same length twice is harmless.
  EXPECT_EQ(ReadHeaders({"HTTP/1.1 200 OK\r\n", "Content-Length: 10\r\n", "Content-Length: 10\r\n"}).ContentLength, 10);
}

TEST(HttpReply, BoundsTheNumberOfLines) {
  THttpReplyReader reader;
  reader.AddLine("HTTP/1.1 200 OK\r\n");
  for (int i = 1; i < THttpReplyReader::kMaxLines; ++i) reader.AddLine("X-Filler: 1\r\n");
  EXPECT_THROW(reader.AddLine("X-Filler: 1\r\n"), EHttpError);
}

TEST(DownloadProgress, TextAndPercent) {
  EXPECT_EQ(DownloadProgressText(1536, 3145728, L'.'), L"1.50KB / 3072.00KB - 0.00M / 3.00M");
  EXPECT_EQ(DownloadProgressText(5LL << 30, 6LL << 30, L','), L"5242880,00KB / 6291456,00KB - 5120,00M / 6144,00M");
  EXPECT_EQ(DownloadPercent(0, 0, 0), 0);
  EXPECT_EQ(DownloadPercent(500, 250, 500), 75);
  EXPECT_EQ(DownloadPercent(4LL << 30, 1LL << 30, 1LL << 30), 100);
}

TEST(HttpRequest, ControlCharactersNeverReachTheWire) {
  EXPECT_THROW(HeadRequest(L"host", L"u.txt HTTP/1.1\r\nX-Smuggled: 1"), EHttpError);
  EXPECT_THROW(GetRequest(L"host\r\nX: 1", L"u.txt", 0), EHttpError);
  EXPECT_EQ(GetRequest(L"h", L"a b.txt", 5).substr(0, 25), "GET /a%20b.txt HTTP/1.1\r\n");
}

TEST(HttpRequest, PathsGoOutAsPercentEscapedUtf8) {
  // No code page in between: a fullwidth backslash, solidus or full stop (which the system code
  // page's best fit turns into "\", "/" and ".") stays the character it is.
  struct Case {
    const wchar_t* path;
    const char* target;
  } cases[] = {
      {L"ok/u.txt", "ok/u.txt"},
      {L"ok/upd/..\uFF3C..\uFF3Cevil.dll", "ok/upd/..%EF%BC%BC..%EF%BC%BCevil.dll"},
      {L"ok/\uFF0E\uFF0E\uFF0Fx.dll", "ok/%EF%BC%8E%EF%BC%8E%EF%BC%8Fx.dll"},
      {L"ok/\u6587\u4EF6.dll", "ok/%E6%96%87%E4%BB%B6.dll"},
      {L"ok/a\\b<c>\"d\"#{|}^`", "ok/a%5Cb%3Cc%3E%22d%22%23%7B%7C%7D%5E%60"},
      {L"ok/x.php?file=a&v=2", "ok/x.php?file=a&v=2"},
      {L"ok/already%20escaped", "ok/already%20escaped"},
      {L"ok/\u00E9", "ok/%C3%A9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    EXPECT_EQ(RequestTarget(c.path), c.target);
    EXPECT_EQ(HeadRequest(L"h", c.path).substr(0, 6 + std::strlen(c.target) + 11),
              std::string("HEAD /") + c.target + " HTTP/1.1\r\n");
  }
  // Text that is not valid UTF-16 (a lone surrogate) and a host that is not plain ASCII.
  EXPECT_THROW(RequestTarget(L"ok/\xD800x.dll"), EHttpError);
  EXPECT_THROW(HeadRequest(L"h\uFF0Ex", L"u.txt"), EHttpError);
  EXPECT_THROW(GetRequest(L"a b", L"u.txt", 0), EHttpError);
}
