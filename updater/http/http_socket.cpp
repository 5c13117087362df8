#include "updater/http/http_socket.h"

#include <algorithm>

#include "base/strings.h"
#include "updater/http/host_lookup.h"
#include "updater/http/http_error.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kReadAhead = 4096;
// The longest single wait: the window's messages are never left waiting much longer.
constexpr unsigned long kSliceMs = 100;
// The size the system may buffer for us between two receives: large steps keep the per-call cost
// of a fast transfer low.
constexpr int kReceiveBufferBytes = 1 << 20;

void StartWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  if (!started) throw EHttpError(L"Windows Sockets could not be started");
}

std::wstring SocketErrorText(int code) {
  std::wstring message = SysErrorMessage(code);
  return Format(L"Socket Error # %d", code) + (message.empty() ? L"" : L"\r\n" + message);
}

bool WouldBlock(int error) { return error == WSAEWOULDBLOCK || error == WSAEINPROGRESS; }

}  // namespace

TDeadline TDeadline::After(unsigned long ms) {
  TDeadline deadline;
  deadline.at_ = Clock::now() + std::chrono::milliseconds(ms);
  deadline.lengthMs_ = ms;
  deadline.never_ = false;
  return deadline;
}

TDeadline TDeadline::Or(const TDeadline& other) const {
  if (never_) return other;
  if (other.never_) return *this;
  return other.at_ < at_ ? other : *this;
}

bool TDeadline::Passed() const { return !never_ && Clock::now() >= at_; }

unsigned long TDeadline::LeftMs(unsigned long cap) const {
  if (never_) return cap;
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(at_ - Clock::now()).count();
  if (left <= 0) return 0;
  return static_cast<unsigned long>(std::min<long long>(left, cap));
}

THttpSocket::THttpSocket(TTurn turn) : turn_(std::move(turn)), lastTurn_(Clock::now()) {}

THttpSocket::~THttpSocket() { Close(); }

void THttpSocket::Close() {
  if (socket_ != INVALID_SOCKET) closesocket(socket_);
  socket_ = INVALID_SOCKET;
  pending_.clear();
}

void THttpSocket::TakeTurn() {
  Clock::time_point now = Clock::now();
  if (now - lastTurn_ < std::chrono::milliseconds(kTurnIntervalMs)) return;
  lastTurn_ = now;
  if (turn_ && !turn_()) throw THttpCancelled();
}

bool THttpSocket::WaitUntilReady(bool write, const TDeadline& deadline) {
  for (;;) {
    TakeTurn();
    if (deadline.Passed()) return false;
    unsigned long slice = deadline.LeftMs(kSliceMs);
    fd_set ready, failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(socket_, &ready);
    FD_SET(socket_, &failed);
    timeval wait{0, static_cast<long>(slice * 1000)};
    int n = select(0, write ? nullptr : &ready, write ? &ready : nullptr, &failed, &wait);
    if (n == SOCKET_ERROR) throw EHttpError(SocketErrorText(WSAGetLastError()));
    // A failed connect shows in the error set; its reason is read by the caller.
    if (n > 0) return true;
  }
}

void THttpSocket::Connect(const std::wstring& host, int port, const TDeadline& deadline) {
  Close();
  StartWinsock();
  const std::vector<THostAddress> found = LookUpHost(host, port, deadline, [this] { TakeTurn(); });
  int error = 0;
  bool timedOut = false;
  for (size_t i = 0; i < found.size() && socket_ == INVALID_SOCKET && !timedOut; ++i) {
    const THostAddress& a = found[i];
    SOCKET s = socket(a.Family, a.SocketType, a.Protocol);
    if (s == INVALID_SOCKET) {
      error = WSAGetLastError();
      continue;
    }
    u_long nonBlocking = 1;
    ioctlsocket(s, FIONBIO, &nonBlocking);
    int size = kReceiveBufferBytes;
    setsockopt(s, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&size), sizeof size);
    socket_ = s;  // closed by Close() on every way out
    try {
      if (connect(s, reinterpret_cast<const sockaddr*>(&a.Address), a.Length) == 0) break;
      error = WSAGetLastError();
      if (WouldBlock(error)) {
        if (!WaitUntilReady(true, deadline)) {
          timedOut = true;
        } else {
          int length = sizeof error;
          error = 0;
          if (getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0)
            error = WSAGetLastError();
          if (error == 0) break;
        }
      }
    } catch (...) {
      Close();
      throw;
    }
    Close();
  }
  if (timedOut) throw ConnectTimeout(host, deadline);
  if (socket_ == INVALID_SOCKET) throw EHttpError(SocketErrorText(error));
}

void THttpSocket::Send(const std::string& bytes, const TDeadline& deadline) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    if (socket_ == INVALID_SOCKET) throw EHttpError(SocketErrorText(WSAENOTCONN));
    int n = send(socket_, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
    if (n != SOCKET_ERROR) {
      sent += static_cast<size_t>(n);
      continue;
    }
    int error = WSAGetLastError();
    if (!WouldBlock(error)) throw EHttpError(SocketErrorText(error));
    if (!WaitUntilReady(true, deadline))
      throw EHttpTimeout(Format(L"The server took no request within %lu ms", deadline.LengthMs()));
  }
}

bool THttpSocket::Fill(const TDeadline& deadline) {
  if (socket_ == INVALID_SOCKET) return false;
  char buffer[kReadAhead];
  for (;;) {
    int n = recv(socket_, buffer, sizeof buffer, 0);
    if (n > 0) {
      pending_.append(buffer, static_cast<size_t>(n));
      return true;
    }
    if (n == 0) return false;
    int error = WSAGetLastError();
    if (!WouldBlock(error)) throw EHttpError(SocketErrorText(error));
    if (!WaitUntilReady(false, deadline))
      throw EHttpTimeout(Format(L"The server's reply headers did not come within %lu ms", deadline.LengthMs()));
  }
}

std::string THttpSocket::ReadLine(size_t maxLength, const TDeadline& deadline) {
  size_t searched = 0;
  for (;;) {
    size_t end = pending_.find("\r\n", searched > 0 ? searched - 1 : 0);
    if (end != std::string::npos && end + 2 <= maxLength) {
      std::string line = pending_.substr(0, end + 2);
      pending_.erase(0, end + 2);
      return line;
    }
    if (end != std::string::npos || pending_.size() >= maxLength)
      throw EHttpError(Format(L"The server sent a header line longer than %u bytes", static_cast<unsigned>(maxLength)));
    searched = pending_.size();
    if (!Fill(deadline)) return std::string();
  }
}

size_t THttpSocket::Receive(char* buffer, size_t size, const TDeadline& deadline) {
  if (!pending_.empty()) {
    size_t n = std::min(pending_.size(), size);
    pending_.copy(buffer, n);
    pending_.erase(0, n);
    return n;
  }
  if (socket_ == INVALID_SOCKET) return 0;
  size_t got = 0;
  while (got < size) {
    int n = recv(socket_, buffer + got, static_cast<int>(std::min<size_t>(size - got, 1u << 30)), 0);
    if (n > 0) {
      got += static_cast<size_t>(n);
      continue;
    }
    if (n == 0) break;
    int error = WSAGetLastError();
    if (!WouldBlock(error)) throw EHttpError(SocketErrorText(error));
    // What has come is handed on at once; only an empty buffer waits.
    if (got > 0) break;
    if (!WaitUntilReady(false, deadline))
      throw EHttpTimeout(Format(L"No data from the server for %lu ms", deadline.LengthMs()));
  }
  return got;
}
