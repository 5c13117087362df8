// Handlers 101 to 106: the browser's history, typed addresses, cache, cookies and stored forms.
#include <shlobj.h>
#include <wininet.h>

#include "cleaners/evidence/browser_history.h"
#include "cleaners/evidence/history_handler_kit.h"
#include "cleaners/evidence/shell_delete.h"
#include "cleaners/evidence/user_security.h"

namespace {

int History(THistoryContext&) { return ClearUrlHistoryThroughSeam() ? kHisStateDone : kHisStateFailed; }

const std::wstring kTypedUrls = L"\\Software\\Microsoft\\Internet Explorer\\TypedURLs";
const std::wstring kIntelliForms = L"Software\\Microsoft\\Internet Explorer\\IntelliForms";

int TypedAddresses(THistoryContext&) { return DeleteUserKey(kTypedUrls) ? kHisStateDone : kHisStateFailed; }
THistoryTargets TypedAddressesTargets(const THistorySink&) { return {{kTypedUrls}, {}}; }

int Cache(THistoryContext&) {
  PurgeUrlCache();
  return kHisStateDone;
}
// The cache's files lie in its folder, which the junk scan lists too.
THistoryTargets CacheTargets(const THistorySink& sink) {
  std::wstring cache;
  return {{}, SpecialFolder(sink, CSIDL_INTERNET_CACHE, cache) ? std::vector<std::wstring>{cache}
                                                               : std::vector<std::wstring>{}};
}

int Cookies(THistoryContext& c) {
  std::wstring cookies;
  if (!SpecialFolder(c.Sink, CSIDL_COOKIES, cookies)) return kHisStateFailed;
  // The session's cookies are written out first, so the files below hold them all.
  InternetSetOptionW(nullptr, INTERNET_OPTION_END_BROWSER_SESSION, nullptr, 0);
  return RecycleFilesIn(cookies, L"*.txt") ? kHisStateDone : kHisStateFailed;
}
THistoryTargets CookiesTargets(const THistorySink& sink) {
  std::wstring cookies;
  return {{}, SpecialFolder(sink, CSIDL_COOKIES, cookies) ? std::vector<std::wstring>{cookies}
                                                          : std::vector<std::wstring>{}};
}

int StoredForms(THistoryContext&) {
  ClearProtectedStorage();
  return kHisStateDone;
}

int StoredPasswords(THistoryContext&) {
  DeleteUserKey(kIntelliForms);
  return kHisStateDone;
}
THistoryTargets StoredPasswordsTargets(const THistorySink&) { return {{kIntelliForms}, {}}; }

}  // namespace

const std::vector<THistoryHandlerRow>& BrowserHistoryRows() {
  static const std::vector<THistoryHandlerRow> rows = {
      {101, L"IE 历史记录", History},
      {102, L"IE下拉框历史记录", TypedAddresses, TypedAddressesTargets},
      {103, L"IE 缓存", Cache, CacheTargets},
      {104, L"IE Cookies 历史记录", Cookies, CookiesTargets},
      {105, L"IE 自动表单", StoredForms},
      {106, L"IE 自动密码", StoredPasswords, StoredPasswordsTargets},
  };
  return rows;
}
