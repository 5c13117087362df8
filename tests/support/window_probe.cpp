// Starts a program, waits for its window, and reports how long that took and how much
// memory the program uses once it rests; optionally saves a PNG picture of the window.
// Then closes the program it started. Used by scripts/run and scripts/bench-startup.
//
//   qs_window_probe <program.exe> <window class> <window caption> [--click <x>,<y> | --pause <ms>]...
//                   [--png <file>] [--timeout <s>]
//
// Each --click is a left click at that point of the window's client area, made with the mouse
// as a user would, in the order given, once the window rests (after the memory reading); a
// --pause waits that long between them (a scan a click started runs meanwhile); the picture is
// taken after the last step.
// Prints key=value lines: startup_ms, client, window, cpu_ms, working_set_kb, peak_working_set_kb, png.
#include <windows.h>
#include <gdiplus.h>
#include <psapi.h>

#include "window_picture.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "mouse_click.h"

namespace {

// A click at a client point, or a pause of Ms milliseconds.
struct Step {
  POINT click{};
  DWORD pauseMs = 0;
};

struct Options {
  std::wstring program, windowClass, caption, png;
  std::vector<Step> steps;
  DWORD timeoutMs = 60000;
};

bool ParseArgs(int argc, wchar_t** argv, Options& o) {
  if (argc < 4) return false;
  o.program = argv[1];
  o.windowClass = argv[2];
  o.caption = argv[3];
  for (int i = 4; i < argc; ++i) {
    std::wstring a = argv[i];
    if (a == L"--png" && i + 1 < argc) {
      o.png = argv[++i];
    } else if (a == L"--click" && i + 1 < argc) {
      POINT p{};
      if (swscanf(argv[++i], L"%ld,%ld", &p.x, &p.y) != 2) return false;
      o.steps.push_back({p, 0});
    } else if (a == L"--pause" && i + 1 < argc) {
      const int ms = _wtoi(argv[++i]);
      if (ms <= 0) return false;
      o.steps.push_back({POINT{}, static_cast<DWORD>(ms)});
    } else if (a == L"--timeout" && i + 1 < argc) {
      o.timeoutMs = static_cast<DWORD>(_wtoi(argv[++i])) * 1000;
    } else {
      return false;
    }
  }
  return true;
}

// A visible top-level window of that class and caption that belongs to the started process
// (another copy of the program that happens to run is left alone).
HWND FindVisibleWindow(const Options& o, DWORD processId) {
  HWND wnd = nullptr;
  while ((wnd = FindWindowExW(nullptr, wnd, o.windowClass.c_str(), o.caption.c_str())) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(wnd, &owner);
    if (owner == processId && IsWindowVisible(wnd)) return wnd;
  }
  return nullptr;
}

// Lets the program settle: its window answers messages and has painted.
void WaitUntilResting(HWND wnd) {
  for (int i = 0; i < 20; ++i) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(wnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    Sleep(50);
  }
}

// A left click at a client point of the window through the mouse input queue.
void ClickAt(HWND wnd, POINT client) {
  POINT screen = client;
  ClientToScreen(wnd, &screen);
  SetForegroundWindow(wnd);
  LeftClickAtScreen(screen);
  WaitUntilResting(wnd);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options o;
  if (!ParseArgs(argc, argv, o)) {
    fwprintf(stderr, L"usage: qs_window_probe <program.exe> <window class> <caption> "
                     L"[--click <x>,<y> | --pause <ms>]... [--png <file>] [--timeout <s>]\n");
    return 2;
  }
  Gdiplus::GdiplusStartupInput gdiplusInput;
  ULONG_PTR gdiplusToken = 0;
  Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);

  std::wstring folder = o.program.substr(0, o.program.find_last_of(L"\\/") + 1);
  std::wstring commandLine = L"\"" + o.program + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  LARGE_INTEGER freq, start, now;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(o.program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
            folder.empty() ? nullptr : folder.c_str(), &si, &pi)) {
    fwprintf(stderr, L"cannot start %ls (error %lu)\n", o.program.c_str(), GetLastError());
    return 1;
  }

  HWND wnd = nullptr;
  while (!(wnd = FindVisibleWindow(o, pi.dwProcessId))) {
    QueryPerformanceCounter(&now);
    const double elapsed = double(now.QuadPart - start.QuadPart) * 1000.0 / double(freq.QuadPart);
    if (elapsed > o.timeoutMs || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) {
      fwprintf(stderr, L"no window \"%ls\" of class %ls appeared\n", o.caption.c_str(),
                     o.windowClass.c_str());
      TerminateProcess(pi.hProcess, 1);
      return 1;
    }
    Sleep(5);
  }
  QueryPerformanceCounter(&now);
  wprintf(L"startup_ms=%.0f\n", double(now.QuadPart - start.QuadPart) * 1000.0 / double(freq.QuadPart));

  WaitUntilResting(wnd);
  RECT client, outer;
  GetClientRect(wnd, &client);
  GetWindowRect(wnd, &outer);
  wprintf(L"client=%ldx%ld\n", client.right, client.bottom);
  wprintf(L"window=%ldx%ld\n", outer.right - outer.left, outer.bottom - outer.top);

  // The processor time the program has used until it rests: its start-up work (skinning and
  // painting included), without the time it only waited.
  FILETIME created, exited, kernel, user;
  if (GetProcessTimes(pi.hProcess, &created, &exited, &kernel, &user)) {
    auto ms = [](const FILETIME& t) { return ((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000; };
    wprintf(L"cpu_ms=%llu\n", static_cast<unsigned long long>(ms(kernel) + ms(user)));
  }

  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  if (GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc)) {
    wprintf(L"working_set_kb=%llu\n", static_cast<unsigned long long>(pmc.WorkingSetSize / 1024));
    wprintf(L"peak_working_set_kb=%llu\n", static_cast<unsigned long long>(pmc.PeakWorkingSetSize / 1024));
  }

  for (const Step& step : o.steps) {
    if (step.pauseMs > 0) {
      Sleep(step.pauseMs);
      WaitUntilResting(wnd);
    } else {
      ClickAt(wnd, step.click);
    }
  }

  int status = 0;
  if (!o.png.empty()) {
    // After clicks, what they opened (a dialog over the window) stays in front.
    if (o.steps.empty()) SetForegroundWindow(wnd);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    WaitUntilResting(wnd);
    if (SaveWindowPicture(wnd, o.png)) {
      wprintf(L"png=%ls\n", o.png.c_str());
    } else {
      fwprintf(stderr, L"could not save %ls\n", o.png.c_str());
      status = 1;
    }
  }
  fflush(stdout);

  PostMessageW(wnd, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) {
    fwprintf(stderr, L"the program did not end after WM_CLOSE\n");
    TerminateProcess(pi.hProcess, 1);
    status = 1;
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  Gdiplus::GdiplusShutdown(gdiplusToken);
  return status;
}
