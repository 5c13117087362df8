#include "cleaners/evidence/browser_history.h"

#include <windows.h>
#include <objbase.h>
#include <urlhist.h>
#include <wininet.h>

#include <vector>

#include "base/exception.h"
#include "base/strings.h"

namespace {

// The browser's URL history object and the interface that can clear it.
const CLSID kUrlHistoryClsid = {0x3C374A40, 0xBAE4, 0x11CF, {0xBF, 0x7D, 0x00, 0xAA, 0x00, 0x69, 0x46, 0xEE}};
const IID kUrlHistoryStg2Iid = {0xAFA0DC11, 0xC313, 0x11D0, {0x83, 0x1A, 0x00, 0xC0, 0x4F, 0xD5, 0xAE, 0x38}};

std::function<bool()>& Clearer() {
  static std::function<bool()> clearer;
  return clearer;
}

// The cache entry the call writes into `buffer`, growing it as the call asks; false at the end.
template <typename Call>
bool ReadCacheEntry(std::vector<BYTE>& buffer, Call call) {
  for (;;) {
    DWORD size = static_cast<DWORD>(buffer.size());
    auto* entry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
    entry->dwStructSize = sizeof(INTERNET_CACHE_ENTRY_INFOW);
    if (call(entry, &size)) return true;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= buffer.size()) return false;
    buffer.resize(size);
  }
}

}  // namespace

bool ClearUrlHistory() {
  // The pages run on a thread that may not have entered COM yet.
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IUrlHistoryStg2* history = nullptr;
  const HRESULT created =
      CoCreateInstance(kUrlHistoryClsid, nullptr, CLSCTX_INPROC_SERVER, kUrlHistoryStg2Iid, reinterpret_cast<void**>(&history));
  if (FAILED(created)) {
    if (SUCCEEDED(init)) CoUninitialize();
    throw Exception(Format(L"The browser history object cannot be created (0x%.8x).", static_cast<unsigned>(created)));
  }
  const bool cleared = SUCCEEDED(history->ClearHistory());
  history->Release();
  if (SUCCEEDED(init)) CoUninitialize();
  return cleared;
}

void PurgeUrlCache() {
  std::vector<BYTE> buffer(4096);
  HANDLE find = nullptr;
  bool found = ReadCacheEntry(buffer, [&](INTERNET_CACHE_ENTRY_INFOW* entry, DWORD* size) {
    find = FindFirstUrlCacheEntryW(nullptr, entry, size);
    return find != nullptr;
  });
  while (found) {
    DeleteUrlCacheEntryW(reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data())->lpszSourceUrlName);
    found = ReadCacheEntry(buffer, [&](INTERNET_CACHE_ENTRY_INFOW* entry, DWORD* size) {
      return FindNextUrlCacheEntryW(find, entry, size) != FALSE;
    });
  }
  if (find) FindCloseUrlCache(find);
}

void SetUrlHistoryClearerForTesting(std::function<bool()> clearer) { Clearer() = std::move(clearer); }

bool ClearUrlHistoryThroughSeam() { return Clearer() ? Clearer()() : ClearUrlHistory(); }
