#include "updater/http/http_download.h"

#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "base/exception.h"
#include "base/files.h"
#include "base/strings.h"
#include "updater/http/http_error.h"
#include "updater/http/http_messages.h"
#include "updater/http/http_socket.h"
#include "updater/http/url.h"

namespace {

// The most a body step receives and writes. The fixed costs of a step (the receive and write
// calls) are then small against the bytes it moves; the window's turn is paced by time instead.
constexpr size_t kBufferSize = 1 << 20;

// The temporary file, positioned at its end, closed on every way out.
class TTempFile {
 public:
  TTempFile(const std::wstring& name, bool keep) : name_(name) {
    handle_ = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                          keep ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) throw EFCreateError(L"Cannot create file \"" + name + L"\"");
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle_, &size)) Fail();
    size_ = size.QuadPart;
    SeekEnd();
  }
  ~TTempFile() { CloseHandle(handle_); }
  TTempFile(const TTempFile&) = delete;
  TTempFile& operator=(const TTempFile&) = delete;

  long long Size() const { return size_; }
  void Truncate() {
    LARGE_INTEGER zero = {};
    if (!SetFilePointerEx(handle_, zero, nullptr, FILE_BEGIN) || !SetEndOfFile(handle_)) Fail();
    size_ = 0;
  }
  void Write(const char* data, size_t n) {
    DWORD written = 0;
    if (!WriteFile(handle_, data, static_cast<DWORD>(n), &written, nullptr) || written != n) Fail();
    size_ += static_cast<long long>(n);
  }

 private:
  void SeekEnd() {
    LARGE_INTEGER zero = {};
    if (!SetFilePointerEx(handle_, zero, nullptr, FILE_END)) Fail();
  }
  [[noreturn]] void Fail() { throw EHttpError(L"I/O error on \"" + name_ + Format(L"\" (%lu)", GetLastError())); }

  std::wstring name_;
  HANDLE handle_;
  long long size_ = 0;
};

bool IsCancelled(const TDownloadCallbacks& callbacks) { return callbacks.Cancelled && callbacks.Cancelled(); }

// The window's turn during a transfer: the progress so far, its messages, and whether to go on.
class TTransferTurn {
 public:
  explicit TTransferTurn(const TDownloadCallbacks& callbacks) : callbacks_(callbacks) {}

  void StartBody(long long offset, long long replyLength) {
    inBody_ = true;
    offset_ = offset;
    replyLength_ = replyLength;
  }
  void SetReceived(long long received) { received_ = received; }
  void ReportProgress() {
    if (!inBody_ || received_ == reported_ || !callbacks_.Progress) return;
    reported_ = received_;
    callbacks_.Progress(offset_, received_, replyLength_);
  }
  bool operator()() {
    ReportProgress();
    if (callbacks_.ProcessMessages) callbacks_.ProcessMessages();
    return !IsCancelled(callbacks_);
  }

 private:
  const TDownloadCallbacks& callbacks_;
  bool inBody_ = false;
  long long offset_ = 0, replyLength_ = 0, received_ = 0, reported_ = 0;
};

// The longest a single wait of the transfer may take: `timeoutMs`, and never past the whole
// transfer's deadline.
TDeadline WaitDeadline(unsigned long timeoutMs, const TDeadline& total) { return TDeadline::After(timeoutMs).Or(total); }

// One request on a new connection and its reply's header block, all of it by the deadline.
// Raises THttpCancelled when the user cancelled before the reply was read.
THttpReply Exchange(THttpSocket& socket, const THostPort& server, const std::string& request, unsigned long timeoutMs,
                    const TDeadline& total, const TDownloadCallbacks& callbacks) {
  socket.Connect(server.Name, server.Port, WaitDeadline(timeoutMs, total));
  socket.Send(request, WaitDeadline(timeoutMs, total));
  const TDeadline deadline = WaitDeadline(timeoutMs, total);
  if (IsCancelled(callbacks)) throw THttpCancelled();
  THttpReplyReader reader;
  for (;;) {
    std::string line = socket.ReadLine(THttpReplyReader::kMaxLineLength, deadline);
    if (line.empty()) throw EHttpError(L"The connection ended inside the reply's headers");
    if (!reader.AddLine(line)) break;
  }
  return reader.Reply();
}

void RequireSuccess(const THttpReply& reply, const char* request) {
  if (reply.StatusCode < 200 || reply.StatusCode > 299)
    throw EHttpNoFile(Format(L"The server answered the %hs request with status %d", request, reply.StatusCode));
}

