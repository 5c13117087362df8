// The usage record Windows caches for an installed program ("SlowInfoCache" below ARPCache):
// installed size, last use, frequency of use and the program's main executable.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct TSlowInfoCache {
  bool HasName = false;        // the record names the executable
  int64_t InstalledSize = -1;  // bytes
  FILETIME LastUsed = {};
  int32_t Frequency = -1;
  std::wstring Name;           // the executable, when HasName
};

// Size of the fixed part: cbSize, HasName, InstalledSize, LastUsed and Frequency.
constexpr size_t kSlowInfoCacheHeaderSize = 28;
// Characters of the name field that follows the fixed part.
constexpr size_t kSlowInfoCacheNameChars = 262;

// Reads the little-endian record from the stored bytes. A record too short for its fixed part is
// refused (false). The name is read only as far as the bytes reach, up to its zero or the
// field's 262 characters, so a cut or unterminated name never reads beyond the value.
bool ParseSlowInfoCache(const std::vector<BYTE>& data, TSlowInfoCache& record);

// The last use as a date in the process-wide short date format: "N/A" when either half of the
// time is zero or the time is no valid date.
std::wstring LastUsedText(const FILETIME& lastUsed);
