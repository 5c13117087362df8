// Reading the problems and their operations from ErrorClean.ini: fixture files in a throwaway
// program folder, and the file the program ships.
#include "tools/error/error_list.h"

#include <gtest/gtest.h>

#include "registry/reg_names.h"
#include "tests/base/test_files.h"
#include "tests/base/test_program_folder.h"

namespace {

std::vector<std::wstring> Names(const std::vector<TErrorItem>& items) {
  std::vector<std::wstring> names;
  for (const TErrorItem& item : items) names.push_back(item.Name);
  return names;
}

class ErrorListTest : public ::testing::Test {
 protected:
  TIniFile Write(const std::string& text) {
    program_.WriteFile(L"ErrorClean.ini", text);
    return TIniFile(ErrorCleanFileName());
  }
  TestProgramFolder program_;
};

}  // namespace

TEST_F(ErrorListTest, ProblemsWithIncompleteSectionsAreLeftOut) {
  TIniFile ini = Write(
      "[Error List]\r\n"
      "Complete=2\r\nNo own section=1\r\nMissing second=3\r\nOne without its section=1\r\n"
      "Zero=0\r\nNo number=\r\nNot a number=abc\r\nHex count=0x2\r\nEmpty section counts as missing=0\r\n"
      "[Complete]\r\nDescription=Two operations\r\n[Complete@1]\r\nOPType=0\r\n[Complete@2]\r\nOPType=1\r\n"
      "[Missing second]\r\nDescription=d\r\n[Missing second@1]\r\nOPType=0\r\n[Missing second@3]\r\nOPType=0\r\n"
      "[One without its section]\r\nDescription=Nothing to do\r\n"
      "[Zero]\r\nOther=x\r\n[No number]\r\nDescription=d\r\n[Not a number]\r\nDescription=d\r\n"
      "[Hex count]\r\nDescription=d\r\n[Hex count@1]\r\nOPType=0\r\n[Hex count@2]\r\nOPType=0\r\n"
      "[Empty section counts as missing]\r\n");
  std::vector<TErrorItem> items = LoadErrorList(ini);
  EXPECT_EQ(Names(items), (std::vector<std::wstring>{L"Complete", L"One without its section", L"Zero", L"No number",
                                                     L"Not a number", L"Hex count"}));
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[0].OpCount, 2);
  EXPECT_EQ(items[0].Description, L"Two operations");
  EXPECT_EQ(items[1].OpCount, 1);
  EXPECT_EQ(items[2].Description, L"Zero");  // the name stands in for a missing description
  EXPECT_EQ(items[2].OpCount, 0);
  EXPECT_EQ(items[3].OpCount, 0);
  EXPECT_EQ(items[4].OpCount, 0);
  EXPECT_EQ(items[5].OpCount, 2);
  EXPECT_TRUE(LoadOperations(ini, items[1]).empty());  // listed, but its repair does nothing
}

TEST_F(ErrorListTest, AMissingFileListsNothing) {
  EXPECT_TRUE(LoadErrorList(TIniFile(ErrorCleanFileName())).empty());
}

TEST_F(ErrorListTest, OperationsAreReadWithTheirRootTypeAndData) {
  TIniFile ini = Write(
      "[Error List]\r\nP=4\r\n[P]\r\nDescription=d\r\n"
      "[P@1]\r\nRootKey=HKEY_CURRENT_USER\r\nSubKey=Software\\A\r\nValueName=V\r\nValueType=REG_DWORD\r\n"
      "OPType=2\r\nResetValue=7\r\n"
      "[P@2]\r\nRootKey=HKEY_NOWHERE\r\nSubKey=B\r\nOPType=1\r\n"
      "[P@4]\r\nValueName=cmd /c exit 0\r\nOPType=4\r\n");
  TErrorItem item{L"P", L"P", 4};
  std::vector<TErrorRegItem> ops = LoadOperations(ini, item);
  ASSERT_EQ(ops.size(), 3u);  // the missing third is passed over
  EXPECT_EQ(ops[0].RootKey, HKEY_CURRENT_USER);
  EXPECT_EQ(ops[0].SubKey, L"Software\\A");
  EXPECT_EQ(ops[0].ValueName, L"V");
  EXPECT_EQ(ops[0].ValueType, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(ops[0].OPType, opResetValue);
  EXPECT_EQ(ops[0].Data, (std::vector<BYTE>{7, 0, 0, 0}));
  EXPECT_TRUE(ops[0].Refusal.empty());
  EXPECT_EQ(ops[1].RootKey, nullptr);  // an unknown root name is refused, never taken as another root
  EXPECT_EQ(ops[1].Refusal, L"unknown root key \"HKEY_NOWHERE\"");
  EXPECT_EQ(ops[1].OPType, opDeleteKey);
  EXPECT_EQ(ops[2].OPType, opRunCommand);
  EXPECT_EQ(ops[2].ValueName, L"cmd /c exit 0");
  EXPECT_TRUE(ops[2].Refusal.empty());
  // an unknown type is refused before anything is written
  ini = Write("[Error List]\r\nP=1\r\n[P]\r\nDescription=d\r\n[P@1]\r\nRootKey=HKEY_CLASSES_ROOT\r\nValueType=REG_SOMETHING\r\n"
              "OPType=2\r\nResetValue=1\r\n");
  ops = LoadOperations(ini, TErrorItem{L"P", L"P", 1});
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].Refusal, L"unknown value type \"REG_SOMETHING\"");
  // a section without OPType does nothing
  ini = Write("[Error List]\r\nP=1\r\n[P]\r\nDescription=d\r\n[P@1]\r\nSubKey=X\r\n");
  ops = LoadOperations(ini, TErrorItem{L"P", L"P", 1});
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].OPType, opDoNothing);
}

TEST_F(ErrorListTest, TheShippedFileListsCompleteHarmlessRepairs) {
  std::string shipped = ReadRcData(L"SHIPPED_ERRORCLEAN_INI");
  ASSERT_FALSE(shipped.empty());
  TIniFile ini = Write(shipped);
  std::vector<TErrorItem> items = LoadErrorList(ini);
  TStringList listed;
  ini.ReadSection(L"Error List", listed);
  EXPECT_EQ(static_cast<int>(items.size()), listed.Count());  // none left out
  ASSERT_GE(items.size(), 3u);
  // the select-all box leaves the first two alone
  EXPECT_EQ(items[0].Name.rfind(L"IE5.x", 0), 0u) << std::string(items[0].Name.begin(), items[0].Name.end());
  EXPECT_EQ(items[1].Name.rfind(L"IE6.x", 0), 0u);
  for (const TErrorItem& item : items) {
    std::vector<TErrorRegItem> ops = LoadOperations(ini, item);
    EXPECT_EQ(static_cast<int>(ops.size()), item.OpCount) << std::string(item.Name.begin(), item.Name.end());
    EXPECT_NE(item.Description, item.Name);
    for (const TErrorRegItem& op : ops) {
      EXPECT_TRUE(op.Refusal.empty());
      EXPECT_FALSE(OperationLabel(op.OPType).empty());
      if (op.OPType == opRunCommand) {
        EXPECT_FALSE(op.ValueName.empty());
      } else {
        EXPECT_FALSE(op.SubKey.empty());  // no repair works on a whole root
      }
      if (op.OPType == opDeleteKey) {
        EXPECT_EQ(op.RootKey, HKEY_CURRENT_USER);
      }
    }
  }
}
