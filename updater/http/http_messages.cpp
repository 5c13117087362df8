#include "updater/http/http_messages.h"

#include <cctype>

#include "base/strings.h"
#include "updater/http/http_error.h"

namespace {

const char kUserAgent[] = "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; .NET CLR 1.0.3705)\r\n";

bool StartsWithNoCase(const std::string& line, const char* prefix) {
  size_t i = 0;
  for (; prefix[i]; ++i)
    if (i >= line.size() || std::tolower(static_cast<unsigned char>(line[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

std::string TrimBlanks(const std::string& s) {
  size_t first = 0, last = s.size();
  while (first < last && static_cast<unsigned char>(s[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(s[last - 1]) <= ' ') --last;
  return s.substr(first, last - first);
}

// A non-negative decimal that fits in 63 bits; -1 otherwise.
long long ParseSize(const std::string& text) {
  if (text.empty() || text.size() > 18) return -1;
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// A line break in the host or path would end the request line early and smuggle in headers.
std::string RequestText(const std::wstring& text) {
  for (wchar_t c : text)
    if (c < 0x20 || c == 0x7F) throw EHttpError(L"Control character in the address \"" + text + L"\"");
  return WideToAnsi(text);
}

std::wstring Quoted(const std::string& line) { return L"\"" + AnsiToWide(TrimBlanks(line)) + L"\""; }

}  // namespace

std::string HeadRequest(const std::wstring& host, const std::wstring& path) {
  return "HEAD /" + RequestText(path) + " HTTP/1.1\r\n" +
         "Pragma: no-cache\r\n"
         "Cache-Control: no-cache\r\n" +
         kUserAgent + "Host: " + RequestText(host) + "\r\n\r\n";
}

std::string GetRequest(const std::wstring& host, const std::wstring& path, long long offset) {
  return "GET /" + RequestText(path) + " HTTP/1.1\r\n" +
         "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n" + kUserAgent +
         "RANGE: bytes=" + std::to_string(offset) + "-\r\n" + "Host: " + RequestText(host) + "\r\n\r\n";
}

bool THttpReplyReader::AddLine(const std::string& line) {
  if (line == "\r\n") return false;
  if (++lines_ > kMaxLines) throw EHttpError(Format(L"The server sent more than %d header lines", kMaxLines));
  if (lines_ == 1) {
    // "HTTP/1.1 206 Partial Content"
    size_t blank = line.find(' ');
    long long code = blank == std::string::npos ? -1 : ParseSize(line.substr(blank + 1, 3));
    if (!StartsWithNoCase(line, "HTTP/") || code < 100 || code > 999) throw EHttpError(L"Not an HTTP reply: " + Quoted(line));
    reply_.StatusCode = static_cast<int>(code);
  } else if (StartsWithNoCase(line, "Content-Length: ")) {
    long long length = ParseSize(TrimBlanks(line.substr(16)));
    if (length < 0) throw EHttpError(L"Invalid Content-Length: " + Quoted(line.substr(16)));
    if (reply_.ContentLength >= 0 && reply_.ContentLength != length)
      throw EHttpError(L"The server sent two different Content-Length values");
    reply_.ContentLength = length;
  } else if (StartsWithNoCase(line, "Content-Range:")) {
    reply_.HasContentRange = true;
    // "bytes 100-199/200"
    std::string value = TrimBlanks(line.substr(14));
    if (StartsWithNoCase(value, "bytes ")) {
      value = TrimBlanks(value.substr(6));
      size_t dash = value.find('-'), slash = value.find('/');
      if (dash != std::string::npos && slash != std::string::npos && dash < slash) {
        reply_.RangeStart = ParseSize(value.substr(0, dash));
        reply_.RangeEnd = ParseSize(value.substr(dash + 1, slash - dash - 1));
        reply_.RangeTotal = ParseSize(value.substr(slash + 1));
      }
    }
  }
  return true;
}
