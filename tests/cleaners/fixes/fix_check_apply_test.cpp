// Fix lines and fix texts held against fixture keys: what agrees, what applying writes, and
// what the records say afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/strings.h"
#include "cleaners/fixes/fix_lists.h"
#include "cleaners/fixes/fix_registry.h"
#include "fix_registry_fixture.h"
#include "tests/base/test_keys.h"

namespace {

const RawValue kMissing;

class FixLines : public ::testing::Test {
 protected:
  TestRegistryKey key_{L"fix_lines"};
  std::wstring Section() const { return L"HKEY_CURRENT_USER\\" + key_.Path(); }
  void Put(const std::wstring& name, const RawValue& value) { PutValue(HKEY_CURRENT_USER, key_.Path(), name, value); }
  RawValue Get(const std::wstring& name) const { return GetValue(HKEY_CURRENT_USER, key_.Path(), name); }
};

TEST_F(FixLines, CheckAgainstStoredValues) {
  struct Case {
    const wchar_t* line;
    RawValue stored;  // kMissing: no such value
    bool agrees;
  } cases[] = {
      {L"\"v\"=dword:00000000", kMissing, true},  // a missing number reads as 0
      {L"\"v\"=dword:00000005", kMissing, false},
      {L"\"v\"=dword:0000000a", Dword(10), true},
      {L"\"v\"=dword:0000000a", Wide(REG_SZ, std::wstring(L"10\0", 3)), false},
      {L"\"v\"=\"abc\"", Wide(REG_SZ, std::wstring(L"abc\0", 4)), true},
      {L"\"v\"=\"ABC\"", Wide(REG_SZ, std::wstring(L"abc\0", 4)), false},  // strings keep their case
      {L"\"v\"=\"abc\"", Wide(REG_EXPAND_SZ, std::wstring(L"abc\0", 4)), false},
      {L"\"v\"=\"\"", kMissing, true},
      {L"@=\"default\"", Wide(REG_SZ, std::wstring(L"default\0", 8)), true},
      {L"\"v\"=hex:01,02", RawValue{REG_BINARY, {1, 2}}, true},
      {L"\"v\"=hex:0a,0b", RawValue{REG_BINARY, {0x0A, 0x0B}}, true},  // digits in either case
      {L"\"v\"=hex:01,03", RawValue{REG_BINARY, {1, 2}}, false},
      {L"\"v\"=hex:01,02", RawValue{REG_BINARY, {1, 2, 0}}, false},
      {L"\"v\"=hex(2):41,00,00,00", Wide(REG_EXPAND_SZ, std::wstring(L"A\0\0", 3)), true},
      {L"\"v\"=hex(2):41,00,00,00", Wide(REG_EXPAND_SZ, std::wstring(L"A\0", 2)), false},
      {L"\"v\"=hex(2):41,00", Wide(REG_EXPAND_SZ, std::wstring(L"A\0", 2)), true},
      {L"\"v\"=hex(7):61,00,00,00,62,00", Wide(REG_MULTI_SZ, std::wstring(L"a\0b\0\0", 5)), true},
      {L"\"v\"=hex(7):61,00,00,00,62,00", Wide(REG_MULTI_SZ, std::wstring(L"a\0b\0", 4)), false},
      {L"\"v\"", Wide(REG_SZ, std::wstring(L"x\0", 2)), true},  // no '=': skipped
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.line));
    RegDeleteKeyValueW(HKEY_CURRENT_USER, key_.Path().c_str(), L"v");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, key_.Path().c_str(), nullptr);
    const std::wstring name = std::wstring(c.line).rfind(L"@", 0) == 0 ? L"" : L"v";
    if (!(c.stored == kMissing)) Put(name, c.stored);
    EXPECT_EQ(CheckRegLine(Section(), c.line), c.agrees);
  }
}

