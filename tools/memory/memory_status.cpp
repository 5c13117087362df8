#include "tools/memory/memory_status.h"

#include <cstdio>

void ReadMemoryStatus(MEMORYSTATUS& Status) {
  ZeroMemory(&Status, sizeof(Status));
  Status.dwLength = sizeof(Status);
  GlobalMemoryStatus(&Status);
}

double MemoryLoadFraction(const MEMORYSTATUS& Status) {
  if (Status.dwTotalPhys == 0 || Status.dwAvailPhys >= Status.dwTotalPhys) return 0;
  return static_cast<double>(Status.dwTotalPhys - Status.dwAvailPhys) / static_cast<double>(Status.dwTotalPhys);
}

std::wstring UptimeText(uint64_t milliseconds) {
  uint64_t s = milliseconds / 1000;
  wchar_t text[128];
  swprintf(text, 128, L"Time since last reboot: %llu days, %llu hours, %llu minutes, %llu seconds",
           static_cast<unsigned long long>(s / 86400), static_cast<unsigned long long>((s % 86400) / 3600),
           static_cast<unsigned long long>((s % 3600) / 60), static_cast<unsigned long long>(s % 60));
  return text;
}
