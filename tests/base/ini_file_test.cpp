#include "base/ini_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "base/exception.h"
#include "base/strings.h"
#include "tests/base/test_folder.h"
#include "tests/base/test_files.h"

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.Path().empty());
    SetProgramDateFormats();
  }
  std::wstring File(const wchar_t* name) const { return dir_.Path() + name; }
  TestFolder dir_;
};

}  // namespace

TEST_F(IniFileTest, KeysAndSectionsComeInFileOrder) {
  const std::wstring file = File(L"order.ini");
  WriteBytes(file, "[Zeta]\r\nzz=1\r\n[RegExcludeList]\r\nHKEY_CURRENT_USER\\Software\\B=HKEY_CURRENT_USER\r\n"
                   "c=3\r\nA=1\r\n[Alpha]\r\nx=\r\n");
  TIniFile ini(file);
  TStringList keys;
  ini.ReadSection(L"RegExcludeList", keys);
  EXPECT_EQ(keys.Strings(),
            std::vector<std::wstring>({L"HKEY_CURRENT_USER\\Software\\B", L"c", L"A"}));
  TStringList sections;
  ini.ReadSections(sections);
  EXPECT_EQ(sections.Strings(), std::vector<std::wstring>({L"Zeta", L"RegExcludeList", L"Alpha"}));
  TStringList lines;
  ini.ReadSectionValues(L"regexcludelist", lines);
  EXPECT_EQ(lines.Strings(), std::vector<std::wstring>({L"HKEY_CURRENT_USER\\Software\\B=HKEY_CURRENT_USER",
                                                        L"c=3", L"A=1"}));
  EXPECT_TRUE(ini.SectionExists(L"Alpha"));
  EXPECT_FALSE(ini.SectionExists(L"Beta"));
  EXPECT_TRUE(ini.ValueExists(L"RegExcludeList", L"a"));
  EXPECT_FALSE(ini.ValueExists(L"RegExcludeList", L"zz"));
  EXPECT_EQ(ini.ReadString(L"RegExcludeList", L"absent", L"HKEY_LOCAL_MACHINE"), L"HKEY_LOCAL_MACHINE");
  EXPECT_EQ(ini.ReadString(L"Alpha", L"x", L"dflt"), L"");
}

TEST_F(IniFileTest, MissingFileGivesDefaults) {
  TIniFile ini(File(L"missing.ini"));
  EXPECT_EQ(ini.ReadString(L"S", L"k", L"dflt"), L"dflt");
  EXPECT_EQ(ini.ReadInteger(L"S", L"k", -1), -1);
  EXPECT_EQ(ini.ReadDateTime(L"S", L"k", 0), 0);
  EXPECT_TRUE(ini.ReadBool(L"S", L"k", true));
  TStringList keys;
  keys.Add(L"stale");
  ini.ReadSection(L"S", keys);
  EXPECT_EQ(keys.Count(), 0);
  ini.ReadSections(keys);
  EXPECT_EQ(keys.Count(), 0);
  EXPECT_FALSE(FileExists(File(L"missing.ini")));
}

TEST_F(IniFileTest, IntegersReadWithDefaults) {
  const std::wstring file = File(L"int.ini");
  WriteBytes(file, "[S]\r\ndec=42\r\nneg=-7\r\nhex=0x1F\r\ndollar=$10\r\nbad=12abc\r\nempty=\r\nspaced=  5  \r\n"
                   "big=99999999999\r\n");
  TIniFile ini(file);
  struct Case {
    const wchar_t* key;
    int expected;
  } cases[] = {{L"dec", 42}, {L"neg", -7},   {L"hex", 31},   {L"dollar", 16}, {L"bad", -1},
               {L"empty", -1}, {L"spaced", 5}, {L"big", -1}, {L"absent", -1}};
  for (const Case& c : cases) EXPECT_EQ(ini.ReadInteger(L"S", c.key, -1), c.expected) << WideToUtf8(c.key);
  EXPECT_TRUE(ini.ReadBool(L"S", L"dec", false));
  EXPECT_FALSE(ini.ReadBool(L"S", L"bad", false));
}

