// A blocking TCP client connection with a time-out on every receive.
#pragma once

#include <winsock2.h>

#include <string>

class THttpSocket {
 public:
  // Every receive waits at most `timeoutMs` for data.
  explicit THttpSocket(unsigned long timeoutMs);
  ~THttpSocket();
  THttpSocket(const THttpSocket&) = delete;
  THttpSocket& operator=(const THttpSocket&) = delete;

  // Closes any earlier connection first. Raises EHttpError when the host is unknown or refuses.
  void Connect(const std::wstring& host, int port);
  bool Connected() const { return socket_ != INVALID_SOCKET; }
  void Close();

  // Sends the bytes in one piece; raises EHttpError when the connection fails.
  void Send(const std::string& bytes);

  // One line including its CR LF, or "" when the connection closed or the time-out passed
  // before the line ended. Raises EHttpError when the line grows beyond `maxLength` bytes.
  std::string ReadLine(size_t maxLength);

  // Up to `size` bytes: what ReadLine read ahead first, then one receive. 0 when the peer
  // closed the connection; raises EHttpError on a time-out or a reset.
  size_t Receive(char* buffer, size_t size);

 private:
  // One receive into the read-ahead buffer; false when closed or timed out.
  bool Fill();

  SOCKET socket_ = INVALID_SOCKET;
  unsigned long timeoutMs_;
  std::string pending_;
};
