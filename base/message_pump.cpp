#include "base/message_pump.h"

#include <utility>

namespace {
TMessagePump& InstalledPump() {
  static TMessagePump pump;
  return pump;
}
}  // namespace

TMessagePump SetMessagePump(TMessagePump Pump) {
  TMessagePump previous = std::move(InstalledPump());
  InstalledPump() = std::move(Pump);
  return previous;
}

void PumpMessages() {
  // A copy, so a pump that installs another pump while it runs does not destroy itself.
  TMessagePump pump = InstalledPump();
  if (pump) pump();
}
