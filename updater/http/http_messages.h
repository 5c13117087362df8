// The two requests the transfer sends and the reading of the replies' header blocks.
#pragma once

#include <string>

// "HEAD /<path> HTTP/1.1" with the no-cache lines, the browser's User-Agent and Host, then the
// empty line. The path goes out as UTF-8 with every byte outside printable ASCII (and the
// characters a request target cannot carry) percent-escaped, so no name is ever changed by a
// code page. A control character in the host or path, a host that is not printable ASCII, or
// a path that is not valid UTF-16 raises EHttpError.
std::string HeadRequest(const std::wstring& host, const std::wstring& path);
// "GET /<path> HTTP/1.1" with Accept, User-Agent, "RANGE: bytes=<offset>-" and Host.
std::string GetRequest(const std::wstring& host, const std::wstring& path, long long offset);

// What a reply's header block said. Sizes are -1 when the header was absent.
struct THttpReply {
  int StatusCode = 0;
  long long ContentLength = -1;
  bool HasContentRange = false;
  // "Content-Range: bytes <start>-<end>/<total>"; -1 for a part that is missing or "*".
  long long RangeStart = -1;
  long long RangeEnd = -1;
  long long RangeTotal = -1;
  // "Transfer-Encoding:", trimmed; empty when absent.
  std::string TransferEncoding;
};

// The path as it goes out after "GET /": UTF-8, percent-escaped as described above.
std::string RequestTarget(const std::wstring& path);

// Reads a header block line by line, as ReadLine gives them (each with its CR LF).
class THttpReplyReader {
 public:
  static constexpr size_t kMaxLineLength = 8192;
  static constexpr int kMaxLines = 100;

  // False once the empty line that ends the block has come. Raises EHttpError for a status
  // line that is not "HTTP/<version> <three digits>", a Content-Length that is not a decimal number, two different
  // Content-Length values, or more than kMaxLines lines.
  bool AddLine(const std::string& line);
  const THttpReply& Reply() const { return reply_; }

 private:
  THttpReply reply_;
  int lines_ = 0;
};
