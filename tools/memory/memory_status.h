// The platform's memory status and the figures the memory page shows from it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// GlobalMemoryStatus into Status (its length set first).
void ReadMemoryStatus(MEMORYSTATUS& Status);

// Used physical memory as a fraction 0..1 of the total; 0 for an empty record.
double MemoryLoadFraction(const MEMORYSTATUS& Status);

// "Time since last reboot: %d days, %d hours, %d minutes, %d seconds" for an uptime in
// milliseconds (64-bit, so it does not wrap after 49.7 days).
std::wstring UptimeText(uint64_t milliseconds);
