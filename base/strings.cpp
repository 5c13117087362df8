#include "base/strings.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "base/exception.h"

std::wstring Trim(const std::wstring& s) { return TrimLeft(TrimRight(s)); }

std::wstring TrimLeft(const std::wstring& s) {
  size_t i = 0;
  while (i < s.size() && s[i] <= L' ') ++i;
  return s.substr(i);
}

std::wstring TrimRight(const std::wstring& s) {
  size_t n = s.size();
  while (n > 0 && s[n - 1] <= L' ') --n;
  return s.substr(0, n);
}

std::wstring UpperCase(const std::wstring& s) {
  std::wstring r = s;
  if (!r.empty()) CharUpperBuffW(&r[0], static_cast<DWORD>(r.size()));
  return r;
}

std::wstring LowerCase(const std::wstring& s) {
  std::wstring r = s;
  if (!r.empty()) CharLowerBuffW(&r[0], static_cast<DWORD>(r.size()));
  return r;
}

int CompareText(const std::wstring& a, const std::wstring& b) {
  std::wstring ua = UpperCase(a), ub = UpperCase(b);
  return ua.compare(ub);
}

bool SameText(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

std::wstring IntToStr(long long value) { return std::to_wstring(value); }

std::wstring IntToGroupedStr(long long value) {
  std::wstring digits = std::to_wstring(value);
  const size_t first = (value < 0) ? 1 : 0;
  for (size_t i = digits.size(); i > first + 3; i -= 3) digits.insert(i - 3, 1, L',');
  return digits;
}

std::wstring IntToHex(unsigned long long value, int digits) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring r;
  do {
    r.insert(r.begin(), kDigits[value & 15]);
    value >>= 4;
  } while (value != 0);
  if (static_cast<int>(r.size()) < digits) r.insert(0, digits - r.size(), L'0');
  return r;
}

bool TryStrToInt(const std::wstring& s, int& value) {
  size_t i = 0;
  while (i < s.size() && s[i] == L' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == L'-' || s[i] == L'+')) {
    negative = s[i] == L'-';
    ++i;
  }
  unsigned base = 10;
  if (i < s.size() && s[i] == L'$') {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == L'0' && (s[i + 1] == L'x' || s[i + 1] == L'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return false;
  unsigned long long magnitude = 0;
  for (; i < s.size(); ++i) {
    wchar_t c = s[i];
    unsigned digit;
    if (c >= L'0' && c <= L'9') digit = c - L'0';
    else if (base == 16 && c >= L'a' && c <= L'f') digit = c - L'a' + 10;
    else if (base == 16 && c >= L'A' && c <= L'F') digit = c - L'A' + 10;
    else return false;
    magnitude = magnitude * base + digit;
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  if (base == 16) {
    // Hexadecimal text gives the 32-bit pattern ($FFFFFFFF is -1).
    unsigned bits = static_cast<unsigned>(magnitude);
    value = static_cast<int>(negative ? 0u - bits : bits);
    return true;
  }
  if (negative ? magnitude > 0x80000000ull : magnitude > 0x7FFFFFFFull) return false;
  value = negative ? static_cast<int>(-static_cast<long long>(magnitude)) : static_cast<int>(magnitude);
  return true;
}

int StrToInt(const std::wstring& s) {
  int value;
  if (!TryStrToInt(s, value)) throw EConvertError(L"'" + s + L"' is not a valid integer value");
  return value;
}

int StrToIntDef(const std::wstring& s, int defaultValue) {
  int value;
  return TryStrToInt(s, value) ? value : defaultValue;
}

std::wstring AnsiToWide(const std::string& s, UINT codePage) {
  if (s.empty()) return std::wstring();
  int n = MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring r(n, L'\0');
  MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), &r[0], n);
  return r;
}

std::string WideToAnsi(const std::wstring& s, UINT codePage) {
  if (s.empty()) return std::string();
  int n = WideCharToMultiByte(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string r(n, '\0');
  WideCharToMultiByte(codePage, 0, s.data(), static_cast<int>(s.size()), &r[0], n, nullptr, nullptr);
  return r;
}

std::wstring Utf8ToWide(const std::string& s) { return AnsiToWide(s, CP_UTF8); }

std::string WideToUtf8(const std::wstring& s) { return WideToAnsi(s, CP_UTF8); }

std::wstring Format(const wchar_t* format, ...) {
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list args;
    va_start(args, format);
    // The C runtime's own function: %s is a wide string whatever stdio flavour is chosen.
    int n = _vsnwprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    if (n >= 0 && static_cast<size_t>(n) < buffer.size()) return std::wstring(buffer.data(), n);
    if (buffer.size() > (1u << 24)) return std::wstring();
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring UrlEncode(const std::wstring& s) {
  static const wchar_t kHex[] = L"0123456789ABCDEF";
  std::wstring encoded;
  for (unsigned char byte : WideToUtf8(s)) {
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
        byte == '-' || byte == '.' || byte == '_' || byte == '~') {
      encoded += static_cast<wchar_t>(byte);
    } else {
      encoded += L'%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 15];
    }
  }
  return encoded;
}

std::wstring SysErrorMessage(unsigned long code) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = text ? Trim(text) : std::wstring();
  if (text) LocalFree(text);
  return message;
}
