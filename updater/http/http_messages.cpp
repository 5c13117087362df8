#include "updater/http/http_messages.h"

#include <windows.h>

#include <cctype>
#include <cstring>

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
void RefuseControlCharacters(const std::wstring& text) {
  for (wchar_t c : text)
    if (c < 0x20 || c == 0x7F) throw EHttpError(L"Control character in the address \"" + text + L"\"");
}

// Host names go out as they are: printable ASCII only, never converted.
std::string HostText(const std::wstring& host) {
  RefuseControlCharacters(host);
  std::string text;
  for (wchar_t c : host) {
    if (c <= 0x20 || c >= 0x7F) throw EHttpError(L"The server address \"" + host + L"\" is not plain ASCII");
    text += static_cast<char>(c);
  }
  return text;
}

// Bytes a request target carries as they are; every other one is percent-escaped. "%" stays, so
// an address that is already escaped goes out unchanged.
bool PlainInTarget(unsigned char c) {
  return c > 0x20 && c < 0x7F && !std::strchr("\"#<>\\^`{|}", c);
}

std::wstring Quoted(const std::string& line) { return L"\"" + AnsiToWide(TrimBlanks(line)) + L"\""; }

}  // namespace

std::string RequestTarget(const std::wstring& path) {
  RefuseControlCharacters(path);
  std::string utf8;
  if (!path.empty()) {
    int size = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()), nullptr, 0,
                                   nullptr, nullptr);
    if (size <= 0) throw EHttpError(L"The address \"" + path + L"\" is not valid Unicode text");
    utf8.resize(static_cast<size_t>(size));
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()), &utf8[0], size,
                        nullptr, nullptr);
  }
  static const char kHex[] = "0123456789ABCDEF";
  std::string target;
  for (unsigned char c : utf8) {
    if (PlainInTarget(c)) {
      target += static_cast<char>(c);
    } else {
      target += '%';
      target += kHex[c >> 4];
      target += kHex[c & 15];
    }
  }
  return target;
}

std::string HeadRequest(const std::wstring& host, const std::wstring& path) {
  return "HEAD /" + RequestTarget(path) + " HTTP/1.1\r\n" +
         "Pragma: no-cache\r\n"
         "Cache-Control: no-cache\r\n" +
         kUserAgent + "Host: " + HostText(host) + "\r\n\r\n";
}

std::string GetRequest(const std::wstring& host, const std::wstring& path, long long offset) {
  return "GET /" + RequestTarget(path) + " HTTP/1.1\r\n" +
         "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n" + kUserAgent +
         "RANGE: bytes=" + std::to_string(offset) + "-\r\n" + "Host: " + HostText(host) + "\r\n\r\n";
}

bool THttpReplyReader::AddLine(const std::string& line) {
  if (line == "\r\n") return false;
  if (++lines_ > kMaxLines) throw EHttpError(Format(L"The server sent more than %d header lines", kMaxLines));
  if (lines_ == 1) {
    // "HTTP/1.1 206 Partial Content": exactly three digits, then a blank or the line's end.
    size_t blank = line.find(' ');
    long long code = blank == std::string::npos ? -1 : ParseSize(line.substr(blank + 1, 3));
    char after = blank == std::string::npos || blank + 4 >= line.size() ? '\0' : line[blank + 4];
    if (!StartsWithNoCase(line, "HTTP/") || code < 100 || code > 999 || (after != ' ' && after != '\r'))
      throw EHttpError(L"Not an HTTP reply: " + Quoted(line));
    reply_.StatusCode = static_cast<int>(code);
  } else if (StartsWithNoCase(line, "Content-Length: ")) {
    long long length = ParseSize(TrimBlanks(line.substr(16)));
    if (length < 0) throw EHttpError(L"Invalid Content-Length: " + Quoted(line.substr(16)));
    if (reply_.ContentLength >= 0 && reply_.ContentLength != length)
      throw EHttpError(L"The server sent two different Content-Length values");
    reply_.ContentLength = length;
  } else if (StartsWithNoCase(line, "Transfer-Encoding:")) {
    reply_.TransferEncoding = TrimBlanks(line.substr(18));
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
