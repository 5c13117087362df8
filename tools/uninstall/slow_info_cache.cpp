#include "tools/uninstall/slow_info_cache.h"

#include "base/date_time.h"

namespace {

uint32_t ReadU32(const std::vector<BYTE>& data, size_t at) {
  return uint32_t(data[at]) | (uint32_t(data[at + 1]) << 8) | (uint32_t(data[at + 2]) << 16) |
         (uint32_t(data[at + 3]) << 24);
}

}  // namespace

bool ParseSlowInfoCache(const std::vector<BYTE>& data, TSlowInfoCache& record) {
  if (data.size() < kSlowInfoCacheHeaderSize) return false;
  record = TSlowInfoCache();
  record.HasName = ReadU32(data, 4) != 0;
  record.InstalledSize = static_cast<int64_t>(uint64_t(ReadU32(data, 8)) | (uint64_t(ReadU32(data, 12)) << 32));
  record.LastUsed.dwLowDateTime = ReadU32(data, 16);
  record.LastUsed.dwHighDateTime = ReadU32(data, 20);
  record.Frequency = static_cast<int32_t>(ReadU32(data, 24));
  if (record.HasName) {
    for (size_t i = 0; i < kSlowInfoCacheNameChars; ++i) {
      const size_t at = kSlowInfoCacheHeaderSize + 2 * i;
      if (at + 2 > data.size()) break;
      const wchar_t c = static_cast<wchar_t>(data[at] | (data[at + 1] << 8));
      if (c == L'\0') break;
      record.Name.push_back(c);
    }
  }
  return true;
}

std::wstring LastUsedText(const FILETIME& lastUsed) {
  if (lastUsed.dwLowDateTime == 0 || lastUsed.dwHighDateTime == 0) return L"N/A";
  SYSTEMTIME st;
  if (!FileTimeToSystemTime(&lastUsed, &st)) return L"N/A";
  // A year the date type cannot hold (a corrupt record: up to 30827 converts) is no date either,
  // never the empty date's 1899-12-30.
  TDateTime date = 0;
  if (!TryEncodeDate(st.wYear, st.wMonth, st.wDay, date)) return L"N/A";
  return FormatDateTime(FormatSettings().ShortDateFormat, SystemTimeToDateTime(st));
}
