// ActiveX.dat lines, the block rule and the process-wide list, on fixture class ids of the test's
// own below HKEY_LOCAL_MACHINE (removed afterwards).
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/exception.h"
#include "base/strings.h"
#include "cleaners/activex/activex_list.h"
#include "tests/base/test_message_pump.h"
#include "tests/base/test_program_folder.h"
#include "tests/cleaners/activex/new_clsid.h"

namespace {

struct LineCase {
  const char* name;
  std::wstring line;
  std::wstring clsid;
  std::wstring text;
};

class ActiveXLine : public testing::TestWithParam<LineCase> {};

TEST_P(ActiveXLine, SplitsAtTheFirstEquals) {
  const TActiveXLine parsed = ParseActiveXLine(GetParam().line);
  EXPECT_EQ(parsed.CLSID, GetParam().clsid);
  EXPECT_EQ(parsed.Name, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ActiveXLine,
    testing::Values(LineCase{"ClassIdAndName", L"{A}=Bad Control", L"{A}", L"Bad Control"},
                    LineCase{"FurtherEqualsAreDropped", L"X=Y=Z", L"X", L"YZ"},
                    LineCase{"EmptyLine", L"", L"", L""},
                    LineCase{"NameOnly", L"=Name", L"", L"Name"},
                    LineCase{"NoEquals", L"{B}", L"{B}", L""},
                    LineCase{"PaddingAndControlCharacters", L" \t{C}=Padded Name \r", L"{C}", L"Padded Name"},
                    LineCase{"BlanksInsideStay", L"{D} = Name", L"{D} ", L" Name"}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

const std::wstring kCompatibility = L"SOFTWARE\\Microsoft\\Internet Explorer\\ActiveX Compatibility";

// Fixture class ids below the compatibility key; every key the test made goes afterwards.
class ActiveXKeys : public testing::Test {
 protected:
  ~ActiveXKeys() override {
    for (const std::wstring& clsid : made_) RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kCompatibility + L"\\" + clsid).c_str());
    for (const std::wstring& clsid : made_) RegDeleteKeyW(HKEY_LOCAL_MACHINE, (kCompatibility + L"\\" + clsid).c_str());
  }
  std::wstring Clsid() {
    made_.push_back(NewClsid());
    return made_.back();
  }
  void SetFlags(const std::wstring& clsid, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kCompatibility + L"\\" + clsid).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"Compatibility Flags", 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
  void SetFlags(const std::wstring& clsid, DWORD flags) { SetFlags(clsid, REG_DWORD, &flags, sizeof(flags)); }
  static bool KeyExists(const std::wstring& path) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }
  static bool CompatibilityKeyHasFlags() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kCompatibility.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    const bool has = RegQueryValueExW(key, L"Compatibility Flags", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return has;
  }

  std::vector<std::wstring> made_;
};

TEST_F(ActiveXKeys, OnlyTheExactKillBitCountsAsLocked) {
  const std::wstring killBit = Clsid(), moreBits = Clsid(), text = Clsid(), wide = Clsid(), noValue = Clsid(),
                     noKey = Clsid();
  SetFlags(killBit, 0x400);
  SetFlags(moreBits, 0x401);
  const wchar_t digits[] = L"1024";
  SetFlags(text, REG_SZ, digits, sizeof(digits));
  const unsigned long long qword = 0x400;
  SetFlags(wide, REG_QWORD, &qword, sizeof(qword));
  SetFlags(noValue, REG_DWORD, nullptr, 0);
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, (kCompatibility + L"\\" + noValue).c_str(), L"Compatibility Flags");

  EXPECT_EQ(ActiveXStatus(killBit), L"Locked");
  for (const std::wstring& clsid : {moreBits, text, wide, noValue, noKey})
    EXPECT_EQ(ActiveXStatus(clsid), L"Unlock") << std::string(clsid.begin(), clsid.end());
}

TEST_F(ActiveXKeys, BlockAndUnblockRoundTrip) {
  const std::wstring clsid = Clsid();
  SetFlags(clsid, 0x401);
  ASSERT_TRUE(BlockActiveX(clsid));
  EXPECT_EQ(ActiveXStatus(clsid), L"Locked");
  ASSERT_TRUE(BlockActiveX(clsid));  // blocking again writes the same value
  EXPECT_EQ(ActiveXStatus(clsid), L"Locked");
  ASSERT_TRUE(UnblockActiveX(clsid));
  EXPECT_FALSE(KeyExists(kCompatibility + L"\\" + clsid));
  EXPECT_EQ(ActiveXStatus(clsid), L"Unlock");
  EXPECT_TRUE(UnblockActiveX(clsid));  // no key: nothing to do
}

TEST_F(ActiveXKeys, AClassIdThatNamesNoControlNeverWritesOrDeletes) {
  const std::wstring neighbour = Clsid();
  SetFlags(neighbour, 0x400);
  const bool flagsBefore = CompatibilityKeyHasFlags();
  for (const std::wstring& clsid : {std::wstring(), neighbour + L"\\..", std::wstring(L"\\")}) {
    EXPECT_FALSE(BlockActiveX(clsid));
    EXPECT_FALSE(UnblockActiveX(clsid));
  }
  EXPECT_EQ(CompatibilityKeyHasFlags(), flagsBefore);
  EXPECT_EQ(ActiveXStatus(neighbour), L"Locked");
}

