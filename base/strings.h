// Text helpers: UTF-16 inside the programs, explicit conversions at the edges.
#pragma once

#include <windows.h>

#include <string>

constexpr UINT kGbkCodePage = 936;

// Blanks and control characters (every char up to L' ') are trimmed.
std::wstring Trim(const std::wstring& s);
std::wstring TrimLeft(const std::wstring& s);
std::wstring TrimRight(const std::wstring& s);

// Case mapping by the platform's Unicode tables (not just ASCII).
std::wstring UpperCase(const std::wstring& s);
std::wstring LowerCase(const std::wstring& s);
bool SameText(const std::wstring& a, const std::wstring& b);
// Case-insensitive ordering: <0, 0, >0.
int CompareText(const std::wstring& a, const std::wstring& b);

std::wstring IntToStr(long long value);
// Decimal text with a ',' between groups of three digits: 1234567 gives "1,234,567".
std::wstring IntToGroupedStr(long long value);
// Hexadecimal digits in upper case, at least `digits` of them.
std::wstring IntToHex(unsigned long long value, int digits);

// Decimal with optional blanks before and a sign, or hexadecimal after '$' or "0x".
// The value must fit in 32 bits. StrToInt throws EConvertError "'<text>' is not a valid integer value".
bool TryStrToInt(const std::wstring& s, int& value);
int StrToInt(const std::wstring& s);
int StrToIntDef(const std::wstring& s, int defaultValue);

// Code-page conversions; embedded zero characters are kept.
std::wstring AnsiToWide(const std::string& s, UINT codePage = CP_ACP);
std::string WideToAnsi(const std::wstring& s, UINT codePage = CP_ACP);
std::wstring Utf8ToWide(const std::string& s);
std::string WideToUtf8(const std::wstring& s);

// A text as one component of a web address: its UTF-8 bytes, every byte other than the letters,
// digits and "-._~" written as %XX ("a b&c" gives "a%20b%26c").
std::wstring UrlEncode(const std::wstring& s);

// printf-style formatting with the C runtime's wide conventions: %s takes a const wchar_t*
// (pass .c_str()), %d an int, %u an unsigned, %x hexadecimal, %lld a long long.
std::wstring Format(const wchar_t* format, ...);

// The platform's text for a system or Winsock error code, trimmed ("" when it has none).
std::wstring SysErrorMessage(unsigned long code);
