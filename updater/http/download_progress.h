// How a running transfer is shown: the progress text and the gauge's position.
#pragma once

#include <string>

// "<received KB>KB / <length KB>KB - <received MB>M / <length MB>M", each number with two
// decimals and the user's locale decimal separator (or the one given).
std::wstring DownloadProgressText(long long received, long long replyLength, wchar_t decimalSeparator = 0);
// (offset + received) / (offset + replyLength) in whole percent, 0 when there is nothing to get.
int DownloadPercent(long long offset, long long received, long long replyLength);
