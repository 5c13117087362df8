#include "updater/http/host_lookup.h"

#include <ws2tcpip.h>

#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

#include "base/strings.h"
#include "updater/http/http_error.h"

namespace {

// The longest single wait: the caller's turn comes at least this often.
constexpr unsigned long kSliceMs = 50;

// What the lookup thread and the waiting caller share; whichever ends last frees it.
struct TLookupState {
  std::mutex Lock;
  std::condition_variable Answered;
  bool Done = false;
  bool Found = false;
  std::vector<THostAddress> Addresses;
};

}  // namespace

bool SystemHostLookup(const std::wstring& host, const std::wstring& port, std::vector<THostAddress>& found) {
  ADDRINFOW hints = {};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  ADDRINFOW* list = nullptr;
  if (GetAddrInfoW(host.c_str(), port.c_str(), &hints, &list) != 0 || !list) return false;
  for (ADDRINFOW* a = list; a; a = a->ai_next) {
    if (a->ai_addrlen > sizeof(sockaddr_storage)) continue;
    THostAddress address;
    address.Family = a->ai_family;
    address.SocketType = a->ai_socktype;
    address.Protocol = a->ai_protocol;
    memcpy(&address.Address, a->ai_addr, a->ai_addrlen);
    address.Length = static_cast<int>(a->ai_addrlen);
    found.push_back(address);
  }
  FreeAddrInfoW(list);
  return !found.empty();
}

EHttpTimeout ConnectTimeout(const std::wstring& host, const TDeadline& deadline) {
  return EHttpTimeout(L"No connection to " + host + Format(L" within %lu ms", deadline.LengthMs()));
}

std::vector<THostAddress> LookUpHost(const std::wstring& host, int port, const TDeadline& deadline,
                                     const std::function<void()>& turn, const THostLookup& lookup) {
  auto state = std::make_shared<TLookupState>();
  std::thread([state, lookup, host, port] {
    std::vector<THostAddress> addresses;
    const bool found = lookup(host, IntToStr(port), addresses);
    std::lock_guard<std::mutex> hold(state->Lock);
    state->Found = found;
    state->Addresses = std::move(addresses);
    state->Done = true;
    state->Answered.notify_all();
  }).detach();
  std::unique_lock<std::mutex> hold(state->Lock);
  while (!state->Done) {
    if (deadline.Passed())
      throw ConnectTimeout(host, deadline);
    // The turn may pump the caller's window: never while holding the lock the thread needs.
    hold.unlock();
    if (turn) turn();
    hold.lock();
    state->Answered.wait_for(hold, std::chrono::milliseconds(deadline.LeftMs(kSliceMs)),
                             [&state] { return state->Done; });
  }
  if (!state->Found) throw EHttpError(L"Host not found: " + host);
  return std::move(state->Addresses);
}
