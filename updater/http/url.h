// Splitting the plain "http://host/path" addresses that Update.ini and Sys.ini carry.
#pragma once

#include <string>

// The text before the first "/" once a leading "http://" (any case) is dropped; the whole
// rest when there is no "/".
std::wstring UrlHost(const std::wstring& url);
// The text after that first "/"; the whole rest when there is no "/".
std::wstring UrlPath(const std::wstring& url);
// The path after its first "/" (all of it when it has none): where a file goes below Temp
// and below the program folder.
std::wstring UrlLocalName(const std::wstring& path);

struct THostPort {
  std::wstring Name;
  int Port = 80;
};
// "host" or "host:port"; port 80 when none is given. Raises EHttpError for an empty host or a
// port that is not a number from 1 to 65535.
THostPort SplitHostPort(const std::wstring& host);