TEST_F(FixLines, ApplyWritesWhatCheckThenAgreesWith) {
  struct Case {
    const wchar_t* line;
    RawValue written;
  } cases[] = {
      {L"\"v\"=\"Text\"", Wide(REG_SZ, std::wstring(L"Text\0", 5))},
      {L"@=\"Default\"", Wide(REG_SZ, std::wstring(L"Default\0", 8))},
      {L"\"v\"=dword:0000000a", Dword(10)},
      {L"\"v\"=hex:0a,ff", RawValue{REG_BINARY, {0x0A, 0xFF}}},
      {L"\"v\"=hex(2):25,00,41,00,25,00", Wide(REG_EXPAND_SZ, std::wstring(L"%A%\0", 4))},
      {L"\"v\"=hex(7):61,00,00,00,62,00,00,00,00,00", Wide(REG_MULTI_SZ, std::wstring(L"a\0b\0\0\0\0", 7))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.line));
    // Something else stands there first, so each write has to change it.
    const std::wstring name = std::wstring(c.line).rfind(L"@", 0) == 0 ? L"" : L"v";
    Put(name, Wide(REG_SZ, std::wstring(L"old\0", 4)));
    EXPECT_FALSE(CheckRegLine(Section(), c.line));
    EXPECT_TRUE(ApplyRegLine(Section(), c.line));
    EXPECT_EQ(Get(name), c.written);
    EXPECT_TRUE(CheckRegLine(Section(), c.line));
  }
}

// A value name is taken whole: a backslash in it names no subkey.
TEST_F(FixLines, AValueNameWithABackslashIsOneName) {
  const wchar_t* line = L"\"sub\\name\"=\"x\"";
  EXPECT_FALSE(CheckRegLine(Section(), line));
  EXPECT_TRUE(ApplyRegLine(Section(), line));
  EXPECT_EQ(Get(L"sub\\name"), Wide(REG_SZ, std::wstring(L"x\0", 2)));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key_.Path() + L"\\sub"));
  EXPECT_TRUE(CheckRegLine(Section(), line));
}

TEST_F(FixLines, KeysOfUnknownRootsAreNeverWrittenAndReadAsMissing) {
  const std::wstring abbreviated = L"HKCU\\" + key_.Path();
  Put(L"v", Wide(REG_SZ, std::wstring(L"x\0", 2)));
  EXPECT_FALSE(CheckRegLine(abbreviated, L"\"v\"=\"x\""));
  EXPECT_TRUE(CheckRegLine(abbreviated, L"\"v\"=dword:00000000"));
  EXPECT_FALSE(ApplyRegLine(abbreviated, L"\"w\"=\"y\""));
  EXPECT_EQ(Get(L"w"), kMissing);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"HKCU"));
}

TEST_F(FixLines, DeletionOfAKey) {
  const std::wstring child = key_.Path() + L"\\Gone";
  const std::wstring section = L"-HKEY_CURRENT_USER\\" + child;
  EXPECT_TRUE(CheckRegLine(section));
  PutValue(HKEY_CURRENT_USER, child, L"v", Dword(1));
  EXPECT_FALSE(CheckRegLine(section));
  EXPECT_TRUE(ApplyRegLine(section));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, child));
  EXPECT_TRUE(ApplyRegLine(section));  // already gone: nothing left to do
  // A key that still has subkeys stays, and that is the outcome.
  PutValue(HKEY_CURRENT_USER, child + L"\\Sub", L"v", Dword(1));
  EXPECT_FALSE(ApplyRegLine(section));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, child));
}

class FixTexts : public FixLines {
 protected:
  TSysItem Item(const std::wstring& text) const {
    TSysItem item;
    item.Description = L"fixture";
    item.Text = text;
    return item;
  }
};

TEST_F(FixTexts, FirstDisagreementMarksTheFixAndApplyWritesEveryLine) {
  TSysItem item = Item(L"[HKEY_CURRENT_USER\\" + key_.Path() + L"]\r\n\"a\"=\"1\"\r\n\"b\"=dword:00000002");
  CheckSysFixText(item);
  EXPECT_TRUE(item.NeedsFix);
  EXPECT_TRUE(ApplySysFixText(item));
  EXPECT_EQ(Get(L"a"), Wide(REG_SZ, std::wstring(L"1\0", 2)));
  EXPECT_EQ(Get(L"b"), Dword(2));
  TSysItem again = Item(item.Text);
  CheckSysFixText(again);
  EXPECT_FALSE(again.NeedsFix);
}

