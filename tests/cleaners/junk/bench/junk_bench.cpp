// Benchmark (not a test): times the junk scan of a folder tree against a plain recursive
// FindFirstFile walk of the same tree, in the same process, and reports the peak memory.
// scripts/bench-junk generates the tree in a throwaway prefix and runs this with its root.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "base/message_pump.h"
#include "cleaners/junk/junk_scan.h"
#include "cleaners/junk/waste_config.h"
#include "cleaners/junk/waste_lists.h"

namespace {

double Seconds(LARGE_INTEGER From, LARGE_INTEGER To) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(To.QuadPart - From.QuadPart) / double(frequency.QuadPart);
}

// Lists every folder once and counts its files.
void PlainWalk(const std::wstring& folder, long long& files) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + L"*.*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      const std::wstring name = entry.cFileName;
      if (name != L"." && name != L"..") PlainWalk(folder + name + L"\\", files);
    } else {
      ++files;
    }
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}

// What the program's pump does: handle every waiting message.
void HandleWaitingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

struct ScanFigures {
  double seconds;
  long long lookedAt;
  size_t found;
};

ScanFigures JunkScan(const std::wstring& root, bool pump) {
  ClearWasteFiles();
  WasteSearchState = TSearchStateInfo();
  SetMessagePump(pump ? TMessagePump(HandleWaitingMessages) : TMessagePump());
  long long lookedAt = 0;
  LARGE_INTEGER t0, t1;
  QueryPerformanceCounter(&t0);
  ScanJunkFolder(root, WasteFileTypes, WasteExcludeFolders, WasteExcludeFiles, WasteCleanOptions, WasteFiles,
                 [&lookedAt](bool found, const std::wstring&, int64_t) {
                   if (!found) ++lookedAt;
                 });
  QueryPerformanceCounter(&t1);
  return {Seconds(t0, t1), lookedAt, WasteFiles.size()};
}

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 2) {
    std::fprintf(stderr, "usage: junk_bench <root folder>\n");
    return 2;
  }
  std::wstring root = argv[1];
  LocalFree(argv);
  if (root.back() != L'\\') root += L'\\';
  // The shipped patterns, exclusions and options (Cleaner.ini beside this program).
  LoadWasteCleanOptions();
  LoadWasteFileTypes();
  LoadExcludeFolders();
  LoadExcludeFiles();

  long long warm = 0;
  PlainWalk(root, warm);  // fills the host's caches for both contenders
  double bestWalk = 1e30, bestScan = 1e30, bestBare = 1e30;
  long long walked = 0;
  ScanFigures scan{}, bare{};
  for (int round = 0; round < 3; ++round) {
    walked = 0;
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    PlainWalk(root, walked);
    QueryPerformanceCounter(&t1);
    bestWalk = std::min(bestWalk, Seconds(t0, t1));
    scan = JunkScan(root, true);
    bestScan = std::min(bestScan, scan.seconds);
    bare = JunkScan(root, false);
    bestBare = std::min(bestBare, bare.seconds);
  }
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof(memory);
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));

  std::printf("files: %lld walked, %lld looked at by the scan, %zu junk found\n", walked, scan.lookedAt, scan.found);
  std::printf("plain walk:               %.3f s  %10.0f files/s\n", bestWalk, walked / bestWalk);
  std::printf("junk scan (pumping):      %.3f s  %10.0f files/s  ratio %.2f\n", bestScan, scan.lookedAt / bestScan,
              (scan.lookedAt / bestScan) / (walked / bestWalk));
  std::printf("junk scan (no pump):      %.3f s  %10.0f files/s  ratio %.2f\n", bestBare, bare.lookedAt / bestBare,
              (bare.lookedAt / bestBare) / (walked / bestWalk));
  std::printf("peak working set: %.1f MB, peak private bytes: %.1f MB\n", memory.PeakWorkingSetSize / 1048576.0,
              memory.PeakPagefileUsage / 1048576.0);
  return 0;
}
