#include "cleaners/junk/junk_pump.h"

#include <chrono>

#include "base/message_pump.h"

namespace {

// Handling the waiting messages costs a round trip to the window server even when none wait, more
// than listing a folder entry; pumping every few milliseconds keeps the window just as responsive.
constexpr std::chrono::milliseconds kPumpInterval{10};

}  // namespace

// Measured with the performance counter: the system tick count can lag behind by more than the
// interval on a busy machine, and then a long pump would seem to have taken no time.
void OfferJunkPump() {
  using Clock = std::chrono::steady_clock;
  static Clock::time_point lastStart{};
  const Clock::time_point now = Clock::now();
  if (lastStart != Clock::time_point{} && now - lastStart < kPumpInterval) return;
  lastStart = now;
  PumpMessages();
}