TEST_F(FixTexts, LinesOutsideSectionsAndWithoutEqualsAreLeftAlone) {
  Put(L"", Wide(REG_SZ, std::wstring(L"keep\0", 5)));
  // A value line before any section, and a line without '=' that must not blank the default.
  TSysItem item = Item(L"\"early\"=\"x\"\n[HKEY_CURRENT_USER\\" + key_.Path() + L"]\nNoEquals\n\"late\"=\"y\"");
  CheckSysFixText(item);
  EXPECT_TRUE(item.NeedsFix);
  EXPECT_TRUE(ApplySysFixText(item));
  EXPECT_EQ(Get(L""), Wide(REG_SZ, std::wstring(L"keep\0", 5)));
  EXPECT_EQ(Get(L"late"), Wide(REG_SZ, std::wstring(L"y\0", 2)));
  EXPECT_EQ(Get(L"early"), kMissing);
}

TEST_F(FixTexts, ValueLinesAfterADeletionSectionRecreateTheKey) {
  const std::wstring child = key_.Path() + L"\\Fresh";
  PutValue(HKEY_CURRENT_USER, child, L"stale", Dword(7));
  TSysItem item = Item(L"[-HKEY_CURRENT_USER\\" + child + L"]\n\"new\"=dword:00000001\n");
  CheckSysFixText(item);
  EXPECT_TRUE(item.NeedsFix);
  EXPECT_TRUE(ApplySysFixText(item));
  EXPECT_EQ(GetValue(HKEY_CURRENT_USER, child, L"stale"), kMissing);
  EXPECT_EQ(GetValue(HKEY_CURRENT_USER, child, L"new"), Dword(1));
}

TEST_F(FixTexts, FixedAndNeedsFixFollowTheOutcome) {
  const std::wstring section = L"[HKEY_CURRENT_USER\\" + key_.Path() + L"]\n";
  PutValue(HKEY_CURRENT_USER, key_.Path() + L"\\Stuck\\Sub", L"v", Dword(1));
  ClearSysItems();
  SysItems.push_back(Item(section + L"\"ok\"=\"1\""));
  SysItems.push_back(Item(L"[HKCU\\Software\\QuillsteadTest]\n\"never\"=\"1\""));          // unknown root
  SysItems.push_back(Item(L"[-HKEY_CURRENT_USER\\" + key_.Path() + L"\\Stuck]\n"));        // has a subkey
  SysItems.push_back(Item(section + L"\"skipped\"=\"1\""));                                 // not marked
  SysItems.push_back(Item(L""));
  for (size_t i = 0; i < 3; ++i) CheckSysFixText(SysItems[i]);
  SysItems[4].NeedsFix = true;
  for (size_t i = 0; i < 3; ++i) ASSERT_TRUE(SysItems[i].NeedsFix) << i;

  EXPECT_EQ(ApplySysFixes(), 2);
  const struct {
    bool fixed, needsFix;
  } expected[] = {{true, false}, {false, true}, {false, true}, {false, false}, {false, true}};
  for (size_t i = 0; i < SysItems.size(); ++i) {
    EXPECT_EQ(SysItems[i].Fixed, expected[i].fixed) << i;
    EXPECT_EQ(SysItems[i].NeedsFix, expected[i].needsFix) << i;
  }
  EXPECT_EQ(Get(L"ok"), Wide(REG_SZ, std::wstring(L"1\0", 2)));
  EXPECT_EQ(Get(L"skipped"), kMissing);
  ClearSysItems();
}

class FileFixes : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearFileItems();
    FileFixCount = 0;
  }
  void TearDown() override { ClearFileItems(); }
  TestClassKey class_{L"FileFix"};
  std::wstring Command() const { return class_.Path() + L"\\shell\\open\\command"; }
  std::wstring Line(const std::wstring& value) const { return L"qst,Fixture File," + Command() + L"," + value; }
};

TEST_F(FileFixes, OnlyDifferingRowsAreKeptAndCounted) {
  PutValue(HKEY_CLASSES_ROOT, Command(), L"", Wide(REG_SZ, std::wstring(L"Notepad.exe %1\0", 15)));
  std::vector<size_t> countsSeen;
  std::vector<std::wstring> currentSeen;
  const TFileItemEvent onItem = [&](const TFileItem& item) {
    countsSeen.push_back(FileItems.size());
    currentSeen.push_back(item.CurrentValue);
  };
  AddFileFixItem(Line(L"NOTEPAD.EXE %1"), onItem);  // differs in case only
  AddFileFixItem(Line(L"write.exe %1"), onItem);
  AddFileFixItem(L"qst,Fixture File,," + std::wstring(L"x"), onItem);  // empty key: skipped
  AddFileFixItem(Line(L"other.exe %1"), onItem);
  EXPECT_EQ(FileFixCount, 2);
  ASSERT_EQ(FileItems.size(), 2u);
  EXPECT_EQ(countsSeen, (std::vector<size_t>{0, 0, 1}));  // OnItem runs before the row is kept
  EXPECT_EQ(currentSeen[0], L"Notepad.exe %1");
  const TFileItem& item = FileItems[0];
  EXPECT_EQ(item.ExtName, L"qst");
  EXPECT_EQ(item.Description, L"Fixture File");
  EXPECT_EQ(item.Path, Command() + L"\\");
  EXPECT_EQ(item.CurrentValue, L"Notepad.exe %1");
  EXPECT_EQ(item.RestoreValue, L"write.exe %1");
  EXPECT_TRUE(item.NeedsFix);
}

