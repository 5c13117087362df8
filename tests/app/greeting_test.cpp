// The greeting that starts page headings, read from the base clock.
#include <gtest/gtest.h>

#include "app/frmmain.h"
#include "base/date_time.h"

namespace {

TEST(GreetingPrefix, FollowsTheHourOfTheClock) {
  struct Case {
    int hour, minute;
    const wchar_t* greeting;
  };
  const Case cases[] = {
      {0, 0, L"Good Evening and Welcome to"},    {4, 59, L"Good Evening and Welcome to"},
      {5, 0, L"Good Morning and Welcome to"},    {11, 59, L"Good Morning and Welcome to"},
      {12, 0, L"Good Afternoon and Welcome to"}, {18, 59, L"Good Afternoon and Welcome to"},
      {19, 0, L"Good Evening and Welcome to"},   {23, 59, L"Good Evening and Welcome to"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.hour << ":" << c.minute);
    const TDateTime at = EncodeDate(2010, 12, 31) + EncodeTime(c.hour, c.minute, 0, 0);
    SetClockForTesting([at] { return at; });
    EXPECT_EQ(Tfrmmain::GreetingPrefix(), c.greeting);
  }
  SetClockForTesting(nullptr);
}

TEST(GreetingPrefix, HeadingIsGreetingAndTitleWithOneBlank) {
  const TDateTime at = EncodeDate(2010, 12, 31) + EncodeTime(21, 30, 0, 0);
  SetClockForTesting([at] { return at; });
  EXPECT_EQ(Tfrmmain::GreetingPrefix() + L" Registry Cleaner", L"Good Evening and Welcome to Registry Cleaner");
  SetClockForTesting(nullptr);
}

}  // namespace