// Whether the GET reply carries exactly the bytes from `offset` to the end of the file, as they are.
void CheckRange(const THttpReply& reply, long long offset, long long announced) {
  RequireSuccess(reply, "GET");
  if (!reply.TransferEncoding.empty() && LowerCase(AnsiToWide(reply.TransferEncoding)) != L"identity")
    throw EHttpError(L"The server sent the file in the transfer coding \"" + AnsiToWide(reply.TransferEncoding) +
                     L"\", which is not supported");
  if (reply.HasContentRange) {
    if (reply.RangeStart != offset)
      throw EHttpError(Format(L"The server sent the range from %lld instead of %lld", reply.RangeStart, offset));
    if ((reply.RangeTotal >= 0 && reply.RangeTotal != announced) || (reply.RangeEnd >= 0 && reply.RangeEnd != announced - 1))
      throw EHttpError(L"The server's Content-Range does not match the file's size");
  } else if (offset != 0 || reply.StatusCode != 200) {
    throw EHttpError(L"The server did not send the requested range");
  }
  if (reply.ContentLength != announced - offset)
    throw EHttpError(Format(L"The server announced %lld bytes where %lld remain", reply.ContentLength, announced - offset));
}

// Bytes the file may still take: refused before any is asked for when its drive lacks the room.
void RequireFreeSpace(const std::wstring& fileName, long long needed) {
  ULARGE_INTEGER available;
  if (!GetDiskFreeSpaceExW(ExtractFilePath(fileName).c_str(), &available, nullptr, nullptr)) return;
  if (static_cast<unsigned long long>(needed) > available.QuadPart)
    throw EHttpError(Format(L"The file needs %lld more bytes, but its drive has only %llu bytes free", needed,
                            available.QuadPart));
}

// The HEAD exchange on a connection of its own: the file's size.
long long HeadSize(THttpSocket& socket, const std::wstring& host, const std::wstring& path, unsigned long timeoutMs,
                   const TDeadline& total, const TDownloadCallbacks& callbacks) {
  THostPort server = SplitHostPort(host);
  THttpReply reply = Exchange(socket, server, HeadRequest(host, path), timeoutMs, total, callbacks);
  socket.Close();
  RequireSuccess(reply, "HEAD");
  if (reply.ContentLength <= 0) throw EHttpNoFile(L"The server did not announce the file's size");
  return reply.ContentLength;
}

}  // namespace

long long QueryFileSize(const std::wstring& host, const std::wstring& path, const TDownloadCallbacks& callbacks,
                        unsigned long timeoutMs) {
  TTransferTurn turn(callbacks);
  THttpSocket socket(std::ref(turn));
  try {
    return HeadSize(socket, host, path, timeoutMs, TDeadline::Never(), callbacks);
  } catch (const THttpCancelled&) {
    return -1;
  }
}

TDownloadResult DownloadFile(const TDownloadRequest& request, const TDownloadCallbacks& callbacks) {
  THostPort server = SplitHostPort(request.Host);
  TTempFile file(request.FileName, request.Resume);
  const TDeadline total =
      request.TotalTimeoutMs ? TDeadline::After(request.TotalTimeoutMs) : TDeadline::Never();
  TTransferTurn turn(callbacks);
  THttpSocket socket(std::ref(turn));
  long long announced = 0;
  try {
    announced = HeadSize(socket, request.Host, request.Path, request.TimeoutMs, total, callbacks);
    if (request.MaxSize > 0 && announced > request.MaxSize)
      throw EHttpError(Format(L"The server announced %lld bytes for a file of at most %lld", announced, request.MaxSize));

    // A file larger than the server's is not a part of it: start again.
    if (file.Size() > announced) file.Truncate();
    long long offset = file.Size();
    if (offset == announced) return TDownloadResult::Complete;
    RequireFreeSpace(request.FileName, announced - offset);

    THttpReply reply =
        Exchange(socket, server, GetRequest(request.Host, request.Path, offset), request.TimeoutMs, total, callbacks);
    CheckRange(reply, offset, announced);

    long long replyLength = reply.ContentLength;
    long long received = 0;
    turn.StartBody(offset, replyLength);
    std::vector<char> buffer(kBufferSize);
    while (received < replyLength && !IsCancelled(callbacks)) {
      long long remaining = replyLength - received;
      size_t n = socket.Receive(buffer.data(), remaining < static_cast<long long>(kBufferSize) ? static_cast<size_t>(remaining) : kBufferSize,
                                WaitDeadline(request.TimeoutMs, total));
      if (n == 0) break;
      file.Write(buffer.data(), n);
      received += static_cast<long long>(n);
      turn.SetReceived(received);
      if (total.Passed()) throw EHttpTimeout(Format(L"The transfer did not end within %lu ms", total.LengthMs()));
      socket.TakeTurn();
    }
    turn.ReportProgress();
  } catch (const THttpCancelled&) {
    turn.ReportProgress();
    return TDownloadResult::Cancelled;
  }
  socket.Close();
  if (IsCancelled(callbacks)) return TDownloadResult::Cancelled;
  if (file.Size() != announced)
    throw EHttpError(Format(L"The download is incomplete: %lld of %lld bytes", file.Size(), announced));
  return TDownloadResult::Complete;
}
