#include "updater/http/url.h"

#include "base/strings.h"
#include "updater/http/http_error.h"

namespace {

std::wstring WithoutScheme(const std::wstring& url) {
  if (LowerCase(url.substr(0, 7)) == L"http://") return url.substr(7);
  return url;
}

}  // namespace

std::wstring UrlHost(const std::wstring& url) {
  std::wstring rest = WithoutScheme(url);
  size_t slash = rest.find(L'/');
  return slash == std::wstring::npos ? rest : rest.substr(0, slash);
}

std::wstring UrlPath(const std::wstring& url) {
  std::wstring rest = WithoutScheme(url);
  size_t slash = rest.find(L'/');
  return slash == std::wstring::npos ? rest : rest.substr(slash + 1);
}

std::wstring UrlLocalName(const std::wstring& path) {
  size_t slash = path.find(L'/');
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

THostPort SplitHostPort(const std::wstring& host) {
  THostPort result;
  size_t colon = host.rfind(L':');
  result.Name = colon == std::wstring::npos ? host : host.substr(0, colon);
  if (colon != std::wstring::npos) {
    std::wstring port = host.substr(colon + 1);
    bool digits = !port.empty() && port.size() <= 5;
    for (wchar_t c : port) digits = digits && c >= L'0' && c <= L'9';
    result.Port = digits ? std::stoi(port) : 0;
    if (result.Port < 1 || result.Port > 65535) throw EHttpError(L"Invalid port in the server address \"" + host + L"\"");
  }
  if (result.Name.empty()) throw EHttpError(L"The server address has no host name");
  return result;
}
