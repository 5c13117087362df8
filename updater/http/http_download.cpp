#include "updater/http/http_download.h"

#include <winsock2.h>
#include <windows.h>

#include <vector>

#include "base/exception.h"
#include "base/strings.h"
#include "updater/http/http_error.h"
#include "updater/http/http_messages.h"
#include "updater/http/http_socket.h"
#include "updater/http/url.h"

namespace {

// Bytes received, written and reported per step of the body loop. Steps of 4 KB spend most of
// the time in the per-step system calls and message pumping; 64 KB keeps the transfer close to
// the loopback's speed while "Cancel" still gets through many times a second.
constexpr size_t kChunkSize = 65536;

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

// Reads a reply's header block. False when the user cancelled on the way.
bool ReadReply(THttpSocket& socket, const TDownloadCallbacks& callbacks, THttpReply& reply) {
  THttpReplyReader reader;
  for (;;) {
    if (IsCancelled(callbacks)) return false;
    std::string line = socket.ReadLine(THttpReplyReader::kMaxLineLength);
    if (line.empty()) throw EHttpError(L"The connection ended inside the reply's headers");
    if (!reader.AddLine(line)) break;
  }
  reply = reader.Reply();
  return true;
}

void RequireSuccess(const THttpReply& reply, const char* request) {
  if (reply.StatusCode < 200 || reply.StatusCode > 299)
    throw EHttpNoFile(Format(L"The server answered the %hs request with status %d", request, reply.StatusCode));
}

// Whether the GET reply carries exactly the bytes from `offset` to the end of the file.
void CheckRange(const THttpReply& reply, long long offset, long long announced) {
  RequireSuccess(reply, "GET");
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

// The HEAD exchange on a connection of its own: the file's size, or -1 when the user cancelled.
long long HeadSize(THttpSocket& socket, const std::wstring& host, const std::wstring& path,
                   const TDownloadCallbacks& callbacks) {
  THostPort server = SplitHostPort(host);
  socket.Connect(server.Name, server.Port);
  socket.Send(HeadRequest(host, path));
  THttpReply reply;
  if (!ReadReply(socket, callbacks, reply)) return -1;
  socket.Close();
  RequireSuccess(reply, "HEAD");
  if (reply.ContentLength <= 0) throw EHttpNoFile(L"The server did not announce the file's size");
  return reply.ContentLength;
}

}  // namespace

long long QueryFileSize(const std::wstring& host, const std::wstring& path, unsigned long timeoutMs) {
  THttpSocket socket(timeoutMs);
  return HeadSize(socket, host, path, TDownloadCallbacks());
}

TDownloadResult DownloadFile(const TDownloadRequest& request, const TDownloadCallbacks& callbacks) {
  THostPort server = SplitHostPort(request.Host);
  TTempFile file(request.FileName, request.Resume);
  THttpSocket socket(request.TimeoutMs);
  long long announced = HeadSize(socket, request.Host, request.Path, callbacks);
  if (announced < 0) return TDownloadResult::Cancelled;

  // A file larger than the server's is not a part of it: start again.
  if (file.Size() > announced) file.Truncate();
  long long offset = file.Size();
  if (offset == announced) return TDownloadResult::Complete;

  socket.Connect(server.Name, server.Port);
  socket.Send(GetRequest(request.Host, request.Path, offset));
  THttpReply get;
  if (!ReadReply(socket, callbacks, get)) return TDownloadResult::Cancelled;
  CheckRange(get, offset, announced);

  long long replyLength = get.ContentLength;
  long long received = 0;
  std::vector<char> buffer(kChunkSize);
  while (received < replyLength && !IsCancelled(callbacks)) {
    long long remaining = replyLength - received;
    size_t n = socket.Receive(buffer.data(), remaining < static_cast<long long>(kChunkSize) ? static_cast<size_t>(remaining) : kChunkSize);
    if (n == 0) break;
    file.Write(buffer.data(), n);
    received += static_cast<long long>(n);
    if (callbacks.Progress) callbacks.Progress(offset, received, replyLength);
    if (callbacks.ProcessMessages) callbacks.ProcessMessages();
  }
  socket.Close();
  if (IsCancelled(callbacks)) return TDownloadResult::Cancelled;
  if (file.Size() != announced)
    throw EHttpError(Format(L"The download is incomplete: %lld of %lld bytes", file.Size(), announced));
  return TDownloadResult::Complete;
}
