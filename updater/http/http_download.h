// Fetching one file over HTTP into a local temporary file, resuming what an earlier,
// cancelled transfer left there.
//
// On the wire: a HEAD request for the size on one connection, then a ranged GET on a new one.
// A transfer counts as complete only when both replies had a success status, the GET reply
// starts exactly at the requested offset (a plain 200 only for offset 0), announces the
// remaining size, and the file ends up exactly as large as the HEAD reply said. Bytes beyond
// the announced size are never written.
#pragma once

#include <functional>
#include <string>

struct TDownloadCallbacks {
  // Polled between header lines and between body chunks; true stops the transfer.
  std::function<bool()> Cancelled;
  // After every chunk written: the offset the transfer started at, the bytes received since,
  // and the size of the reply's body.
  std::function<void(long long offset, long long received, long long replyLength)> Progress;
  // After every chunk written, where the window handles its messages (and "Cancel").
  std::function<void()> ProcessMessages;
};

struct TDownloadRequest {
  std::wstring Host;  // "name" or "name:port"
  std::wstring Path;  // without its leading "/"
  std::wstring FileName;  // the local temporary file; its folder must exist
  // Continue from the bytes already in the file; otherwise start it empty.
  bool Resume = true;
  // The longest wait for any receive.
  unsigned long TimeoutMs = 60000;
};

enum class TDownloadResult { Complete, Cancelled };

// Raises EHttpError (EHttpNoFile when the server has no such file) when the transfer fails; the
// bytes written until then stay in the file, so a later transfer resumes from there.
TDownloadResult DownloadFile(const TDownloadRequest& request, const TDownloadCallbacks& callbacks);

// The size the server announces for a file (one HEAD exchange). Raises EHttpNoFile when the
// reply is not a success or names no size, EHttpError when the exchange fails.
long long QueryFileSize(const std::wstring& host, const std::wstring& path, unsigned long timeoutMs = 60000);
