// Repairs applied to fixture keys of the test's own: an ErrorClean.ini of cases, each problem
// repaired and the registry read back afterwards.
#include "base/child_process.h"
#include "base/system_programs.h"
#include "tools/error/repair_operation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/strings.h"
#include "tests/base/test_keys.h"
#include "tests/base/test_program_folder.h"

namespace {

class RepairTest : public ::testing::Test {
 protected:
  std::wstring Key(const std::wstring& sub) const { return key_.Path() + (sub.empty() ? L"" : L"\\" + sub); }

  void MakeKey(const std::wstring& sub) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Key(sub).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  void SetSz(const std::wstring& sub, const std::wstring& name, const std::wstring& text) {
    MakeKey(sub);
    RegSetKeyValueW(HKEY_CURRENT_USER, Key(sub).c_str(), name.c_str(), REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  bool KeyExists(const std::wstring& sub) const {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Key(sub).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }
  // The value's type and bytes; type REG_NONE with no bytes when it is absent.
  std::pair<DWORD, std::vector<BYTE>> Value(const std::wstring& sub, const std::wstring& name) const {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Key(sub).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {REG_NONE, {}};
    DWORD type = REG_NONE, size = 0;
    std::vector<BYTE> data;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
      data.resize(size);
      RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
      data.resize(size);
    } else {
      type = REG_NONE;
    }
    RegCloseKey(key);
    return {type, data};
  }

  // An operation section below the fixture key.
  std::string Op(const std::string& section, const std::string& sub, const std::string& body) const {
    std::string path(key_.Path().begin(), key_.Path().end());
    return "[" + section + "]\r\nRootKey=HKEY_CURRENT_USER\r\nSubKey=" + path + (sub.empty() ? "" : "\\" + sub) +
           "\r\n" + body;
  }

  // Repairs the named problem of the file and returns its failures.
  std::vector<std::wstring> Repair(const std::wstring& name) {
    TIniFile ini(ErrorCleanFileName());
    for (const TErrorItem& item : LoadErrorList(ini))
      if (item.Name == name) return RepairProblem(ini, item, [] { return true; });
    ADD_FAILURE() << "not listed";
    return {};
  }

  // Every command is recorded; one with "fail" in it ends with exit code 1.
  RepairTest() {
    SetChildProcessRunnerForTesting([this](const TChildRun& run, DWORD& exitCode) {
      ran.push_back(run.CommandLine);
      exitCode = run.CommandLine.find(L"fail") == std::wstring::npos ? 0 : 1;
      return true;
    });
  }
  ~RepairTest() override { SetChildProcessRunnerForTesting(nullptr); }

  std::vector<std::wstring> ran;
  TestRegistryKey key_{L"ErrorRepair"};
  TestProgramFolder program_;
};

}  // namespace

TEST_F(RepairTest, AFileOfCasesRepairsWhatItSaysAndReportsWhatFailed) {
  SetSz(L"Values", L"Gone", L"x");
  SetSz(L"Values", L"Kept", L"y");
  SetSz(L"Tree\\Child\\Grandchild", L"v", L"z");
  SetSz(L"Sibling", L"v", L"z");
  MakeKey(L"Target");
  std::string path(key_.Path().begin(), key_.Path().end());
  program_.WriteFile(
      L"ErrorClean.ini",
      "[Error List]\r\nDelete value=2\r\nDelete tree=1\r\nReset values=7\r\nCommands=2\r\nRefused=4\r\n"
      "Nothing=1\r\n"
      "[Delete value]\r\nDescription=d\r\n" +
          Op("Delete value@1", "Values", "ValueName=Gone\r\nOPType=0\r\n") +
          // already gone: nothing to do, no failure
          Op("Delete value@2", "Missing", "ValueName=Gone\r\nOPType=0\r\n") +
          "[Delete tree]\r\nDescription=d\r\n" + Op("Delete tree@1", "Tree", "OPType=1\r\n") + "[Reset values]\r\nDescription=d\r\n" +
          Op("Reset values@1", "Target", "ValueName=Sz\r\nValueType=REG_SZ\r\nOPType=2\r\nResetValue=txtfile\r\n") +
          Op("Reset values@2", "Target", "ValueName=Multi\r\nValueType=REG_MULTI_SZ\r\nOPType=2\r\nResetValue=one\r\n") +
          Op("Reset values@3", "Target", "ValueName=Bin\r\nValueType=REG_BINARY\r\nOPType=2\r\nResetValue=0A, 1b FF 7\r\n") +
          Op("Reset values@4", "Target", "ValueName=Dw\r\nValueType=REG_DWORD\r\nOPType=2\r\nResetValue=1\r\n") +
          Op("Reset values@5", "Target", "ValueName=Be\r\nValueType=REG_DWORD_BIG_ENDIAN\r\nOPType=2\r\nResetValue=1\r\n") +
          Op("Reset values@6", "Target", "ValueName=\r\nValueType=REG_EXPAND_SZ\r\nOPType=2\r\nResetValue=%TEMP%\r\n") +
          // a key that is not there is not made
          Op("Reset values@7", "NotThere", "ValueName=V\r\nValueType=REG_SZ\r\nOPType=2\r\nResetValue=x\r\n") +
          "[Commands]\r\nDescription=d\r\n[Commands@1]\r\nValueName=cmd /c good\r\nOPType=4\r\n"
          "[Commands@2]\r\nValueName=cmd /c fail\r\nOPType=4\r\n"
          "[Refused]\r\nDescription=d\r\n" +
          Op("Refused@1", "Target", "ValueName=Odd\r\nValueType=REG_WHATEVER\r\nOPType=2\r\nResetValue=1\r\n") +
          Op("Refused@2", "Target", "ValueName=Num\r\nValueType=REG_DWORD\r\nOPType=2\r\nResetValue=twelve\r\n") +
          Op("Refused@3", "Target", "ValueName=None\r\nValueType=REG_NONE\r\nOPType=2\r\nResetValue=1\r\n") +
          Op("Refused@4", "Target", "OPType=3\r\n") + "[Nothing]\r\nDescription=d\r\n" + Op("Nothing@1", "Values", "OPType=-1\r\n"));

  EXPECT_TRUE(Repair(L"Delete value").empty());
  EXPECT_EQ(Value(L"Values", L"Gone").first, static_cast<DWORD>(REG_NONE));
  EXPECT_EQ(Value(L"Values", L"Kept").first, static_cast<DWORD>(REG_SZ));

  EXPECT_TRUE(Repair(L"Delete tree").empty());
  EXPECT_FALSE(KeyExists(L"Tree"));  // with its subkeys
  EXPECT_TRUE(KeyExists(L"Sibling"));
  EXPECT_TRUE(Repair(L"Delete tree").empty());  // a second time: nothing left to do

  EXPECT_TRUE(Repair(L"Reset values").empty());
  const BYTE txt[] = {'t', 0, 'x', 0, 't', 0, 'f', 0, 'i', 0, 'l', 0, 'e', 0, 0, 0};
  EXPECT_EQ(Value(L"Target", L"Sz"), std::make_pair(DWORD(REG_SZ), std::vector<BYTE>(txt, txt + sizeof txt)));
  const BYTE multi[] = {'o', 0, 'n', 0, 'e', 0, 0, 0, 0, 0};
  EXPECT_EQ(Value(L"Target", L"Multi"),
            std::make_pair(DWORD(REG_MULTI_SZ), std::vector<BYTE>(multi, multi + sizeof multi)));
  EXPECT_EQ(Value(L"Target", L"Bin"), std::make_pair(DWORD(REG_BINARY), std::vector<BYTE>{0x0A, 0x1B, 0xFF}));
  EXPECT_EQ(Value(L"Target", L"Dw"), std::make_pair(DWORD(REG_DWORD), std::vector<BYTE>{1, 0, 0, 0}));
  EXPECT_EQ(Value(L"Target", L"Be"), std::make_pair(DWORD(REG_DWORD_BIG_ENDIAN), std::vector<BYTE>{0, 0, 0, 1}));
  EXPECT_EQ(Value(L"Target", L"").first, static_cast<DWORD>(REG_EXPAND_SZ));  // the default value, unexpanded
  EXPECT_FALSE(KeyExists(L"NotThere"));

  std::vector<std::wstring> failures = Repair(L"Commands");
  const std::wstring cmd = L"\"" + SystemFolder() + L"\\cmd.exe\"";
  EXPECT_EQ(ran, (std::vector<std::wstring>{cmd + L" /c good", cmd + L" /c fail"}));
  EXPECT_EQ(failures, std::vector<std::wstring>{L"the command \"cmd /c fail\" did not run or failed"});

  failures = Repair(L"Refused");
  EXPECT_EQ(failures, (std::vector<std::wstring>{L"unknown value type \"REG_WHATEVER\"",
                                                  L"\"twelve\" is not a number for REG_DWORD",
                                                  L"values of type REG_NONE cannot be written",
                                                  L"unknown operation 3"}));
  for (const wchar_t* name : {L"Odd", L"Num", L"None"}) EXPECT_EQ(Value(L"Target", name).first, DWORD(REG_NONE));

  EXPECT_TRUE(Repair(L"Nothing").empty());
  EXPECT_EQ(Value(L"Values", L"Kept").first, static_cast<DWORD>(REG_SZ));
}

// No operation works on a root as a whole: a value deletion or write would reach the root's own
// values, a key deletion the whole root.
TEST_F(RepairTest, AnOperationWithoutAKeyPathNeverTouchesARoot) {
  SetSz(L"Still", L"v", L"here");
  for (int type : {opDeleteKey, opDeleteValue, opResetValue}) {
    for (const wchar_t* path : {L"", L"\\", L"\\\\", L" "}) {
      TErrorRegItem op;
      op.RootKey = HKEY_CURRENT_USER;
      op.SubKey = path;
      op.ValueName = L"QuillsteadRepairTest";
      op.ValueType = REG_SZ;
      op.Data = {'x', 0, 0, 0};
      op.OPType = type;
      EXPECT_EQ(ApplyOperation(op), L"no key path: HKEY_CURRENT_USER as a whole is never changed") << type;
    }
  }
  EXPECT_TRUE(KeyExists(L"Still"));
  EXPECT_NE(RegGetValueW(HKEY_CURRENT_USER, nullptr, L"QuillsteadRepairTest", RRF_RT_ANY, nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
}

// A root is named in full or short, in any letter case; a name that is not understood is a failed
// operation that changes nothing (it once fell back to HKEY_LOCAL_MACHINE).
TEST_F(RepairTest, RootNamesInAnySpellingAndAnUnknownRootFails) {
  const char* spellings[] = {"HKEY_CURRENT_USER", "hkey_current_user", "HKCU", "hkcu", "Hkcu"};
  std::string file = "[Error List]\r\nRoots=6\r\n[Roots]\r\nDescription=d\r\n";
  std::string path(key_.Path().begin(), key_.Path().end());
  for (int i = 0; i < 5; ++i) {
    SetSz(L"Roots", L"v" + std::to_wstring(i), L"x");
    file += "[Roots@" + std::to_string(i + 1) + "]\r\nRootKey=" + spellings[i] + "\r\nSubKey=" + path +
            "\\Roots\r\nValueName=v" + std::to_string(i) + "\r\nOPType=0\r\n";
  }
  file += "[Roots@6]\r\nRootKey=HKEY_CURENT_USER\r\nSubKey=" + path + "\\Roots\r\nOPType=1\r\n";
  program_.WriteFile(L"ErrorClean.ini", file);
  EXPECT_EQ(Repair(L"Roots"), std::vector<std::wstring>{L"unknown root key \"HKEY_CURENT_USER\""});
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Value(L"Roots", L"v" + std::to_wstring(i)).first, DWORD(REG_NONE)) << i;
  EXPECT_TRUE(KeyExists(L"Roots"));
}

// Deleting a key that is a registry link deletes the link, never the tree it points to.
TEST_F(RepairTest, AKeyDeletionNeverFollowsARegistryLink) {
  SetSz(L"Target\\Inner", L"v", L"keep");
  SetSz(L"Holder\\Plain", L"v", L"x");
  ASSERT_TRUE(MakeTestRegistryLink(Key(L"Holder\\Link"), Key(L"Target")));
  ASSERT_TRUE(MakeTestRegistryLink(Key(L"Link"), Key(L"Target")));
  for (const wchar_t* sub : {L"Holder", L"Link"}) {
    TErrorRegItem op;
    op.RootKey = HKEY_CURRENT_USER;
    op.SubKey = Key(sub);
    op.OPType = opDeleteKey;
    EXPECT_EQ(ApplyOperation(op), L"") << WideToUtf8(sub);
    EXPECT_FALSE(TestLinkKeyExists(Key(sub)));
  }
  EXPECT_EQ(Value(L"Target\\Inner", L"v").first, DWORD(REG_SZ));
}

// A value is reset only in the key named: through a link as that key or along its path the shipped
// data would be written into the link's target instead.
TEST_F(RepairTest, AValueIsNeverResetThroughARegistryLink) {
  SetSz(L"Target", L"v", L"keep");
  SetSz(L"Target\\Inner", L"v", L"keep");
  SetSz(L"Plain", L"v", L"old");
  ASSERT_TRUE(MakeTestRegistryLink(Key(L"Link"), Key(L"Target")));
  const std::wstring text = L"new";
  const std::vector<BYTE> data(reinterpret_cast<const BYTE*>(text.c_str()),
                              reinterpret_cast<const BYTE*>(text.c_str() + text.size() + 1));
  struct Case {
    const wchar_t* sub;
    bool refused;
  } cases[] = {{L"Link", true}, {L"Link\\Inner", true}, {L"Plain", false}};
  for (const Case& c : cases) {
    TErrorRegItem op;
    op.RootKey = HKEY_CURRENT_USER;
    op.SubKey = Key(c.sub);
    op.OPType = opResetValue;
    op.ValueName = L"v";
    op.ValueType = REG_SZ;
    op.Data = data;
    EXPECT_EQ(ApplyOperation(op).empty(), !c.refused) << WideToUtf8(c.sub);
  }
  EXPECT_NE(Value(L"Target", L"v").second, data);
  EXPECT_NE(Value(L"Target\\Inner", L"v").second, data);
  EXPECT_EQ(Value(L"Plain", L"v").second, data);
}

TEST_F(RepairTest, AKeyPathWithBackslashesAroundItNamesTheSameKey) {
  MakeKey(L"Around\\Inner");
  TErrorRegItem op;
  op.RootKey = HKEY_CURRENT_USER;
  op.SubKey = L"\\" + Key(L"Around") + L"\\";
  op.OPType = opDeleteKey;
  EXPECT_EQ(ApplyOperation(op), L"");
  EXPECT_FALSE(KeyExists(L"Around"));
  EXPECT_TRUE(KeyExists(L""));
}

TEST_F(RepairTest, StepCanEndARepairBetweenOperations) {
  SetSz(L"V", L"a", L"1");
  SetSz(L"V", L"b", L"1");
  std::string path(key_.Path().begin(), key_.Path().end());
  program_.WriteFile(L"ErrorClean.ini", "[Error List]\r\nTwo=2\r\n[Two]\r\nDescription=d\r\n" +
                                            Op("Two@1", "V", "ValueName=a\r\nOPType=0\r\n") +
                                            Op("Two@2", "V", "ValueName=b\r\nOPType=0\r\n"));
  TIniFile ini(ErrorCleanFileName());
  int steps = 0;
  RepairProblem(ini, LoadErrorList(ini).at(0), [&steps] { return ++steps < 2; });
  EXPECT_EQ(steps, 2);
  EXPECT_EQ(Value(L"V", L"a").first, DWORD(REG_NONE));
  EXPECT_EQ(Value(L"V", L"b").first, DWORD(REG_SZ));
}

TEST(RepairCommand, RunsAndWaitsAndTakesOnlyExitCodeZeroAsSuccess) {
  EXPECT_TRUE(RunRepairCommand(L"cmd.exe /c exit 0"));
  EXPECT_FALSE(RunRepairCommand(L"cmd.exe /c exit 3"));
  EXPECT_FALSE(RunRepairCommand(L"quillstead-no-such-program.exe"));
}

// A command naming a program that is no file of the Windows or system folder is refused and
// never handed to the runner: nothing in the current folder can stand in for it.
TEST(RepairCommand, ACommandOutsideTheSystemFoldersIsRefused) {
  std::vector<std::wstring> ran;
  SetChildProcessRunnerForTesting([&ran](const TChildRun& run, DWORD& exitCode) {
    ran.push_back(run.CommandLine);
    exitCode = 0;
    return true;
  });
  TErrorRegItem op;
  op.OPType = opRunCommand;
  for (const wchar_t* command : {L".\\ipconfig /flushdns", L"tools\\fix.exe", L"qs_no_such_tool /x"}) {
    op.ValueName = command;
    EXPECT_EQ(ApplyOperation(op),
              L"the command \"" + op.ValueName + L"\" names no program of the Windows or system folder");
  }
  EXPECT_TRUE(ran.empty());
  op.ValueName = L"ipconfig /flushdns";
  EXPECT_EQ(ApplyOperation(op), L"");
  EXPECT_EQ(ran, std::vector<std::wstring>{L"\"" + SystemFolder() + L"\\ipconfig.exe\" /flushdns"});
  SetChildProcessRunnerForTesting(nullptr);
}

// The repair page waits for a command inside its busy run: the wait handles the window's
// messages, so the page keeps painting, and it has a bound.
TEST(RepairCommand, TheWaitForACommandPumpsAndHasABound) {
  std::vector<TChildRun> runs;
  SetChildProcessRunnerForTesting([&runs](const TChildRun& run, DWORD& exitCode) {
    runs.push_back(run);
    exitCode = 0;
    return true;
  });
  EXPECT_TRUE(RunRepairCommand(L"cmd.exe /c exit 0"));
  SetChildProcessRunnerForTesting(nullptr);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_TRUE(runs[0].Pumping);
  EXPECT_EQ(runs[0].TimeoutMs, kRepairCommandTimeoutMs);
}
