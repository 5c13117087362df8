#include "updater/http/http_socket.h"

#include <ws2tcpip.h>

#include "base/strings.h"
#include "updater/http/http_error.h"

namespace {

constexpr size_t kReadAhead = 4096;

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

}  // namespace

THttpSocket::THttpSocket(unsigned long timeoutMs) : timeoutMs_(timeoutMs) {}

THttpSocket::~THttpSocket() { Close(); }

void THttpSocket::Close() {
  if (socket_ != INVALID_SOCKET) closesocket(socket_);
  socket_ = INVALID_SOCKET;
  pending_.clear();
}

void THttpSocket::Connect(const std::wstring& host, int port) {
  Close();
  StartWinsock();
  ADDRINFOW hints = {};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  ADDRINFOW* found = nullptr;
  if (GetAddrInfoW(host.c_str(), IntToStr(port).c_str(), &hints, &found) != 0 || !found)
    throw EHttpError(L"Host not found: " + host);
  int error = 0;
  for (ADDRINFOW* a = found; a && socket_ == INVALID_SOCKET; a = a->ai_next) {
    SOCKET s = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
    if (s == INVALID_SOCKET) {
      error = WSAGetLastError();
      continue;
    }
    if (connect(s, a->ai_addr, static_cast<int>(a->ai_addrlen)) == 0) {
      socket_ = s;
    } else {
      error = WSAGetLastError();
      closesocket(s);
    }
  }
  FreeAddrInfoW(found);
  if (socket_ == INVALID_SOCKET) throw EHttpError(SocketErrorText(error));
  DWORD timeout = timeoutMs_;
  setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
  setsockopt(socket_, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
}

void THttpSocket::Send(const std::string& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    int n = socket_ == INVALID_SOCKET ? SOCKET_ERROR
                                      : send(socket_, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
    if (n == SOCKET_ERROR) throw EHttpError(SocketErrorText(socket_ == INVALID_SOCKET ? WSAENOTCONN : WSAGetLastError()));
    sent += static_cast<size_t>(n);
  }
}

bool THttpSocket::Fill() {
  if (socket_ == INVALID_SOCKET) return false;
  char buffer[kReadAhead];
  int n = recv(socket_, buffer, sizeof buffer, 0);
  if (n <= 0) return false;
  pending_.append(buffer, static_cast<size_t>(n));
  return true;
}

std::string THttpSocket::ReadLine(size_t maxLength) {
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
    if (!Fill()) return std::string();
  }
}

size_t THttpSocket::Receive(char* buffer, size_t size) {
  if (!pending_.empty()) {
    size_t n = pending_.size() < size ? pending_.size() : size;
    pending_.copy(buffer, n);
    pending_.erase(0, n);
    return n;
  }
  if (socket_ == INVALID_SOCKET) return 0;
  int n = recv(socket_, buffer, static_cast<int>(size), 0);
  if (n == SOCKET_ERROR) {
    int error = WSAGetLastError();
    if (error == WSAETIMEDOUT) throw EHttpError(Format(L"No data from the server for %lu ms", timeoutMs_));
    throw EHttpError(SocketErrorText(error));
  }
  return static_cast<size_t>(n);
}
