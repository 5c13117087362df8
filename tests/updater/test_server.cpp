#include "test_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdlib>
#include <stdexcept>

namespace {

void StartWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  if (!started) throw std::runtime_error("Windows Sockets could not be started");
}

// One request on a connection of its own; the whole answer until the server closes.
std::string Exchange(const std::string& request) {
  StartWinsock();
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(TestServerPort()));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    closesocket(s);
    throw std::runtime_error("the test server does not answer");
  }
  send(s, request.data(), static_cast<int>(request.size()), 0);
  std::string reply;
  char buffer[65536];
  for (int n; (n = recv(s, buffer, sizeof buffer, 0)) > 0;) reply.append(buffer, n);
  closesocket(s);
  size_t body = reply.find("\r\n\r\n");
  return body == std::string::npos ? std::string() : reply.substr(body + 4);
}

}  // namespace

int TestServerPort() {
  const char* port = std::getenv("QS_TEST_HTTP_PORT");
  if (!port) throw std::runtime_error("QS_TEST_HTTP_PORT is not set: run the test through CTest");
  return std::atoi(port);
}

std::wstring TestServerHost() { return L"127.0.0.1:" + std::to_wstring(TestServerPort()); }

std::wstring TestServerUrl(const std::string& mode, const std::string& file) {
  return L"http://" + TestServerHost() + L"/" + std::wstring(mode.begin(), mode.end()) + L"/" +
         std::wstring(file.begin(), file.end());
}

void PutServerFile(const std::string& name, const std::string& bytes) {
  Exchange("PUT /" + name + " HTTP/1.1\r\nContent-Length: " + std::to_string(bytes.size()) + "\r\n\r\n" + bytes);
}

std::vector<std::string> ServerLog() {
  std::string text = Exchange("GET /_log HTTP/1.1\r\n\r\n");
  std::vector<std::string> entries;
  size_t at = 0;
  while (at < text.size()) {
    size_t newline = text.find('\n', at);
    size_t length = std::stoul(text.substr(at, newline - at));
    entries.push_back(text.substr(newline + 1, length));
    at = newline + 1 + length;
  }
  return entries;
}

int UnusedPort() {
  StartWinsock();
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  closesocket(s);
  return ntohs(address.sin_port);
}

int BlackholePort() {
  const char* port = std::getenv("QS_TEST_BLACKHOLE_PORT");
  if (!port) throw std::runtime_error("QS_TEST_BLACKHOLE_PORT is not set: run the test through CTest");
  return std::atoi(port);
}

void ClearServerLog() { Exchange("GET /_clear HTTP/1.1\r\n\r\n"); }

std::string GeneratedBytes(size_t n) {
  std::string bytes(n, '\0');
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(i % 251);
  return bytes;
}

std::string Utf16File(const std::wstring& text) {
  std::string bytes = "\xFF\xFE";
  for (wchar_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}
