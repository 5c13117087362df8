// The host lookup waits with a deadline and gives the caller its turns, whatever the lookup does.
#include "updater/http/host_lookup.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <ws2tcpip.h>

#include <chrono>
#include <memory>

#include "updater/http/http_error.h"

namespace {

using Clock = std::chrono::steady_clock;

// A lookup that answers only once the test lets it (a name server that does not answer). The
// abandoned lookup ends on its own thread after the test: it holds the event until then.
class HeldLookup {
 public:
  HeldLookup() : release_(CreateEventW(nullptr, TRUE, FALSE, nullptr), CloseHandle) {}
  ~HeldLookup() { SetEvent(release_.get()); }
  THostLookup Lookup() {
    std::shared_ptr<void> release = release_;
    return [release](const std::wstring&, const std::wstring&, std::vector<THostAddress>&) {
      WaitForSingleObject(release.get(), 10000);
      return false;
    };
  }

 private:
  std::shared_ptr<void> release_;
};

long long MsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

}  // namespace

TEST(HostLookup, TheSystemLookupFindsALoopbackAddress) {
  WSADATA data;
  ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
  const std::vector<THostAddress> found = LookUpHost(L"127.0.0.1", 8080, TDeadline::After(5000), {});
  ASSERT_FALSE(found.empty());
  const auto* address = reinterpret_cast<const sockaddr_in*>(&found[0].Address);
  EXPECT_EQ(address->sin_family, AF_INET);
  EXPECT_EQ(ntohs(address->sin_port), 8080);
  EXPECT_EQ(ntohl(address->sin_addr.s_addr), 0x7F000001u);
  WSACleanup();
}

TEST(HostLookup, AnUnknownNameIsNotFound) {
  const THostLookup unknown = [](const std::wstring&, const std::wstring&, std::vector<THostAddress>&) { return false; };
  try {
    LookUpHost(L"nowhere.invalid", 80, TDeadline::After(5000), {}, unknown);
    FAIL() << "no error";
  } catch (const EHttpTimeout&) {
    FAIL() << "an unknown name is no time-out";
  } catch (const EHttpError& e) {
    EXPECT_EQ(e.Message(), L"Host not found: nowhere.invalid");
  }
}

TEST(HostLookup, ALookupWithoutAnswerEndsAtTheDeadlineWithTurnsOnTheWay) {
  HeldLookup held;
  int turns = 0;
  const Clock::time_point start = Clock::now();
  EXPECT_THROW(LookUpHost(L"slow.invalid", 80, TDeadline::After(400), [&turns] { ++turns; }, held.Lookup()),
               EHttpTimeout);
  EXPECT_GE(MsSince(start), 400);
  EXPECT_LT(MsSince(start), 5000);
  EXPECT_GE(turns, 3);
}

TEST(HostLookup, TheCallersTurnCanGiveUpTheWait) {
  HeldLookup held;
  struct Cancelled {};
  int turns = 0;
  const Clock::time_point start = Clock::now();
  EXPECT_THROW(LookUpHost(L"slow.invalid", 80, TDeadline::Never(),
                          [&turns] {
                            if (++turns == 3) throw Cancelled();
                          },
                          held.Lookup()),
               Cancelled);
  EXPECT_LT(MsSince(start), 5000);
}
