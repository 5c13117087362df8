#include "updater/update/update_check.h"

#include <windows.h>

#include "base/exact_file.h"
#include "base/exception.h"
#include "base/files.h"
#include "updater/http/http_download.h"
#include "updater/http/http_error.h"
#include "updater/http/url.h"
#include "base/safe_names.h"
#include "updater/update/update_files.h"

const wchar_t kUpdateQuestionText[] = L"An update is now avaliable.Process with the update?";
const wchar_t kNoUpdateText[] = L"There are no update avaliable at this time.";
const wchar_t kNoServerConfigText[] = L"Obtain the server configuration file failed.";

std::wstring ConnectionFailedText(const std::wstring& detail) {
  return L"\rInternet connection failed!\r\r" + detail;
}

namespace {

void Show(const std::function<void(const std::wstring&)>& box, const std::wstring& text) {
  if (box) box(text);
}

// The version file into Sys.ini. False when the connection failed or the program is closing
// (the check ends).
bool FetchServerConfig(bool userStarted, const TUpdateCheckCallbacks& callbacks, unsigned long timeoutMs) {
  std::wstring url = ReadUpdateListUrl();
  std::wstring path = UrlPath(url);
  std::wstring localName = UrlLocalName(path);
  std::wstring fetched = IsSafeRelativePath(localName) ? ProgramFolder() + ToWindowsPath(localName) + L".tmp" : L"";
  bool complete = false;
  if (!url.empty() && !fetched.empty()) {
    try {
      ForceDirectories(ExtractFilePath(fetched));
      TDownloadCallbacks transfer;
      transfer.Cancelled = callbacks.Cancelled;
      transfer.ProcessMessages = callbacks.ProcessMessages;
      TDownloadRequest request{UrlHost(url), path, fetched, false, timeoutMs};
      request.MaxSize = kMaxVersionFileSize;
      request.TotalTimeoutMs = kVersionFileTimeoutMs;
      if (DownloadFile(request, transfer) == TDownloadResult::Cancelled) {
        // The program is closing: the check ends without a word.
        DeleteExactFile(fetched);
        return false;
      }
      complete = true;
    } catch (const EHttpNoFile&) {
      // Reached the server, which has no version file: reported below like an empty one.
    } catch (const Exception& e) {
      DeleteExactFile(fetched);
      if (userStarted) Show(callbacks.ShowWarning, ConnectionFailedText(e.Message()));
      return false;
    }
  }
  if (complete && MoveFileExW(fetched.c_str(), SysIniPath().c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
    return true;
  if (!fetched.empty()) DeleteExactFile(fetched);
  Show(callbacks.ShowInfo, kNoServerConfigText);
  return true;
}

void OfferWhenNewer(bool sayNone, const TUpdateCheckCallbacks& callbacks) {
  if (CompareVersions(ReadServerVersion(), ReadLocalVersion()) > 0) {
    if (callbacks.AskYesNo && callbacks.AskYesNo(kUpdateQuestionText) && callbacks.OpenWebSite) callbacks.OpenWebSite();
  } else if (sayNone) {
    Show(callbacks.ShowInfo, kNoUpdateText);
  }
}

}  // namespace

void RunUpdateCheck(bool userStarted, const TUpdateCheckCallbacks& callbacks, unsigned long timeoutMs) {
  // The transfer lets the window handle its messages, where the link or the timer could start
  // a second check over the first one's files.
  static bool running = false;
  if (running) return;
  running = true;
  struct TRunning {
    ~TRunning() { running = false; }
  } guard;
  DeleteExactFile(SysIniPath());
  if (!FetchServerConfig(userStarted, callbacks, timeoutMs)) return;
  OfferWhenNewer(userStarted, callbacks);
}

void OfferStoredUpdate(const TUpdateCheckCallbacks& callbacks) { OfferWhenNewer(true, callbacks); }
