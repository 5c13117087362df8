// A message pump installed for the life of the object (counting, stopping or re-entering from
// inside a pump); the pump that was installed before comes back afterwards.
#pragma once

#include <utility>

#include "base/message_pump.h"

class ScopedMessagePump {
 public:
  explicit ScopedMessagePump(TMessagePump pump) : previous_(SetMessagePump(std::move(pump))) {}
  ~ScopedMessagePump() { SetMessagePump(std::move(previous_)); }
  ScopedMessagePump(const ScopedMessagePump&) = delete;
  ScopedMessagePump& operator=(const ScopedMessagePump&) = delete;

 private:
  TMessagePump previous_;
};
