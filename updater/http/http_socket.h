// A TCP client connection whose every wait has a deadline and is cut into short slices, so the
// caller's window keeps handling its messages and "Cancel" acts within a fraction of a second,
// even while a server takes its time to accept, to answer or to send.
#pragma once

#include <winsock2.h>

#include <chrono>
#include <functional>
#include <string>

// The moment a wait gives up, and how long it was given (for the time-out's message).
class TDeadline {
 public:
  static TDeadline After(unsigned long ms);
  static TDeadline Never() { return TDeadline(); }
  // The earlier of the two.
  TDeadline Or(const TDeadline& other) const;
  bool Passed() const;
  // What is left, at most `cap` ms.
  unsigned long LeftMs(unsigned long cap) const;
  unsigned long LengthMs() const { return lengthMs_; }

 private:
  std::chrono::steady_clock::time_point at_{};
  unsigned long lengthMs_ = 0;
  bool never_ = true;
};

// Thrown out of a wait when the caller's turn says to stop; the transfer turns it into its
// Cancelled result. Not an error: nothing is reported.
struct THttpCancelled {};

class THttpSocket {
 public:
  // The caller's turn: runs at most every kTurnIntervalMs while the socket waits (and whenever
  // the caller asks through TakeTurn); the caller handles its messages there and returns false
  // to cancel.
  using TTurn = std::function<bool()>;
  static constexpr unsigned kTurnIntervalMs = 50;

  explicit THttpSocket(TTurn turn = {});
  ~THttpSocket();
  THttpSocket(const THttpSocket&) = delete;
  THttpSocket& operator=(const THttpSocket&) = delete;

  // Closes any earlier connection first. Raises EHttpError when the host is unknown or refuses,
  // EHttpTimeout when the connection is not made by the deadline.
  void Connect(const std::wstring& host, int port, const TDeadline& deadline);
  bool Connected() const { return socket_ != INVALID_SOCKET; }
  void Close();

  // Sends all the bytes; raises EHttpError when the connection fails, EHttpTimeout at the deadline.
  void Send(const std::string& bytes, const TDeadline& deadline);

  // One line including its CR LF, or "" when the connection closed before the line ended.
  // Raises EHttpError when the line grows beyond `maxLength` bytes, EHttpTimeout at the deadline.
  std::string ReadLine(size_t maxLength, const TDeadline& deadline);

  // Up to `size` bytes: what ReadLine read ahead first, else as many as have arrived (waiting
  // for the first of them). 0 when the peer closed the connection; raises EHttpTimeout when
  // nothing came by the deadline, EHttpError on a reset.
  size_t Receive(char* buffer, size_t size, const TDeadline& deadline);

  // Gives the caller its turn when kTurnIntervalMs have passed since the last one.
  void TakeTurn();

 private:
  // Waits in short slices until the socket can be read (or written); false at the deadline.
  bool WaitUntilReady(bool write, const TDeadline& deadline);
  // One receive into the read-ahead buffer: false when the connection closed.
  bool Fill(const TDeadline& deadline);

  SOCKET socket_ = INVALID_SOCKET;
  TTurn turn_;
  std::chrono::steady_clock::time_point lastTurn_;
  std::string pending_;
};
