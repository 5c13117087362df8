// Fixture values for the software list and cache keys: typed registry values written directly,
// and cached usage records built byte by byte as Windows stores them.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

inline void PutValue(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type, const void* data,
                     size_t size) {
  HKEY k;
  ASSERT_EQ(RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(k, name.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size)),
            ERROR_SUCCESS);
  RegCloseKey(k);
}
inline void PutText(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& text,
                    DWORD type = REG_SZ) {
  PutValue(root, key, name, type, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}
inline void PutDword(HKEY root, const std::wstring& key, const std::wstring& name, DWORD value) {
  PutValue(root, key, name, REG_DWORD, &value, sizeof(value));
}
inline bool KeyExists(HKEY root, const std::wstring& key) {
  HKEY k;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  RegCloseKey(k);
  return true;
}

// Noon of a day, as a file time.
inline FILETIME Day(int year, int month, int day) {
  SYSTEMTIME st = {};
  st.wYear = static_cast<WORD>(year);
  st.wMonth = static_cast<WORD>(month);
  st.wDay = static_cast<WORD>(day);
  st.wHour = 12;
  FILETIME ft;
  SystemTimeToFileTime(&st, &ft);
  return ft;
}

// A cached usage record: 552 bytes unless `bytes` says otherwise (the name is cut with them).
inline std::vector<BYTE> CacheRecord(bool hasName, int64_t size, FILETIME lastUsed, int32_t frequency,
                                     const std::wstring& name, size_t bytes = 552) {
  std::vector<BYTE> b(std::max<size_t>(bytes, 28 + 2 * (name.size() + 1)), 0);
  auto put = [&b](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<BYTE>(v >> (8 * i));
  };
  put(0, 552);
  put(4, hasName ? 1 : 0);
  put(8, static_cast<uint32_t>(size));
  put(12, static_cast<uint32_t>(static_cast<uint64_t>(size) >> 32));
  put(16, lastUsed.dwLowDateTime);
  put(20, lastUsed.dwHighDateTime);
  put(24, static_cast<uint32_t>(frequency));
  for (size_t i = 0; i < name.size(); ++i) {
    b[28 + 2 * i] = static_cast<BYTE>(name[i] & 0xFF);
    b[29 + 2 * i] = static_cast<BYTE>(name[i] >> 8);
  }
  b.resize(bytes);
  return b;
}
