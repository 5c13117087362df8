// The names of a key's subkeys, as the machine's view of the classes asks after the user's.
#include "registry/scan/scan_class_views.h"

#include <gtest/gtest.h>

#include "base/strings.h"
#include "scan_fixture.h"

namespace {

TEST(KeyNameSet, HoldsTheSubkeysInAnyLetterCase) {
  TScanFixture fx;
  const std::wstring key = L"\\Software\\QuillsteadTest\\" + fx.Tag();
  fx.CreateKey(HKEY_CURRENT_USER, key + L"\\Alpha\\Deeper");
  fx.CreateKey(HKEY_CURRENT_USER, key + L"\\.ext");
  fx.CreateKey(HKEY_CURRENT_USER, key + L"\\\u00C4rger");
  const TKeyNameSet names(HKEY_CURRENT_USER, key);
  EXPECT_FALSE(names.Empty());
  struct Case {
    std::wstring name;
    bool held;
  } cases[] = {
      {L"Alpha", true},   {L"ALPHA", true},  {L"alpha", true},         {L".EXT", true},
      {L"\u00E4rger", true}, {L"Beta", false}, {L"Alpha ", false},   {L"Deeper", false},
      {L"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(names.MayHold(c.name), c.held) << WideToUtf8(c.name);
  struct PathCase {
    std::wstring path;
    bool held;
  } paths[] = {
      {L"alpha\\Deeper", true}, {L"alpha\\anything", true}, {L"Alpha", true}, {L"beta\\Alpha", false},
      {L"Deeper", false},       {L"", true},                {L"\\Alpha", true},
  };
  for (const PathCase& c : paths) EXPECT_EQ(names.MayHoldPath(c.path), c.held) << WideToUtf8(c.path);
}

TEST(KeyNameSet, AMissingKeyHoldsNothing) {
  TScanFixture fx;
  const TKeyNameSet names(HKEY_CURRENT_USER, L"\\Software\\QuillsteadTest\\" + fx.Tag() + L"\\Missing");
  EXPECT_TRUE(names.Empty());
  EXPECT_FALSE(names.MayHold(L"Alpha"));
  EXPECT_FALSE(names.MayHoldPath(L"Alpha\\Beta"));
  EXPECT_FALSE(names.MayHoldPath(L""));
}

}  // namespace
