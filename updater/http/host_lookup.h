// The addresses of a host name, looked up on a thread of its own: the system's lookup takes no
// deadline, and a name server that never answers would otherwise hold the caller's window.
#pragma once

#include <winsock2.h>

#include <functional>
#include <string>
#include <vector>

#include "updater/http/http_error.h"
#include "updater/http/http_socket.h"

struct THostAddress {
  int Family = 0;
  int SocketType = 0;
  int Protocol = 0;
  sockaddr_storage Address = {};
  int Length = 0;
};

// Fills `found` with the IPv4 TCP addresses of host:port; false when the name is unknown.
using THostLookup =
    std::function<bool(const std::wstring& host, const std::wstring& port, std::vector<THostAddress>& found)>;

// The system's lookup (GetAddrInfoW). Winsock must be started.
bool SystemHostLookup(const std::wstring& host, const std::wstring& port, std::vector<THostAddress>& found);

// The time-out of a connection to `host` not made by `deadline`, its lookup included.
EHttpTimeout ConnectTimeout(const std::wstring& host, const TDeadline& deadline);

// Runs `lookup` on a thread of its own and waits for its answer in slices, with `turn` called
// between them (the caller's turn: it may throw to give up). Raises EHttpTimeout when no answer
// came by the deadline, EHttpError "Host not found: <host>" for an unknown name. A lookup given up
// on goes on to its end on its thread, and its answer is dropped there.
std::vector<THostAddress> LookUpHost(const std::wstring& host, int port, const TDeadline& deadline,
                                     const std::function<void()>& turn,
                                     const THostLookup& lookup = SystemHostLookup);
