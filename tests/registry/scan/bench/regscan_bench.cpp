// Benchmark (not a test): times a full registry scan, every category the build has, against a
// plain recursive enumeration of the keys the scan covers, in the same process. Run it through
// scripts/bench-regscan, which seeds a large synthetic registry in a throwaway prefix first.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "registry/scan/reg_scan_engine.h"

namespace {

struct TWalkCount {
  long long keys = 0;
  long long values = 0;
};

double Seconds(LARGE_INTEGER From, LARGE_INTEGER To) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(To.QuadPart - From.QuadPart) / double(frequency.QuadPart);
}

// Opens, counts and reads every value (name and data) and every subkey below Key.
void Walk(HKEY Parent, const std::wstring& Path, TWalkCount& Count) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(Parent, Path.empty() ? nullptr : Path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  ++Count.keys;
  DWORD subKeys = 0, maxSubKey = 0, values = 0, maxValueName = 0, maxData = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, &maxSubKey, nullptr, &values, &maxValueName, &maxData,
                   nullptr, nullptr);
  std::vector<wchar_t> name(std::max(maxSubKey, maxValueName) + 2);
  std::vector<BYTE> data(maxData + 2);
  for (DWORD i = 0; i < values; ++i) {
    DWORD nameLength = DWORD(name.size()), dataSize = DWORD(data.size()), type = 0;
    if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &dataSize) == ERROR_SUCCESS) {
      ++Count.values;
    }
  }
  std::vector<std::wstring> children;
  for (DWORD i = 0; i < subKeys; ++i) {
    DWORD nameLength = DWORD(name.size());
    if (RegEnumKeyExW(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
      children.emplace_back(name.data(), nameLength);
    }
  }
  for (const std::wstring& child : children) Walk(key, child, Count);
  RegCloseKey(key);
}

// The areas the fifteen categories read: the machine's software (classes included) and
// services, and all of the current user and of HKEY_USERS.
TWalkCount PlainWalk() {
  TWalkCount count;
  Walk(HKEY_LOCAL_MACHINE, L"Software", count);
  Walk(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services", count);
  Walk(HKEY_CURRENT_USER, L"", count);
  Walk(HKEY_USERS, L"", count);
  return count;
}

struct TScanTimes {
  double total = 0;
  double category[kRegCategoryCount + 1] = {};
  long long reports = 0;
};

TScanTimes FullScan(TRegScanEngine& engine) {
  TScanTimes times;
  engine.ClearRegItems();
  engine.ScanState = kRegStateRunning;
  TScanProgressEvent onProgress = [&times](uint8_t, const std::wstring&) { ++times.reports; };
  LARGE_INTEGER start, from, to;
  QueryPerformanceCounter(&start);
  for (int32_t category = 1; category <= kRegCategoryCount; ++category) {
    TScanProc scan = engine.GetScanProc(category);
    if (!scan) continue;
    QueryPerformanceCounter(&from);
    scan(onProgress);
    QueryPerformanceCounter(&to);
    times.category[category] = Seconds(from, to);
  }
  times.total = Seconds(start, to);
  engine.ScanState = kRegStateFinished;
  return times;
}

}  // namespace

int main() {
  // Once each to warm the registry server, then the measured runs.
  TRegScanEngine engine{0};
  PlainWalk();
  FullScan(engine);
  LARGE_INTEGER from, to;
  QueryPerformanceCounter(&from);
  TWalkCount walked = PlainWalk();
  QueryPerformanceCounter(&to);
  double walk = Seconds(from, to);
  TScanTimes scan = FullScan(engine);

  std::printf("plain walk: %.2f s (%lld keys, %lld values)\n", walk, walked.keys, walked.values);
  std::printf("full scan:  %.2f s (%zu records, %lld progress reports)\n", scan.total, engine.Items.size(), scan.reports);
  for (int32_t category = 1; category <= kRegCategoryCount; ++category) {
    if (!engine.GetScanProc(category)) {
      std::printf("  %2d %-26ls not built\n", category, RegCategoryNames[category]);
    } else {
      std::printf("  %2d %-26ls %.2f s\n", category, RegCategoryNames[category], scan.category[category]);
    }
  }
  std::printf("ratio scan/walk: %.2f (goal: at most 3)\n", walk > 0 ? scan.total / walk : 0.0);
  return 0;
}
