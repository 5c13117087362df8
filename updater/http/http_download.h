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
  // Asked at every step of the transfer and in every wait; true stops it (Cancelled).
  std::function<bool()> Cancelled;
  // The offset the transfer started at, the bytes received since, and the size of the reply's
  // body: at most every ~50 ms while the body comes, and once when it is complete.
  std::function<void(long long offset, long long received, long long replyLength)> Progress;
  // Where the window handles its messages (and "Cancel"): at most every ~50 ms, from the first
  // connect to the last byte, whether the server is sending or keeping us waiting.
  std::function<void()> ProcessMessages;
};

struct TDownloadRequest {
  std::wstring Host;  // "name" or "name:port"
  std::wstring Path;  // without its leading "/"
  std::wstring FileName;  // the local temporary file; its folder must exist
  // Continue from the bytes already in the file; otherwise start it empty.
  bool Resume = true;
  // The longest wait for a connection, for a reply's whole header block, and for the next bytes
  // of a body.
  unsigned long TimeoutMs = 60000;
  // The whole transfer must end within this (0: no bound beyond the waits').
  unsigned long TotalTimeoutMs = 0;
  // The largest file accepted (0: no bound beyond the free space of the file's drive).
  long long MaxSize = 0;
};

enum class TDownloadResult { Complete, Cancelled };

// Raises EHttpError (EHttpNoFile when the server has no such file, EHttpTimeout when it keeps us
// waiting too long) when the transfer fails; the bytes written until then stay in the file, so a
// later transfer resumes from there. A file larger than MaxSize or than the free space of its
// drive is refused before any of its bytes are asked for; a reply in a transfer coding other than
// identity (chunked) is refused before any of its bytes are written.
TDownloadResult DownloadFile(const TDownloadRequest& request, const TDownloadCallbacks& callbacks);

// The size the server announces for a file (one HEAD exchange), or -1 when cancelled. Raises
// EHttpNoFile when the reply is not a success or names no size, EHttpError when the exchange fails.
long long QueryFileSize(const std::wstring& host, const std::wstring& path, const TDownloadCallbacks& callbacks = {},
                        unsigned long timeoutMs = 60000);
