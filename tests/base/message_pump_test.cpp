// The engines' pump seam: nothing installed pumps nothing; an installed pump runs once per call;
// installing returns the previous pump so it can be put back.
#include <gtest/gtest.h>

#include <string>

#include "base/message_pump.h"

TEST(MessagePump, InstalledPumpRunsAndThePreviousOneComesBack) {
  PumpMessages();  // nothing installed: a no-op

  int outer = 0, inner = 0;
  EXPECT_FALSE(SetMessagePump([&] { ++outer; }));
  PumpMessages();
  PumpMessages();
  TMessagePump previous = SetMessagePump([&] { ++inner; });
  PumpMessages();
  SetMessagePump(std::move(previous));
  PumpMessages();
  EXPECT_EQ(outer, 3);
  EXPECT_EQ(inner, 1);

  SetMessagePump(nullptr);
  PumpMessages();
  EXPECT_EQ(outer, 3);
}

// A pump may replace itself while it runs (a handler installing another pump): the running one
// finishes safely and the next call runs the new one.
TEST(MessagePump, PumpThatReplacesItselfWhileRunning) {
  int first = 0, second = 0;
  // The captured text would be freed under the running pump if replacing destroyed it.
  SetMessagePump([&, text = std::string(64, 'x')] {
    SetMessagePump([&] { ++second; });
    first += text == std::string(64, 'x');
  });
  PumpMessages();
  PumpMessages();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
  SetMessagePump(nullptr);
}
