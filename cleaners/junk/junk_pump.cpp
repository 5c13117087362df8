#include "cleaners/junk/junk_pump.h"

#include <windows.h>

#include "base/message_pump.h"

namespace {

// Handling the waiting messages costs a round trip to the window server even when none wait, more
// than listing a folder entry; pumping every few milliseconds keeps the window just as responsive.
constexpr ULONGLONG kPumpIntervalMs = 10;

}  // namespace

void OfferJunkPump() {
  static ULONGLONG lastStart = 0;
  const ULONGLONG now = GetTickCount64();
  if (lastStart != 0 && now - lastStart < kPumpIntervalMs) return;
  lastStart = now;
  PumpMessages();
}