TEST_F(FileFixes, EmptyKeyNeverTouchesTheRootDefault) {
  const RawValue before = GetValue(HKEY_CLASSES_ROOT, L"", L"");
  AddFileFixItem(L"qst,Fixture File,,hijacked");
  EXPECT_EQ(FileFixCount, 0);
  EXPECT_TRUE(FileItems.empty());
  EXPECT_EQ(ApplyFileFixes(), 0);
  EXPECT_EQ(GetValue(HKEY_CLASSES_ROOT, L"", L""), before);
}

TEST_F(FileFixes, RestoreWritesExpandStringAndReadsTheValueAgain) {
  PutValue(HKEY_CLASSES_ROOT, Command(), L"", Wide(REG_SZ, std::wstring(L"evil.exe %1\0", 12)));
  AddFileFixItem(Line(L"%SystemRoot%\\notepad.exe %1"));
  AddFileFixItem(L"qsu,Missing Key," + class_.Path() + L"\\absent\\command,\"%1\" %*");  // created on restore
  ASSERT_EQ(FileItems.size(), 2u);
  EXPECT_EQ(FileItems[1].CurrentValue, L"");
  EXPECT_EQ(ApplyFileFixes(), 0);
  EXPECT_EQ(GetValue(HKEY_CLASSES_ROOT, Command(), L""),
            Wide(REG_EXPAND_SZ, std::wstring(L"%SystemRoot%\\notepad.exe %1\0", 28)));
  EXPECT_EQ(GetValue(HKEY_CLASSES_ROOT, class_.Path() + L"\\absent\\command", L""),
            Wide(REG_EXPAND_SZ, std::wstring(L"\"%1\" %*\0", 8)));
  for (const TFileItem& item : FileItems) {
    EXPECT_FALSE(item.NeedsFix);
    EXPECT_EQ(item.CurrentValue, item.RestoreValue);
  }
  // A second pass finds nothing more to do.
  ClearFileItems();
  FileFixCount = 0;
  AddFileFixItem(Line(L"%SystemRoot%\\notepad.exe %1"));
  EXPECT_EQ(FileFixCount, 0);
}

}  // namespace

namespace {

// A fix line writes in the key its section names, never behind a registry link: neither one along
// the path nor the key being one; missing keys are made where the path says.
TEST_F(FixLines, ApplyingNeverWritesThroughARegistryLink) {
  const std::wstring target = key_.Path() + L"\\Target";
  ASSERT_TRUE(WriteTestString(target, L"own", L"x"));
  ASSERT_TRUE(MakeTestRegistryLink(key_.Path() + L"\\Link", target));
  struct Case {
    const wchar_t* section;  // below the test key
    bool written;
  } cases[] = {
      {L"Link", false},
      {L"Link\\Existing", false},
      {L"Link\\New\\Deeper", false},
      {L"Plain\\New\\Deeper", true},
  };
  ASSERT_TRUE(WriteTestString(target + L"\\Existing", L"own", L"x"));
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.section));
    const std::wstring path = key_.Path() + L"\\" + c.section;
    EXPECT_EQ(ApplyRegLine(L"HKEY_CURRENT_USER\\" + path, L"\"v\"=\"fixed\""), c.written);
    EXPECT_EQ(TestValueExists(path, L"v"), c.written);
  }
  EXPECT_FALSE(TestValueExists(target, L"v"));
  EXPECT_FALSE(TestValueExists(target + L"\\Existing", L"v"));
  EXPECT_FALSE(TestKeyExists(target + L"\\New"));
}

}  // namespace