TEST_F(IniFileTest, WritesProduceThePlainFileText) {
  const std::wstring file = File(L"write.ini");
  TIniFile ini(file);
  ini.WriteString(L"Sec", L"Name", L"value");
  ini.WriteInteger(L"Sec", L"Count", -3);
  ini.WriteBool(L"Other", L"Flag", true);
  ini.WriteDateTime(L"Sec", L"When", EncodeDate(2010, 12, 31) + EncodeTime(14, 5, 9, 0));
  ini.WriteString(L"Sec", L"Name", L"changed");
  ini.UpdateFile();
  EXPECT_EQ(ReadBytes(file), "[Sec]\r\nName=changed\r\nCount=-3\r\nWhen=2010-12-31 14:05:09\r\n"
                             "[Other]\r\nFlag=1\r\n");
  ini.DeleteKey(L"Sec", L"Count");
  ini.EraseSection(L"Other");
  ini.UpdateFile();
  EXPECT_EQ(ReadBytes(file), "[Sec]\r\nName=changed\r\nWhen=2010-12-31 14:05:09\r\n");
}

TEST_F(IniFileTest, DateTimesRoundTripAndBadTextGivesDefault) {
  const std::wstring file = File(L"date.ini");
  TIniFile ini(file);
  const TDateTime midnight = EncodeDate(2010, 12, 31);
  const TDateTime afternoon = midnight + EncodeTime(14, 5, 9, 0);
  ini.WriteDateTime(L"S", L"Midnight", midnight);
  ini.WriteDateTime(L"S", L"Afternoon", afternoon);
  ini.WriteString(L"S", L"DayFirst", L"31-12-2010");
  EXPECT_EQ(ini.ReadString(L"S", L"Midnight", L""), L"2010-12-31");
  EXPECT_EQ(ini.ReadDateTime(L"S", L"Midnight", -1), midnight);
  EXPECT_NEAR(ini.ReadDateTime(L"S", L"Afternoon", -1), afternoon, 1e-9);
  EXPECT_EQ(ini.ReadDateTime(L"S", L"DayFirst", 0), 0);
  EXPECT_EQ(ini.ReadDateTime(L"S", L"Absent", 7), 7);
}

TEST_F(IniFileTest, LongTextsAreReadWhole) {
  const std::wstring file = File(L"long.ini");
  TIniFile ini(file);
  std::wstring longValue(5000, L'v');
  ini.WriteString(L"S", L"Long", longValue);
  for (int i = 0; i < 300; ++i) ini.WriteString(L"Many", L"Key" + IntToStr(i) + L"_padding", L"1");
  EXPECT_EQ(ini.ReadString(L"S", L"Long", L""), longValue);
  TStringList keys;
  ini.ReadSection(L"Many", keys);
  ASSERT_EQ(keys.Count(), 300);
  EXPECT_EQ(keys[299], L"Key299_padding");
}

TEST_F(IniFileTest, WriteFailureRaisesUnableToWrite) {
  const std::wstring file = File(L"readonly.ini");
  WriteBytes(file, "[S]\r\nk=1\r\n");
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
  TIniFile ini(file);
  try {
    ini.WriteString(L"S", L"k", L"2");
    ADD_FAILURE() << "no exception";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), L"Unable to write to " + file);
  }
  EXPECT_EQ(ini.ReadString(L"S", L"k", L""), L"1");
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);

  TIniFile nowhere(File(L"no\\such\\folder\\x.ini"));
  EXPECT_THROW(nowhere.WriteInteger(L"S", L"k", 1), EIniFileException);
  EXPECT_THROW(nowhere.EraseSection(L"S"), EIniFileException);
  TIniFile folder(dir_.Path());
  EXPECT_THROW(folder.WriteString(L"S", L"k", L"1"), EIniFileException);
  // A file another program holds without sharing cannot be written either.
  HANDLE locked = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_THROW(ini.WriteString(L"S", L"k", L"3"), EIniFileException);
  CloseHandle(locked);
  ini.WriteString(L"S", L"k", L"4");
  EXPECT_EQ(ini.ReadString(L"S", L"k", L""), L"4");
}
