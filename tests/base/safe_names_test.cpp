// Device names the platform opens whatever folder or extension comes with them.
#include "base/safe_names.h"

#include <gtest/gtest.h>

TEST(SafeNames, DeviceNamesAreNoFileNames) {
  struct Case {
    const wchar_t* name;
    bool safe;
  };
  const Case cases[] = {
      {L"CON", false},          {L"nul.txt", false},      {L"Com1", false},         {L"LPT9.log", false},
      {L"COM\u00B9", false},    {L"lpt\u00B2.txt", false}, {L"Com\u00B3.sys", false}, {L"LPT\u00B9", false},
      {L"COM10.txt", true},     {L"COM\u2074", true},     {L"COMX", true},          {L"CONSOLE.exe", true},
      {L"\u00B9COM", true},
  };
  for (const Case& c : cases) EXPECT_EQ(IsSafeFileName(c.name), c.safe) << testing::PrintToString(c.name);
}
