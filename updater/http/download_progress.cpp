#include "updater/http/download_progress.h"

#include <windows.h>

#include <cwchar>

namespace {

wchar_t UserDecimalSeparator() {
  wchar_t text[8] = {};
  return GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, 8) > 1 ? text[0] : L'.';
}

std::wstring TwoDecimals(double value, wchar_t separator) {
  wchar_t text[64];
  std::swprintf(text, 64, L"%.2f", value);
  std::wstring result = text;
  for (wchar_t& c : result)
    if (c == L'.') c = separator;
  return result;
}

}  // namespace

std::wstring DownloadProgressText(long long received, long long replyLength, wchar_t decimalSeparator) {
  wchar_t separator = decimalSeparator ? decimalSeparator : UserDecimalSeparator();
  return TwoDecimals(received / 1024.0, separator) + L"KB / " + TwoDecimals(replyLength / 1024.0, separator) +
         L"KB - " + TwoDecimals(received / 1048576.0, separator) + L"M / " +
         TwoDecimals(replyLength / 1048576.0, separator) + L"M";
}

int DownloadPercent(long long offset, long long received, long long replyLength) {
  long long total = offset + replyLength;
  if (total <= 0) return 0;
  return static_cast<int>((offset + received) * 100 / total);
}
