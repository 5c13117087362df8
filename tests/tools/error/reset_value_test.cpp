// The data a repair writes, from its ResetValue text, for every value type.
#include "tools/error/reset_value.h"

#include <gtest/gtest.h>

namespace {

std::vector<BYTE> Wide(const std::wstring& text) {
  const BYTE* p = reinterpret_cast<const BYTE*>(text.data());
  return std::vector<BYTE>(p, p + text.size() * sizeof(wchar_t));
}

}  // namespace

TEST(ResetValue, EachTypeGivesItsBytes) {
  struct Case {
    DWORD type;
    std::wstring text;
    std::vector<BYTE> data;
  } cases[] = {
      {REG_SZ, L"txtfile", Wide(std::wstring(L"txtfile") + L'\0')},
      {REG_SZ, L"", Wide(std::wstring(1, L'\0'))},
      {REG_EXPAND_SZ, L"%SystemRoot%\\x", Wide(std::wstring(L"%SystemRoot%\\x") + L'\0')},
      // a multi-string ends with the zero of its string and the zero of the list
      {REG_MULTI_SZ, L"one", Wide(std::wstring(L"one") + L'\0' + L'\0')},
      {REG_BINARY, L"0A, 1b FF 7", {0x0A, 0x1B, 0xFF}},
      {REG_BINARY, L"", {}},
      // only hex digits count: what lies between '9' and 'a' separates, as blanks do
      {REG_BINARY, L"1:2;3<4=5>6?7@8[9\\a]b^c_d`e", {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE}},
      {REG_BINARY, L"zz0g1h", {0x01}},
      {REG_DWORD, L"1", {1, 0, 0, 0}},
      {REG_DWORD_BIG_ENDIAN, L"1", {0, 0, 0, 1}},
      {REG_DWORD, L"0x12345678", {0x78, 0x56, 0x34, 0x12}},
      {REG_DWORD_BIG_ENDIAN, L"$12345678", {0x12, 0x34, 0x56, 0x78}},
      {REG_DWORD, L"-1", {0xFF, 0xFF, 0xFF, 0xFF}},
      {REG_DWORD, L"4294967295", {0xFF, 0xFF, 0xFF, 0xFF}},
      {REG_DWORD, L"", {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    std::vector<BYTE> data;
    std::wstring refusal;
    EXPECT_TRUE(ParseResetValue(c.type, c.text, data, refusal)) << c.text;
    EXPECT_EQ(data, c.data) << c.type << " " << std::string(c.text.begin(), c.text.end());
    EXPECT_TRUE(refusal.empty());
  }
}

TEST(ResetValue, UnknownTypesAndUnreadableNumbersAreRefused) {
  struct Case {
    DWORD type;
    const wchar_t* text;
    const wchar_t* refusal;
  } cases[] = {
      {REG_NONE, L"1", L"values of type REG_NONE cannot be written"},
      {REG_LINK, L"1", L"values of type 6 cannot be written"},
      {REG_RESOURCE_LIST, L"1", L"values of type REG_RESOURCE_LIST cannot be written"},
      {0xFFFFFFFF, L"1", L"values of type -1 cannot be written"},
      {REG_DWORD, L"12a", L"\"12a\" is not a number for REG_DWORD"},
      {REG_DWORD, L"0x", L"\"0x\" is not a number for REG_DWORD"},
      {REG_DWORD_BIG_ENDIAN, L"4294967296", L"\"4294967296\" is not a number for REG_DWORD_BIG_ENDIAN"},
  };
  for (const Case& c : cases) {
    std::vector<BYTE> data = {1};
    std::wstring refusal;
    EXPECT_FALSE(ParseResetValue(c.type, c.text, data, refusal)) << c.refusal;
    EXPECT_EQ(refusal, c.refusal);
  }
}
