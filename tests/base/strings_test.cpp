#include "base/strings.h"

#include <gtest/gtest.h>

#include <utility>

#include "base/exception.h"

TEST(Strings, TrimDropsEveryCharUpToBlank) {
  EXPECT_EQ(Trim(L" \t\r\n\x01 abc d \x1f"), L"abc d");
  EXPECT_EQ(TrimLeft(L"  a b  "), L"a b  ");
  EXPECT_EQ(TrimRight(L"  a b  "), L"  a b");
  EXPECT_EQ(Trim(L"   "), L"");
  EXPECT_EQ(Trim(L""), L"");
}

TEST(Strings, CaseHelpersCoverNonAsciiLetters) {
  EXPECT_EQ(UpperCase(L"Hkey_Local \u00e9"), L"HKEY_LOCAL \u00c9");
  EXPECT_EQ(LowerCase(L"ABC\u00c9"), L"abc\u00e9");
  EXPECT_TRUE(SameText(L"Software\\Foo", L"SOFTWARE\\foo"));
  EXPECT_FALSE(SameText(L"abc", L"abcd"));
  EXPECT_LT(CompareText(L"apple", L"Banana"), 0);
}

TEST(Strings, IntegerConversions) {
  struct Case {
    const wchar_t* text;
    bool ok;
    int value;
  } cases[] = {
      {L"0", true, 0},           {L"  42", true, 42},       {L"-17", true, -17},
      {L"+5", true, 5},          {L"$1F", true, 31},        {L"0x1f", true, 31},
      {L"$FFFFFFFF", true, -1},  {L"2147483647", true, 2147483647},
      {L"-2147483648", true, -2147483647 - 1},             {L"2147483648", false, 0},
      {L"", false, 0},           {L"12a", false, 0},         {L"1 2", false, 0},
      {L"-", false, 0},          {L"$", false, 0},           {L"12 ", false, 0},
  };
  for (const Case& c : cases) {
    int value = 12345;
    EXPECT_EQ(TryStrToInt(c.text, value), c.ok) << WideToUtf8(c.text);
    if (c.ok) {
      EXPECT_EQ(value, c.value) << WideToUtf8(c.text);
    }
    EXPECT_EQ(StrToIntDef(c.text, -99), c.ok ? c.value : -99);
  }
  EXPECT_EQ(StrToInt(L"-8"), -8);
  try {
    StrToInt(L"x1");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'x1' is not a valid integer value");
  }
  EXPECT_EQ(IntToStr(-2147483648LL), L"-2147483648");
  EXPECT_EQ(IntToStr(1234567890123LL), L"1234567890123");
  EXPECT_EQ(IntToHex(0x409, 4), L"0409");
  EXPECT_EQ(IntToHex(0xABCDE, 2), L"ABCDE");
}

TEST(Strings, GroupedIntegers) {
  const std::pair<long long, const wchar_t*> cases[] = {
      {0, L"0"},           {999, L"999"},           {1000, L"1,000"},          {123456, L"123,456"},
      {1234567, L"1,234,567"}, {-1000, L"-1,000"}, {-999, L"-999"},
      {9223372036854775807LL, L"9,223,372,036,854,775,807"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(IntToGroupedStr(value), text) << value;
}

TEST(Strings, CodePageConversionsRoundTripAndKeepZeros) {
  // "注册表" in GBK.
  const std::string gbk = "\xd7\xa2\xb2\xe1\xb1\xed";
  EXPECT_EQ(AnsiToWide(gbk, kGbkCodePage), L"\u6ce8\u518c\u8868");
  EXPECT_EQ(WideToAnsi(L"\u6ce8\u518c\u8868", kGbkCodePage), gbk);
  EXPECT_EQ(WideToUtf8(L"\u00e9"), "\xc3\xa9");
  EXPECT_EQ(Utf8ToWide("\xc3\xa9"), L"\u00e9");
  const std::wstring withZero(L"a\0b", 3);
  EXPECT_EQ(WideToAnsi(withZero), std::string("a\0b", 3));
  EXPECT_EQ(AnsiToWide(std::string("a\0b", 3)), withZero);
  EXPECT_EQ(AnsiToWide(""), L"");
}

TEST(Strings, FormatUsesWideStrings) {
  EXPECT_EQ(Format(L"Invalid data type for '%s'", L"Value"), L"Invalid data type for 'Value'");
  EXPECT_EQ(Format(L"%d-%u-%04x-%lld", -3, 7u, 0x1f, 1234567890123LL), L"-3-7-001f-1234567890123");
  std::wstring longText(1000, L'x');
  EXPECT_EQ(Format(L"[%s]", longText.c_str()), L"[" + longText + L"]");
}

TEST(Strings, ExceptionCarriesMessageAndUtf8Copy) {
  EIniFileException e(L"Unable to write to C:\\\u00e9.ini");
  EXPECT_EQ(e.Message(), L"Unable to write to C:\\\u00e9.ini");
  EXPECT_STREQ(e.what(), "Unable to write to C:\\\xc3\xa9.ini");
}

TEST(Strings, UrlEncodeKeepsOnlyUnreservedCharacters) {
  EXPECT_EQ(UrlEncode(L"Az09-._~"), L"Az09-._~");
  EXPECT_EQ(UrlEncode(L"a b&c=d#e?f/g+h%"), L"a%20b%26c%3Dd%23e%3Ff%2Fg%2Bh%25");
  EXPECT_EQ(UrlEncode(L"\u5237\u65B0"), L"%E5%88%B7%E6%96%B0");
  EXPECT_EQ(UrlEncode(L""), L"");
}

TEST(Strings, SysErrorMessage) {
  std::wstring text = SysErrorMessage(ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(text.empty());
  EXPECT_EQ(text, Trim(text));
  EXPECT_EQ(SysErrorMessage(0x2000FFFF), L"");
}