class ActiveXList : public ActiveXKeys {
 protected:
  void SetUp() override { ClearActiveXItems(); }
  void TearDown() override { ClearActiveXItems(); }
  void WriteDat(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text += line + L"\r\n";
    folder_.WriteFile(L"ActiveX.dat", WideToAnsi(text));
  }
  TestProgramFolder folder_;
};

TEST_F(ActiveXList, LoadsEveryUsableLineWithItsStatus) {
  const std::wstring locked = Clsid(), open = Clsid(), wrongFlags = Clsid();
  SetFlags(locked, 0x400);
  SetFlags(wrongFlags, 0x401);
  WriteDat({locked + L"=Locked One", L"", open + L"=Open=One", L"=No Class Id", L"  " + wrongFlags + L"  "});
  std::vector<std::wstring> announced;
  TActiveXLoadEvents events;
  events.OnItem = [&](const TActiveXItem& item) { announced.push_back(item.CLSID); };
  LoadActiveXList(events);

  ASSERT_EQ(ActiveXItems.size(), 3u);
  EXPECT_EQ(ActiveXItems[0].Name, L"Locked One");
  EXPECT_EQ(ActiveXItems[0].Status, L"Locked");
  EXPECT_EQ(ActiveXItems[1].Name, L"OpenOne");
  EXPECT_EQ(ActiveXItems[1].Status, L"Unlock");
  EXPECT_EQ(ActiveXItems[2].CLSID, wrongFlags);
  EXPECT_EQ(ActiveXItems[2].Name, L"");
  EXPECT_EQ(ActiveXItems[2].Status, L"Unlock");
  EXPECT_EQ(UnlockedActiveXCount, 2);
  EXPECT_EQ(announced, (std::vector<std::wstring>{locked, open, wrongFlags}));
}

TEST_F(ActiveXList, AppendsToWhatIsThereAndCountsTheLastLoadOnly) {
  const std::wstring a = Clsid(), b = Clsid();
  SetFlags(b, 0x400);
  WriteDat({a + L"=A", b + L"=B"});
  LoadActiveXList({});
  LoadActiveXList({});
  EXPECT_EQ(ActiveXItems.size(), 4u);
  EXPECT_EQ(UnlockedActiveXCount, 1);
}

TEST_F(ActiveXList, AStopRequestEndsTheLoadAndKeepsWhatWasRead) {
  WriteDat({Clsid() + L"=A", Clsid() + L"=B", Clsid() + L"=C"});
  int pumps = 0;
  ScopedMessagePump pump([&] { ++pumps; });
  TActiveXLoadEvents events;
  events.StopRequested = [&] { return pumps == 3; };
  LoadActiveXList(events);
  EXPECT_EQ(ActiveXItems.size(), 2u);
}

TEST_F(ActiveXList, AMissingFileRaisesAFileOpenError) {
  EXPECT_THROW(LoadActiveXList({}), EFOpenError);
  EXPECT_THROW(ReadActiveXFile(), EFOpenError);
}

TEST_F(ActiveXList, ApplyActsOnTheUnlockedEntriesAndLeavesTheirStatus) {
  const std::wstring locked = Clsid(), open = Clsid(), other = Clsid();
  SetFlags(locked, 0x400);
  WriteDat({locked + L"=Locked", open + L"=Open", L"=Nameless", other + L"=Other"});
  LoadActiveXList({});
  const bool flagsBefore = CompatibilityKeyHasFlags();

  EXPECT_EQ(ApplyActiveXBlock(1), 0);
  EXPECT_EQ(ActiveXStatus(open), L"Locked");
  EXPECT_EQ(ActiveXStatus(other), L"Locked");
  for (const TActiveXItem& item : ActiveXItems) EXPECT_EQ(item.Status, item.CLSID == locked ? L"Locked" : L"Unlock");
  EXPECT_EQ(UnlockedActiveXCount, 2);

  // The entries still read "Unlock", so unblocking takes their keys away again; the locked one
  // was never acted on.
  EXPECT_EQ(ApplyActiveXBlock(0), 0);
  EXPECT_FALSE(KeyExists(kCompatibility + L"\\" + open));
  EXPECT_FALSE(KeyExists(kCompatibility + L"\\" + other));
  EXPECT_EQ(ActiveXStatus(locked), L"Locked");
  EXPECT_EQ(CompatibilityKeyHasFlags(), flagsBefore);
  EXPECT_TRUE(KeyExists(kCompatibility));
}

TEST_F(ActiveXList, AnEntryWhoseKeyCannotBeWrittenIsMarkedAndTheRestGoOn) {
  const std::wstring first = Clsid(), last = Clsid();
  // Longer than any key name the registry accepts.
  const std::wstring tooLong = L"{" + std::wstring(300, L'A') + L"}";
  WriteDat({first + L"=First", tooLong + L"=Too Long", last + L"=Last"});
  LoadActiveXList({});
  ASSERT_EQ(ActiveXItems.size(), 3u);
  EXPECT_EQ(ApplyActiveXBlock(1), 1);
  EXPECT_FALSE(ActiveXItems[0].Failed);
  EXPECT_TRUE(ActiveXItems[1].Failed);
  EXPECT_FALSE(ActiveXItems[2].Failed);
  EXPECT_EQ(ActiveXStatus(first), L"Locked");
  EXPECT_EQ(ActiveXStatus(last), L"Locked");
}

}  // namespace
