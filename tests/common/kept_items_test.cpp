// What a run keeps against what another area would delete: a kept key holds its ancestors, a
// kept tree everything in it, a kept value its key, a kept folder its files.
#include "common/kept_items.h"

#include <gtest/gtest.h>

#include "base/strings.h"

namespace {

const HKEY CU = HKEY_CURRENT_USER;
const HKEY LM = HKEY_LOCAL_MACHINE;

TKeptItems Kept() {
  TKeptItems kept;
  kept.KeepKey(CU, L"\\Software\\Vendor\\Kept\\");
  kept.KeepKeyTree(CU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU");
  kept.KeepValue(CU, L"\\Software\\Vendor\\Values", L"Last");
  kept.KeepFile(L"C:\\Windows\\Prefetch\\A.TMP");
  kept.KeepFolder(L"C:\\Windows\\Temp\\");
  return kept;
}

TEST(KeptItems, KeysAndTheKeysAboveThem) {
  struct Case {
    HKEY root;
    const wchar_t* key;
    bool may;
  } cases[] = {
      {CU, L"\\Software\\Vendor\\Kept", false},
      {CU, L"\\SOFTWARE\\vendor\\kept\\", false},  // case and backslashes aside
      {CU, L"\\Software\\Vendor", false},          // above a kept key
      {CU, L"\\Software", false},
      {CU, L"", false},                            // the root
      {CU, L"\\Software\\Vendor\\Kept\\Below", true},
      {CU, L"\\Software\\Vendor\\KeptOther", true},
      {LM, L"\\Software\\Vendor\\Kept", true},  // another root
      {CU, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU", false},
      {CU, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU\\Sub", false},  // in a tree
      {CU, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRUX", true},
      {CU, L"\\Software\\Vendor\\Values", false},  // holds a kept value
  };
  const TKeptItems kept = Kept();
  for (const Case& c : cases) EXPECT_EQ(kept.MayDeleteKey(c.root, c.key), c.may) << WideToUtf8(c.key);
}

TEST(KeptItems, Values) {
  struct Case {
    const wchar_t* key;
    const wchar_t* name;
    bool may;
  } cases[] = {
      {L"\\Software\\Vendor\\Values", L"Last", false},
      {L"Software\\Vendor\\Values\\", L"LAST", false},
      {L"\\Software\\Vendor\\Values", L"First", true},
      {L"\\Software\\Vendor\\Values", L"", true},
      {L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU", L"a", false},
      {L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU\\Sub", L"", false},
      {L"\\Software\\Vendor\\Kept", L"any", true},  // a kept key's own values may go
  };
  const TKeptItems kept = Kept();
  for (const Case& c : cases) EXPECT_EQ(kept.MayDeleteValue(CU, c.key, c.name), c.may) << WideToUtf8(c.key);
}

TEST(KeptItems, Files) {
  struct Case {
    const wchar_t* path;
    bool may;
  } cases[] = {
      {L"C:\\Windows\\Prefetch\\A.TMP", false},
      {L"c:\\windows\\prefetch\\a.tmp", false},
      {L"C:\\Windows\\Prefetch\\B.TMP", true},
      {L"C:\\Windows\\Temp\\x.tmp", false},
      {L"C:\\Windows\\Temp\\deep\\x.tmp", false},
      {L"C:\\Windows\\TempOther\\x.tmp", true},
  };
  const TKeptItems kept = Kept();
  for (const Case& c : cases) EXPECT_EQ(kept.MayDeleteFile(c.path), c.may) << WideToUtf8(c.path);
  EXPECT_TRUE(TKeptItems().MayDeleteFile(L"C:\\x"));
  EXPECT_TRUE(TKeptItems().Empty());
  EXPECT_FALSE(kept.Empty());
}

}  // namespace
