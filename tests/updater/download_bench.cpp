// Times one transfer of the download code: download_bench <host:port> <path> <file>.
// Prints "<bytes> <seconds>" for scripts/bench-download.
#include <windows.h>

#include <cstdio>
#include <string>

#include "base/exception.h"
#include "updater/http/http_download.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: download_bench <host:port> <path> <file>\n");
    return 2;
  }
  TDownloadRequest request{argv[1], argv[2], argv[3], false};
  // The updater handles its window's messages between chunks; so does the benchmark.
  TDownloadCallbacks callbacks;
  long long bytes = 0;
  callbacks.Progress = [&](long long, long long received, long long) { bytes = received; };
  callbacks.ProcessMessages = [] {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  };
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  try {
    DownloadFile(request, callbacks);
  } catch (const Exception& e) {
    std::fprintf(stderr, "download failed: %s\n", e.what());
    return 1;
  }
  QueryPerformanceCounter(&end);
  std::printf("%lld %.3f\n", bytes, double(end.QuadPart - start.QuadPart) / frequency.QuadPart);
  return 0;
}
