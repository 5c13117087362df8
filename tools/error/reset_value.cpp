#include "tools/error/reset_value.h"

#include <cwctype>

#include "base/strings.h"
#include "registry/reg_names.h"

namespace {

void AppendText(const std::wstring& text, int terminators, std::vector<BYTE>& data) {
  std::wstring withZeros = text + std::wstring(terminators, L'\0');
  const BYTE* bytes = reinterpret_cast<const BYTE*>(withZeros.data());
  data.assign(bytes, bytes + withZeros.size() * sizeof(wchar_t));
}

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// Decimal, or hexadecimal after "0x" or '$', as the INI reader takes numbers; up to 32 bits.
bool ReadNumber(const std::wstring& text, DWORD& value) {
  std::wstring t = Trim(text);
  if (t.empty()) {
    value = 0;
    return true;
  }
  bool negative = false;
  size_t pos = 0;
  if (t[0] == L'-') {
    negative = true;
    pos = 1;
  }
  unsigned base = 10;
  if (t.compare(pos, 2, L"0x") == 0 || t.compare(pos, 2, L"0X") == 0) {
    base = 16;
    pos += 2;
  } else if (t.compare(pos, 1, L"$") == 0) {
    base = 16;
    pos += 1;
  }
  if (pos >= t.size()) return false;
  unsigned long long n = 0;
  for (; pos < t.size(); ++pos) {
    int digit = base == 16 ? HexDigit(t[pos]) : (std::iswdigit(t[pos]) ? t[pos] - L'0' : -1);
    if (digit < 0) return false;
    n = n * base + digit;
    if (n > 0xFFFFFFFFull) return false;
  }
  if (negative && n > 0x80000000ull) return false;
  value = negative ? static_cast<DWORD>(0u - static_cast<DWORD>(n)) : static_cast<DWORD>(n);
  return true;
}

}  // namespace

bool ParseResetValue(DWORD ValueType, const std::wstring& Text, std::vector<BYTE>& Data, std::wstring& Refusal) {
  Data.clear();
  switch (ValueType) {
    case REG_SZ:
    case REG_EXPAND_SZ:
      AppendText(Text, 1, Data);
      return true;
    case REG_MULTI_SZ:
      // The list ends with an empty string: without the second zero a reader runs past the data.
      AppendText(Text, 2, Data);
      return true;
    case REG_BINARY: {
      int high = -1;
      for (wchar_t c : Text) {
        int digit = HexDigit(c);
        if (digit < 0) continue;
        if (high < 0) {
          high = digit;
        } else {
          Data.push_back(static_cast<BYTE>(high << 4 | digit));
          high = -1;
        }
      }
      return true;
    }
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN: {
      DWORD value;
      if (!ReadNumber(Text, value)) {
        Refusal = L"\"" + Text + L"\" is not a number for " + RegTypeToName(ValueType);
        return false;
      }
      for (int i = 0; i < 4; ++i) Data.push_back(static_cast<BYTE>(value >> (8 * i)));
      if (ValueType == REG_DWORD_BIG_ENDIAN) std::swap(Data[0], Data[3]), std::swap(Data[1], Data[2]);
      return true;
    }
    default: {
      std::wstring name = RegTypeToName(ValueType);
      Refusal = L"values of type " + (name.empty() ? IntToStr(static_cast<int>(ValueType)) : name) +
                L" cannot be written";
      return false;
    }
  }
}
