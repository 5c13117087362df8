#include "cleaners/junk/junk_pump.h"

#include <windows.h>

namespace {

// Handling the waiting messages costs a round trip to the window server even when none wait, more
// than listing a folder entry; pumping every few milliseconds keeps the window just as responsive.
constexpr ULONGLONG kPumpIntervalMs = 10;

struct TPumpState {
  TJunkPump pump;
  ULONGLONG lastStart = 0;
};

TPumpState& PumpState() {
  static TPumpState state;
  return state;
}

}  // namespace

void SetJunkPump(TJunkPump Pump) {
  PumpState().pump = std::move(Pump);
  PumpState().lastStart = 0;
}

void OfferJunkPump() {
  TPumpState& state = PumpState();
  if (!state.pump) return;
  const ULONGLONG now = GetTickCount64();
  if (state.lastStart != 0 && now - state.lastStart < kPumpIntervalMs) return;
  state.lastStart = now;
  state.pump();
}
